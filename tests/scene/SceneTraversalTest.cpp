// Which transforms the Scene section holds, as which element, in which
// order and nesting, and their node ids.

#include "scene/SceneFixture.h"

using namespace orvex_test;
using orvex_host::AttrType;

namespace {

class SceneTraversal : public SceneFixture {};

} // namespace

TEST_F(SceneTraversal, NestsTransformGroupsAndNumbersThemParentFirst) {
    Node* root = create("transform", "root");
    Node* a = create("transform", "a", root);
    create("transform", "a1", a);
    create("transform", "b", root);
    create("transform", "top2");
    EXPECT_EQ(exportScene(""), "    <TransformGroup name=\"root\" nodeId=\"1\">\n"
                               "      <TransformGroup name=\"a\" nodeId=\"2\">\n"
                               "        <TransformGroup name=\"a1\" nodeId=\"3\"/>\n"
                               "      </TransformGroup>\n"
                               "      <TransformGroup name=\"b\" nodeId=\"4\"/>\n"
                               "    </TransformGroup>\n"
                               "    <TransformGroup name=\"top2\" nodeId=\"5\"/>\n");
}

TEST_F(SceneTraversal, KindSwitchesLeaveOutTransformsWithTheirDescendants) {
    Node* lit = create("transform", "lit");
    create("pointLight", "litShape", lit);
    create("transform", "below", lit);
    create("transform", "after");
    // Without the lights flag the light's transform and all below it are
    // left out and consume no node id.
    EXPECT_EQ(exportScene(""), "    <TransformGroup name=\"after\" nodeId=\"1\"/>\n");
    EXPECT_EQ(exportScene("-l"),
              "    <Light name=\"lit\" type=\"point\" diffuseColor=\"1 1 1\" emitDiffuse=\"true\" "
              "specularColor=\"1 1 1\" emitSpecular=\"true\" decayRate=\"0\" range=\"1\" nodeId=\"1\">\n"
              "      <TransformGroup name=\"below\" nodeId=\"2\"/>\n"
              "    </Light>\n"
              "    <TransformGroup name=\"after\" nodeId=\"3\"/>\n");
}

TEST_F(SceneTraversal, LastDecidingChildWinsAndASkipSticks) {
    Node* lightFirst = create("transform", "lightFirst");
    create("ambientLight", "l1", lightFirst);
    create("camera", "c1", lightFirst);
    Node* cameraFirst = create("transform", "cameraFirst");
    create("camera", "c2", cameraFirst);
    create("ambientLight", "l2", cameraFirst);
    std::string both = exportScene("-l -cams");
    EXPECT_NE(both.find("<Camera name=\"lightFirst\""), std::string::npos) << both;
    EXPECT_NE(both.find("<Light name=\"cameraFirst\""), std::string::npos) << both;
    // The light decides, but the camera child without the cameras flag
    // leaves both transforms out.
    EXPECT_EQ(exportScene("-l"), "");
}

TEST_F(SceneTraversal, EmitterChildMakesADynamicWhateverTheParticleFlag) {
    Node* holder = create("transform", "holder");
    create("pointEmitter", "emitter1", holder);
    const std::string expected =
        "    <Dynamic name=\"emitter1\" dynamicId=\"1\" castsShadows=\"false\" receiveShadows=\"false\" "
        "nodeId=\"1\"/>\n";
    EXPECT_EQ(exportScene(""), expected);
}

TEST_F(SceneTraversal, DefaultCamerasNeedTheirOwnFlag) {
    orvex_host::newScene(true);
    Node* shot = create("transform", "shot");
    create("camera", "shotShape", shot);
    auto elementNames = [&](const std::string& flags) {
        std::string section = exportScene(flags), names;
        for (size_t p = section.find("name=\""); p != std::string::npos; p = section.find("name=\"", p + 1)) {
            names += section.substr(p + 6, section.find('"', p + 6) - p - 6) + " ";
        }
        return names;
    };
    EXPECT_EQ(elementNames(""), "");
    EXPECT_EQ(elementNames("-cams"), "shot ");
    EXPECT_EQ(elementNames("-cams -dcams"), "persp top front side shot ");
    EXPECT_EQ(elementNames("-dcams"), "");
}

TEST_F(SceneTraversal, SkipRulesByNameKindAndState) {
    create("transform", "CubeCompass");
    create("transform", "ViewCompass");
    create("transform", "CubeCompass1");
    create("transform", "myManipulatorGroup");
    create("transform", "xUniversalManip");
    Node* handle = create("ikHandle", "ikHandle1");
    create("transform", "underHandle", handle);
    create("ikEffector", "effector1");
    Node* hidden = create("transform", "intermediate");
    set(hidden, "intermediateObject", true);
    Node* defaulted = create("transform", "defaulted");
    defaulted->isDefault = true;
    Node* underworld = create("transform", "underworld");
    underworld->underworld = true;
    create("transform", "kept");
    EXPECT_EQ(exportScene(""), "    <TransformGroup name=\"CubeCompass1\" nodeId=\"1\"/>\n"
                               "    <TransformGroup name=\"kept\" nodeId=\"2\"/>\n");
    EXPECT_EQ(exportScene("-ik"), "    <TransformGroup name=\"CubeCompass1\" nodeId=\"1\"/>\n"
                                  "    <TransformGroup name=\"ikHandle1\" nodeId=\"2\">\n"
                                  "      <TransformGroup name=\"underHandle\" nodeId=\"3\"/>\n"
                                  "    </TransformGroup>\n"
                                  "    <TransformGroup name=\"effector1\" nodeId=\"4\"/>\n"
                                  "    <TransformGroup name=\"kept\" nodeId=\"5\"/>\n");
}

TEST_F(SceneTraversal, SelectionWritesAncestorsButNoOtherDescendants) {
    Node* group = create("transform", "group");
    Node* lamp = create("transform", "lamp", group);
    Node* lampShape = create("spotLight", "lampShape", lamp);
    create("transform", "lampChild", lamp);
    create("transform", "sibling", group);
    create("transform", "other");
    EXPECT_EQ(exportScene("-sel"), "");
    select(lampShape);
    // The light keeps its element open for its child transform, which the
    // selection then leaves out.
    EXPECT_EQ(exportScene("-sel -l"),
              "    <TransformGroup name=\"group\" nodeId=\"1\">\n"
              "      <Light name=\"lamp\" type=\"spot\" diffuseColor=\"1 1 1\" emitDiffuse=\"true\" "
              "specularColor=\"1 1 1\" emitSpecular=\"true\" decayRate=\"0\" range=\"1\" coneAngle=\"40\" "
              "dropOff=\"0\" nodeId=\"2\">\n"
              "      </Light>\n"
              "    </TransformGroup>\n");
}

TEST_F(SceneTraversal, SelectingAnInstanceSelectsEveryParent) {
    Node* shared = instancedUnderTwoParents();
    select(shared);
    EXPECT_EQ(exportScene("-sel"), "    <TransformGroup name=\"left\" nodeId=\"1\">\n"
                                   "      <TransformGroup name=\"shared\" nodeId=\"2\"/>\n"
                                   "    </TransformGroup>\n"
                                   "    <TransformGroup name=\"right\" nodeId=\"3\">\n"
                                   "      <TransformGroup name=\"shared\" nodeId=\"4\"/>\n"
                                   "    </TransformGroup>\n");
}

TEST_F(SceneTraversal, CommonAttributesFollowTheElementsOwn) {
    Node* masked = create("transform", "masked");
    addAttr(masked, "Orvex_objectMask", AttrType::Int, 7LL);
    addAttr(masked, "Orvex_lightMask", AttrType::String, std::string(" 0X80000000"));
    addAttr(masked, "Orvex_clipDistance", AttrType::Float, 12.5);
    Node* plain = create("transform", "plain");
    addAttr(plain, "Orvex_objectMask", AttrType::Int, 255LL);
    addAttr(plain, "Orvex_lightMask", AttrType::String, std::string("FfFf"));
    addAttr(plain, "Orvex_clipDistance", AttrType::Float, 0.0);
    Node* noDigits = create("transform", "noDigits");
    addAttr(noDigits, "Orvex_lightMask", AttrType::String, std::string("zz"));
    Node* numericMask = create("transform", "numericMask");
    addAttr(numericMask, "Orvex_lightMask", AttrType::Int, 3LL);
    EXPECT_EQ(exportScene(""),
              "    <TransformGroup name=\"masked\" objectMask=\"7\" lightMask=\"-2147483648\" "
              "clipDistance=\"12.5\" nodeId=\"1\"/>\n"
              "    <TransformGroup name=\"plain\" nodeId=\"2\"/>\n"
              "    <TransformGroup name=\"noDigits\" nodeId=\"3\"/>\n"
              "    <TransformGroup name=\"numericMask\" nodeId=\"4\"/>\n");
}

TEST_F(SceneTraversal, JointElementsFollowTheJointAttributeNotTheNodeType) {
    Node* mayaJoint = create("joint", "mayaJoint");
    addAttr(mayaJoint, "Orvex_static", AttrType::Bool, true);
    Node* marked = create("transform", "marked");
    addAttr(marked, "Orvex_joint", AttrType::Bool, true);
    addAttr(marked, "Orvex_static", AttrType::Bool, true);
    addAttr(marked, "Orvex_drivePos", AttrType::Bool, true);
    std::string section = exportScene("");
    EXPECT_NE(section.find("<TransformGroup name=\"mayaJoint\" static=\"true\" nodeId=\"1\"/>"),
              std::string::npos)
        << section;
    EXPECT_NE(section.find("<TransformGroup name=\"marked\" joint=\"true\" drivePos=\"true\" nodeId=\"2\"/>"),
              std::string::npos)
        << section;
}

TEST_F(SceneTraversal, UnwalkableSceneWritesNoSection) {
    create("transform", "any");
    orvex_host::setFault("MItDag");
    const std::string path = workDir() + "/scene.xml";
    ASSERT_EQ(exportWith("-f " + path), MS::kSuccess);
    EXPECT_EQ(readFile(path).find("Scene>"), std::string::npos);
}

TEST_F(SceneTraversal, NamesAreEscaped) {
    create("transform", "a&b\"<c>");
    EXPECT_EQ(exportScene(""), "    <TransformGroup name=\"a&amp;b&quot;&lt;c>\" nodeId=\"1\"/>\n");
}
