#pragma once
// Function set for transforms and every kind of transform (joints, IK
// handles and effectors, emitters, fields).

#include <maya/MDagPath.h>
#include <maya/MEulerRotation.h>
#include <maya/MFnDagNode.h>
#include <maya/MQuaternion.h>
#include <maya/MSpace.h>
#include <maya/MTransformationMatrix.h>
#include <maya/MVector.h>

class MFnTransform : public MFnDagNode {
public:
    enum LimitType {
        kScaleMinX,
        kScaleMaxX,
        kScaleMinY,
        kScaleMaxY,
        kScaleMinZ,
        kScaleMaxZ,
        kRotateMinX,
        kRotateMaxX,
        kRotateMinY,
        kRotateMaxY,
        kRotateMinZ,
        kRotateMaxZ,
        kTranslateMinX,
        kTranslateMaxX,
        kTranslateMinY,
        kTranslateMaxY,
        kTranslateMinZ,
        kTranslateMaxZ
    };

    MFnTransform() = default;
    MFnTransform(const MObject& object, MStatus* status = NULL);
    MFnTransform(const MDagPath& path, MStatus* status = NULL);
    MFn::Type type() const override;

    // The local translation in internal length.
    MVector translation(MSpace::Space space, MStatus* status = NULL) const;
    // The three rotate angles in radians as stored, and the node's order.
    MStatus getRotation(double rotation[3], MTransformationMatrix::RotationOrder& order) const;
    MStatus getRotation(MEulerRotation& rotation) const;
    MStatus getScale(double scale[3]) const;
    // The rotate axis as a quaternion; exactly the identity for no axis.
    MQuaternion rotateOrientation(MSpace::Space space, MStatus* status = NULL) const;
    MTransformationMatrix::RotationOrder rotationOrder(MStatus* status = NULL) const;

    // Whether a limit is switched on, and its value (radians for rotation,
    // internal length for translation).
    bool isLimited(LimitType type, MStatus* status = NULL) const;
    double limitValue(LimitType type, MStatus* status = NULL) const;
};
