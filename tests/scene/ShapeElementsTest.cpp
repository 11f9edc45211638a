// Mesh and curve Shape elements from scene files: shape ids, physics mode,
// shadows, the material list and the skin influences.

#include "support/DocumentSections.h"
#include "support/ExportHarness.h"

#include <algorithm>

using namespace orvex_test;
using orvex_host::MessageKind;

namespace {

class ShapeElements : public ExportTest {
protected:
    std::string exportSection(const std::string& body, const std::string& flags) {
        openScene(std::string(kHeader) + body, "shapes.ma");
        const std::string path = workDir() + "/out.xml";
        EXPECT_EQ(exportWith(flags + " -f " + path), MS::kSuccess);
        return documentSection(readFile(path), "Scene");
    }

    static constexpr const char* kHeader = "//Maya ASCII 2014 scene\n"
                                           "requires maya \"2014\";\n"
                                           "currentUnit -l centimeter -a degree -t film;\n";
};

// A mesh of three triangles below a transform of the given name; `extra`
// follows the geometry in the mesh's statements.
std::string threeTriangles(const std::string& name, const std::string& extra = "") {
    return "createNode transform -n \"" + name +
           "\";\n"
           "createNode mesh -n \"" +
           name + "Shape\" -p \"" + name +
           "\";\n"
           "\tsetAttr -s 5 \".vt[0:4]\" 0 0 0 1 0 0 0 1 0 1 1 0 2 0 0;\n"
           "\tsetAttr -s 7 \".ed[0:6]\" 0 1 0 1 2 0 2 0 0 1 3 0 3 2 0 1 4 0 4 3 0;\n"
           "\tsetAttr -s 3 -ch 9 \".fc[0:2]\" -type \"polyFaces\" f 3 0 1 2 f 3 3 4 -2 f 3 5 6 -4;\n" +
           extra;
}

// A shading group named after its material, fed by it unless `shaded` is
// false.
std::string material(const std::string& type, const std::string& name, bool shaded = true) {
    std::string text = "createNode " + type + " -n \"" + name + "\";\n" + "createNode shadingEngine -n \"" +
                       name + "SG\";\n";
    if (shaded) {
        text += "connectAttr \"" + name + ".oc\" \"" + name + "SG.ss\";\n";
    }
    return text;
}

// Face set k of a mesh: its faces and its shading group.
std::string faceSet(const std::string& mesh, int k, const std::string& faces, const std::string& group) {
    const std::string og = ".iog[0].og[" + std::to_string(k) + "]";
    return "select -ne \"" + mesh + "\";\n\tsetAttr \"" + og + ".gcl\" -type \"componentList\" 1 \"" + faces +
           "\";\nconnectAttr \"" + mesh + og + "\" \"" + group + ".dsm\" -na;\n";
}

} // namespace

TEST_F(ShapeElements, MaterialListsFollowTheFacesShadingGroups) {
    const std::string scene =
        material("lambert", "red") + material("blinn", "green") + material("phong", "blue") +
        threeTriangles("bare") + threeTriangles("gaps") + faceSet("gapsShape", 0, "f[0]", "redSG") +
        faceSet("gapsShape", 1, "f[5]", "greenSG") + faceSet("gapsShape", 2, "f[2]", "blueSG") +
        threeTriangles("firstOnly") + faceSet("firstOnlyShape", 0, "f[0:2]", "blueSG") +
        faceSet("firstOnlyShape", 1, "f[9]", "greenSG") + threeTriangles("alsoBare") +
        threeTriangles("whole") + "connectAttr \"wholeShape.iog\" \"greenSG.dsm\" -na;\n";
    EXPECT_EQ(exportSection(scene, "-shap"),
              "  <Scene>\n"
              "    <Shape name=\"bare\" shapeId=\"1\" static=\"true\" castsShadows=\"true\" "
              "receiveShadows=\"true\" "
              "materialIds=\"1\" nodeId=\"1\"/>\n"
              "    <Shape name=\"gaps\" shapeId=\"2\" static=\"true\" castsShadows=\"true\" "
              "receiveShadows=\"true\" "
              "materialIds=\"2, 3, 4\" nodeId=\"2\"/>\n"
              "    <Shape name=\"firstOnly\" shapeId=\"3\" static=\"true\" castsShadows=\"true\" "
              "receiveShadows=\"true\" materialIds=\"4\" nodeId=\"3\"/>\n"
              "    <Shape name=\"alsoBare\" shapeId=\"4\" static=\"true\" castsShadows=\"true\" "
              "receiveShadows=\"true\" materialIds=\"1\" nodeId=\"4\"/>\n"
              "    <Shape name=\"whole\" shapeId=\"5\" static=\"true\" castsShadows=\"true\" "
              "receiveShadows=\"true\" materialIds=\"3\" nodeId=\"5\"/>\n"
              "  </Scene>");
}

TEST_F(ShapeElements, ShadingGroupWithoutSurfaceShaderEndsTheList) {
    const std::string scene = material("lambert", "lost", false) + material("lambert", "kept") +
                              threeTriangles("broken", "\tsetAttr \".csh\" no;\n") +
                              faceSet("brokenShape", 0, "f[0]", "lostSG") +
                              faceSet("brokenShape", 1, "f[1]", "keptSG");
    EXPECT_EQ(exportSection(scene, "-shap"),
              "  <Scene>\n"
              "    <Shape name=\"broken\" shapeId=\"1\" static=\"true\" castsShadows=\"false\" "
              "receiveShadows=\"true\" materialIds=\"\" nodeId=\"1\"/>\n"
              "  </Scene>");
    EXPECT_EQ(messagesOf(MessageKind::Warning),
              (std::vector<std::string>{
                  "orvexExport: ShadingGroup surfaceShader attribute source plug not found (lostSG)\n"}));
}

// A failed shading query counts as a mesh without shading groups.
TEST_F(ShapeElements, FailedShaderQueryListsLambert1) {
    const std::string scene =
        material("lambert", "red") + threeTriangles("shaded") + faceSet("shadedShape", 0, "f[0:2]", "redSG");
    orvex_host::setFault("getConnectedShaders");
    EXPECT_EQ(exportSection(scene, "-shap"),
              "  <Scene>\n"
              "    <Shape name=\"shaded\" shapeId=\"1\" static=\"true\" castsShadows=\"true\" "
              "receiveShadows=\"true\" materialIds=\"1\" nodeId=\"1\"/>\n"
              "  </Scene>");
    // lambert1 took the id, so the Materials section has no "red".
    EXPECT_EQ(readFile(workDir() + "/out.xml").find("name=\"red\""), std::string::npos);
}

TEST_F(ShapeElements, PhysicsModeAndTable) {
    auto body = [](const std::string& name, const std::string& attributes) {
        std::string text = threeTriangles(name);
        // The attributes go on the transform.
        return text + "select -ne \"" + name + "\";\n" + attributes;
    };
    auto boolAttr = [](const std::string& name, bool value) {
        return "\taddAttr -ci true -sn \"" + name + "\" -ln \"" + name + "\" -min 0 -max 1 -at \"bool\";\n" +
               "\tsetAttr \"." + name + "\" " + (value ? "yes" : "no") + ";\n";
    };
    const std::string density =
        "\taddAttr -ci true -sn \"Orvex_density\" -ln \"Orvex_density\" -at \"double\";\n"
        "\tsetAttr \".Orvex_density\" 3;\n";
    const std::string scene =
        body("both", boolAttr("Orvex_kinematic", true) + boolAttr("Orvex_dynamic", true)) +
        body("child", boolAttr("Orvex_compoundChild", true) + density) + body("defaults", density) +
        body("none", boolAttr("Orvex_static", false) + density) +
        body("ghost", boolAttr("Orvex_nonRenderable", true));
    const std::string common = " castsShadows=\"true\" receiveShadows=\"true\"";
    EXPECT_EQ(exportSection(scene, "-shap"),
              "  <Scene>\n"
              "    <Shape name=\"both\" shapeId=\"1\" kinematic=\"true\"" +
                  common +
                  " materialIds=\"1\" nodeId=\"1\"/>\n"
                  "    <Shape name=\"child\" shapeId=\"2\" compoundChild=\"true\" density=\"3\"" +
                  common +
                  " materialIds=\"1\" nodeId=\"2\"/>\n"
                  "    <Shape name=\"defaults\" shapeId=\"3\" static=\"true\" density=\"3\"" +
                  common +
                  " materialIds=\"1\" nodeId=\"3\"/>\n"
                  "    <Shape name=\"none\" shapeId=\"4\"" +
                  common +
                  " materialIds=\"1\" nodeId=\"4\"/>\n"
                  "    <Shape name=\"ghost\" shapeId=\"5\" static=\"true\"" +
                  common + " nonRenderable=\"true\" materialIds=\"1\" nodeId=\"5\"/>\n  </Scene>");
}

namespace {

// A mesh skinned to three joints: "early" before it in the walk, "missing"
// not exported (its transform holds a camera), "late" after it; matrix
// element 3 has no connection.
const char kSkinned[] = R"(createNode joint -n "early";
createNode transform -n "missing";
createNode camera -n "missingShape" -p "missing";
createNode transform -n "body";
createNode mesh -n "bodyShape" -p "body";
createNode mesh -n "bodyShapeOrig" -p "body";
	setAttr ".io" yes;
	setAttr -s 3 ".vt[0:2]" 0 0 0 1 0 0 0 1 0;
	setAttr -s 3 ".ed[0:2]" 0 1 0 1 2 0 2 0 0;
	setAttr ".fc[0]" -type "polyFaces" f 3 0 1 2;
createNode joint -n "late";
createNode tweak -n "tweak1";
createNode skinCluster -n "skinCluster1";
	setAttr ".wl[0].w[0]" 1;
connectAttr "bodyShapeOrig.w[0]" "tweak1.ip[0].ig";
connectAttr "tweak1.og[0]" "skinCluster1.ip[0].ig";
connectAttr "skinCluster1.og[0]" "bodyShape.i";
connectAttr "early.wm[0]" "skinCluster1.ma[0]";
connectAttr "missing.wm[0]" "skinCluster1.ma[1]";
connectAttr "late.wm[0]" "skinCluster1.ma[2]";
select -ne "skinCluster1";
	setAttr ".ma[3]" -type "matrix" 1 0 0 0 0 1 0 0 0 0 1 0 0 0 0 1;
connectAttr "body.wm[0]" "skinCluster1.ma[4]";
)";

} // namespace

TEST_F(ShapeElements, SkinBindNodeIdsKeepThePositionsOfTheInfluences) {
    const std::string withSkin = exportSection(kSkinned, "-shap -sw");
    EXPECT_NE(
        withSkin.find("<Shape name=\"body\" shapeId=\"1\" static=\"true\" castsShadows=\"true\" "
                      "receiveShadows=\"true\" materialIds=\"1\" skinBindNodeIds=\"1    0\" nodeId=\"2\"/>"),
        std::string::npos)
        << withSkin;
    const std::string without = exportSection(kSkinned, "-shap");
    EXPECT_EQ(without.find("skinBindNodeIds"), std::string::npos);
}

// The list of a shading group without a surface shader ends the element's
// own attributes: a skinned mesh then has no skinBindNodeIds either.
TEST_F(ShapeElements, ShaderlessShadingGroupDropsTheSkinInfluences) {
    const std::string scene = std::string(kSkinned) + material("lambert", "lost", false) +
                              faceSet("bodyShape", 0, "f[0]", "lostSG");
    const std::string section = exportSection(scene, "-shap -sw");
    EXPECT_NE(section.find("    <Shape name=\"body\" shapeId=\"1\" static=\"true\" castsShadows=\"true\" "
                           "receiveShadows=\"true\" materialIds=\"\" nodeId=\"2\"/>\n"),
              std::string::npos)
        << section;
    const std::vector<std::string> warnings = messagesOf(MessageKind::Warning);
    EXPECT_NE(std::find(warnings.begin(), warnings.end(),
                        "orvexExport: ShadingGroup surfaceShader attribute source plug not found (lostSG)\n"),
              warnings.end());
}

TEST_F(ShapeElements, CurvesNeedBothFlagsAndShareTheShapeIds) {
    const std::string scene = threeTriangles("ground") + R"(createNode transform -n "path";
	addAttr -ci true -sn "Orvex_static" -ln "Orvex_static" -min 0 -max 1 -at "bool";
	setAttr ".Orvex_static" yes;
	setAttr ".t" -type "double3" 0 1 0 ;
createNode nurbsCurve -n "pathShape" -p "path";
	setAttr ".cc" -type "nurbsCurve" 1 2 0 no 3 3 0 1 2 3 0 0 0 1 0 0 2 0 0;
createNode transform -n "intermediateOnly";
createNode mesh -n "intermediateOnlyShape" -p "intermediateOnly";
	setAttr ".io" yes;
)";
    const std::string ground =
        "    <Shape name=\"ground\" shapeId=\"1\" static=\"true\" castsShadows=\"true\" "
        "receiveShadows=\"true\" materialIds=\"1\" nodeId=\"1\"/>\n";
    EXPECT_EQ(exportSection(scene, "-shap -nc"),
              "  <Scene>\n" + ground +
                  "    <Shape name=\"path\" translation=\"0 1 0\" shapeId=\"2\" nodeId=\"2\"/>\n"
                  "    <TransformGroup name=\"intermediateOnly\" nodeId=\"3\"/>\n"
                  "  </Scene>");
    EXPECT_EQ(exportSection(scene, "-shap"),
              "  <Scene>\n" + ground +
                  "    <TransformGroup name=\"intermediateOnly\" nodeId=\"2\"/>\n"
                  "  </Scene>");
    EXPECT_EQ(exportSection(scene, "-nc"), "  <Scene>\n  </Scene>");
}

TEST_F(ShapeElements, MeshAndLightChildrenInBothOrders) {
    const std::string scene = threeTriangles("meshFirst") +
                              "createNode pointLight -n \"l1\" -p \"meshFirst\";\n" +
                              "createNode transform -n \"lightFirst\";\n"
                              "createNode pointLight -n \"l2\" -p \"lightFirst\";\n"
                              "createNode mesh -n \"m2\" -p \"lightFirst\";\n";
    const std::string both = exportSection(scene, "-shap -l");
    EXPECT_NE(both.find("    <Light name=\"meshFirst\" type=\"point\""), std::string::npos) << both;
    EXPECT_NE(both.find("    <Shape name=\"lightFirst\" shapeId=\"1\""), std::string::npos) << both;
    // Without the lights flag both are left out, mesh or not.
    EXPECT_EQ(exportSection(scene, "-shap"), "  <Scene>\n  </Scene>");
}
