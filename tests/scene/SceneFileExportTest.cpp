// The Scene section of documents exported from scene files, byte for byte.

#include "support/DocumentSections.h"
#include "support/ExportHarness.h"
#include "support/RowVectorRotation.h"

#include <sstream>

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

// A bind pose written as a plain matrix: scale, rotation and translation
// come out of it as the host splits it.
TEST_F(SceneFileExport, BindPosesWrittenAsPlainMatrices) {
    // S · R · T as row vectors: scale 1 2 0.5, rotation 30 -45 60 (XYZ),
    // translation 10 0 -5.
    const double degree = 3.14159265358979323846 / 180.0;
    const Matrix3 r = eulerXYZ(30 * degree, -45 * degree, 60 * degree);
    const double scale[3] = {1, 2, 0.5};
    std::ostringstream matrix;
    matrix.precision(17);
    for (int i = 0; i < 3; ++i) {
        matrix << scale[i] * r[i][0] << " " << scale[i] * r[i][1] << " " << scale[i] * r[i][2] << " 0 ";
    }
    matrix << "10 0 -5 1";
    const std::string scene = std::string(kCentimetres) + R"(createNode joint -n "arm";
	setAttr ".t" -type "double3" 1 2 3 ;
createNode joint -n "mirrored";
createNode joint -n "collapsed";
createNode dagPose -n "bindPose1";
	setAttr -s 3 ".wm";
	setAttr ".xm[0]" -type "matrix" )" +
                              matrix.str() +
                              R"(;
	setAttr ".xm[1]" -type "matrix" -1 0 0 0 0 1 0 0 0 0 1 0 0 4 0 1;
	setAttr ".xm[2]" -type "matrix" 0 0 0 0 0 0 0 0 0 0 0 0 1 1 1 1;
	setAttr ".bp" yes;
connectAttr "arm.bps" "bindPose1.wm[0]";
connectAttr "mirrored.bps" "bindPose1.wm[1]";
connectAttr "collapsed.bps" "bindPose1.wm[2]";
)";
    // A mirroring matrix takes a negative scale on every axis and a half
    // turn, which together mirror x alone; one that collapses every axis
    // keeps a rotation of none.
    EXPECT_EQ(
        exportSection(scene, ""),
        "  <Scene>\n"
        "    <TransformGroup name=\"arm\" translation=\"10 0 -5\" rotation=\"30 -45 60\" scale=\"1 2 0.5\" "
        "nodeId=\"1\"/>\n"
        "    <TransformGroup name=\"mirrored\" translation=\"0 4 0\" rotation=\"180 0 0\" "
        "scale=\"-1 -1 -1\" nodeId=\"2\"/>\n"
        "    <TransformGroup name=\"collapsed\" translation=\"1 1 1\" scale=\"0 0 0\" nodeId=\"3\"/>\n"
        "  </Scene>");
    EXPECT_EQ(messagesOf(MessageKind::Warning), std::vector<std::string>());
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
// light with depth-map shadows, a hidden camera and an emitter below a
// transform.
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
	setAttr -k off ".v";
	setAttr ".dms" yes;
	setAttr ".dr" 256;
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
        "specularColor=\"1 1 1\" emitSpecular=\"true\" castShadowMap=\"true\" depthMapBias=\"0.001\" "
        "depthMapResolution=\"256\" decayRate=\"0\" range=\"1\" nodeId=\"2\"/>\n"
        "    <Camera name=\"shot\" fov=\"39.5977\" nearClip=\"0.01\" farClip=\"100\" nodeId=\"3\"/>\n"
        "    <Dynamic name=\"spray\" translation=\"0 0.5 0\" dynamicId=\"1\" castsShadows=\"false\" "
        "receiveShadows=\"false\" clipDistance=\"30\" nodeId=\"4\"/>\n"
        "  </Scene>");
    EXPECT_NE(readFile(workDir() + "/out.xml").find("gobo.png"), std::string::npos);
}

namespace {

// A box held in place by a point constraint, as the host writes one: the
// constraint is created below the node it drives. A placement node stands at
// the top, and a transform after them.
const char kConstrainedBox[] = R"(createNode transform -n "target";
	setAttr ".t" -type "double3" 0 2 0 ;
createNode transform -n "box";
	setAttr ".t" -type "double3" 0 2 0 ;
createNode mesh -n "boxShape" -p "box";
	setAttr -k off ".v";
	setAttr -s 4 ".vt[0:3]"  -1 0 1 1 0 1 -1 0 -1 1 0 -1;
	setAttr -s 4 ".ed[0:3]"  0 1 0 1 3 0 3 2 0 2 0 0;
	setAttr -ch 4 ".fc[0]" -type "polyFaces" 
		f 4 0 1 2 3;
createNode pointConstraint -n "box_pointConstraint1" -p "box";
	addAttr -ci true -k true -sn "w0" -ln "targetW0" -dv 1 -min 0 -at "double";
	setAttr -k on ".nds";
	setAttr -k off ".v";
	setAttr -k off ".tx";
	setAttr -k off ".ty";
	setAttr -k off ".tz";
	setAttr ".rst" -type "double3" 0 2 0 ;
	setAttr -k on ".w0";
createNode place3dTexture -n "place3dTexture1";
createNode transform -n "after";
connectAttr "box.pim" "box_pointConstraint1.cpim";
connectAttr "box.rp" "box_pointConstraint1.crp";
connectAttr "box.rpt" "box_pointConstraint1.crt";
connectAttr "target.t" "box_pointConstraint1.tg[0].tt";
connectAttr "target.rp" "box_pointConstraint1.tg[0].trp";
connectAttr "target.rpt" "box_pointConstraint1.tg[0].trt";
connectAttr "target.pm" "box_pointConstraint1.tg[0].tpm";
connectAttr "box_pointConstraint1.w0" "box_pointConstraint1.tg[0].tw";
connectAttr "box_pointConstraint1.ctx" "box.tx";
connectAttr "box_pointConstraint1.cty" "box.ty";
connectAttr "box_pointConstraint1.ctz" "box.tz";
)";

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

// Constraints and placement nodes are transforms: each is an element of the
// Scene with its own node id, so the ids after them follow theirs.
TEST_F(SceneFileExport, ConstraintsAndPlacementsAreTransformsWithNodeIds) {
    EXPECT_EQ(
        exportSection(std::string(kCentimetres) + kConstrainedBox, "-shap"),
        "  <Scene>\n"
        "    <TransformGroup name=\"target\" translation=\"0 2 0\" nodeId=\"1\"/>\n"
        "    <Shape name=\"box\" translation=\"0 2 0\" shapeId=\"1\" static=\"true\" castsShadows=\"true\" "
        "receiveShadows=\"true\" materialIds=\"1\" nodeId=\"2\">\n"
        "      <TransformGroup name=\"box_pointConstraint1\" nodeId=\"3\"/>\n"
        "    </Shape>\n"
        "    <TransformGroup name=\"place3dTexture1\" nodeId=\"4\"/>\n"
        "    <TransformGroup name=\"after\" nodeId=\"5\"/>\n"
        "  </Scene>");
    // The constraint's own plugs are kept as the file gives them.
    EXPECT_EQ(messagesOf(MessageKind::Notice), std::vector<std::string>{});
}

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
