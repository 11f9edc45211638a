#pragma once
// Rotation as a quaternion (x, y, z, w). Products compose as the host's
// row-vector matrices do: (a * b) rotates by a first, then by b.

#include <maya/MTypes.h>

class MEulerRotation;

class MQuaternion {
public:
    MQuaternion() = default;
    MQuaternion(double xx, double yy, double zz, double ww) : x(xx), y(yy), z(zz), w(ww) {}

    MQuaternion operator*(const MQuaternion& other) const;
    MQuaternion& operator*=(const MQuaternion& other);
    bool operator==(const MQuaternion& other) const {
        return x == other.x && y == other.y && z == other.z && w == other.w;
    }
    bool operator!=(const MQuaternion& other) const { return !(*this == other); }
    MEulerRotation asEulerRotation() const;

    static const MQuaternion identity;

    double x = 0.0;
    double y = 0.0;
    double z = 0.0;
    double w = 1.0;
};
