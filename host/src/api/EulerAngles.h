#pragma once
// Euler angles of a rotation matrix, in the host's conventions.

#include <maya/MEulerRotation.h>

#include <array>

namespace orvex_host {

// A rotation as a column-vector matrix, [row][column]: the transpose of the
// host's row-vector matrix.
using RotationMatrix = std::array<std::array<double, 3>, 3>;

// The angles (radians, order XYZ) of the rotation C = Rz · Ry · Rx.
MEulerRotation eulerXYZ(const RotationMatrix& c);

} // namespace orvex_host
