// Splitting a matrix into scale, shear, rotation and translation.
//
// With row vectors the upper 3x3 block is S · H · R, H the lower unit
// triangle of the shear: its first row is sx times R's first, its second sy
// times R's second plus a multiple of the first, its third sz times R's
// third plus multiples of the first two. Orthonormalising the rows in that
// order (Gram-Schmidt) gives R's rows and the scale factors. A mirroring
// matrix (negative determinant) needs a negative scale; the host's choice of
// which is not documented, and this negates all three, which leaves R a
// rotation.

#include "api/MatrixDecomposition.h"

#include "api/EulerAngles.h"

#include <array>
#include <cmath>

namespace orvex_host {

namespace {

using Vector3 = std::array<double, 3>;

double dot(const Vector3& a, const Vector3& b) {
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}

Vector3 cross(const Vector3& a, const Vector3& b) {
    return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}

// `v` less its part along the unit vector `along`.
Vector3 without(const Vector3& v, const Vector3& along) {
    const double d = dot(v, along);
    return {v[0] - d * along[0], v[1] - d * along[1], v[2] - d * along[2]};
}

// `v` made unit length, its length in `length`; `fallback` when `v` has
// none (a matrix that flattens an axis keeps a rotation all the same).
Vector3 unit(const Vector3& v, double& length, const Vector3& fallback) {
    length = std::sqrt(dot(v, v));
    if (!(length > 0.0)) {
        return fallback;
    }
    return {v[0] / length, v[1] / length, v[2] / length};
}

// A unit vector at right angles to the unit vector `v`.
Vector3 perpendicular(const Vector3& v) {
    const Vector3 axis = std::fabs(v[0]) < 0.9 ? Vector3{1, 0, 0} : Vector3{0, 1, 0};
    double length = 0.0;
    return unit(without(axis, v), length, Vector3{0, 0, 1});
}

} // namespace

TransformData decomposeMatrix(const Matrix& m) {
    const Vector3 row0 = {m[0], m[1], m[2]};
    const Vector3 row1 = {m[4], m[5], m[6]};
    const Vector3 row2 = {m[8], m[9], m[10]};
    TransformData t;
    const Vector3 x = unit(row0, t.scale[0], Vector3{1, 0, 0});
    const Vector3 y = unit(without(row1, x), t.scale[1], perpendicular(x));
    const Vector3 z = unit(without(without(row2, x), y), t.scale[2], cross(x, y));
    // Negating the scale factors and the three rows of a mirroring block
    // leaves a rotation.
    const double sign = dot(cross(x, y), z) < 0.0 ? -1.0 : 1.0;
    for (double& s : t.scale) {
        s *= sign;
    }
    // The rotation's column-vector matrix is the transpose of its rows
    // (+ 0.0 turns -0 into 0, so that a half turn reads as +180 degrees).
    RotationMatrix c{};
    for (int i = 0; i < 3; ++i) {
        c[i][0] = sign * x[i] + 0.0;
        c[i][1] = sign * y[i] + 0.0;
        c[i][2] = sign * z[i] + 0.0;
    }
    const MEulerRotation r = eulerXYZ(c);
    t.rotate = {r.x, r.y, r.z};
    t.translate = {m[12], m[13], m[14]};
    return t;
}

} // namespace orvex_host
