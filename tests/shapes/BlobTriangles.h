#pragma once
// Triangles of a parsed triangle-set blob as corner values, so that tests
// can compare them with the corners a scene implies whatever order the
// welding and the vertex-cache optimiser left them in.

#include "support/SideFileReader.h"

#include <algorithm>
#include <array>
#include <tuple>
#include <vector>

namespace orvex_test {

// One corner as the blob gives it: position, normal, UV sets 0 and 1,
// colour, skin weights and bones.
using Corner =
    std::tuple<std::array<float, 3>, std::array<float, 3>, std::array<float, 2>, std::array<float, 2>,
               std::array<float, 3>, std::array<float, 4>, std::array<int, 4>>;
using TriangleCorners = std::array<Corner, 3>;

inline Corner cornerOf(const ParsedTriangleSet& set, uint32_t v) {
    Corner c{};
    auto copy = [&](const std::vector<float>& array, size_t width, auto& out) {
        if (!array.empty()) {
            for (size_t k = 0; k < width; ++k) {
                out[k] = array[width * v + k];
            }
        }
    };
    copy(set.positions, 3, std::get<0>(c));
    copy(set.normals, 3, std::get<1>(c));
    copy(set.uv[0], 2, std::get<2>(c));
    copy(set.uv[1], 2, std::get<3>(c));
    copy(set.colors, 3, std::get<4>(c));
    copy(set.skinWeights, 4, std::get<5>(c));
    if (!set.skinIndices.empty()) {
        for (size_t k = 0; k < 4; ++k) {
            std::get<6>(c)[k] = set.skinIndices[4 * v + k];
        }
    }
    return c;
}

// A triangle turned so that its smallest corner comes first (keeping its
// winding), so that triangles can be compared whatever the optimiser did.
inline TriangleCorners canonical(TriangleCorners t) {
    auto smallest = std::min_element(t.begin(), t.end()) - t.begin();
    std::rotate(t.begin(), t.begin() + smallest, t.end());
    return t;
}

// Per subset, the sorted triangles of the blob.
inline std::vector<std::vector<TriangleCorners>> trianglesBySubset(const ParsedTriangleSet& set) {
    std::vector<std::vector<TriangleCorners>> result;
    for (const ParsedSubset& s : set.subsets) {
        std::vector<TriangleCorners> triangles;
        for (uint32_t i = s.firstIndex; i + 2 < s.firstIndex + s.numIndices; i += 3) {
            triangles.push_back(canonical({cornerOf(set, set.indices[i]), cornerOf(set, set.indices[i + 1]),
                                           cornerOf(set, set.indices[i + 2])}));
        }
        std::sort(triangles.begin(), triangles.end());
        result.push_back(std::move(triangles));
    }
    return result;
}

} // namespace orvex_test
