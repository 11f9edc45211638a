#pragma once
// Function set for joints.

#include <maya/MFnTransform.h>

class MFnIkJoint : public MFnTransform {
public:
    MFnIkJoint() = default;
    MFnIkJoint(const MObject& object, MStatus* status = NULL);
    MFnIkJoint(const MDagPath& path, MStatus* status = NULL);
    MFn::Type type() const override;

    // The joint orientation (XYZ angles) as a quaternion; the identity when
    // the joint has none.
    MStatus getOrientation(MQuaternion& orientation) const;
    MStatus getOrientation(MEulerRotation& orientation) const;
};
