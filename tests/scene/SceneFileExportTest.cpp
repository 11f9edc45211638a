// The Scene section of documents exported from scene files, byte for byte.

#include "support/DocumentSections.h"
#include "support/ExportHarness.h"

using namespace orvex_test;
using orvex_host::MessageKind;

namespace {

class SceneFileExport : public ExportTest {
protected:
    std::string exportSection(const std::string& sceneText, const std::string& flags) {
        openScene(sceneText, "scene.ma");
        const std::string path = workDir() + "/out.xml";
        EXPECT_EQ(exportWith(flags + " -f " + path), MS::kSuccess);
        return documentSection(readFile(path), "Scene");
    }
};

const char kCentimetres[] = "//Maya ASCII 2014 scene\n"
                            "requires maya \"2014\";\n"
                            "currentUnit -l centimeter -a degree -t film;\n";

// A two-joint chain: the hips in one bind pose, the knee in none; limits
// and physics-joint settings on the hips.
const char kSkeleton[] = R"(createNode joint -n "hips";
	addAttr -ci true -sn "Orvex_joint" -ln "Orvex_joint" -min 0 -max 1 -at "bool";
	addAttr -ci true -sn "Orvex_driveSpring" -ln "Orvex_driveSpring" -at "double";
	setAttr ".t" -type "double3" 5 5 5 ;
	setAttr ".jo" -type "double3" 0 0 90 ;
	setAttr ".maxRotZLimitEnable" yes;
	setAttr ".maxRotZLimit" 120;
	setAttr ".minTransYLimitEnable" yes;
	setAttr ".minTransYLimit" -2.5;
	setAttr ".Orvex_joint" yes;
	setAttr ".Orvex_driveSpring" 2;
createNode joint -n "knee" -p "hips";
	setAttr ".t" -type "double3" 40 0 0 ;
	setAttr ".r" -type "double3" 0 0 -30 ;
	setAttr ".jo" -type "double3" 0 0 90 ;
createNode dagPose -n "bindPose1";
	setAttr -s 2 ".wm";
	setAttr ".xm[3]" -type "matrix" "xform" 1 1 1 0 0 0.5 0 0 90 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0
		 0 0 0 0 1 0 0 0.70710678118654757 0.70710678118654746 1 1 1 yes;
	setAttr ".bp" yes;
connectAttr "hips.bps" "bindPose1.wm[3]";
)";

} // namespace

TEST_F(SceneFileExport, SkeletonWithAndWithoutBindPose) {
    EXPECT_EQ(
        exportSection(std::string(kCentimetres) + kSkeleton, ""),
        "  <Scene>\n"
        "    <TransformGroup name=\"hips\" translation=\"0 90 0\" rotation=\"0 0 118.648\" joint=\"true\" "
        "driveSpring=\"2\" rotMaxZ=\"120\" transMinY=\"-2.5\" nodeId=\"1\">\n"
        "      <TransformGroup name=\"knee\" translation=\"40 0 0\" rotation=\"0 0 60\" nodeId=\"2\"/>\n"
        "    </TransformGroup>\n"
        "  </Scene>");
    EXPECT_EQ(messagesOf(MessageKind::Warning),
              (std::vector<std::string>{
                  "orvexExport: Joint without bind pose found. Using current rotation (knee).\n"}));
}

// Joints in scene files carry their rotation limits as the compounds
// ".mnrl" and ".mxrl"; the enables come per axis.
TEST_F(SceneFileExport, JointLimitsFromTheCompoundsScenesWrite) {
    const char limits[] = R"(createNode joint -n "wrist";
	addAttr -ci true -sn "Orvex_joint" -ln "Orvex_joint" -min 0 -max 1 -at "bool";
	setAttr ".Orvex_joint" yes;
	setAttr ".mnrl" -type "double3" -10 -20 -30 ;
	setAttr ".mxrl" -type "double3" 10 20 30 ;
	setAttr ".mrxe" yes;
	setAttr ".xrze" yes;
	setAttr ".mtl" -type "double3" -1 -2 -3 ;
	setAttr ".mtye" yes;
)";
    EXPECT_EQ(exportSection(std::string(kCentimetres) + limits, ""),
              "  <Scene>\n"
              "    <TransformGroup name=\"wrist\" joint=\"true\" rotMinX=\"-10\" rotMaxZ=\"30\" "
              "transMinY=\"-2\" nodeId=\"1\"/>\n"
              "  </Scene>");
}

namespace {

// Lengths in metres; a spot light projecting a file texture, an area
// light, a hidden camera and an emitter below a transform.
const char kLightsCameraEmitter[] = R"(//Maya ASCII 2014 scene
requires maya "2014";
currentUnit -l meter -a degree -t film;
createNode transform -n "key";
	addAttr -ci true -sn "Orvex_affectedLightMasks" -ln "Orvex_affectedLightMasks" -dt "string";
	setAttr ".t" -type "double3" 1 2 3 ;
	setAttr ".Orvex_affectedLightMasks" -type "string" "ff";
createNode spotLight -n "keyShape" -p "key";
	setAttr ".cl" -type "float3" 1 0.5 0 ;
	setAttr ".in" 2;
	setAttr ".de" 2;
	setAttr ".dms" yes;
	setAttr ".dr" 1024;
	setAttr ".db" 0.002;
	setAttr ".ca" 45;
	setAttr ".dro" 3;
createNode file -n "gobo";
	setAttr ".ftn" -type "string" "gobo.png";
connectAttr "gobo.oc" "keyShape.cl";
createNode transform -n "fill";
createNode areaLight -n "fillShape" -p "fill";
createNode transform -n "shot";
	setAttr ".v" no;
createNode camera -n "shotShape" -p "shot";
	setAttr ".fl" 50;
	setAttr ".ncp" 0.01;
	setAttr ".fcp" 100;
createNode transform -n "fountain";
	addAttr -ci true -sn "Orvex_clipDistance" -ln "Orvex_clipDistance" -at "double";
	setAttr ".Orvex_clipDistance" 30;
createNode pointEmitter -n "spray" -p "fountain";
	setAttr ".t" -type "double3" 0 0.5 0 ;
)";

} // namespace

TEST_F(SceneFileExport, LightsCameraAndEmitterInMetres) {
    EXPECT_EQ(
        exportSection(kLightsCameraEmitter, "-l -cams"),
        "  <Scene>\n"
        "    <Light name=\"key\" translation=\"1 2 3\" type=\"spot\" diffuseColor=\"1 0.5 0\" "
        "emitDiffuse=\"true\" specularColor=\"1 0.5 0\" emitSpecular=\"true\" castShadowMap=\"true\" "
        "depthMapBias=\"0.002\" depthMapResolution=\"1024\" decayRate=\"2\" range=\"2\" coneAngle=\"45\" "
        "dropOff=\"3\" projTextureId=\"1\" affectedLightMasks=\"255\" nodeId=\"1\"/>\n"
        "    <Light name=\"fill\" type=\"area\" diffuseColor=\"1 1 1\" emitDiffuse=\"true\" "
        "specularColor=\"1 1 1\" emitSpecular=\"true\" range=\"1\" nodeId=\"2\"/>\n"
        "    <Camera name=\"shot\" fov=\"39.5977\" nearClip=\"0.01\" farClip=\"100\" nodeId=\"3\"/>\n"
        "    <Dynamic name=\"spray\" translation=\"0 0.5 0\" dynamicId=\"1\" castsShadows=\"false\" "
        "receiveShadows=\"false\" clipDistance=\"30\" nodeId=\"4\"/>\n"
        "  </Scene>");
    EXPECT_NE(readFile(workDir() + "/out.xml").find("gobo.png"), std::string::npos);
}

namespace {

// A camera with an image plane as the host writes it, in a file that also
// carries a connection to a node of a referenced file (skipped with a
// notice, see the scene reader's tests), and a selection of the image plane.
const char kImagePlaneAndReference[] = R"(//Maya ASCII 2014 scene
file -r -ns "mesh_" -dr 1 -rfn "mesh_RN" "C:/scenes/mesh.ma";
requires maya "2014";
currentUnit -l centimeter -a degree -t film;
createNode transform -n "camera1";
	setAttr ".t" -type "double3" 0 2 10 ;
createNode camera -n "cameraShape1" -p "camera1";
	setAttr -k off ".v";
	setAttr ".cap" -type "double2" 1.41732 0.94488 ;
	setAttr ".ff" 0;
	setAttr ".coi" 10.5;
	setAttr ".imn" -type "string" "camera1";
createNode transform -n "imagePlane1" -p "cameraShape1";
createNode imagePlane -n "imagePlaneShape1" -p "|camera1|cameraShape1->|imagePlane1";
	setAttr -k off ".v";
	setAttr ".fc" 0;
	setAttr ".imn" -type "string" "sourceimages/board.png";
	setAttr ".s" -type "double2" 1.41732 0.94488 ;
createNode transform -n "box";
createNode reference -n "mesh_RN";
connectAttr "imagePlaneShape1.msg" "cameraShape1.ip" -na;
connectAttr "mesh_RN.phl[842]" "mesh_:BackRoot_parentConstraint1.cpim";
select -r "cameraShape1->imagePlaneShape1";
)";

} // namespace

TEST_F(SceneFileExport, CameraWithAnImagePlaneAndAConnectionIntoAReference) {
    const char camera[] =
        "    <Camera name=\"camera1\" translation=\"0 2 10\" fov=\"54.4321\" nearClip=\"0.1\" "
        "farClip=\"10000\" nodeId=\"1\"/>\n";
    EXPECT_EQ(exportSection(kImagePlaneAndReference, "-cams"),
              std::string("  <Scene>\n") + camera +
                  "    <TransformGroup name=\"box\" nodeId=\"2\"/>\n  </Scene>");
    EXPECT_EQ(messagesOf(MessageKind::Error), std::vector<std::string>());
    // The selected image plane brings its camera along, through the camera
    // shape that owns its underworld.
    EXPECT_EQ(exportSection(kImagePlaneAndReference, "-cams -sel"),
              std::string("  <Scene>\n") + camera + "  </Scene>");
}
