// The shape pass over scenes built node by node: which nodes become blobs
// and in what order, the triangle sets that meshes become (checked against
// corners worked out from the scene), switches, skin weights with the
// envelope lowered, failed host queries, and curves.

#include "shapes/PanelMesh.h"
#include "shapes/ShapePassFixture.h"

#include <maya/MFnDependencyNode.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <tuple>

using namespace orvex_host;
using namespace orvex_test;

TEST_F(ShapePass, AMixedMeshBecomesSubsetsOfTheTrianglesItsPolygonsSplitInto) {
    MeshSpec layout = panelMesh();
    Node* panel = addMesh("panel", layout);
    shadingGroup("redSG");
    shadingGroup("blueSG");
    set(panel, ".iog[0].og[0].gcl", "1 \"f[0]\"", {"componentList"});
    set(panel, ".iog[0].og[1].gcl", "1 \"f[2]\"", {"componentList"});
    connect("panel.objectGroups[0][0]", "redSG.dagSetMembers[0]");
    connect("panel.objectGroups[0][1]", "blueSG.dagSetMembers[0]");

    auto shapes = run(idsFor({{"panel", 7}}), {true, true, true, false, false, false});
    ASSERT_EQ(shapes.size(), 1u);
    EXPECT_EQ(shapes[0].name, "panel");
    EXPECT_EQ(shapes[0].shapeId, 7u);
    expectPanelBlob(shapes[0], layout, 1.0);
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
    MeshSpec layout = unitQuad();
    for (int s = 0; s < 6; ++s) {
        layout.uvSets.push_back({"set" + std::to_string(s),
                                 {{float(s), 0}, {float(s), 1}, {float(s), 2}, {float(s), 3}},
                                 {{0, 1, 2, 3}}});
    }
    addMesh("six", layout);
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
    MeshSpec layout = unitQuad();
    layout.colorSets = {{"paint", {{1, 0, 0, 1}}, {{0, -1, -1, -1}}}};
    addMesh("patchy", layout);
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

TEST_F(ShapePass, ColourIdsIndexTheColourSetsList) {
    // Two quads over six vertices, with one colour id per vertex shared by
    // the faces, as scene files often store them: every corner takes the
    // colour of its vertex, whatever its place among the face-vertices.
    MeshSpec shared;
    shared.points = {{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}, {2, 0, 0}, {2, 1, 0}};
    shared.faces = {{0, 1, 2, 3}, {1, 4, 5, 2}};
    MeshSpec::ColorSet paint{"paint", {}, {{0, 1, 2, 3}, {1, 4, 5, 2}}};
    for (int v = 0; v < 6; ++v) {
        paint.colors.push_back({float(v) / 8, 1.0f - float(v) / 8, 0.5f, 1.0f});
    }
    shared.colorSets = {paint};
    addMesh("shared", shared);
    Switches s;
    s.colors = true;
    auto shapes = run(idsFor({{"shared", 1}}), s);
    ASSERT_EQ(shapes.size(), 1u);
    const ParsedTriangleSet& set = shapes[0].set;
    ASSERT_EQ(set.flags, 0x20u);
    ASSERT_EQ(set.numVertices, 6u);
    for (uint32_t v = 0; v < set.numVertices; ++v) {
        const std::array<double, 3> position = {set.positions[3 * v], set.positions[3 * v + 1],
                                                set.positions[3 * v + 2]};
        const auto vertex =
            std::find(shared.points.begin(), shared.points.end(), position) - shared.points.begin();
        ASSERT_LT(vertex, 6);
        const std::array<float, 3> colour = {set.colors[3 * v], set.colors[3 * v + 1], set.colors[3 * v + 2]};
        const std::array<float, 4>& expected = paint.colors[size_t(vertex)];
        EXPECT_EQ(colour, (std::array<float, 3>{expected[0], expected[1], expected[2]}))
            << "vertex " << vertex;
    }
}

TEST_F(ShapePass, FailedPolygonQueriesLeaveTrianglesOutAndColoursAtTheFirstElement) {
    MeshSpec layout = unitQuad();
    layout.colorSets = {{"paint", {{0.25f, 0.5f, 0.75f, 1}, {1, 1, 1, 1}}, {{1, 0, 0, 0}}}};
    addMesh("quad", layout);
    Switches s;
    s.colors = true;
    s.uvs = true;

    setFault("getColorIndex");
    auto shapes = run(idsFor({{"quad", 1}}), s);
    ASSERT_EQ(shapes.size(), 1u);
    ASSERT_EQ(shapes[0].set.flags, 0x20u);
    // Every corner takes colour id 0 of the set's list.
    for (uint32_t v = 0; v < shapes[0].set.numVertices; ++v) {
        EXPECT_EQ(shapes[0].set.colors[3 * v], 0.25f);
    }

    // Without the colour list the mesh has no colours.
    clearFaults();
    setFault("getColors");
    shapes = run(idsFor({{"quad", 1}}), s);
    ASSERT_EQ(shapes.size(), 1u);
    EXPECT_EQ(shapes[0].set.flags, 0u);
    EXPECT_TRUE(warnings().empty());

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
