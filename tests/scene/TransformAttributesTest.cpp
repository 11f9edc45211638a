// The attributes every element starts with, joints' bind poses and
// orientations, the scene node table, level of detail and joint limits.

#include "scene/SceneFixture.h"

#include "export/SceneExporter.h"
#include "support/RowVectorRotation.h"

#include <array>
#include <cmath>
#include <sstream>

using namespace orvex_test;
using orvex_host::AttrType;
using orvex_host::MessageKind;
using orvex_host::TransformData;

namespace {

std::array<double, 3> parseTriple(const std::string& text, const std::string& attribute) {
    size_t p = text.find(" " + attribute + "=\"");
    EXPECT_NE(p, std::string::npos) << attribute << " in " << text;
    std::array<double, 3> v{};
    if (p != std::string::npos) {
        std::istringstream in(text.substr(p + attribute.size() + 3));
        in >> v[0] >> v[1] >> v[2];
    }
    return v;
}

class TransformAttributes : public SceneFixture {
protected:
    // Runs the scene pass alone, keeping its node table.
    std::string runScenePass(bool ik = false) {
        SceneExporter exporter(false, false, false, false, false, false, false, ik, false, false);
        IdTable fileIds, shapeIds, materialIds, dynamicIds;
        std::ostringstream out;
        EXPECT_EQ(exporter.writeScene(fileIds, shapeIds, materialIds, dynamicIds, nodes, out), MS::kSuccess);
        return out.str();
    }

    // A pose holding the given transformation for a joint, fed by the
    // joint's bindPose into element `index`.
    Node* bindPose(Node* joint, const std::string& poseName, unsigned index, const TransformData& data) {
        Node* pose = scene().find(poseName);
        if (!pose) {
            pose = create("dagPose", poseName);
        }
        connect(joint, "bindPose", pose, "worldMatrix[" + std::to_string(index) + "]");
        set(pose, "xformMatrix[" + std::to_string(index) + "]", data);
        return pose;
    }

    SceneNodeTable nodes;
};

} // namespace

TEST_F(TransformAttributes, NodeAtRestWritesOnlyItsName) {
    create("transform", "rest");
    EXPECT_EQ(exportScene(""), "    <TransformGroup name=\"rest\" nodeId=\"1\"/>\n");
}

TEST_F(TransformAttributes, TranslationRotationScaleAndVisibility) {
    Node* n = create("transform", "moved");
    set3(n, "translate", 1.5, 0, -2);
    set3(n, "rotate", 90 * kDegree, 0, 0.5 * kDegree);
    set3(n, "scale", 1, 2, 1);
    set(n, "visibility", false);
    set(n, "rotateOrder", 3LL); // the angles are written as stored whatever the order
    EXPECT_EQ(exportScene(""),
              "    <TransformGroup name=\"moved\" translation=\"1.5 0 -2\" rotation=\"90 0 0.5\" "
              "scale=\"1 2 1\" visibility=\"false\" nodeId=\"1\"/>\n");
}

TEST_F(TransformAttributes, TranslationsTakeTheUnitScaleTranslationLimitsDoNot) {
    scene().settings().linearUnitToCm = 100.0; // metres
    Node* joint = create("transform", "limited");
    set3(joint, "translate", 250, 0, 0);
    addAttr(joint, "Orvex_joint", AttrType::Bool, true);
    set(joint, "maxTransXLimitEnable", true);
    set(joint, "maxTransXLimit", 250.0);
    set(joint, "minRotZLimitEnable", true);
    set(joint, "minRotZLimit", -45 * kDegree);
    set(joint, "maxRotXLimitEnable", true);
    set(joint, "maxRotXLimit", 30 * kDegree);
    set(joint, "minTransYLimit", 5.0); // not enabled
    EXPECT_EQ(exportScene(""), "    <TransformGroup name=\"limited\" translation=\"2.5 0 0\" joint=\"true\" "
                               "rotMinZ=\"-45\" rotMaxX=\"30\" transMaxX=\"250\" nodeId=\"1\"/>\n");
}

TEST_F(TransformAttributes, NotANumberCountsAsSet) {
    Node* n = create("transform", "odd");
    set3(n, "scale", 1, std::nan(""), 1);
    EXPECT_EQ(exportScene(""), "    <TransformGroup name=\"odd\" scale=\"1 nan 1\" nodeId=\"1\"/>\n");
}

TEST_F(TransformAttributes, LevelOfDetailFromTheName) {
    // The distance is the longest decimal number after the prefix; hexadecimal
    // text reads as its leading 0.
    const std::vector<std::pair<const char*, const char*>> names = {
        {"lod_200", "0 100"}, {"lod_", "0 50"},      {"lod_abc", "0 50"},  {"lod_infantry", "0 50"},
        {"lod_nan", "0 50"},  {"lod_1e999", "0 50"}, {"LOD_200", nullptr}, {"lod_  -7.5x", "0 -3.75"},
        {"lod_0x10", "0 0"},  {"lod_0X1p4", "0 0"},  {"lod_-0x8", "0 -0"}, {"lod_12.5e1z", "0 62.5"},
        {"lod_.5", "0 0.25"}, {"lod_3.", "0 1.5"},   {"lod_+3", "0 1.5"},  {"lod_1e+", "0 0.5"},
        {"lod_2E2", "0 100"}, {"lod_1e-99", "0 0"},  {"lod_.", "0 50"},    {"lod_-e5", "0 50"},
    };
    std::string expected;
    for (size_t i = 0; i < names.size(); ++i) {
        create("transform", names[i].first);
        expected += std::string("    <TransformGroup name=\"") + names[i].first + "\"" +
                    (names[i].second ? std::string(" lodDistance=\"") + names[i].second + "\"" : "") +
                    " nodeId=\"" + std::to_string(i + 1) + "\"/>\n";
    }
    EXPECT_EQ(exportScene(""), expected);
}

TEST_F(TransformAttributes, LevelOfDetailFromAttributes) {
    auto withDistances = [&](const std::string& name, double d1, double d2, double d3) {
        Node* n = create("transform", name);
        addAttr(n, "Orvex_lod1", AttrType::Float, d1);
        addAttr(n, "Orvex_lod2", AttrType::Float, d2);
        addAttr(n, "Orvex_lod3", AttrType::Float, d3);
        return n;
    };
    withDistances("all", 10, 20, 30);
    withDistances("gap", 10, 0, 30);
    withDistances("none", 0, 20, 30);
    Node* off = withDistances("off", 10, 20, 30);
    addAttr(off, "Orvex_lod", AttrType::Bool, false);
    // A Light never carries lodDistance.
    Node* lamp = withDistances("lamp", 10, 20, 30);
    create("ambientLight", "lampShape", lamp);
    std::string section = exportScene("-l");
    EXPECT_EQ(section.substr(0, section.find("    <Light")),
              "    <TransformGroup name=\"all\" lodDistance=\"0 10 20 30\" nodeId=\"1\"/>\n"
              "    <TransformGroup name=\"gap\" lodDistance=\"0 10\" nodeId=\"2\"/>\n"
              "    <TransformGroup name=\"none\" nodeId=\"3\"/>\n"
              "    <TransformGroup name=\"off\" nodeId=\"4\"/>\n");
    EXPECT_EQ(section.find("lodDistance", section.find("<Light")), std::string::npos);
}

TEST_F(TransformAttributes, JointInOneBindPoseIsWrittenAsPosed) {
    Node* joint = create("joint", "hip");
    set3(joint, "translate", 9, 9, 9);
    set3(joint, "rotate", 0.5, 0.5, 0.5);
    TransformData pose;
    pose.translate = {1, 2, 3};
    pose.rotate = {0, 30 * kDegree, 0};
    pose.scale = {2, 2, 2};
    bindPose(joint, "bindPose1", 4, pose);
    EXPECT_EQ(exportScene(""), "    <TransformGroup name=\"hip\" translation=\"1 2 3\" rotation=\"0 30 0\" "
                               "scale=\"2 2 2\" nodeId=\"1\"/>\n");
    EXPECT_TRUE(messagesOf(MessageKind::Warning).empty());
}

TEST_F(TransformAttributes, JointWithoutExactlyOneBindPoseWarnsAndUsesItsCurrentValues) {
    Node* group = create("transform", "rig");
    Node* loose = create("joint", "loose", group);
    set3(loose, "translate", 4, 0, 0);
    Node* twice = create("joint", "twice", group);
    set3(twice, "translate", 5, 0, 0);
    TransformData pose;
    pose.translate = {1, 1, 1};
    bindPose(twice, "poseA", 0, pose);
    bindPose(twice, "poseB", 0, pose);
    EXPECT_EQ(exportScene(""), "    <TransformGroup name=\"rig\" nodeId=\"1\">\n"
                               "      <TransformGroup name=\"loose\" translation=\"4 0 0\" nodeId=\"2\"/>\n"
                               "      <TransformGroup name=\"twice\" translation=\"5 0 0\" nodeId=\"3\"/>\n"
                               "    </TransformGroup>\n");
    EXPECT_EQ(messagesOf(MessageKind::Warning),
              (std::vector<std::string>{
                  "orvexExport: Joint without bind pose found. Using current rotation (loose).\n",
                  "orvexExport: Joint without bind pose found. Using current rotation (twice).\n"}));
}

TEST_F(TransformAttributes, JointRotationFoldsRotateAxisRotationAndJointOrientInThatOrder) {
    const double a[3] = {10 * kDegree, -20 * kDegree, 35 * kDegree};
    const double r[3] = {-40 * kDegree, 25 * kDegree, 70 * kDegree};
    const double j[3] = {15 * kDegree, 5 * kDegree, -60 * kDegree};
    Node* joint = create("joint", "elbow");
    set3(joint, "rotateAxis", a[0], a[1], a[2]);
    set3(joint, "rotate", r[0], r[1], r[2]);
    set3(joint, "jointOrient", j[0], j[1], j[2]);
    std::string section = exportScene("");
    std::array<double, 3> exported = parseTriple(section, "rotation");
    std::array<double, 3> expected = anglesOf(multiply(
        multiply(eulerXYZ(a[0], a[1], a[2]), eulerXYZ(r[0], r[1], r[2])), eulerXYZ(j[0], j[1], j[2])));
    for (int i = 0; i < 3; ++i) {
        EXPECT_NEAR(exported[i], expected[i], 1e-3) << i << " in " << section;
    }
}

TEST_F(TransformAttributes, JointOrientAloneBecomesTheRotation) {
    Node* joint = create("joint", "knee");
    set3(joint, "jointOrient", 0, 0, 90 * kDegree);
    Node* still = create("joint", "still");
    set3(still, "rotate", 0.25, 0, 0);
    EXPECT_EQ(exportScene(""),
              "    <TransformGroup name=\"knee\" rotation=\"0 0 90\" nodeId=\"1\"/>\n"
              "    <TransformGroup name=\"still\" rotation=\"14.3239 0 0\" nodeId=\"2\"/>\n");
}

TEST_F(TransformAttributes, NodeTableRecordsCorrectionsAndIds) {
    Node* plain = create("transform", "plain");
    set3(plain, "rotateAxis", 0, 90 * kDegree, 0);
    set3(plain, "rotate", 10 * kDegree, 0, 0);
    Node* joint = create("joint", "j", plain);
    set3(joint, "jointOrient", 0, 0, 90 * kDegree);
    Node* holder = create("transform", "holder");
    create("pointEmitter", "emitter1", holder);
    std::string section = runScenePass();
    // A plain transform's rotation stays uncorrected; its rotate axis is
    // still recorded for the animation.
    EXPECT_NE(section.find("<TransformGroup name=\"plain\" rotation=\"10 0 0\" nodeId=\"1\">"),
              std::string::npos)
        << section;
    ASSERT_EQ(nodes.size(), 4u);
    const SceneNodeRecord& p = nodes.at("plain");
    EXPECT_EQ(p.nodeId, 1u);
    EXPECT_TRUE(p.rotation.hasPreRotation);
    EXPECT_NEAR(p.rotation.preRotation.y, std::sin(45 * kDegree), 1e-12);
    EXPECT_FALSE(p.rotation.hasPostRotation);
    const SceneNodeRecord& jr = nodes.at("j");
    EXPECT_EQ(jr.nodeId, 2u);
    EXPECT_FALSE(jr.rotation.hasPreRotation);
    EXPECT_TRUE(jr.rotation.hasPostRotation);
    EXPECT_NEAR(jr.rotation.postRotation.z, std::sin(45 * kDegree), 1e-12);
    // A Dynamic element keeps the emitter's record (id 0) and the walked
    // transform's (with the id).
    EXPECT_EQ(nodes.at("emitter1").nodeId, 0u);
    EXPECT_EQ(nodes.at("holder").nodeId, 3u);
    EXPECT_FALSE(nodes.at("holder").rotation.hasPreRotation);
}

TEST_F(TransformAttributes, InstancedTransformKeepsOneRecordWithTheLastId) {
    instancedUnderTwoParents();
    runScenePass();
    // Both visits use the first instance's path; the second id wins.
    ASSERT_EQ(nodes.size(), 3u);
    EXPECT_EQ(nodes.at("left|shared").nodeId, 4u);
}

TEST(RotationCorrection, LeavesAnglesAloneWithoutRotations) {
    RotationCorrection none;
    double x = 0.1, y = 2.5, z = -3.0;
    none.apply(x, y, z);
    EXPECT_EQ(x, 0.1);
    EXPECT_EQ(y, 2.5);
    EXPECT_EQ(z, -3.0);
}

TEST(RotationCorrection, PreRotationTurnsFirst) {
    // About X by 90 degrees, then the node's turn about Y by 90 degrees.
    RotationCorrection c;
    c.hasPreRotation = true;
    c.preRotation = MQuaternion(std::sin(M_PI / 4), 0, 0, std::cos(M_PI / 4));
    double x = 0, y = M_PI / 2 * 0.5, z = 0;
    c.apply(x, y, z);
    std::array<double, 3> expected = anglesOf(multiply(eulerXYZ(M_PI / 2, 0, 0), eulerXYZ(0, M_PI / 4, 0)));
    EXPECT_NEAR(x * 180 / M_PI, expected[0], 1e-9);
    EXPECT_NEAR(y * 180 / M_PI, expected[1], 1e-9);
    EXPECT_NEAR(z * 180 / M_PI, expected[2], 1e-9);
}

TEST(RotationCorrection, AtNinetyDegreesAboutYTheWholeTurnGoesToX) {
    // With y at ±90 degrees the turns about X and Z fall together: the
    // decomposition must still give the same rotation, with z 0.
    const double d = M_PI / 180;
    for (double sign : {1.0, -1.0}) {
        for (const std::array<double, 2>& xz :
             {std::array<double, 2>{30 * d, 0}, {0, 30 * d}, {-50 * d, 120 * d}}) {
            RotationCorrection c;
            c.hasPostRotation = true;
            c.postRotation = MEulerRotation(0, sign * M_PI / 2, xz[1]).asQuaternion();
            double x = xz[0], y = 0, z = 0;
            c.apply(x, y, z);
            Matrix3 expected = multiply(eulerXYZ(xz[0], 0, 0), eulerXYZ(0, sign * M_PI / 2, xz[1]));
            Matrix3 exported = eulerXYZ(x, y, z);
            EXPECT_NEAR(y, sign * M_PI / 2, 1e-9);
            EXPECT_EQ(z, 0.0);
            for (int i = 0; i < 3; ++i) {
                for (int j = 0; j < 3; ++j) {
                    EXPECT_NEAR(exported[i][j], expected[i][j], 1e-12)
                        << sign << " " << xz[0] << " " << xz[1];
                }
            }
        }
    }
}
