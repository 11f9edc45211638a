// MFnTransform, MFnIkJoint and MFnMatrixData: readers over the stored
// transform attributes and over the transformation data of pose elements.

#include "api/Access.h"
#include "api/FnReads.h"

#include <maya/MFnIkJoint.h>
#include <maya/MFnMatrixData.h>
#include <maya/MFnTransform.h>

using namespace orvex_host;

namespace {

// The attributes behind each limit: the value and its enable switch.
struct LimitAttributes {
    const char* value;
    const char* enable;
};

const LimitAttributes kLimits[] = {
    {"minScaleXLimit", "minScaleXLimitEnable"}, {"maxScaleXLimit", "maxScaleXLimitEnable"},
    {"minScaleYLimit", "minScaleYLimitEnable"}, {"maxScaleYLimit", "maxScaleYLimitEnable"},
    {"minScaleZLimit", "minScaleZLimitEnable"}, {"maxScaleZLimit", "maxScaleZLimitEnable"},
    {"minRotXLimit", "minRotXLimitEnable"},     {"maxRotXLimit", "maxRotXLimitEnable"},
    {"minRotYLimit", "minRotYLimitEnable"},     {"maxRotYLimit", "maxRotYLimitEnable"},
    {"minRotZLimit", "minRotZLimitEnable"},     {"maxRotZLimit", "maxRotZLimitEnable"},
    {"minTransXLimit", "minTransXLimitEnable"}, {"maxTransXLimit", "maxTransXLimitEnable"},
    {"minTransYLimit", "minTransYLimitEnable"}, {"maxTransYLimit", "maxTransYLimitEnable"},
    {"minTransZLimit", "minTransZLimitEnable"}, {"maxTransZLimit", "maxTransZLimitEnable"},
};

const LimitAttributes* limitAttributes(MFnTransform::LimitType type) {
    int index = static_cast<int>(type);
    return index >= 0 && index < static_cast<int>(sizeof(kLimits) / sizeof(kLimits[0])) ? &kLimits[index]
                                                                                        : nullptr;
}

// Angles of a triple such as "rotateAxis" as an XYZ quaternion.
MQuaternion tripleAsQuaternion(const MFnDependencyNode& node, const char* name, MStatus* status) {
    double angles[3] = {0.0, 0.0, 0.0};
    bool ok = readNamedTriple(node, name, angles);
    reportStatus(status, ok);
    return MEulerRotation(angles[0], angles[1], angles[2], MEulerRotation::kXYZ).asQuaternion();
}

} // namespace

// ---- MFnTransform -----------------------------------------------------------

MFnTransform::MFnTransform(const MObject& object, MStatus* status) {
    attachFunctionSet(*this, object, status);
}

MFnTransform::MFnTransform(const MDagPath& path, MStatus* status) {
    attachFunctionSet(*this, path, status);
}

MVector MFnTransform::translation(MSpace::Space, MStatus* status) const {
    double t[3] = {0.0, 0.0, 0.0};
    reportStatus(status, readNamedTriple(*this, "translate", t));
    return MVector(t[0], t[1], t[2]);
}

MStatus MFnTransform::getRotation(double rotation[3], MTransformationMatrix::RotationOrder& order) const {
    double r[3] = {0.0, 0.0, 0.0};
    if (!readNamedTriple(*this, "rotate", r)) {
        return MS::kFailure;
    }
    for (int i = 0; i < 3; ++i) {
        rotation[i] = r[i];
    }
    order = rotationOrder();
    return MS::kSuccess;
}

MStatus MFnTransform::getRotation(MEulerRotation& rotation) const {
    double r[3];
    MTransformationMatrix::RotationOrder order;
    MStatus s = getRotation(r, order);
    if (s) {
        rotation =
            MEulerRotation(r[0], r[1], r[2],
                           static_cast<MEulerRotation::RotationOrder>(order - MTransformationMatrix::kXYZ));
    }
    return s;
}

MStatus MFnTransform::getScale(double scale[3]) const {
    double s[3] = {1.0, 1.0, 1.0};
    if (!readNamedTriple(*this, "scale", s)) {
        return MS::kFailure;
    }
    for (int i = 0; i < 3; ++i) {
        scale[i] = s[i];
    }
    return MS::kSuccess;
}

MQuaternion MFnTransform::rotateOrientation(MSpace::Space, MStatus* status) const {
    return tripleAsQuaternion(*this, "rotateAxis", status);
}

MTransformationMatrix::RotationOrder MFnTransform::rotationOrder(MStatus* status) const {
    int order = readNamedValue(*this, "rotateOrder", 0, status);
    if (order < 0 || order > 5) {
        order = 0;
    }
    return static_cast<MTransformationMatrix::RotationOrder>(MTransformationMatrix::kXYZ + order);
}

bool MFnTransform::isLimited(LimitType type, MStatus* status) const {
    const LimitAttributes* limit = limitAttributes(type);
    if (!limit) {
        reportStatus(status, false);
        return false;
    }
    return readNamedValue(*this, limit->enable, false, status);
}

double MFnTransform::limitValue(LimitType type, MStatus* status) const {
    const LimitAttributes* limit = limitAttributes(type);
    if (!limit) {
        reportStatus(status, false);
        return 0.0;
    }
    return readNamedValue(*this, limit->value, 0.0, status);
}

// ---- MFnIkJoint -------------------------------------------------------------

MFnIkJoint::MFnIkJoint(const MObject& object, MStatus* status) {
    attachFunctionSet(*this, object, status);
}

MFnIkJoint::MFnIkJoint(const MDagPath& path, MStatus* status) {
    attachFunctionSet(*this, path, status);
}

MStatus MFnIkJoint::getOrientation(MQuaternion& orientation) const {
    MStatus status;
    MQuaternion q = tripleAsQuaternion(*this, "jointOrient", &status);
    if (status) {
        orientation = q;
    }
    return status;
}

MStatus MFnIkJoint::getOrientation(MEulerRotation& orientation) const {
    double angles[3] = {0.0, 0.0, 0.0};
    if (!readNamedTriple(*this, "jointOrient", angles)) {
        return MS::kFailure;
    }
    orientation = MEulerRotation(angles[0], angles[1], angles[2], MEulerRotation::kXYZ);
    return MS::kSuccess;
}

// ---- MFnMatrixData ----------------------------------------------------------

MFnMatrixData::MFnMatrixData(const MObject& object, MStatus* status) {
    attachFunctionSet(*this, object, status);
}

MTransformationMatrix MFnMatrixData::transformation(MStatus* status) const {
    auto matrix = dynamic_cast<const MatrixDataObject*>(ObjectAccess::data(obj()));
    reportStatus(status, matrix != nullptr);
    return matrix ? ObjectAccess::transformation(matrix->data) : MTransformationMatrix();
}
