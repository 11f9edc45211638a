// Quaternion and Euler maths in the host's conventions, and the parts of a
// transformation.
//
// The host composes rotations as its row-vector matrices do: (a * b) turns
// by a first and then by b, so the matrix of a * b is matrix(a) · matrix(b).
// In the usual column-vector (Hamilton) terms, a * b is b ⊗ a.

#include "api/Access.h"
#include "api/EulerAngles.h"

#include <maya/MEulerRotation.h>
#include <maya/MQuaternion.h>
#include <maya/MTransformationMatrix.h>

#include <cmath>

namespace {

MQuaternion axisRotation(int axis, double angle) {
    double s = std::sin(angle * 0.5);
    double c = std::cos(angle * 0.5);
    MQuaternion q(0.0, 0.0, 0.0, c);
    (axis == 0 ? q.x : axis == 1 ? q.y : q.z) = s;
    return q;
}

// The axes of each rotation order, in the order they are applied.
const int kOrderAxes[6][3] = {
    {0, 1, 2}, // kXYZ
    {1, 2, 0}, // kYZX
    {2, 0, 1}, // kZXY
    {0, 2, 1}, // kXZY
    {1, 0, 2}, // kYXZ
    {2, 1, 0}, // kZYX
};

// -0 reads as 0, so that a zero angle never prints with a sign.
double unsigned0(double angle) {
    return angle + 0.0;
}

void setStatus(MStatus* status) {
    if (status) {
        *status = MS::kSuccess;
    }
}

} // namespace

const MQuaternion MQuaternion::identity;

MQuaternion MQuaternion::operator*(const MQuaternion& o) const {
    // Hamilton product o ⊗ this.
    return MQuaternion(o.w * x + o.x * w + o.y * z - o.z * y, //
                       o.w * y - o.x * z + o.y * w + o.z * x, //
                       o.w * z + o.x * y - o.y * x + o.z * w, //
                       o.w * w - o.x * x - o.y * y - o.z * z);
}

MQuaternion& MQuaternion::operator*=(const MQuaternion& other) {
    *this = *this * other;
    return *this;
}

// Decomposes in the order XYZ, through the column-vector matrix of the
// rotation (the quaternion need not have unit length).
MEulerRotation MQuaternion::asEulerRotation() const {
    double norm = x * x + y * y + z * z + w * w;
    double s = norm > 0.0 ? 2.0 / norm : 0.0;
    const orvex_host::RotationMatrix c = {{
        {1.0 - s * (y * y + z * z), s * (x * y - w * z), s * (x * z + w * y)},
        {s * (x * y + w * z), 1.0 - s * (x * x + z * z), s * (y * z - w * x)},
        {s * (x * z - w * y), s * (y * z + w * x), 1.0 - s * (x * x + y * y)},
    }};
    return orvex_host::eulerXYZ(c);
}

MQuaternion MEulerRotation::asQuaternion() const {
    const double angles[3] = {x, y, z};
    const int* axes = kOrderAxes[order >= kXYZ && order <= kZYX ? order : kXYZ];
    MQuaternion q;
    for (int i = 0; i < 3; ++i) {
        q = q * axisRotation(axes[i], angles[axes[i]]);
    }
    return q;
}

MVector MTransformationMatrix::translation(MSpace::Space, MStatus* status) const {
    setStatus(status);
    return MVector(translate_[0], translate_[1], translate_[2]);
}

MStatus MTransformationMatrix::getRotation(double rotation[3], RotationOrder& order) const {
    for (int i = 0; i < 3; ++i) {
        rotation[i] = rotate_[i];
    }
    order = order_;
    return MS::kSuccess;
}

MEulerRotation MTransformationMatrix::eulerRotation(MStatus* status) const {
    setStatus(status);
    return MEulerRotation(rotate_[0], rotate_[1], rotate_[2],
                          static_cast<MEulerRotation::RotationOrder>(order_ - kXYZ));
}

MQuaternion MTransformationMatrix::rotationOrientation(MStatus* status) const {
    setStatus(status);
    return rotateAxis_;
}

MStatus MTransformationMatrix::getScale(double scale[3], MSpace::Space) const {
    for (int i = 0; i < 3; ++i) {
        scale[i] = scale_[i];
    }
    return MS::kSuccess;
}

namespace orvex_host {

// With C = Rz · Ry · Rx, y = asin(-C[2][0]) lies in [-pi/2, pi/2] and x and z
// in (-pi, pi]; at y = ±pi/2 the whole remaining turn goes to x.
MEulerRotation eulerXYZ(const RotationMatrix& c) {
    double cosY = std::sqrt(c[0][0] * c[0][0] + c[1][0] * c[1][0]);
    double ry = std::atan2(-c[2][0], cosY);
    double rx, rz;
    if (cosY > 1e-12) {
        rx = std::atan2(c[2][1], c[2][2]);
        rz = std::atan2(c[1][0], c[0][0]);
    } else {
        rx = std::atan2(-c[1][2], c[1][1]);
        rz = 0.0;
    }
    return MEulerRotation(unsigned0(rx), unsigned0(ry), unsigned0(rz), MEulerRotation::kXYZ);
}

MTransformationMatrix ObjectAccess::transformation(const TransformData& data) {
    MTransformationMatrix m;
    for (int i = 0; i < 3; ++i) {
        m.translate_[i] = data.translate[i];
        m.rotate_[i] = data.rotate[i];
        m.scale_[i] = data.scale[i];
    }
    int order = data.rotateOrder >= 0 && data.rotateOrder <= 5 ? data.rotateOrder : 0;
    m.order_ = static_cast<MTransformationMatrix::RotationOrder>(MTransformationMatrix::kXYZ + order);
    m.rotateAxis_ =
        MQuaternion(data.rotateAxis[0], data.rotateAxis[1], data.rotateAxis[2], data.rotateAxis[3]);
    return m;
}

} // namespace orvex_host
