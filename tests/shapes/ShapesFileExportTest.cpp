// The shapes side file from end to end: scene files as the host writes
// them, read by the host, exported by the command with its geometry flags,
// and the side file parsed back and checked byte by byte and field by field.

#include "api/Access.h"
#include "graph/Scene.h"
#include "shapes/PanelMesh.h"
#include "support/DocumentSections.h"
#include "support/ExportHarness.h"
#include "support/SideFileReader.h"

#include <orvex_host/Session.h>

#include <maya/MFnDependencyNode.h>
#include <maya/MItDependencyNodes.h>
#include <maya/MPlug.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>

using namespace orvex_test;
using orvex_host::MessageKind;

namespace {

const char* const kHeader = "//Maya ASCII 2014 scene\n"
                            "requires maya \"2014\";\n";

std::string meshNode(const std::string& transform, const std::string& shape, const MeshSpec& layout,
                     const std::string& extra = "") {
    return "createNode transform -n \"" + transform + "\";\n" + "createNode mesh -n \"" + shape + "\" -p \"" +
           transform + "\";\n" + "\tsetAttr -k off \".v\";\n" + sceneText(meshStatements(layout)) + extra;
}

std::string shadingGroup(const std::string& material, const std::string& group) {
    return "createNode lambert -n \"" + material + "\";\n" + "createNode shadingEngine -n \"" + group +
           "\";\n\tsetAttr \".ihi\" 0;\n\tsetAttr \".ro\" yes;\n";
}

// The panel shaded per face, as the host writes face sets.
std::string panelScene(const std::string& units = "centimeter") {
    return std::string(kHeader) + "currentUnit -l " + units + " -a degree -t film;\n" +
           meshNode("panel", "panelShape", panelMesh(),
                    "\tsetAttr -s 2 \".iog[0].og\";\n"
                    "\tsetAttr \".iog[0].og[0].gcl\" -type \"componentList\" 1 \"f[0]\";\n"
                    "\tsetAttr \".iog[0].og[1].gcl\" -type \"componentList\" 1 \"f[2]\";\n"
                    "\tsetAttr \".cuvs\" -type \"string\" \"map1\";\n") +
           shadingGroup("red", "redSG") + shadingGroup("blue", "blueSG") +
           "createNode groupId -n \"groupId1\";\n"
           "createNode groupId -n \"groupId2\";\n"
           "connectAttr \"red.oc\" \"redSG.ss\";\n"
           "connectAttr \"blue.oc\" \"blueSG.ss\";\n"
           "connectAttr \"groupId1.id\" \"panelShape.iog.og[0].gid\";\n"
           "connectAttr \"redSG.mwc\" \"panelShape.iog.og[0].gco\";\n"
           "connectAttr \"groupId2.id\" \"panelShape.iog.og[1].gid\";\n"
           "connectAttr \"blueSG.mwc\" \"panelShape.iog.og[1].gco\";\n"
           "connectAttr \"panelShape.iog.og[0]\" \"redSG.dsm\" -na;\n"
           "connectAttr \"panelShape.iog.og[1]\" \"blueSG.dsm\" -na;\n"
           "connectAttr \"groupId1.msg\" \"redSG.gn\" -na;\n"
           "connectAttr \"groupId2.msg\" \"blueSG.gn\" -na;\n";
}

std::string curveNode(const std::string& name, int form, int degree, int count) {
    std::string cvs;
    for (int i = 0; i < count; ++i) {
        cvs += "\t\t" + std::to_string(i) + " " + std::to_string(i % 2) + " " + std::to_string(form) + "\n";
    }
    int knots = count + degree - 1;
    std::string knotList;
    for (int k = 0; k < knots; ++k) {
        knotList += " " + std::to_string(k);
    }
    return "createNode transform -n \"" + name + "\";\n" + "createNode nurbsCurve -n \"" + name +
           "Shape\" -p \"" + name + "\";\n" + "\tsetAttr -k off \".v\";\n" +
           "\tsetAttr \".cc\" -type \"nurbsCurve\" \n\t\t" + std::to_string(degree) + " " +
           std::to_string(count - degree) + " " + std::to_string(form) + " no 3\n\t\t" +
           std::to_string(knots) + knotList + "\n\t\t" + std::to_string(count) + "\n" + cvs + "\t\t;\n";
}

// The skinned quad's weights, one weight or a range of influences a statement.
const char* const kListedWeights = "\tsetAttr -s 6 \".wl[0].w[0:5]\"  0.2 0.5 0.05 0.5 0.1 0.3;\n"
                                   "\tsetAttr -s 2 \".wl[1].w\";\n"
                                   "\tsetAttr \".wl[1].w[2]\" 0.25;\n"
                                   "\tsetAttr \".wl[1].w[5]\" 0.75;\n"
                                   "\tsetAttr \".wl[3].w[4]\" 1;\n";
// The same as later hosts write them: vertex ranges, each vertex's weights
// as a count and index-weight pairs, vertex 1 split over two statements.
const char* const kSparseWeights = "\tsetAttr \".wl[0:1].w\"\n"
                                   "\t\t6 0 0.2 1 0.5 2 0.05 3 0.5 4 0.1 5 0.3\n"
                                   "\t\t1 2 0.25;\n"
                                   "\tsetAttr \".wl[1:3].w\"\n"
                                   "\t\t1 5 0.75\n"
                                   "\t\t0\n"
                                   "\t\t1 4 1;\n";

// A skinned quad as the host writes one: the intermediate original holds
// the geometry; group parts, a tweak and the skin cluster feed the shape.
std::string skinnedScene(const char* weights = kListedWeights) {
    MeshSpec quad;
    quad.points = {{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}};
    quad.faces = {{0, 1, 2, 3}};
    std::string text = std::string(kHeader) + "currentUnit -l centimeter -a degree -t film;\n";
    for (int j = 0; j < 6; ++j) {
        text +=
            "createNode joint -n \"joint" + std::to_string(j) + "\"" + (j ? " -p \"joint0\"" : "") + ";\n";
    }
    text += "createNode transform -n \"body\";\n"
            "createNode mesh -n \"bodyShape\" -p \"body\";\n"
            "\tsetAttr -k off \".v\";\n"
            "\tsetAttr \".vir\" yes;\n"
            "\tsetAttr \".uvst[0].uvsn\" -type \"string\" \"map1\";\n"
            "createNode mesh -n \"bodyShapeOrig\" -p \"body\";\n"
            "\tsetAttr -k off \".v\";\n"
            "\tsetAttr \".io\" yes;\n" +
            sceneText(meshStatements(quad)) +
            "createNode skinCluster -n \"skinCluster1\";\n"
            "\tsetAttr -s 4 \".wl\";\n" +
            weights +
            "\tsetAttr -s 6 \".pm\";\n"
            "\tsetAttr \".en\" 0.5;\n"
            "\tsetAttr \".mi\" 5;\n"
            "createNode tweak -n \"tweak1\";\n"
            "createNode objectSet -n \"skinCluster1Set\";\n"
            "createNode groupId -n \"skinCluster1GroupId\";\n"
            "createNode groupParts -n \"skinCluster1GroupParts\";\n"
            "\tsetAttr \".ic\" -type \"componentList\" 1 \"vtx[*]\";\n"
            "createNode shadingEngine -n \"bodySG\";\n"
            "createNode lambert -n \"skin\";\n"
            "connectAttr \"skin.oc\" \"bodySG.ss\";\n"
            "connectAttr \"bodyShape.iog\" \"bodySG.dsm\" -na;\n"
            "connectAttr \"skinCluster1GroupParts.og\" \"skinCluster1.ip[0].ig\";\n"
            "connectAttr \"skinCluster1GroupId.id\" \"skinCluster1.ip[0].gi\";\n";
    for (int j = 0; j < 6; ++j) {
        text += "connectAttr \"joint" + std::to_string(j) + ".wm\" \"skinCluster1.ma[" + std::to_string(j) +
                "]\";\n";
    }
    text += "connectAttr \"tweak1.og[0]\" \"skinCluster1GroupParts.ig\";\n"
            "connectAttr \"bodyShapeOrig.w\" \"tweak1.ip[0].ig\";\n"
            "connectAttr \"skinCluster1.og[0]\" \"bodyShape.i\";\n"
            "connectAttr \"skinCluster1GroupId.msg\" \"skinCluster1Set.gn\" -na;\n";
    return text;
}

class ShapesFileExport : public ExportTest {
protected:
    void SetUp() override {
        ExportTest::SetUp();
        std::filesystem::create_directories("D:/out");
    }
    void TearDown() override {
        orvex_host::setGeometryQueryObserver({});
        ExportTest::TearDown();
    }

    ParsedSideFile sideFile(const std::string& path = "D:/out/level.xml.shapes") {
        ParsedSideFile file;
        std::string error;
        EXPECT_TRUE(parseSideFile(readFile(path), file, error)) << error;
        return file;
    }

    // The exported skinned quad: its bones per corner, strongest first, and
    // the warning for the vertex without weights.
    void expectSkinnedQuadBones() {
        ParsedSideFile file = sideFile();
        ASSERT_EQ(file.shapes.size(), 1u); // the intermediate original is not exported
        const ParsedShape& body = file.shapes[0];
        EXPECT_EQ(body.name, "bodyShape");
        const ParsedTriangleSet& set = body.set;
        ASSERT_EQ(set.flags, 0x40u);
        ASSERT_EQ(set.numVertices, 4u);
        std::map<std::pair<float, float>, std::vector<int>> bonesAt;
        for (uint32_t v = 0; v < set.numVertices; ++v) {
            bonesAt[{set.positions[3 * v], set.positions[3 * v + 1]}] = {
                set.skinIndices[4 * v], set.skinIndices[4 * v + 1], set.skinIndices[4 * v + 2],
                set.skinIndices[4 * v + 3]};
        }
        // Vertex 0: six influences, a tie at 0.5 (positions 1 and 3) kept in
        // position order; vertex 2 has no weight and goes to bone 0.
        EXPECT_EQ(bonesAt[std::make_pair(0.0f, 0.0f)], (std::vector<int>{1, 3, 5, 0}));
        EXPECT_EQ(bonesAt[std::make_pair(1.0f, 0.0f)], (std::vector<int>{5, 2, 0, 0}));
        EXPECT_EQ(bonesAt[std::make_pair(1.0f, 1.0f)], (std::vector<int>{0, 0, 0, 0}));
        EXPECT_EQ(bonesAt[std::make_pair(0.0f, 1.0f)], (std::vector<int>{4, 0, 0, 0}));
        auto warnings = messagesOf(MessageKind::Warning);
        EXPECT_EQ(std::count(warnings.begin(), warnings.end(),
                             "Found vertex with no skin weights. Assigning to first bone"),
                  1);
    }

    // The shapeId the document gives the Shape element of a transform.
    uint32_t shapeIdIn(const std::string& document, const std::string& transform) {
        const size_t start = document.find("<Shape name=\"" + transform + "\"");
        const size_t end = document.find('>', start);
        std::vector<std::string> ids = orvex_test::attributeValues(
            start == std::string::npos ? "" : document.substr(start, end - start), "shapeId");
        EXPECT_EQ(ids.size(), 1u) << transform;
        return ids.empty() ? 0 : static_cast<uint32_t>(std::stoul(ids[0]));
    }
};

uint32_t u32At(const std::string& bytes, size_t at) {
    return uint32_t(uint8_t(bytes[at])) << 24 | uint32_t(uint8_t(bytes[at + 1])) << 16 |
           uint32_t(uint8_t(bytes[at + 2])) << 8 | uint8_t(bytes[at + 3]);
}

} // namespace

TEST_F(ShapesFileExport, AMixedMeshAndCurvesFillTheSideFileInNodeOrder) {
    openScene(panelScene() + curveNode("open", 0, 3, 4) + curveNode("closed", 1, 3, 5) +
              curveNode("periodic", 2, 3, 7));
    ASSERT_EQ(exportWith("-shap -n -uvs -c -nc -f \"D:/out/level.xml\""), MS::kSuccess);
    const std::string document = readFile("D:/out/level.xml");
    EXPECT_NE(document.find("<Shapes  externalShapesFile=\"level.xml.shapes\">"), std::string::npos);

    // The framing as bytes: header word, format 2, four records, the first a
    // mesh whose blob starts with its name "panelShape" (10 bytes, 2 of padding).
    const std::string bytes = readFile("D:/out/level.xml.shapes");
    ASSERT_GE(bytes.size(), 32u);
    EXPECT_EQ(bytes.substr(0, 4), std::string("\x4f\x58\x00\x02", 4));
    EXPECT_EQ(u32At(bytes, 4), 4u);
    EXPECT_EQ(u32At(bytes, 8), 1u);
    EXPECT_EQ(u32At(bytes, 16), 10u);
    EXPECT_EQ(bytes.substr(20, 12), std::string("panelShape\0\0", 12));
    EXPECT_EQ(u32At(bytes, 32), shapeIdIn(document, "panel"));

    ParsedSideFile file = sideFile();
    EXPECT_EQ(file.formatWord, 2u);
    ASSERT_EQ(file.shapes.size(), 4u);
    EXPECT_EQ(file.shapes[0].name, "panelShape");
    expectPanelBlob(file.shapes[0], panelMesh(), 1.0);
    const char* curves[] = {"open", "closed", "periodic"};
    for (int i = 0; i < 3; ++i) {
        const ParsedShape& curve = file.shapes[1 + i];
        EXPECT_EQ(curve.kind, 2u);
        EXPECT_EQ(curve.name, std::string(curves[i]) + "Shape");
        EXPECT_EQ(curve.shapeId, shapeIdIn(document, curves[i]));
        EXPECT_EQ(curve.closed, 1u);
        // Forms 1 and 2 drop the points that repeat the start.
        ASSERT_EQ(curve.points.size(), 12u) << curves[i];
        EXPECT_EQ(curve.points[3], 1.0f);
        EXPECT_EQ(curve.points[4], 1.0f);
        EXPECT_EQ(curve.points[5], float(i));
    }
}

TEST_F(ShapesFileExport, TheMetreUiUnitScalesEveryPosition) {
    openScene(panelScene("meter") + curveNode("open", 0, 3, 4));
    ASSERT_EQ(exportWith("-shap -n -uvs -c -nc -f \"D:/out/level.xml\""), MS::kSuccess);
    ParsedSideFile file = sideFile();
    ASSERT_EQ(file.shapes.size(), 2u);
    expectPanelBlob(file.shapes[0], panelMesh(), 0.01);
    EXPECT_EQ(file.shapes[1].points[3], float(1 * 0.01));
}

TEST_F(ShapesFileExport, ASkinnedMeshIsReadWithItsEnvelopeLowered) {
    openScene(skinnedScene());
    orvex_host::Node* cluster = orvex_host::currentScene().find("skinCluster1");
    ASSERT_NE(cluster, nullptr);
    auto envelope = [&] {
        float value = -1;
        MFnDependencyNode(orvex_host::ObjectAccess::fromNode(cluster)).findPlug("en").getValue(value);
        return value;
    };
    std::vector<float> whileRead;
    orvex_host::setGeometryQueryObserver([&](const std::string& query) {
        if (query == "getWeights" || query == "getPoints") {
            whileRead.push_back(envelope());
        }
    });
    ASSERT_EQ(exportWith("-shap -sw -f \"D:/out/level.xml\""), MS::kSuccess);
    ASSERT_FALSE(whileRead.empty());
    for (float e : whileRead) {
        EXPECT_EQ(e, 0.0f);
    }
    EXPECT_EQ(envelope(), 0.5f);

    expectSkinnedQuadBones();
}

TEST_F(ShapesFileExport, SparseWeightListsExportTheWeightsTheyHold) {
    openScene(skinnedScene(kSparseWeights));
    ASSERT_EQ(exportWith("-shap -sw -f \"D:/out/level.xml\""), MS::kSuccess);
    expectSkinnedQuadBones();
}

TEST_F(ShapesFileExport, TheEnvelopeIsRestoredWhenTheExportEndsInAnException) {
    openScene(skinnedScene());
    orvex_host::setFault("throw:getWeights");
    EXPECT_NE(exportWith("-shap -sw -f \"D:/out/level.xml\""), MS::kSuccess);
    EXPECT_EQ(messagesOf(MessageKind::Error),
              (std::vector<std::string>{"orvexExport: Export failed (std::bad_alloc)"}));
    float value = -1;
    MFnDependencyNode(orvex_host::ObjectAccess::fromNode(orvex_host::currentScene().find("skinCluster1")))
        .findPlug("en")
        .getValue(value);
    EXPECT_EQ(value, 0.5f);
    EXPECT_FALSE(fileExists("D:/out/level.xml"));
}

TEST_F(ShapesFileExport, AFailingShapePassWritesNoFile) {
    openScene(panelScene() + curveNode("open", 0, 3, 4));
    orvex_host::setFault("getCVs");
    EXPECT_NE(exportWith("-shap -nc -f \"D:/out/level.xml\""), MS::kSuccess);
    EXPECT_FALSE(fileExists("D:/out/level.xml"));
    EXPECT_FALSE(fileExists("D:/out/level.xml.shapes"));
    EXPECT_EQ(messagesOf(MessageKind::Warning),
              (std::vector<std::string>{"orvexExport: NurbsCurve can't get CVs (openShape)"}));
}

// The bundled example level, exported with the flags of the README's demo:
// every mesh and the patrol path come back from the side file in node order,
// with the counts their geometry implies.
TEST_F(ShapesFileExport, TheExampleLevelWritesEveryMeshAndThePathThatParseBack) {
    std::string error;
    ASSERT_TRUE(orvex_host::openScene(std::string(ORVEX_SOURCE_DIR) + "/examples/level.ma", error)) << error;
    ASSERT_EQ(exportWith("-shap -n -uvs -c -sw -nc -l -cams -an -ps -ua -rp -f \"D:/out/level.xml\""),
              MS::kSuccess);
    const std::string document = readFile("D:/out/level.xml");
    const std::vector<std::string> emitter = orvex_test::attributeValues(document, "emitterShapeId");
    ASSERT_FALSE(emitter.empty());

    struct Expected {
        std::string name;
        uint32_t shapeId, triangles, vertices, flags, subsets;
    };
    // Hard-edged boxes keep four corners per side (24 vertices); the floor's
    // smooth grid shares its nine; the body's sides share their middle ring.
    // Flags: 0x01 normals, 0x02 UVs, 0x20 colours, 0x40 skin, 0x80 tangents
    // (the crate material has a normal map).
    const std::vector<Expected> meshes = {
        {"floorShape", shapeIdIn(document, "floor"), 8, 9, 0x23, 1},
        {"crateShape1", shapeIdIn(document, "crate1"), 12, 24, 0x83, 1},
        {"crateShape2", shapeIdIn(document, "crate2"), 12, 24, 0x83, 1},
        {"pillarShape", shapeIdIn(document, "pillar"), 12, 24, 0x03, 2},
        {"lantern|lanternShape", shapeIdIn(document, "lantern"), 12, 24, 0x03, 1},
        {"bodyShape", shapeIdIn(document, "body"), 20, 32, 0x43, 1},
        {"sparkEmitterPlaneShape", static_cast<uint32_t>(std::stoul(emitter[0])), 2, 4, 0x03, 1},
    };
    ParsedSideFile file = sideFile();
    ASSERT_EQ(file.shapes.size(), meshes.size() + 1);
    for (size_t i = 0; i < meshes.size(); ++i) {
        const ParsedShape& shape = file.shapes[i];
        SCOPED_TRACE(meshes[i].name);
        EXPECT_EQ(shape.kind, 1u);
        EXPECT_EQ(shape.name, meshes[i].name);
        EXPECT_EQ(shape.shapeId, meshes[i].shapeId);
        EXPECT_EQ(shape.set.numIndices, 3 * meshes[i].triangles);
        EXPECT_EQ(shape.set.numVertices, meshes[i].vertices);
        EXPECT_EQ(shape.set.flags, meshes[i].flags);
        EXPECT_EQ(shape.set.numSubsets, meshes[i].subsets);
    }
    // The instanced lantern shares its shape, and so its one blob.
    EXPECT_EQ(shapeIdIn(document, "lantern1"), shapeIdIn(document, "lantern"));

    // The pillar's two face sets: four stone sides, two brass caps.
    const ParsedTriangleSet& pillar = file.shapes[3].set;
    ASSERT_EQ(pillar.subsets.size(), 2u);
    EXPECT_EQ(pillar.subsets[0].numIndices + pillar.subsets[1].numIndices, 36u);
    EXPECT_EQ(std::min(pillar.subsets[0].numIndices, pillar.subsets[1].numIndices), 12u);

    // The floor's locked normals point up; its colour set darkens the rim.
    const ParsedTriangleSet& floor = file.shapes[0].set;
    for (uint32_t v = 0; v < floor.numVertices; ++v) {
        EXPECT_EQ(floor.normals[3 * v + 1], 1.0f);
        const bool centre = floor.positions[3 * v] == 0.0f && floor.positions[3 * v + 2] == 0.0f;
        EXPECT_EQ(floor.colors[3 * v], centre ? 1.0f : 0.7f);
    }

    // The body's rings are bound to hips, hips and spine, spine and head.
    const ParsedTriangleSet& body = file.shapes[5].set;
    const std::map<float, std::pair<std::vector<int>, std::vector<float>>> byRing = {
        {0.85f, {{0, 0, 0, 0}, {1.0f, 0.0f, 0.0f, 0.0f}}},
        {1.45f, {{1, 0, 0, 0}, {0.6f, 0.4f, 0.0f, 0.0f}}},
        {2.1f, {{2, 1, 0, 0}, {0.75f, 0.25f, 0.0f, 0.0f}}},
    };
    for (uint32_t v = 0; v < body.numVertices; ++v) {
        auto ring = byRing.find(body.positions[3 * v + 1]);
        ASSERT_NE(ring, byRing.end()) << body.positions[3 * v + 1];
        for (int k = 0; k < 4; ++k) {
            EXPECT_EQ(body.skinIndices[4 * v + k], ring->second.first[k]);
            EXPECT_FLOAT_EQ(body.skinWeights[4 * v + k], ring->second.second[k]);
        }
    }

    // The periodic patrol loop keeps its eight points of eleven.
    const ParsedShape& path = file.shapes.back();
    EXPECT_EQ(path.kind, 2u);
    EXPECT_EQ(path.name, "patrolPathShape");
    EXPECT_EQ(path.shapeId, shapeIdIn(document, "patrolPath"));
    EXPECT_EQ(path.closed, 1u);
    ASSERT_EQ(path.points.size(), 24u);
    EXPECT_EQ(path.points[5], float(-6.6491651253263274));
}
