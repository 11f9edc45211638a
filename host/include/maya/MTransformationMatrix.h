#pragma once
// A transformation split into its parts: scale, rotation (with its order),
// rotate orientation and translation.

#include <maya/MEulerRotation.h>
#include <maya/MQuaternion.h>
#include <maya/MSpace.h>
#include <maya/MStatus.h>
#include <maya/MVector.h>

namespace orvex_host {
struct ObjectAccess;
}

class MTransformationMatrix {
public:
    enum RotationOrder { kInvalid = 0, kXYZ, kYZX, kZXY, kXZY, kYXZ, kZYX, kLast };

    MTransformationMatrix() = default;

    MVector translation(MSpace::Space space, MStatus* status = NULL) const;
    // The rotation angles in radians as stored, and their order.
    MStatus getRotation(double rotation[3], RotationOrder& order) const;
    MEulerRotation eulerRotation(MStatus* status = NULL) const;
    MQuaternion rotationOrientation(MStatus* status = NULL) const;
    MStatus getScale(double scale[3], MSpace::Space space) const;

private:
    friend struct orvex_host::ObjectAccess;
    double translate_[3] = {0.0, 0.0, 0.0};
    double rotate_[3] = {0.0, 0.0, 0.0};
    RotationOrder order_ = kXYZ;
    double scale_[3] = {1.0, 1.0, 1.0};
    MQuaternion rotateAxis_;
};
