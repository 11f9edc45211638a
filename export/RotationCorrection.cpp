#include "export/SceneNodeTable.h"

#include <maya/MEulerRotation.h>

// The corrected rotation turns by the pre-rotation first, then by the
// node's own rotation, then by the post-rotation. The angles are taken as
// XYZ whatever the node's rotation order.
void RotationCorrection::apply(double& x, double& y, double& z) const {
    if (!hasPreRotation && !hasPostRotation) {
        return;
    }
    MQuaternion q = MEulerRotation(x, y, z, MEulerRotation::kXYZ).asQuaternion();
    if (hasPreRotation) {
        q = preRotation * q;
    }
    if (hasPostRotation) {
        q = q * postRotation;
    }
    MEulerRotation corrected = q.asEulerRotation();
    x = corrected.x;
    y = corrected.y;
    z = corrected.z;
}
