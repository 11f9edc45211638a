#include "shapes/PanelMesh.h"

#include <gtest/gtest.h>

#include <cmath>

namespace orvex_test {

MeshSpec panelMesh() {
    MeshSpec layout;
    layout.points = {{0, 0, 0},   {1, 0, 0},   {1, 1, 0}, {0, 1, 0}, {2, 0, 0}, {3, 0, 0}, {3.5, 1, 0},
                     {2.5, 2, 0}, {1.5, 1, 0}, {4, 0, 0}, {8, 2, 0}, {4, 4, 0}, {5, 2, 0}};
    layout.faces = {{0, 1, 2, 3}, {4, 5, 6, 7, 8}, {9, 10, 11, 12}};
    MeshSpec::UvSet map1{"map1", {}, {}}, second{"second", {}, {}};
    MeshSpec::ColorSet paint{"paint", {}, {}};
    for (size_t f = 0, id = 0; f < layout.faces.size(); ++f) {
        map1.ids.emplace_back();
        second.ids.emplace_back();
        paint.ids.emplace_back();
        for (int v : layout.faces[f]) {
            map1.uvs.push_back({float(id) / 16, 0.5f});
            second.uvs.push_back({0.25f, float(v) / 16});
            paint.colors.push_back({float(f) / 4, 0.5f, float(v) / 16, 1.0f});
            map1.ids.back().push_back(int(id));
            second.ids.back().push_back(int(id));
            paint.ids.back().push_back(int(id));
            ++id;
        }
    }
    layout.uvSets = {map1, second};
    layout.colorSets = {paint};
    return layout;
}

void expectPanelBlob(const ParsedShape& shape, const MeshSpec& layout, double scale) {
    EXPECT_EQ(shape.kind, 1u);
    EXPECT_EQ(shape.attachments, 0u);
    const ParsedTriangleSet& set = shape.set;
    EXPECT_EQ(set.flags, 0x01u | 0x02u | 0x04u | 0x20u);
    // Corners of one polygon that share a vertex weld; polygons share none.
    EXPECT_EQ(set.numVertices, 13u);
    EXPECT_EQ(set.numIndices, 3u * 7u);
    ASSERT_EQ(set.numSubsets, 2u);
    EXPECT_EQ(set.subsets[0].firstIndex, 0u);
    EXPECT_EQ(set.subsets[0].numIndices, 15u); // the pentagon has no group: material 0
    EXPECT_EQ(set.subsets[1].firstIndex, 15u);
    EXPECT_EQ(set.subsets[1].numIndices, 6u);
    for (const ParsedSubset& s : set.subsets) {
        for (uint32_t i = s.firstIndex; i < s.firstIndex + s.numIndices; ++i) {
            EXPECT_GE(set.indices[i], s.firstVertex);
            EXPECT_LT(set.indices[i], s.firstVertex + s.numVertices);
        }
    }

    // The expected triangles, from the polygons' corners: the quad and the
    // pentagon as fans, the arrow split off at its convex corner 11.
    const std::vector<int> firstCorner = {0, 4, 9};
    auto corner = [&](int face, int v) {
        const auto& f = layout.faces[face];
        int id = firstCorner[face] + int(std::find(f.begin(), f.end(), v) - f.begin());
        const auto& p = layout.points[v];
        const auto& c = layout.colorSets[0].colors[id];
        return Corner{{float(p[0] * scale), float(p[1] * scale), float(p[2] * scale)},
                      {0, 0, 1},
                      layout.uvSets[0].uvs[id],
                      layout.uvSets[1].uvs[id],
                      {c[0], c[1], c[2]},
                      {},
                      {}};
    };
    auto triangle = [&](int face, int a, int b, int c) {
        return canonical({corner(face, a), corner(face, b), corner(face, c)});
    };
    std::vector<std::vector<TriangleCorners>> expected = {{triangle(0, 0, 1, 2), triangle(0, 0, 2, 3),
                                                           triangle(1, 4, 5, 6), triangle(1, 4, 6, 7),
                                                           triangle(1, 4, 7, 8)},
                                                          {triangle(2, 10, 11, 12), triangle(2, 9, 10, 12)}};
    for (auto& subset : expected) {
        std::sort(subset.begin(), subset.end());
    }
    EXPECT_EQ(trianglesBySubset(set), expected);

    // The sphere holds every position and is no larger than the box around them.
    for (uint32_t v = 0; v < set.numVertices; ++v) {
        float d2 = 0;
        for (int k = 0; k < 3; ++k) {
            float d = set.positions[3 * v + k] - shape.center[k];
            d2 += d * d;
        }
        EXPECT_LE(std::sqrt(d2), shape.radius * 1.0001f);
    }
    EXPECT_LE(shape.radius, float(std::sqrt(8.0 * 8.0 + 4.0 * 4.0) / 2 * scale * 1.0001));
}

} // namespace orvex_test
