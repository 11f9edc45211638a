// Scene texts as the host application writes them: a header, startup cameras
// reused, a mesh with modelling history, per-face shading, a skinned mesh
// with its original, a bind pose, joints, lights, layers, script nodes,
// references and the default nodes at the end. Each must read without error,
// with the right nodes, values and connections and one notice per kind.

#include "scenefile/SceneReaderSupport.h"
#include "support/Angles.h"

#include "geometry/MeshData.h"
#include "geometry/SkinWeights.h"

#include <maya/MDistance.h>

using namespace orvex_host;
using orvex_test::SceneReading;

namespace {

using orvex_test::kPi;

const char* const kCharacterScene = R"ma(//Maya ASCII 2014 scene
//Name: character.ma
//Last modified: Tue, Mar 04, 2014 10:21:45 AM
//Codeset: 1252
file -rdi 1 -ns "env" -rfn "envRN" "C:/projects/game/scenes/env.ma";
file -r -ns "env" -dr 1 -rfn "envRN" "C:/projects/game/scenes/env.ma";
requires maya "2014";
requires -nodeType "mentalrayFramebuffer" -nodeType "mentalrayOptions"
		 -dataType "byteArray" "Mayatomr" "2014.0 - 3.11.1.4 ";
currentUnit -l centimeter -a degree -t film;
fileInfo "application" "maya";
fileInfo "product" "Maya 2014";
fileInfo "osv" "Microsoft Windows 7 Ultimate Edition, 64-bit Windows 7 Service Pack 1 (Build 7601)\n";
createNode transform -s -n "persp";
	setAttr ".v" no;
	setAttr ".t" -type "double3" 28.119318843446587 21.089489132584922 28.119318843446587 ;
	setAttr ".r" -type "double3" -27.938352729602379 44.999999999999972 -5.172681101354183e-014 ;
createNode camera -s -n "perspShape" -p "persp";
	setAttr -k off ".v" no;
	setAttr ".fl" 34.999999999999993;
	setAttr ".imn" -type "string" "persp";
createNode transform -n "pCube1";
	rename -uid "7B2D8C40-4E5A-1F2B-0C3D-7A8B9C0D1E2F";
	setAttr ".t" -type "double3" 1.5 0 -2 ;
createNode mesh -n "pCubeShape1" -p "pCube1";
	setAttr -k off ".v";
	setAttr -s 2 ".iog[0].og";
	setAttr ".iog[0].og[0].gcl" -type "componentList" 1 "f[0:3]";
	setAttr ".iog[0].og[1].gcl" -type "componentList" 2 "f[4]" "f[5]";
	setAttr ".uvst[0].uvsn" -type "string" "map1";
	setAttr ".cuvs" -type "string" "map1";
createNode polyCube -n "polyCube1";
	setAttr ".w" 2;
	setAttr ".cuv" 4;
createNode transform -n "body";
createNode mesh -n "bodyShape" -p "body";
	setAttr -k off ".v";
	setAttr -s 2 ".iog[0].og";
	setAttr ".vir" yes;
createNode mesh -n "bodyShapeOrig" -p "body";
	setAttr -k off ".v";
	setAttr ".io" yes;
	setAttr ".uvst[0].uvsn" -type "string" "map1";
	setAttr -s 4 ".uvst[0].uvsp[0:3]" -type "float2" 0 0 1 0 1 1 0 1;
	setAttr -s 4 ".vt[0:3]"  -0.5 0 0.5 0.5 0 0.5
		 -0.5 0 -0.5 0.5 0 -0.5;
	setAttr -s 4 ".ed[0:3]"  0 1 0 1 3 0 3 2 0 2 0 0;
	setAttr -ch 4 ".fc[0]" -type "polyFaces" 
		f 4 0 1 2 3
		mu 0 4 0 1 2 3;
	setAttr ".cd" -type "dataPolyComponent" Index_Data Edge 0 ;
createNode joint -n "root";
	addAttr -ci true -sn "liw" -ln "lockInfluenceWeights" -min 0 -max 1 -at "bool";
	setAttr ".uoc" yes;
	setAttr ".jo" -type "double3" 0 0 90 ;
	setAttr ".bps" -type "matrix" 0 1 0 0 -1 0 0 0 0 0 1 0 0 1 0 1;
createNode joint -n "spine" -p "root";
	addAttr -ci true -sn "liw" -ln "lockInfluenceWeights" -min 0 -max 1 -at "bool";
	setAttr ".uoc" yes;
	setAttr ".t" -type "double3" 1 0 0 ;
createNode transform -n "directionalLight1";
createNode directionalLight -n "directionalLightShape1" -p "directionalLight1";
	setAttr -k off ".v";
	setAttr ".in" 1.5;
createNode transform -n "spotLight1";
createNode spotLight -n "spotLightShape1" -p "spotLight1";
	setAttr -k off ".v";
	setAttr ".ca" 60;
createNode lightLinker -s -n "lightLinker1";
	setAttr -s 3 ".lnk";
createNode displayLayerManager -n "layerManager";
	setAttr ".cdl" 1;
	setAttr -s 2 ".dli[1]"  1;
	setAttr -s 2 ".dli";
createNode displayLayer -n "defaultLayer";
createNode renderLayerManager -n "renderLayerManager";
createNode renderLayer -n "defaultRenderLayer";
	setAttr ".g" yes;
createNode displayLayer -n "geoLayer";
	setAttr ".c" 13;
	setAttr ".do" 1;
createNode reference -n "envRN";
	setAttr ".ed" -type "dataReferenceEdits" 
		"envRN"
		"envRN" 0
		"envRN" 2
		2 "|env:ground" "translate" " -type \"double3\" 0 -1 0"
		5 3 "envRN" "|env:ground|env:groundShape.instObjGroups" "envRN.placeHolderList[1]" 
		"";
lockNode -l 1 ;
createNode script -n "uiConfigurationScriptNode";
	setAttr ".b" -type "string" (
		"// Maya Mel UI Configuration File.\n//\n//  This script is machine generated.  Edit at your own risk.\n"
		+ "global string $gMainPane;\nif (`paneLayout -exists $gMainPane`) {\n\tint $useSceneConfig;\n"
		+ "\t$panelName = `sceneUIReplacement -getNextPanel \"modelPanel\" (localizedPanelLabel(\"Top View\")) `;\n}\n");
	setAttr ".st" 3;
createNode skinCluster -n "skinCluster1";
	setAttr -s 4 ".wl";
	setAttr ".wl[0].w[0]"  1;
	setAttr -s 2 ".wl[1].w[0:1]"  0.5 0.5;
	setAttr -s 2 ".wl[2].w";
	setAttr ".wl[2].w[0]" 0.25;
	setAttr ".wl[2].w[1]" 0.75;
	setAttr ".wl[3].w[1]"  1;
	setAttr -s 2 ".pm";
	setAttr ".pm[0]" -type "matrix" 0 -1 0 0 1 0 0 0 0 0 1 0 -1 0 0 1;
	setAttr -s 2 ".ma";
	setAttr ".mi" 5;
createNode tweak -n "tweak1";
createNode objectSet -n "skinCluster1Set";
	setAttr ".ihi" 0;
	setAttr ".vo" yes;
createNode groupId -n "skinCluster1GroupId";
	setAttr ".ihi" 0;
createNode groupParts -n "skinCluster1GroupParts";
	setAttr ".ihi" 0;
	setAttr ".ic" -type "componentList" 1 "vtx[*]";
createNode dagPose -n "bindPose1";
	setAttr -s 2 ".wm";
	setAttr ".wm[0]" -type "matrix" 1 0 0 0 0 1 0 0 0 0 1 0 0 0 0 1;
	setAttr -s 2 ".xm";
	setAttr ".xm[0]" -type "matrix" "xform" 1 1 1 0 0 0 0 0 1 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0.70710678118654746 0.70710678118654757 1 1 1 yes;
	setAttr ".xm[1]" -type "matrix" "xform" 1 1 1 0 0 0 0 1 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 1 0 0 0 1 1 1 1 yes;
	setAttr -s 2 ".m";
	setAttr -s 2 ".p";
	setAttr ".bp" yes;
createNode lambert -n "red";
	setAttr ".c" -type "float3" 1 0 0 ;
createNode shadingEngine -n "redSG";
	setAttr ".ihi" 0;
	setAttr -s 2 ".dsm";
	setAttr ".ro" yes;
createNode groupId -n "groupId3";
	setAttr ".ihi" 0;
createNode groupId -n "groupId4";
	setAttr ".ihi" 0;
createNode nodeGraphEditorInfo -n "hyperShadePrimaryNodeEditorSavedTabsInfo";
	setAttr ".tgi[0].tn" -type "string" "Untitled_1";
	setAttr ".tgi[0].vl" -type "double2" -330.95236780151544 -323.80951094248991 ;
	setAttr -s 2 ".tgi[0].ni";
	setAttr ".tgi[0].ni[0].x" 1.4285714626312256;
	setAttr ".tgi[0].ni[1].x" 3;
dataStructure -fmt "raw" -as "name=externalContentTable:string=node:string=key:string=upath";
select -ne :time1;
	setAttr ".o" 1;
	setAttr ".unw" 1;
select -ne :renderPartition;
	setAttr -s 3 ".st";
select -ne :initialShadingGroup;
	setAttr -s 2 ".dsm";
	setAttr ".ro" yes;
select -ne :defaultShaderList1;
	setAttr -s 3 ".s";
select -ne :lightList1;
	setAttr -s 2 ".l";
select -ne :defaultRenderGlobals;
	setAttr ".ren" -type "string" "mentalRay";
select -ne :hardwareRenderingGlobals;
	setAttr ".otfna" -type "stringArray" 3 "NURBS Curves" "NURBS Surfaces" "Polygons"  ;
	setAttr ".otfva" -type "Int32Array" 3 0 1 1 ;
connectAttr "polyCube1.out" "pCubeShape1.i";
connectAttr "skinCluster1GroupId.id" "bodyShape.iog.og[0].gid";
connectAttr "skinCluster1Set.mwc" "bodyShape.iog.og[0].gco";
connectAttr "skinCluster1.og[0]" "bodyShape.i";
connectAttr "groupId3.id" "pCubeShape1.iog.og[0].gid";
connectAttr ":initialShadingGroup.mwc" "pCubeShape1.iog.og[0].gco";
connectAttr "groupId4.id" "pCubeShape1.iog.og[1].gid";
connectAttr "redSG.mwc" "pCubeShape1.iog.og[1].gco";
relationship "link" ":lightLinker1" ":initialShadingGroup.message" ":defaultLightSet.message";
relationship "shadowLink" ":lightLinker1" "redSG.message" ":defaultLightSet.message";
connectAttr "layerManager.dli[0]" "defaultLayer.id";
connectAttr "layerManager.dli[1]" "geoLayer.id";
connectAttr "renderLayerManager.rlmi[0]" "defaultRenderLayer.rlid";
connectAttr "skinCluster1GroupParts.og" "skinCluster1.ip[0].ig";
connectAttr "skinCluster1GroupId.id" "skinCluster1.ip[0].gi";
connectAttr "bindPose1.msg" "skinCluster1.bp";
connectAttr "root.wm" "skinCluster1.ma[0]";
connectAttr "spine.wm" "skinCluster1.ma[1]";
connectAttr "root.liw" "skinCluster1.lw[0]";
connectAttr "skinCluster1GroupId.msg" "skinCluster1Set.gn" -na;
connectAttr "bodyShape.iog.og[0]" "skinCluster1Set.dsm" -na;
connectAttr "tweak1.og[0]" "skinCluster1GroupParts.ig";
connectAttr "bodyShapeOrig.w" "tweak1.ip[0].ig";
connectAttr "root.msg" "bindPose1.m[0]";
connectAttr "spine.msg" "bindPose1.m[1]";
connectAttr "bindPose1.w" "bindPose1.p[0]";
connectAttr "bindPose1.m[0]" "bindPose1.p[1]";
connectAttr "root.bps" "bindPose1.wm[0]";
connectAttr "red.oc" "redSG.ss";
connectAttr "envRN.phl[1]" ":initialShadingGroup.dsm" -na;
connectAttr "redSG.pa" ":renderPartition.st" -na;
connectAttr "red.msg" ":defaultShaderList1.s" -na;
connectAttr "directionalLightShape1.ltd" ":lightList1.l" -na;
connectAttr "spotLightShape1.ltd" ":lightList1.l" -na;
connectAttr "directionalLight1.iog" ":defaultLightSet.dsm" -na;
connectAttr "spotLight1.iog" ":defaultLightSet.dsm" -na;
connectAttr "pCubeShape1.iog.og[0]" ":initialShadingGroup.dsm" -na;
connectAttr "pCubeShape1.iog.og[1]" "redSG.dsm" -na;
connectAttr "groupId3.msg" ":initialShadingGroup.gn" -na;
connectAttr "bodyShape.iog" "redSG.dsm" -na;
// End of character.ma
)ma";

// The connection that feeds `node.attr[indices]`, as "source.attr[i]..."
// with the attribute's long name; empty when nothing does.
std::string sourceOf(Scene& scene, const std::string& nodeName, const std::string& attr,
                     std::vector<unsigned> indices = {}) {
    Node* node = scene.find(nodeName);
    if (!node || node->findAttribute(attr) < 0) {
        return "<no plug " + nodeName + "." + attr + ">";
    }
    const Connection* c = scene.sourceOf(node, {node->findAttribute(attr), std::move(indices)});
    if (!c) {
        return "";
    }
    std::string text = c->srcNode->name + "." + c->srcNode->attribute(c->src.attr).longName;
    for (unsigned i : c->src.indices) {
        text += "[" + std::to_string(i) + "]";
    }
    return text;
}

} // namespace

TEST_F(SceneReading, ACharacterSceneAsTheHostWritesItReadsWhole) {
    read(kCharacterScene, true);
    Scene& s = scene();
    EXPECT_EQ(s.settings().fileInfo.size(), 3u);
    EXPECT_EQ(s.settings().fileInfo[2].second,
              "Microsoft Windows 7 Ultimate Edition, 64-bit Windows 7 Service Pack 1 (Build 7601)\n");

    // The startup camera is reused and its values converted from degrees.
    EXPECT_EQ(s.find("persp1"), nullptr);
    EXPECT_NEAR(number("persp", "rx"), -27.938352729602379 * kPi / 180, 1e-15);
    EXPECT_DOUBLE_EQ(number("perspShape", "focalLength"), 34.999999999999993);
    EXPECT_DOUBLE_EQ(number("pCube1", "tx"), 1.5); // rename -uid keeps the node current
    EXPECT_DOUBLE_EQ(number("root", "jointOrientZ"), kPi / 2);
    EXPECT_DOUBLE_EQ(number("spotLightShape1", "coneAngle"), kPi / 3);

    // Per-face shading: the face sets and their groups.
    EXPECT_EQ(std::get<std::vector<std::string>>(*value("pCubeShape1", "gcl", {0, 1})),
              (std::vector<std::string>{"f[4]", "f[5]"}));
    EXPECT_EQ(sourceOf(s, "pCubeShape1", "objectGroupId", {0, 1}), "groupId4.groupId");
    EXPECT_EQ(sourceOf(s, "redSG", "dagSetMembers", {0}), "pCubeShape1.objectGroups[0][1]");
    EXPECT_EQ(sourceOf(s, "redSG", "dagSetMembers", {1}), "bodyShape.instObjGroups[0]");
    EXPECT_EQ(sourceOf(s, "initialShadingGroup", "dagSetMembers", {1}), "pCubeShape1.objectGroups[0][0]");

    // The skinned mesh takes its geometry from its original through the
    // deformer chain; the original keeps its points and face.
    EXPECT_EQ(sourceOf(s, "bodyShape", "inMesh"), "skinCluster1.outputGeometry[0]");
    const MeshData* body = meshGeometry(s, &node("bodyShape"));
    ASSERT_NE(body, nullptr);
    EXPECT_EQ(body, node("bodyShapeOrig").payloadAs<MeshData>());
    EXPECT_EQ(body->pointCount(), 4u);
    EXPECT_EQ(body->faceCount(), 1u);
    auto* skin = node("skinCluster1").payloadAs<SkinWeights>();
    ASSERT_NE(skin, nullptr);
    EXPECT_DOUBLE_EQ(skin->weight(1, 1), 0.5);
    EXPECT_DOUBLE_EQ(skin->weight(2, 1), 0.75);
    EXPECT_DOUBLE_EQ(skin->weight(3, 0), 0.0);
    EXPECT_EQ(sourceOf(s, "skinCluster1", "matrix", {1}), "spine.worldMatrix[0]");
    // The influences' lock flags are the attributes the file adds to them.
    EXPECT_EQ(sourceOf(s, "skinCluster1", "lockWeights", {0}), "root.lockInfluenceWeights");
    EXPECT_TRUE(node("spine").isDynamic(node("spine").findAttribute("liw")));

    // The bind pose: members by their message, the pose matrices as written.
    EXPECT_EQ(sourceOf(s, "bindPose1", "members", {1}), "spine.message");
    EXPECT_EQ(sourceOf(s, "bindPose1", "worldMatrix", {0}), "root.bindPose");
    EXPECT_EQ(sourceOf(s, "skinCluster1", "bindPose"), "bindPose1.message");
    const TransformData& spinePose = std::get<TransformData>(*value("bindPose1", "xformMatrix", {1}));
    EXPECT_EQ(spinePose.translate, (std::array<double, 3>{1, 0, 0}));
    const TransformData& rootPose = std::get<TransformData>(*value("bindPose1", "xformMatrix", {0}));
    EXPECT_EQ(rootPose.jointOrient[3], 0.70710678118654757);

    // Lists and sets of default nodes take every "-na" connection in turn,
    // also where their array was first given by its size alone.
    EXPECT_EQ(sourceOf(s, "lightList1", "l", {0}), "directionalLightShape1.lightData");
    EXPECT_EQ(sourceOf(s, "lightList1", "l", {1}), "spotLightShape1.lightData");
    EXPECT_EQ(sourceOf(s, "defaultShaderList1", "s", {0}), "red.message");
    EXPECT_EQ(sourceOf(s, "defaultLightSet", "dagSetMembers", {1}), "spotLight1.instObjGroups[0]");
    EXPECT_EQ(sourceOf(s, "skinCluster1Set", "gn", {0}), "skinCluster1GroupId.message");

    // Nodes of types the host does not model keep their values.
    EXPECT_DOUBLE_EQ(number("hyperShadePrimaryNodeEditorSavedTabsInfo", "x", {0, 1}), 3.0);
    EXPECT_EQ(std::get<std::string>(*value("hyperShadePrimaryNodeEditorSavedTabsInfo", "tn", {0})),
              "Untitled_1");
    const std::string& ui = std::get<std::string>(*value("uiConfigurationScriptNode", "b"));
    EXPECT_EQ(ui.rfind("// Maya Mel UI Configuration File.\n//\n", 0), 0u);
    EXPECT_NE(ui.find("-getNextPanel \"modelPanel\" (localizedPanelLabel(\"Top View\")) `;\n}\n"),
              std::string::npos);
    EXPECT_EQ(std::get<std::string>(*value("defaultRenderGlobals", "ren")), "mentalRay");
    EXPECT_EQ(std::get<std::vector<double>>(*value("hardwareRenderingGlobals", "otfva")),
              (std::vector<double>{0, 1, 1}));
    EXPECT_EQ(sourceOf(s, "geoLayer", "id"), "layerManager.dli[1]");

    // The default nodes made current with "select -ne" are not selected.
    EXPECT_TRUE(s.selection().empty());

    // One notice per kind; the history notice names the mesh without
    // geometry, not the skinned one.
    EXPECT_EQ(noticesContaining("references are not followed"), 1u);
    EXPECT_EQ(noticesContaining("node type \"displayLayer\" is unknown"), 1u);
    EXPECT_EQ(noticesContaining("node type \"groupId\" has no attribute"), 0u);
    EXPECT_EQ(noticesContaining("has no plug"), 0u);
    EXPECT_EQ(noticesContaining("already has an attribute"), 0u);
    EXPECT_EQ(noticesContaining("already has an incoming connection"), 0u);
    EXPECT_EQ(noticesContaining("does not name a plug"), 0u);
    EXPECT_EQ(noticesContaining("modelling history"), 1u);
    EXPECT_EQ(noticesContaining("test.ma:161: mesh \"pCubeShape1\" is built by modelling history"), 1u);
}

TEST_F(SceneReading, StatementsSplitOverManyLinesWithNamespacesInstancesAndMetres) {
    read("//Maya ASCII 2012 scene\n"
         "requires maya \"2012\";\n"
         "currentUnit\n   -l meter\n   -a degree\n   -t ntsc\n   ;\n"
         "createNode transform -n \"char:grp\";\n"
         "createNode transform -n \"char:hand\" -p \"char:grp\";\n"
         "\tsetAttr \".t\" -type \"double3\" 1 2 3 ;\n"
         "createNode mesh -n \"char:handShape\" -p \"|char:grp|char:hand\";\n"
         "\tsetAttr -s 2 \".vt[0:1]\" 1 2 3\n\t\t4 5 6;\n"
         "\taddAttr -ci true -sn \"q\" -ln \"quat\" -at \"double4\" -nc 4;\n"
         "\taddAttr -ci true -sn \"qx\" -ln \"quatX\" -at \"double\" -p \"quat\";\n"
         "\taddAttr -ci true -sn \"qy\" -ln \"quatY\" -at \"double\" -p \"quat\";\n"
         "\taddAttr -ci true -sn \"qz\" -ln \"quatZ\" -at \"double\" -p \"quat\";\n"
         "\taddAttr -ci true -sn \"qw\" -ln \"quatW\" -at \"double\" -p \"quat\";\n"
         "\tsetAttr \".q\" -type \"double4\" 0 0 0.5 1;\n"
         "createNode transform -n \"char:grp1\";\n"
         "parent -s -nc -r -add \"|char:grp|char:hand|char:handShape\" \"char:grp1\";\n"
         "createNode animCurveTL -n \"hand_translateX\";\n"
         "\tsetAttr -s 2 \".ktv[0:1]\"  1 0 24 0.5;\n"
         "createNode transform\n\t-n\n\t\"split\"\n\t-p\n\t\"char:grp\"\n\t;\n"
         "\tsetAttr\n\t\t\".t\"\n\t\t-type\n\t\t\"double3\"\n\t\t1\n\t\t2\n\t\t3\n\t\t;\n"
         "connectAttr \":time1.o\" \"hand_translateX.i\";\n"
         "connectAttr \"hand_translateX.o\" \"char:hand.tx\" -f;\n"
         "connectAttr -na \"char:grp1|char:handShape.iog\" \":initialShadingGroup.dsm\";\n"
         "connectAttr \"|char:grp|char:hand|char:handShape.iog\" \":initialShadingGroup.dsm\" -na;\n",
         true);
    Scene& s = scene();
    EXPECT_DOUBLE_EQ(MDistance::uiToInternal(1.0), 100.0);
    EXPECT_DOUBLE_EQ(number("char:hand", "ty"), 200.0);
    EXPECT_DOUBLE_EQ(number("split", "tz"), 300.0);
    EXPECT_EQ(node("split").parents.at(0), &node("char:grp"));
    // Mesh points are geometry data, kept as written.
    EXPECT_EQ(node("char:handShape").payloadAs<MeshData>()->points[5], 6.0f);
    EXPECT_DOUBLE_EQ(number("char:handShape", "quatZ"), 0.5);
    EXPECT_EQ(sourceOf(s, "hand_translateX", "input"), "time1.outTime");
    EXPECT_EQ(sourceOf(s, "char:hand", "translateX"), "hand_translateX.output");
    // Each instance path names its own element of the per-instance array.
    EXPECT_EQ(sourceOf(s, "initialShadingGroup", "dagSetMembers", {0}), "char:handShape.instObjGroups[1]");
    EXPECT_EQ(sourceOf(s, "initialShadingGroup", "dagSetMembers", {1}), "char:handShape.instObjGroups[0]");
    EXPECT_TRUE(notices().empty()) << notices().front();
}
