// The shape pass over scenes built node by node: which nodes become blobs
// and in what order, the triangle sets that meshes become (checked against
// corners worked out from the scene), switches, skin weights with the
// envelope lowered, failed host queries, and curves.

#include "shapes/ShapePassFixture.h"

#include <maya/MFnDependencyNode.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <tuple>

using namespace orvex_host;
using namespace orvex_test;

namespace {

// One corner as the blob gives it: position, normal, UV sets 0 and 1,
// colour, skin weights and bones.
using Corner =
    std::tuple<std::array<float, 3>, std::array<float, 3>, std::array<float, 2>, std::array<float, 2>,
               std::array<float, 3>, std::array<float, 4>, std::array<int, 4>>;
using TriangleCorners = std::array<Corner, 3>;

Corner cornerOf(const ParsedTriangleSet& set, uint32_t v) {
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
TriangleCorners canonical(TriangleCorners t) {
    auto smallest = std::min_element(t.begin(), t.end()) - t.begin();
    std::rotate(t.begin(), t.begin() + smallest, t.end());
    return t;
}

// Per subset, the sorted triangles of the blob.
std::vector<std::vector<TriangleCorners>> trianglesBySubset(const ParsedTriangleSet& set) {
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

} // namespace

TEST_F(ShapePass, AMixedMeshBecomesSubsetsOfTheTrianglesItsPolygonsSplitInto) {
    // A quad, a convex pentagon (split as a fan) and a concave arrow head
    // (split inside its outline), shaded by two groups with the pentagon
    // left out; two UV sets and a colour set.
    MeshSpec spec;
    spec.points = {{0, 0, 0},   {1, 0, 0},   {1, 1, 0}, {0, 1, 0}, {2, 0, 0}, {3, 0, 0}, {3.5, 1, 0},
                   {2.5, 2, 0}, {1.5, 1, 0}, {4, 0, 0}, {8, 2, 0}, {4, 4, 0}, {5, 2, 0}};
    spec.faces = {{0, 1, 2, 3}, {4, 5, 6, 7, 8}, {9, 10, 11, 12}};
    MeshSpec::UvSet map1{"map1", {}, {}}, second{"second", {}, {}};
    MeshSpec::ColorSet paint{"paint", {}, {}};
    for (size_t f = 0, id = 0; f < spec.faces.size(); ++f) {
        map1.ids.emplace_back();
        second.ids.emplace_back();
        paint.ids.emplace_back();
        for (int v : spec.faces[f]) {
            map1.uvs.push_back({float(id) / 16, 0.5f});
            second.uvs.push_back({0.25f, float(v) / 16});
            paint.colors.push_back({float(f) / 4, 0.5f, float(v) / 16, 1.0f});
            map1.ids.back().push_back(int(id));
            second.ids.back().push_back(int(id));
            paint.ids.back().push_back(int(id));
            ++id;
        }
    }
    spec.uvSets = {map1, second};
    spec.colorSets = {paint};
    Node* panel = addMesh("panel", spec);
    shadingGroup("redSG");
    shadingGroup("blueSG");
    set(panel, ".iog[0].og[0].gcl", "1 \"f[0]\"", {"componentList"});
    set(panel, ".iog[0].og[1].gcl", "1 \"f[2]\"", {"componentList"});
    connect("panel.objectGroups[0][0]", "redSG.dagSetMembers[0]");
    connect("panel.objectGroups[0][1]", "blueSG.dagSetMembers[0]");

    auto shapes = run(idsFor({{"panel", 7}}), {true, true, true, false, false, false});
    ASSERT_EQ(shapes.size(), 1u);
    const ParsedShape& shape = shapes[0];
    EXPECT_EQ(shape.kind, 1u);
    EXPECT_EQ(shape.name, "panel");
    EXPECT_EQ(shape.shapeId, 7u);
    EXPECT_EQ(shape.attachments, 0u);
    const ParsedTriangleSet& set = shape.set;
    EXPECT_EQ(set.flags, 0x01u | 0x02u | 0x04u | 0x20u);
    // Corners of one polygon that share a vertex weld; polygons share none.
    EXPECT_EQ(set.numVertices, 13u);
    EXPECT_EQ(set.numIndices, 3u * 7u);
    ASSERT_EQ(set.numSubsets, 2u);
    EXPECT_EQ(set.subsets[0].firstIndex, 0u);
    EXPECT_EQ(set.subsets[0].numIndices, 15u); // quad and pentagon: material 0 (the gap counts as 0)
    EXPECT_EQ(set.subsets[1].firstIndex, 15u);
    EXPECT_EQ(set.subsets[1].numIndices, 6u);
    for (const ParsedSubset& s : set.subsets) {
        for (uint32_t i = s.firstIndex; i < s.firstIndex + s.numIndices; ++i) {
            EXPECT_GE(set.indices[i], s.firstVertex);
            EXPECT_LT(set.indices[i], s.firstVertex + s.numVertices);
        }
    }

    // The expected triangles, from the polygons' corners.
    std::vector<int> firstCorner = {0, 4, 9};
    auto corner = [&](int face, int v) {
        int local =
            int(std::find(spec.faces[face].begin(), spec.faces[face].end(), v) - spec.faces[face].begin());
        int id = firstCorner[face] + local;
        const auto& p = spec.points[v];
        const auto& c = paint.colors[id];
        return Corner{{float(p[0]), float(p[1]), float(p[2])},
                      {0, 0, 1},
                      map1.uvs[id],
                      second.uvs[id],
                      {c[0], c[1], c[2]},
                      {},
                      {}};
    };
    auto triangle = [&](int face, int a, int b, int c) {
        return canonical({corner(face, a), corner(face, b), corner(face, c)});
    };
    std::vector<TriangleCorners> material0 = {triangle(0, 0, 1, 2), triangle(0, 0, 2, 3),
                                              triangle(1, 4, 5, 6), triangle(1, 4, 6, 7),
                                              triangle(1, 4, 7, 8)};
    std::vector<TriangleCorners> material1 = {triangle(2, 10, 11, 12), triangle(2, 9, 10, 12)};
    std::sort(material0.begin(), material0.end());
    std::sort(material1.begin(), material1.end());
    auto bySubset = trianglesBySubset(set);
    ASSERT_EQ(bySubset.size(), 2u);
    EXPECT_EQ(bySubset[0], material0);
    EXPECT_EQ(bySubset[1], material1);

    // The sphere holds every position and is no larger than the box around them.
    for (uint32_t v = 0; v < set.numVertices; ++v) {
        float d2 = 0;
        for (int k = 0; k < 3; ++k) {
            float d = set.positions[3 * v + k] - shape.center[k];
            d2 += d * d;
        }
        EXPECT_LE(std::sqrt(d2), shape.radius * 1.0001f);
    }
    EXPECT_LE(shape.radius, std::sqrt(8.0f * 8.0f + 4.0f * 4.0f) / 2 * 1.0001f);
}

TEST_F(ShapePass, OnlyListedMeshesThatAreNotIntermediateBecomeBlobsInNodeOrder) {
    addMesh("second", unitQuad());
    Node* hidden = addMesh("hidden", unitQuad());
    setPlug(hidden, "intermediateObject", true);
    addMesh("unlisted", unitQuad());
    addMesh("first", unitQuad());

    EXPECT_TRUE(run(IdTable(), {}).empty());

    Switches verbose;
    verbose.verbose = true;
    auto shapes = run(idsFor({{"first", 1}, {"second", 2}, {"hidden", 3}}), verbose);
    ASSERT_EQ(shapes.size(), 2u);
    EXPECT_EQ(shapes[0].name, "second");
    EXPECT_EQ(shapes[0].shapeId, 2u);
    EXPECT_EQ(shapes[1].name, "first");
    EXPECT_EQ(shapes[1].shapeId, 1u);
    EXPECT_EQ(messagesOf(MessageKind::Info),
              (std::vector<std::string>{"IndexedFaceSet: second", "IndexedFaceSet: first"}));

    // A quad is two triangles over four welded vertices, both of material 0.
    EXPECT_EQ(shapes[0].set.flags, 0u);
    EXPECT_EQ(shapes[0].set.numVertices, 4u);
    EXPECT_EQ(shapes[0].set.numIndices, 6u);
    ASSERT_EQ(shapes[0].set.numSubsets, 1u);

    setFault("MItDependencyNodes");
    EXPECT_TRUE(run(idsFor({{"first", 1}}), {}, MS::kFailure).empty());
}

TEST_F(ShapePass, AtMostFourUvSetsAreReadInTheirOrder) {
    MeshSpec spec = unitQuad();
    for (int s = 0; s < 6; ++s) {
        spec.uvSets.push_back({"set" + std::to_string(s),
                               {{float(s), 0}, {float(s), 1}, {float(s), 2}, {float(s), 3}},
                               {{0, 1, 2, 3}}});
    }
    addMesh("six", spec);
    MeshSpec bare = unitQuad();
    addMesh("bare", bare);
    Switches s;
    s.uvs = true;
    auto shapes = run(idsFor({{"six", 1}, {"bare", 2}}), s);
    ASSERT_EQ(shapes.size(), 2u);
    EXPECT_EQ(shapes[0].set.flags, 0x1Eu);
    for (int k = 0; k < 4; ++k) {
        ASSERT_EQ(shapes[0].set.uv[k].size(), 8u);
        EXPECT_EQ(shapes[0].set.uv[k][0], float(k)) << "set " << k;
    }
    EXPECT_EQ(shapes[1].set.flags, 0u); // no UV set, no UV flag
}

TEST_F(ShapePass, UnassignedColoursSwitchColoursOffWithOneWarningEach) {
    MeshSpec spec = unitQuad();
    spec.colorSets = {{"paint", {{1, 0, 0, 1}}, {{0, -1, -1, -1}}}};
    addMesh("patchy", spec);
    Switches s;
    s.colors = true;
    auto shapes = run(idsFor({{"patchy", 1}}), s);
    ASSERT_EQ(shapes.size(), 1u);
    EXPECT_EQ(shapes[0].set.flags & 0x20u, 0u);
    const std::string warning =
        "orvexExport: Vertex colors are not or incomplete assigned. Vertex Colors not exported (patchy)";
    EXPECT_EQ(warnings(), std::vector<std::string>(3, warning));
}

TEST_F(ShapePass, ANormalCameraInputRequestsTangents) {
    addMesh("mapped", unitQuad());
    addMesh("plain", unitQuad());
    shadingGroup("mappedSG", true);
    shadingGroup("plainSG");
    connect("mapped.instObjGroups[0]", "mappedSG.dagSetMembers[0]");
    connect("plain.instObjGroups[0]", "plainSG.dagSetMembers[0]");
    Switches s;
    s.normals = true;
    auto shapes = run(idsFor({{"mapped", 1}, {"plain", 2}}), s);
    ASSERT_EQ(shapes.size(), 2u);
    EXPECT_EQ(shapes[0].set.flags, 0x81u);
    EXPECT_EQ(shapes[1].set.flags, 0x01u);
}

TEST_F(ShapePass, AFailedQuerySwitchesItsFeatureOffForThatMeshOnly) {
    addMesh("a", unitQuad());
    addMesh("b", unitQuad());
    Switches all;
    all.normals = true;
    // getNormals fails for the first mesh only.
    int calls = 0;
    setGeometryQueryObserver([&](const std::string& query) {
        if (query == "getNormals") {
            setFault("getNormals", ++calls == 1);
        }
    });
    auto shapes = run(idsFor({{"a", 1}, {"b", 2}}), all);
    ASSERT_EQ(shapes.size(), 2u);
    EXPECT_EQ(shapes[0].set.flags, 0u);
    EXPECT_EQ(shapes[1].set.flags, 0x01u);
}

TEST_F(ShapePass, FailedPolygonQueriesLeaveTrianglesOutAndColoursAtTheFirstElement) {
    MeshSpec spec = unitQuad();
    spec.colorSets = {{"paint", {{0.25f, 0.5f, 0.75f, 1}, {1, 1, 1, 1}}, {{1, 0, 0, 0}}}};
    addMesh("quad", spec);
    Switches s;
    s.colors = true;
    s.uvs = true;

    setFault("getColorIndex");
    auto shapes = run(idsFor({{"quad", 1}}), s);
    ASSERT_EQ(shapes.size(), 1u);
    ASSERT_EQ(shapes[0].set.flags, 0x20u);
    // Every corner takes face-vertex colour 0: the first corner's colour.
    for (uint32_t v = 0; v < shapes[0].set.numVertices; ++v) {
        EXPECT_EQ(shapes[0].set.colors[3 * v], 1.0f);
    }

    clearFaults();
    setFault("getTriangle");
    shapes = run(idsFor({{"quad", 1}}), s);
    ASSERT_EQ(shapes.size(), 1u);
    EXPECT_EQ(shapes[0].set.numIndices, 0u);

    clearFaults();
    setFault("getUVSetNames");
    setFault("getConnectedShaders");
    shapes = run(idsFor({{"quad", 1}}), s);
    ASSERT_EQ(shapes.size(), 1u);
    EXPECT_EQ(shapes[0].set.flags, 0x20u);
    EXPECT_EQ(shapes[0].set.numIndices, 6u);
}
