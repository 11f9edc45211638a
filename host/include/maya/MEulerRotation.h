#pragma once
// Rotation as three angles in radians, applied about the axes in the given
// order (kXYZ: about X first, then Y, then Z).

#include <maya/MTypes.h>

class MQuaternion;

class MEulerRotation {
public:
    enum RotationOrder { kXYZ = 0, kYZX, kZXY, kXZY, kYXZ, kZYX };

    MEulerRotation() = default;
    MEulerRotation(double xx, double yy, double zz, RotationOrder ord = kXYZ)
        : x(xx), y(yy), z(zz), order(ord) {}

    // The same rotation as a quaternion: the product of the three axis
    // rotations in the rotation's order.
    MQuaternion asQuaternion() const;

    double x = 0.0;
    double y = 0.0;
    double z = 0.0;
    RotationOrder order = kXYZ;
};
