// Keyed rotations pass through the rotation correction the Scene section
// recorded for their transform: rotate axis, then the keyed rotation, then
// the joint orient, as the host composes a joint's matrix (row vectors).

#include "animation/AnimationScene.h"

#include "export/AnimationExporter.h"
#include "support/RowVectorRotation.h"

#include <orvex_host/Session.h>

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <sstream>

using namespace orvex_host;
using orvex_test::AnimationScene;
using namespace orvex_test;

namespace {

constexpr double kDegree = 3.14159265358979323846 / 180.0;

MQuaternion axisQuaternion(int axis, double radians) {
    double q[3] = {0, 0, 0};
    q[axis] = std::sin(radians / 2);
    return MQuaternion(q[0], q[1], q[2], std::cos(radians / 2));
}

class AnimationRotation : public ::testing::Test {
protected:
    void SetUp() override { newScene(false); }

    // Exports one transform keyed at frames 0 and 12 with the given XYZ
    // rotations (degrees) and returns the written rotations (degrees).
    std::vector<std::array<double, 3>> exportRotations(const std::string& name,
                                                       const std::array<double, 3>& first,
                                                       const std::array<double, 3>& second) {
        anim.builder.create("transform", name);
        Node* character = anim.character("hero");
        Node* library = anim.library("lib", character);
        anim.clip("c", library, 0, 0, 12);
        const char* axes[] = {"rotateX", "rotateY", "rotateZ"};
        for (unsigned a = 0; a < 3; ++a) {
            Node* curve = anim.curve("animCurveTA", name + "_" + axes[a],
                                     {{0, first[a] * kDegree}, {12, second[a] * kDegree}});
            const std::string plug = name + "." + axes[a];
            anim.member(library, 0, a, curve, plug);
            anim.animate(plug, character);
        }
        std::ostringstream out;
        EXPECT_TRUE(AnimationExporter(nodes, false).writeAnimation(out));
        std::vector<std::array<double, 3>> rotations;
        const std::string text = out.str();
        for (size_t at = text.find(" rotation=\""); at != std::string::npos;
             at = text.find(" rotation=\"", at + 1)) {
            std::array<double, 3> r{};
            std::istringstream in(text.substr(at + 11));
            in >> r[0] >> r[1] >> r[2];
            rotations.push_back(r);
        }
        return rotations;
    }

    AnimationScene anim;
    SceneNodeTable nodes;
};

} // namespace

TEST_F(AnimationRotation, JointKeysFoldInRotateAxisAndJointOrient) {
    RotationCorrection& correction = nodes["joint1"].rotation;
    correction.hasPreRotation = true;
    correction.preRotation = axisQuaternion(0, 90 * kDegree); // rotate axis
    correction.hasPostRotation = true;
    correction.postRotation = axisQuaternion(2, 30 * kDegree); // joint orient
    nodes["joint1"].nodeId = 1;

    const std::array<double, 3> keys[2] = {{0, 45, 0}, {10, 20, 30}};
    auto written = exportRotations("joint1", keys[0], keys[1]);
    ASSERT_EQ(written.size(), 2u);
    const Matrix3 axis = axisRotation(0, 90 * kDegree);
    const Matrix3 orient = axisRotation(2, 30 * kDegree);
    for (int k = 0; k < 2; ++k) {
        const Matrix3 expected = multiply(
            multiply(axis, eulerXYZ(keys[k][0] * kDegree, keys[k][1] * kDegree, keys[k][2] * kDegree)),
            orient);
        const Matrix3 actual =
            eulerXYZ(written[k][0] * kDegree, written[k][1] * kDegree, written[k][2] * kDegree);
        expectNear(actual, expected, "key " + std::to_string(k));
    }
}

TEST_F(AnimationRotation, EveryKeyedNodeIsCorrectedNotOnlyJoints) {
    // A plain transform whose only correction is its rotate axis.
    RotationCorrection& correction = nodes["pCube1"].rotation;
    correction.hasPreRotation = true;
    correction.preRotation = axisQuaternion(1, -60 * kDegree);
    auto written = exportRotations("pCube1", {0, 0, 0}, {30, 0, 0});
    ASSERT_EQ(written.size(), 2u);
    expectNear(eulerXYZ(written[0][0] * kDegree, written[0][1] * kDegree, written[0][2] * kDegree),
               axisRotation(1, -60 * kDegree), "rest");
    expectNear(eulerXYZ(written[1][0] * kDegree, written[1][1] * kDegree, written[1][2] * kDegree),
               multiply(axisRotation(1, -60 * kDegree), axisRotation(0, 30 * kDegree)), "keyed");
}

TEST_F(AnimationRotation, WithoutACorrectionTheKeysAreWrittenAsTheyAre) {
    nodes["pCube1"].nodeId = 1; // identity quaternions recorded as absent
    auto written = exportRotations("pCube1", {10, -20, 170}, {190, 0, 0});
    ASSERT_EQ(written.size(), 2u);
    EXPECT_EQ(written[0], (std::array<double, 3>{10, -20, 170}));
    EXPECT_EQ(written[1], (std::array<double, 3>{190, 0, 0})); // no wrap into (-180, 180]
}
