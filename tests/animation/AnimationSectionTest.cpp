// The Animation section written straight from scenes built in the host
// graph, with the node ids and rotation corrections the Scene section would
// have stored.

#include "animation/AnimationScene.h"
#include "support/Angles.h"

#include "export/AnimationExporter.h"
#include "support/ExportHarness.h"

#include <orvex_host/Session.h>

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <utility>
#include <vector>

using namespace orvex_host;
using orvex_test::AnimationScene;
using orvex_test::messagesOf;

namespace {

using orvex_test::kPi;

const char* const kHead = "  <Animation>\n    <AnimationSets>\n";
const char* const kTail = "    </AnimationSets>\n  </Animation>\n";

struct Member {
    Node* curve;
    std::string plug;
};

class AnimationSection : public ::testing::Test {
protected:
    void SetUp() override {
        newScene(false);
        clearMessages();
        clearFaults();
    }
    void TearDown() override { clearFaults(); }

    std::string write() {
        std::ostringstream out;
        EXPECT_TRUE(AnimationExporter(nodes, false).writeAnimation(out));
        return out.str();
    }
    // The character "hero" with its clip library, made on first use.
    Node* hero() {
        if (!hero_) {
            hero_ = anim.character("hero");
            library_ = anim.library("heroClips", hero_);
        }
        return hero_;
    }
    // A source clip of "hero" whose members are the given curves, each
    // attribute animated through the character.
    Node* clipWith(const std::string& name, const std::vector<Member>& members, double start = 0,
                   double end = 24) {
        hero();
        Node* clip = anim.clip(name, library_, nextClip_, start, end);
        for (unsigned i = 0; i < members.size(); ++i) {
            anim.member(library_, nextClip_, i, members[i].curve, members[i].plug);
            if (!isAnimated(members[i].plug)) {
                anim.animate(members[i].plug, hero_);
                animated_.push_back(members[i].plug);
            }
        }
        ++nextClip_;
        return clip;
    }
    bool isAnimated(const std::string& plug) const {
        for (const auto& p : animated_) {
            if (p == plug) {
                return true;
            }
        }
        return false;
    }
    Node* transform(const std::string& name, uint32_t nodeId, Node* parent = nullptr) {
        Node* node = anim.builder.create("transform", name, parent);
        if (nodeId) {
            nodes[name].nodeId = nodeId;
        }
        return node;
    }
    // A section with one set "hero" and one clip.
    static std::string oneClip(const std::string& clip, const std::string& body) {
        return std::string(kHead) + "      <AnimationSet name=\"hero\">\n" + clip + body +
               "        </Clip>\n" + "      </AnimationSet>\n" + kTail;
    }

    AnimationScene anim;
    SceneNodeTable nodes;

private:
    Node* hero_ = nullptr;
    Node* library_ = nullptr;
    unsigned nextClip_ = 0;
    std::vector<std::string> animated_;
};

} // namespace

TEST_F(AnimationSection, WithoutCharactersOnlyTheFrameIsWritten) {
    EXPECT_EQ(write(), std::string(kHead) + kTail);
    EXPECT_TRUE(messages().empty());
}

TEST_F(AnimationSection, FailsWritingNothingWhenCharactersCannotBeListed) {
    anim.character("hero");
    setFault("MItDependencyNodes:kCharacter");
    std::ostringstream out;
    EXPECT_FALSE(AnimationExporter(nodes, false).writeAnimation(out));
    EXPECT_EQ(out.str(), "");
}

TEST_F(AnimationSection, SetsNeedSourceClipsAndClipsNeedMembers) {
    anim.character("idle");                // no clips: no set
    Node* empty = anim.character("empty"); // clips without members: an empty set
    anim.clip("nothing", anim.library("emptyClips", empty), 0, 0, 10);
    transform("pCube1", 1);
    Node* tx = anim.curve("animCurveTL", "tx", {{0, 1}});
    clipWith("walk", {{tx, "pCube1.translateX"}});
    clipWith("rest", {}); // a second clip of hero, with no members

    EXPECT_EQ(write(), std::string(kHead) +
                           "      <AnimationSet name=\"empty\">\n"
                           "      </AnimationSet>\n"
                           "      <AnimationSet name=\"hero\">\n"
                           "        <Clip name=\"walk\" duration=\"1000\">\n"
                           "          <Keyframes nodeId=\"1\">\n"
                           "            <Keyframe time=\"0\"/>\n"
                           "          </Keyframes>\n"
                           "        </Clip>\n"
                           "      </AnimationSet>\n" +
                           kTail);
}

TEST_F(AnimationSection, TenChannelsMergeIntoKeyframesByExactTime) {
    transform("pCube1", 3);
    // Keys at frames 0, 12 and 24; channels without a key at a time are
    // evaluated from their curves.
    std::vector<Member> members = {
        {anim.curve("animCurveTL", "tx", {{0, 1, 2, 2}, {12, 2}}), "pCube1.translateX"},
        {anim.curve("animCurveTL", "ty", {{0, 0}, {12, 4}}), "pCube1.translateY"},
        {anim.curve("animCurveTL", "tz", {{0, 5}, {24, 5}}), "pCube1.translateZ"},
        {anim.curve("animCurveTA", "rx", {{0, 0}}), "pCube1.rotateX"},
        {anim.curve("animCurveTA", "ry", {{12, kPi / 2}}), "pCube1.rotateY"},
        {anim.curve("animCurveTA", "rz", {{24, -kPi / 4}}), "pCube1.rotateZ"},
        {anim.curve("animCurveTU", "sx", {{0, 1}, {24, 2}}), "pCube1.scaleX"},
        {anim.curve("animCurveTU", "sy", {{0, 1}}), "pCube1.scaleY"},
        {anim.curve("animCurveTU", "sz", {{0, 1}}), "pCube1.scaleZ"},
        {anim.curve("animCurveTU", "v", {{0, 1, -1, 5}, {12, 0}}), "pCube1.visibility"},
    };
    clipWith("walk", members);
    EXPECT_EQ(write(),
              oneClip("        <Clip name=\"walk\" duration=\"1000\">\n",
                      "          <Keyframes nodeId=\"3\">\n"
                      "            <Keyframe time=\"0\" translation=\"1 0 5\" iptin=\"linear\" "
                      "iptout=\"linear\" rotation=\"0 90 -45\" scale=\"1 1 1\" visibility=\"true\"/>\n"
                      "            <Keyframe time=\"500\" translation=\"2 4 5\" rotation=\"0 90 -45\" "
                      "scale=\"1.5 1 1\" visibility=\"false\"/>\n"
                      "            <Keyframe time=\"1000\" translation=\"2 4 5\" rotation=\"0 90 -45\" "
                      "scale=\"2 1 1\" visibility=\"false\"/>\n"
                      "          </Keyframes>\n"));
    EXPECT_TRUE(messages().empty());
}

TEST_F(AnimationSection, KeysOneBitApartStaySeparate) {
    transform("pCube1", 1);
    const double t = 100.0;
    const double next = std::nextafter(t, 200.0);
    Node* tx = anim.curve("animCurveTL", "tx", {{t, 1}}, MTime::kMilliseconds);
    Node* ry = anim.curve("animCurveTA", "ry", {{t, 0}, {next, 0}}, MTime::kMilliseconds);
    Node* rz = anim.curve("animCurveTA", "rz", {{next, 0}}, MTime::kMilliseconds);
    clipWith("c", {{tx, "pCube1.translateX"}, {ry, "pCube1.rotateY"}, {rz, "pCube1.rotateZ"}});
    EXPECT_EQ(write(), oneClip("        <Clip name=\"c\" duration=\"1000\">\n",
                               "          <Keyframes nodeId=\"1\">\n"
                               "            <Keyframe time=\"100\"/>\n"
                               "            <Keyframe time=\"100\"/>\n"
                               "          </Keyframes>\n"));
}

TEST_F(AnimationSection, MissingChannelsAreEvaluatedAtTheKeyTime) {
    transform("pCube1", 1);
    Node* rx = anim.curve("animCurveTA", "rx", {{6, kPi / 6}});
    Node* ry = anim.curve("animCurveTA", "ry", {{0, 0}, {12, kPi}});
    Node* rz = anim.curve("animCurveTA", "rz", {{0, kPi / 2, -1, 5}, {12, 0}});
    clipWith("c", {{rx, "pCube1.rotateX"}, {ry, "pCube1.rotateY"}, {rz, "pCube1.rotateZ"}});
    // At frame 6: ry half way (linear), rz stepped.
    EXPECT_EQ(write(), oneClip("        <Clip name=\"c\" duration=\"1000\">\n",
                               "          <Keyframes nodeId=\"1\">\n"
                               "            <Keyframe time=\"0\" rotation=\"30 0 90\"/>\n"
                               "            <Keyframe time=\"250\" rotation=\"30 90 90\"/>\n"
                               "            <Keyframe time=\"500\" rotation=\"30 180 0\"/>\n"
                               "          </Keyframes>\n"));
}

TEST_F(AnimationSection, TimesAreRelativeToTheSourceStart) {
    transform("pCube1", 1);
    Node* v = anim.curve("animCurveTU", "v", {{6, 1}, {12, 0.5}, {30, 2}});
    clipWith("c", {{v, "pCube1.visibility"}}, 12, 36);
    EXPECT_EQ(write(), oneClip("        <Clip name=\"c\" duration=\"1000\">\n",
                               "          <Keyframes nodeId=\"1\">\n"
                               "            <Keyframe time=\"-250\" visibility=\"true\"/>\n"
                               "            <Keyframe time=\"0\" visibility=\"false\"/>\n"
                               "            <Keyframe time=\"750\" visibility=\"false\"/>\n"
                               "          </Keyframes>\n"));
}

TEST_F(AnimationSection, LinearTangentsOfAnyChannelMarkTheirGroup) {
    transform("pCube1", 1);
    Node* sx = anim.curve("animCurveTU", "sx", {{0, 1}, {12, 1}, {24, 1}});
    Node* sy = anim.curve("animCurveTU", "sy", {{0, 1, 2, 9}, {24, 1, 1, 2}});
    Node* sz = anim.curve("animCurveTU", "sz", {{12, 1, 18, 2}});
    clipWith("c", {{sx, "pCube1.scaleX"}, {sy, "pCube1.scaleY"}, {sz, "pCube1.scaleZ"}});
    EXPECT_EQ(write(), oneClip("        <Clip name=\"c\" duration=\"1000\">\n",
                               "          <Keyframes nodeId=\"1\">\n"
                               "            <Keyframe time=\"0\" scale=\"1 1 1\" ipsin=\"linear\"/>\n"
                               "            <Keyframe time=\"500\" scale=\"1 1 1\" ipsout=\"linear\"/>\n"
                               "            <Keyframe time=\"1000\" scale=\"1 1 1\" ipsout=\"linear\"/>\n"
                               "          </Keyframes>\n"));
}

TEST_F(AnimationSection, TheLowestMemberDrivingAnAttributeWins) {
    transform("pCube1", 1);
    Node* first = anim.curve("animCurveTL", "first", {{0, 1}});
    Node* second = anim.curve("animCurveTL", "second", {{12, 7}});
    Node* ty = anim.curve("animCurveTL", "ty", {{0, 2}});
    Node* tz = anim.curve("animCurveTL", "tz", {{0, 3}});
    clipWith("c", {{first, "pCube1.translateX"},
                   {ty, "pCube1.translateY"},
                   {second, "pCube1.tx"},
                   {tz, "pCube1.translateZ"}});
    EXPECT_EQ(write(), oneClip("        <Clip name=\"c\" duration=\"1000\">\n",
                               "          <Keyframes nodeId=\"1\">\n"
                               "            <Keyframe time=\"0\" translation=\"1 2 3\"/>\n"
                               "          </Keyframes>\n"));
    EXPECT_TRUE(messages().empty());
}

TEST_F(AnimationSection, TransformsComeInPathOrderWithTheirNodeIds) {
    Node* group = transform("group1", 0);
    anim.builder.create("transform", "b", group);
    anim.builder.create("transform", "b");
    transform("a", 7);
    transform("ab", 0); // not written by the scene pass: node id 0
    nodes["group1|b"].nodeId = 4;
    nodes["|b"].nodeId = 5;
    std::vector<Member> members;
    for (const char* plug : {"ab.tx", "group1|b.tx", "|b.tx", "a.tx", "ab.rx"}) {
        members.push_back(
            {anim.curve("animCurveTL", std::string("c_") + std::to_string(members.size()), {}), plug});
    }
    clipWith("c", members);
    EXPECT_EQ(write(), oneClip("        <Clip name=\"c\" duration=\"1000\">\n",
                               "          <Keyframes nodeId=\"7\">\n" // a
                               "          </Keyframes>\n"
                               "          <Keyframes nodeId=\"0\">\n" // ab
                               "          </Keyframes>\n"
                               "          <Keyframes nodeId=\"4\">\n" // group1|b
                               "          </Keyframes>\n"
                               "          <Keyframes nodeId=\"5\">\n" // |b: '|' sorts after the letters
                               "          </Keyframes>\n"));
}

TEST_F(AnimationSection, OneTransformInTwoClipsIsWrittenInEachFromItsOwnCurves) {
    transform("pCube1", 3);
    // A walk over frames 0 to 24 and a jump over frames 24 to 48, each with
    // curves of its own; the jump also keys visibility.
    clipWith("walk", {{anim.curve("animCurveTL", "walkX", {{0, 1}, {12, 2}}), "pCube1.translateX"},
                      {anim.curve("animCurveTL", "walkY", {{0, 0}}), "pCube1.translateY"},
                      {anim.curve("animCurveTL", "walkZ", {{0, 0}}), "pCube1.translateZ"}});
    clipWith("jump",
             {{anim.curve("animCurveTL", "jumpX", {{24, 5}}), "pCube1.translateX"},
              {anim.curve("animCurveTL", "jumpY", {{24, 0}, {36, 3}}), "pCube1.translateY"},
              {anim.curve("animCurveTL", "jumpZ", {{24, 1}}), "pCube1.translateZ"},
              {anim.curve("animCurveTU", "jumpV", {{36, 0}}), "pCube1.visibility"}},
             24, 48);
    EXPECT_EQ(write(), std::string(kHead) +
                           "      <AnimationSet name=\"hero\">\n"
                           "        <Clip name=\"walk\" duration=\"1000\">\n"
                           "          <Keyframes nodeId=\"3\">\n"
                           "            <Keyframe time=\"0\" translation=\"1 0 0\"/>\n"
                           "            <Keyframe time=\"500\" translation=\"2 0 0\"/>\n"
                           "          </Keyframes>\n"
                           "        </Clip>\n"
                           "        <Clip name=\"jump\" duration=\"1000\">\n"
                           "          <Keyframes nodeId=\"3\">\n"
                           "            <Keyframe time=\"0\" translation=\"5 0 1\" visibility=\"false\"/>\n"
                           "            <Keyframe time=\"500\" translation=\"5 3 1\" visibility=\"false\"/>\n"
                           "          </Keyframes>\n"
                           "        </Clip>\n"
                           "      </AnimationSet>\n" +
                           kTail);
    EXPECT_TRUE(messages().empty());
}

TEST_F(AnimationSection, AttributesOutsideTheChannelsGiveAnEmptyKeyframeList) {
    Node* cube = transform("pCube1", 2);
    anim.builder.addAttribute(cube, "wobble", AttrType::Double);
    Node* wobble = anim.curve("animCurveTU", "wobble", {{0, 1}, {12, 2}});
    Node* shear = anim.curve("animCurveTU", "shear", {{0, 1}});
    clipWith("c", {{wobble, "pCube1.wobble"}, {shear, "pCube1.shearXY"}});
    EXPECT_EQ(write(),
              oneClip("        <Clip name=\"c\" duration=\"1000\">\n", "          <Keyframes nodeId=\"2\">\n"
                                                                       "          </Keyframes>\n"));
}

TEST_F(AnimationSection, UntraceableMembersAreWarnedAboutAndLeftOut) {
    transform("pCube1", 1);
    Node* blend = anim.builder.create("unknown", "blendShape1");
    anim.builder.addAttribute(blend, "weight", AttrType::Double, "w");
    Node* weight = anim.curve("animCurveTU", "weight", {{0, 1}});
    Node* loose = anim.curve("animCurveTL", "loose", {{0, 1}});
    Node* clip = clipWith("walk", {{weight, "blendShape1.weight"}});
    (void)clip;
    // A member whose attribute feeds nothing.
    Node* library = anim.builder.scene().find("heroClips");
    anim.member(library, 0, 1, loose, "pCube1.translateY");

    EXPECT_EQ(write(), oneClip("        <Clip name=\"walk\" duration=\"1000\">\n", ""));
    EXPECT_EQ(
        messagesOf(MessageKind::Warning),
        (std::vector<std::string>{
            "Failed to find the animated object for the animation curve blendShape1.weight in clip walk",
            "The animation curve pCube1.translateY in clip walk does not seem to be connected"}));
}

TEST_F(AnimationSection, UnitsFollowTheScene) {
    currentScene().settings().linearUnitToCm = 100.0; // metres
    currentScene().settings().timeUnitName = "pal";
    transform("pCube1", 1);
    Node* tx = anim.curve("animCurveTL", "tx", {{5, 250}}, MTime::kPALFrame);
    Node* ty = anim.curve("animCurveTL", "ty", {{5, -50}}, MTime::kPALFrame);
    Node* tz = anim.curve("animCurveTL", "tz", {{5, 0}}, MTime::kPALFrame);
    clipWith("c", {{tx, "pCube1.translateX"}, {ty, "pCube1.translateY"}, {tz, "pCube1.translateZ"}}, 1, 51);
    EXPECT_EQ(write(), oneClip("        <Clip name=\"c\" duration=\"2000\">\n",
                               "          <Keyframes nodeId=\"1\">\n"
                               "            <Keyframe time=\"160\" translation=\"2.5 -0.5 0\"/>\n"
                               "          </Keyframes>\n"));
}

TEST_F(AnimationSection, NamesAreEscapedForTheDocument) {
    Node* character = anim.character("a&b\"c");
    Node* library = anim.library("lib", character);
    Node* clip = anim.clip("x<y", library, 0, 0, 24);
    transform("pCube1", 1);
    Node* tx = anim.curve("animCurveTL", "tx", {});
    anim.member(library, 0, 0, tx, "pCube1.tx");
    anim.animate("pCube1.tx", character);
    (void)clip;
    EXPECT_EQ(write(), std::string(kHead) +
                           "      <AnimationSet name=\"a&amp;b&quot;c\">\n"
                           "        <Clip name=\"x&lt;y\" duration=\"1000\">\n"
                           "          <Keyframes nodeId=\"1\">\n"
                           "          </Keyframes>\n"
                           "        </Clip>\n"
                           "      </AnimationSet>\n" +
                           kTail);
}
