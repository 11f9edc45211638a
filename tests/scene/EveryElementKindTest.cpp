// One scene with every kind of Scene element, exported with every switch
// the Scene section knows, against the expected section text.

#include "support/DocumentSections.h"
#include "support/ExportHarness.h"

#include <libxml/parser.h>

using namespace orvex_test;

namespace {

const char kLevel[] = R"(//Maya ASCII 2014 scene
requires maya "2014";
currentUnit -l centimeter -a degree -t film;
createNode transform -n "level";
	addAttr -ci true -sn "Orvex_lightMask" -ln "Orvex_lightMask" -dt "string";
	addAttr -ci true -sn "Orvex_lod1" -ln "Orvex_lod1" -at "double";
	addAttr -ci true -sn "Orvex_lod2" -ln "Orvex_lod2" -at "double";
	setAttr ".Orvex_lightMask" -type "string" "00ff";
	setAttr ".Orvex_lod1" 25;
	setAttr ".Orvex_lod2" 80;
createNode joint -n "hips" -p "level";
	addAttr -ci true -sn "Orvex_joint" -ln "Orvex_joint" -min 0 -max 1 -at "bool";
	setAttr ".Orvex_joint" yes;
	setAttr ".jo" -type "double3" 0 0 90 ;
	setAttr ".minRotXLimitEnable" yes;
	setAttr ".minRotXLimit" -45;
createNode joint -n "spine" -p "hips";
	setAttr ".t" -type "double3" 20 0 0 ;
createNode dagPose -n "bindPose1";
	setAttr ".xm[0]" -type "matrix" "xform" 1 1 1 0 0 0 0 0 100 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 1 0 0
		 0.70710678118654757 0.70710678118654746 1 1 1 yes;
	setAttr ".xm[1]" -type "matrix" "xform" 1 1 1 0 0 0.5 0 20 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 1 0 0
		 0 1 1 1 1 yes;
	setAttr ".bp" yes;
connectAttr "hips.bps" "bindPose1.wm[0]";
connectAttr "spine.bps" "bindPose1.wm[1]";
createNode transform -n "crate" -p "level";
	addAttr -ci true -sn "Orvex_dynamic" -ln "Orvex_dynamic" -min 0 -max 1 -at "bool";
	addAttr -ci true -sn "Orvex_density" -ln "Orvex_density" -at "double";
	addAttr -ci true -sn "Orvex_objectMask" -ln "Orvex_objectMask" -at "long";
	setAttr ".t" -type "double3" 3 0.5 0 ;
	setAttr ".r" -type "double3" 0 45 0 ;
	setAttr ".Orvex_dynamic" yes;
	setAttr ".Orvex_density" 2.5;
	setAttr ".Orvex_objectMask" 3;
createNode mesh -n "crateShape" -p "crate";
	setAttr -s 4 ".vt[0:3]" 0 0 0 1 0 0 1 1 0 0 1 0;
	setAttr -s 5 ".ed[0:4]" 0 1 0 1 2 0 2 3 0 3 0 0 0 2 0;
	setAttr -s 2 -ch 6 ".fc[0:1]" -type "polyFaces" f 3 0 1 -5 f 3 4 2 3;
	setAttr ".iog[0].og[0].gcl" -type "componentList" 1 "f[1]";
	setAttr ".iog[0].og[1].gcl" -type "componentList" 1 "f[0]";
createNode transform -n "body" -p "hips";
	setAttr ".s" -type "double3" 2 2 2 ;
createNode mesh -n "bodyShape" -p "body";
	setAttr ".rcsh" no;
createNode mesh -n "bodyShapeOrig" -p "body";
	setAttr ".io" yes;
	setAttr -s 3 ".vt[0:2]" 0 0 0 1 0 0 0 1 0;
	setAttr -s 3 ".ed[0:2]" 0 1 0 1 2 0 2 0 0;
	setAttr ".fc[0]" -type "polyFaces" f 3 0 1 2;
createNode skinCluster -n "skinCluster1";
	setAttr ".wl[0].w[0]" 1;
connectAttr "bodyShapeOrig.w[0]" "skinCluster1.ip[0].ig";
connectAttr "skinCluster1.og[0]" "bodyShape.i";
connectAttr "hips.wm[0]" "skinCluster1.ma[0]";
connectAttr "spine.wm[0]" "skinCluster1.ma[1]";
createNode joint -n "tail" -p "hips";
connectAttr "tail.wm[0]" "skinCluster1.ma[2]";
createNode transform -n "path" -p "level";
	addAttr -ci true -sn "Orvex_nonRenderable" -ln "Orvex_nonRenderable" -min 0 -max 1 -at "bool";
	setAttr ".Orvex_nonRenderable" yes;
createNode nurbsCurve -n "pathShape" -p "path";
	setAttr ".cc" -type "nurbsCurve" 1 2 0 no 3 3 0 1 2 3 0 0 0 1 0 0 2 0 0;
createNode transform -n "sky";
createNode ambientLight -n "skyShape" -p "sky";
	setAttr ".in" 0.3;
createNode transform -n "torch";
	addAttr -ci true -sn "Orvex_clipDistance" -ln "Orvex_clipDistance" -at "double";
	setAttr ".t" -type "double3" 0 4 0 ;
	setAttr ".r" -type "double3" -90 0 0 ;
	setAttr ".Orvex_clipDistance" 40;
createNode spotLight -n "torchShape" -p "torch";
	setAttr ".cl" -type "float3" 1 0.8 0.5 ;
	setAttr ".in" 3;
	setAttr ".de" 1;
	setAttr ".dms" yes;
	setAttr ".ca" 30;
	setAttr ".dro" 1.5;
createNode transform -n "shot";
	setAttr ".t" -type "double3" 0 2 12 ;
createNode camera -n "shotShape" -p "shot";
	setAttr ".fl" 35;
	setAttr ".ncp" 0.5;
	setAttr ".fcp" 2000;
createNode transform -n "fountain";
createNode pointEmitter -n "spray" -p "fountain";
	setAttr ".t" -type "double3" 0 1 0 ;
createNode transform -n "lod_300";
createNode lambert -n "stone";
createNode shadingEngine -n "stoneSG";
createNode blinn -n "brass";
createNode shadingEngine -n "brassSG";
createNode file -n "flame";
	setAttr ".ftn" -type "string" "sourceimages/flame.png";
connectAttr "stone.oc" "stoneSG.ss";
connectAttr "brass.oc" "brassSG.ss";
connectAttr "crateShape.iog.og[0]" "stoneSG.dsm" -na;
connectAttr "crateShape.iog.og[1]" "brassSG.dsm" -na;
connectAttr "bodyShape.iog" "brassSG.dsm" -na;
connectAttr "flame.oc" "torchShape.cl";
)";

const char kExpected[] =
    "  <Scene>\n"
    "    <TransformGroup name=\"level\" lodDistance=\"0 25 80\" lightMask=\"255\" nodeId=\"1\">\n"
    "      <TransformGroup name=\"hips\" translation=\"0 100 0\" rotation=\"0 0 90\" joint=\"true\" "
    "rotMinX=\"-45\" nodeId=\"2\">\n"
    "        <TransformGroup name=\"spine\" translation=\"20 0 0\" rotation=\"0 0 28.6479\" nodeId=\"3\"/>\n"
    "        <Shape name=\"body\" scale=\"2 2 2\" shapeId=\"1\" static=\"true\" castsShadows=\"true\" "
    "receiveShadows=\"false\" materialIds=\"1\" skinBindNodeIds=\"2 3 \" nodeId=\"4\"/>\n"
    "        <TransformGroup name=\"tail\" nodeId=\"5\"/>\n"
    "      </TransformGroup>\n"
    "      <Shape name=\"crate\" translation=\"3 0.5 0\" rotation=\"0 45 0\" shapeId=\"2\" dynamic=\"true\" "
    "density=\"2.5\" castsShadows=\"true\" receiveShadows=\"true\" materialIds=\"2, 1\" objectMask=\"3\" "
    "nodeId=\"6\"/>\n"
    "      <Shape name=\"path\" shapeId=\"3\" nonRenderable=\"true\" nodeId=\"7\"/>\n"
    "    </TransformGroup>\n"
    "    <Light name=\"sky\" type=\"ambient\" diffuseColor=\"1 1 1\" emitDiffuse=\"true\" specularColor=\"1 "
    "1 1\" "
    "emitSpecular=\"false\" range=\"0.3\" nodeId=\"8\"/>\n"
    "    <Light name=\"torch\" translation=\"0 4 0\" rotation=\"-90 0 0\" type=\"spot\" diffuseColor=\"1 0.8 "
    "0.5\" "
    "emitDiffuse=\"true\" specularColor=\"1 0.8 0.5\" emitSpecular=\"true\" castShadowMap=\"true\" "
    "depthMapBias=\"0.001\" depthMapResolution=\"512\" decayRate=\"1\" range=\"3\" coneAngle=\"30\" "
    "dropOff=\"1.5\" projTextureId=\"1\" clipDistance=\"40\" nodeId=\"9\"/>\n"
    "    <Camera name=\"shot\" translation=\"0 2 12\" fov=\"54.4321\" nearClip=\"0.5\" farClip=\"2000\" "
    "nodeId=\"10\"/>\n"
    "    <Dynamic name=\"spray\" translation=\"0 1 0\" dynamicId=\"1\" castsShadows=\"false\" "
    "receiveShadows=\"false\" nodeId=\"11\"/>\n"
    "    <TransformGroup name=\"lod_300\" lodDistance=\"0 150\" nodeId=\"12\"/>\n"
    "  </Scene>";

class EveryElementKind : public ExportTest {};

} // namespace

TEST_F(EveryElementKind, SceneSectionMatchesTheExpectedText) {
    openScene(kLevel, "level.ma");
    const std::string path = workDir() + "/level.xml";
    ASSERT_EQ(exportWith("-shap -sw -nc -l -cams -ps -f " + path), MS::kSuccess);
    const std::string document = readFile(path);
    EXPECT_EQ(documentSection(document, "Scene"), kExpected);
    // The scene pass warns only about the joint outside the bind pose (the
    // Materials pass has warnings of its own).
    std::vector<std::string> sceneWarnings;
    for (const std::string& warning : messagesOf(orvex_host::MessageKind::Warning)) {
        if (warning.compare(0, 13, "orvexExport: ") == 0) {
            sceneWarnings.push_back(warning);
        }
    }
    EXPECT_EQ(sceneWarnings,
              (std::vector<std::string>{"orvexExport: Joint without bind pose found. Using current "
                                        "rotation (tail).\n"}));

    xmlDocPtr parsed = xmlReadMemory(document.data(), static_cast<int>(document.size()), "level.xml", nullptr,
                                     XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING);
    EXPECT_NE(parsed, nullptr) << "the document is not well-formed";
    xmlFreeDoc(parsed);
}
