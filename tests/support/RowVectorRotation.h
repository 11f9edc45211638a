#pragma once
// Rotations as the host composes them, with 3x3 row-vector matrices, so that
// tests can check quaternion results against plain matrix products.

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>

namespace orvex_test {

using Matrix3 = std::array<std::array<double, 3>, 3>;

inline Matrix3 multiply(const Matrix3& a, const Matrix3& b) {
    Matrix3 m{};
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j) {
            for (int k = 0; k < 3; ++k) {
                m[i][j] += a[i][k] * b[k][j];
            }
        }
    }
    return m;
}

// Row-vector rotation about one axis (0 x, 1 y, 2 z).
inline Matrix3 axisRotation(int axis, double radians) {
    const double c = std::cos(radians), s = std::sin(radians);
    const int u = (axis + 1) % 3, v = (axis + 2) % 3;
    Matrix3 m{};
    m[axis][axis] = 1;
    m[u][u] = c;
    m[u][v] = s;
    m[v][u] = -s;
    m[v][v] = c;
    return m;
}

// An XYZ rotation: about X first, then Y, then Z.
inline Matrix3 eulerXYZ(double x, double y, double z) {
    return multiply(multiply(axisRotation(0, x), axisRotation(1, y)), axisRotation(2, z));
}

// XYZ angles (degrees) of a row-vector rotation matrix, y within ±90.
inline std::array<double, 3> anglesOf(const Matrix3& m) {
    const double toDegrees = 180.0 / 3.14159265358979323846;
    return {std::atan2(m[1][2], m[2][2]) * toDegrees, std::asin(-m[0][2]) * toDegrees,
            std::atan2(m[0][1], m[0][0]) * toDegrees};
}

inline void expectNear(const Matrix3& actual, const Matrix3& expected, const std::string& what) {
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j) {
            EXPECT_NEAR(actual[i][j], expected[i][j], 1e-5) << what << " [" << i << "][" << j << "]";
        }
    }
}

} // namespace orvex_test
