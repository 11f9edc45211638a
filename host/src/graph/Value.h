#pragma once
// A stored attribute value of the host's dependency graph.

#include <array>
#include <string>
#include <variant>
#include <vector>

namespace orvex_host {

// Angle values are stored in radians.
constexpr double kRadiansPerDegree = 3.14159265358979323846 / 180.0;

// Transformation data as scene files store it for pose elements: scale,
// rotation (radians, with its order), translation, and the rotate-axis and
// joint-orient quaternions (x, y, z, w).
struct TransformData {
    std::array<double, 3> scale{1, 1, 1};
    std::array<double, 3> rotate{0, 0, 0};
    int rotateOrder = 0;
    std::array<double, 3> translate{0, 0, 0};
    std::array<double, 4> rotateAxis{0, 0, 0, 1};
    std::array<double, 4> jointOrient{0, 0, 0, 1};
};

// A 4x4 matrix, row-major, translation in the last row.
using Matrix = std::array<double, 16>;

using Value = std::variant<std::monostate, bool, long long, double, std::string, std::vector<double>,
                           std::vector<std::string>, Matrix, TransformData>;

inline bool isNumeric(const Value& v) {
    return std::holds_alternative<bool>(v) || std::holds_alternative<long long>(v) ||
           std::holds_alternative<double>(v);
}

// Numeric value as a double; false when the value is not numeric.
inline bool asDouble(const Value& v, double& out) {
    if (auto b = std::get_if<bool>(&v)) {
        out = *b ? 1.0 : 0.0;
    } else if (auto i = std::get_if<long long>(&v)) {
        out = static_cast<double>(*i);
    } else if (auto d = std::get_if<double>(&v)) {
        out = *d;
    } else {
        return false;
    }
    return true;
}

} // namespace orvex_host
