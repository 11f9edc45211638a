// The Animation section of whole exports: scenes read from scene-file text,
// exported by the command, the section compared byte for byte.

#include "support/DocumentSections.h"
#include "support/ExportHarness.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>

using namespace orvex_test;
using orvex_host::MessageKind;

namespace {

class AnimationExport : public ExportTest {
protected:
    std::string outputPath() const { return workDir() + "/out.xml"; }
    // Exports with -an and returns the document's Animation section, its
    // closing line break included.
    std::string animationSection() {
        EXPECT_EQ(exportWith("-an -f " + outputPath()), MS::kSuccess);
        const std::string section = documentSection(readFile(outputPath()), "Animation");
        EXPECT_NE(section, "");
        return section + "\n";
    }
};

// A cube under a group and a joint with rotate axis and joint orient; the
// character "hero" has three clips (one without members), "extra" none.
const char* const kHeroScene = R"(//Maya ASCII 2014 scene
requires maya "2014";
currentUnit -l centimeter -a degree -t film;
createNode transform -n "group1";
createNode transform -n "pCube1" -p "group1";
createNode joint -n "joint1";
	setAttr ".ra" -type "double3" 90 0 0;
	setAttr ".jo" -type "double3" 0 0 30;
createNode animCurveTL -n "pCube1_translateX";
	setAttr ".wgt" no;
	setAttr -s 3 ".ktv[0:2]"  1 0 13 5 25 0;
	setAttr ".kit[1]" 2;
createNode animCurveTL -n "pCube1_translateY";
	setAttr -s 2 ".ktv[0:1]"  1 2 25 2;
createNode animCurveTL -n "pCube1_translateZ";
	setAttr -s 2 ".ktv[0:1]"  1 0 25 -4;
	setAttr -s 2 ".kot[0:1]"  2 2;
createNode animCurveTU -n "pCube1_visibility";
	setAttr ".tan" 9;
	setAttr -s 2 ".ktv[0:1]"  1 1 13 0;
	setAttr -s 2 ".kot[0:1]"  5 5;
	setAttr ".pst" 5;
createNode animCurveTA -n "joint1_rotateX";
	setAttr -s 2 ".ktv[0:1]"  1 0 25 10;
createNode animCurveTA -n "joint1_rotateY";
	setAttr -s 2 ".ktv[0:1]"  1 45 25 20;
createNode animCurveTA -n "joint1_rotateZ";
	setAttr -s 2 ".ktv[0:1]"  1 0 25 30;
createNode character -n "extra";
createNode character -n "hero";
	setAttr ".am" -type "characterMapping" 7 "pCube1.translateX" 1 1 "pCube1.translateY" 1 2
		 "pCube1.translateZ" 1 3 "pCube1.visibility" 0 1 "joint1.rotateX" 2 1 "joint1.rotateY" 2 2
		 "joint1.rotateZ" 2 3  ;
createNode clipLibrary -n "clipLibrary1";
	setAttr -s 2 ".cel";
	setAttr -s 4 ".cel[0].cev";
	setAttr -s 3 ".cel[1].cev";
	setAttr ".cd[0].cm" -type "characterMapping" 4 "pCube1.translateX" 1 1 "pCube1.translateY" 1 2
		 "pCube1.translateZ" 1 3 "pCube1.visibility" 0 1  ;
	setAttr ".cd[0].cim" -type "Int32Array" 4 0 1 2 3 ;
	setAttr ".cd[1].cim" -type "Int32Array" 3 4 5 6 ;
createNode animClip -n "moveSource";
	setAttr ".ss" 1;
	setAttr ".se" 25;
	setAttr ".ci" no;
createNode animClip -n "turnSource";
	setAttr ".ss" 1;
	setAttr ".se" 25;
	setAttr ".ci" no;
createNode animClip -n "emptySource";
	setAttr ".se" 10;
	setAttr ".ci" no;
connectAttr "pCube1.tx" "hero.dnsm" -na;
connectAttr "pCube1.ty" "hero.dnsm" -na;
connectAttr "pCube1.tz" "hero.dnsm" -na;
connectAttr "pCube1.v" "hero.dnsm" -na;
connectAttr "joint1.rx" "hero.dnsm" -na;
connectAttr "joint1.ry" "hero.dnsm" -na;
connectAttr "joint1.rz" "hero.dnsm" -na;
connectAttr "hero.lv[1]" "pCube1.tx";
connectAttr "hero.av[1]" "joint1.rx";
connectAttr "hero.msg" "clipLibrary1.cha";
connectAttr "moveSource.cl" "clipLibrary1.sc[0]";
connectAttr "turnSource.cl" "clipLibrary1.sc[1]";
connectAttr "emptySource.cl" "clipLibrary1.sc[2]";
connectAttr "pCube1_translateX.a" "clipLibrary1.cel[0].cev[0].cevr";
connectAttr "pCube1_translateY.a" "clipLibrary1.cel[0].cev[1].cevr";
connectAttr "pCube1_translateZ.a" "clipLibrary1.cel[0].cev[2].cevr";
connectAttr "pCube1_visibility.a" "clipLibrary1.cel[0].cev[3].cevr";
connectAttr "joint1_rotateX.a" "clipLibrary1.cel[1].cev[0].cevr";
connectAttr "joint1_rotateY.a" "clipLibrary1.cel[1].cev[1].cevr";
connectAttr "joint1_rotateZ.a" "clipLibrary1.cel[1].cev[2].cevr";
)";

} // namespace

TEST_F(AnimationExport, CharactersClipsAndCorrectedRotations) {
    // The visibility oscillates after its last key: at frame 25 it is back
    // at its first key's value.
    // Every statement of the scene is understood: no notice.
    std::string error;
    ASSERT_TRUE(orvex_host::openSceneText(kHeroScene, "hero.ma", error, false)) << error;
    EXPECT_EQ(messagesOf(MessageKind::Notice), std::vector<std::string>());
    orvex_host::clearMessages();
    EXPECT_EQ(animationSection(),
              "  <Animation>\n"
              "    <AnimationSets>\n"
              "      <AnimationSet name=\"hero\">\n"
              "        <Clip name=\"moveSource\" duration=\"1000\">\n"
              "          <Keyframes nodeId=\"2\">\n"
              "            <Keyframe time=\"0\" translation=\"0 2 0\" iptout=\"linear\" "
              "visibility=\"true\"/>\n"
              "            <Keyframe time=\"500\" translation=\"5 2 -2\" iptin=\"linear\" "
              "visibility=\"false\"/>\n"
              "            <Keyframe time=\"1000\" translation=\"0 2 -4\" iptout=\"linear\" "
              "visibility=\"true\"/>\n"
              "          </Keyframes>\n"
              "        </Clip>\n"
              "        <Clip name=\"turnSource\" duration=\"1000\">\n"
              "          <Keyframes nodeId=\"3\">\n"
              "            <Keyframe time=\"0\" rotation=\"90 45 30\"/>\n"
              "            <Keyframe time=\"1000\" rotation=\"100 20 60\"/>\n"
              "          </Keyframes>\n"
              "        </Clip>\n"
              "      </AnimationSet>\n"
              "    </AnimationSets>\n"
              "  </Animation>\n");
    EXPECT_EQ(messagesOf(MessageKind::Warning),
              (std::vector<std::string>{
                  "orvexExport: Joint without bind pose found. Using current rotation (joint1).\n"}));
}

TEST_F(AnimationExport, MetresRadiansAndPalFrames) {
    openScene(R"(requires maya "2014";
currentUnit -l meter -a radian -t pal;
createNode transform -n "box";
createNode animCurveTL -n "box_tx";
	setAttr -s 2 ".ktv[0:1]"  0 1.5 25 -0.25;
createNode animCurveTL -n "box_ty";
	setAttr -s 2 ".ktv[0:1]"  0 0 25 0;
createNode animCurveTL -n "box_tz";
	setAttr -s 2 ".ktv[0:1]"  0 2 25 2;
createNode animCurveTA -n "box_ry";
	setAttr -s 2 ".ktv[0:1]"  0 0 25 1.5707963267948966;
createNode animCurveTA -n "box_rx";
createNode animCurveTA -n "box_rz";
createNode character -n "mover";
createNode clipLibrary -n "lib";
	setAttr ".cd[0].cm" -type "characterMapping" 6 "box.tx" 1 1 "box.ty" 1 2 "box.tz" 1 3 "box.rx" 2 1
		"box.ry" 2 2 "box.rz" 2 3;
createNode animClip -n "slide";
	setAttr ".ss" 0;
	setAttr ".se" 50;
	setAttr ".ci" no;
connectAttr "box.tx" "mover.dnsm" -na;
connectAttr "box.ty" "mover.dnsm" -na;
connectAttr "box.tz" "mover.dnsm" -na;
connectAttr "box.rx" "mover.dnsm" -na;
connectAttr "box.ry" "mover.dnsm" -na;
connectAttr "box.rz" "mover.dnsm" -na;
connectAttr "mover.msg" "lib.cha";
connectAttr "slide.cl" "lib.sc[0]";
connectAttr "box_tx.a" "lib.cel[0].cev[0].cevr";
connectAttr "box_ty.a" "lib.cel[0].cev[1].cevr";
connectAttr "box_tz.a" "lib.cel[0].cev[2].cevr";
connectAttr "box_rx.a" "lib.cel[0].cev[3].cevr";
connectAttr "box_ry.a" "lib.cel[0].cev[4].cevr";
connectAttr "box_rz.a" "lib.cel[0].cev[5].cevr";
)");
    // Translations come back in metres; a curve without keys still counts
    // for its group and evaluates to nothing but 0.
    EXPECT_EQ(animationSection(),
              "  <Animation>\n"
              "    <AnimationSets>\n"
              "      <AnimationSet name=\"mover\">\n"
              "        <Clip name=\"slide\" duration=\"2000\">\n"
              "          <Keyframes nodeId=\"1\">\n"
              "            <Keyframe time=\"0\" translation=\"1.5 0 2\" rotation=\"0 0 0\"/>\n"
              "            <Keyframe time=\"1000\" translation=\"-0.25 0 2\" "
              "rotation=\"0 90 0\"/>\n"
              "          </Keyframes>\n"
              "        </Clip>\n"
              "      </AnimationSet>\n"
              "    </AnimationSets>\n"
              "  </Animation>\n");
}

namespace {

// A door swinging open: rotateY keyed 0 -> 0 and 12 -> 90 degrees with flat
// tangents, rotateX keyed at frames 0, 3 and 12, rotateZ once; the clip
// runs from 0 to `end` frames of `unit`.
std::string doorScene(const std::string& unit, int end) {
    return R"(requires maya "2014";
currentUnit -l centimeter -a degree -t )" +
           unit + R"(;
createNode transform -n "door";
createNode animCurveTA -n "door_rotateY";
	setAttr ".tan" 3;
	setAttr ".wgt" no;
	setAttr -s 2 ".ktv[0:1]"  0 0 12 90;
createNode animCurveTA -n "door_rotateX";
	setAttr ".tan" 3;
	setAttr ".wgt" no;
	setAttr -s 3 ".ktv[0:2]"  0 0 3 0 12 0;
createNode animCurveTA -n "door_rotateZ";
	setAttr ".ktv[0]"  0 0;
createNode character -n "doorRig";
createNode clipLibrary -n "lib";
	setAttr ".cd[0].cm" -type "characterMapping" 3 "door.rx" 2 1 "door.ry" 2 2 "door.rz" 2 3;
createNode animClip -n "swing";
	setAttr ".ss" 0;
	setAttr ".se" )" +
           std::to_string(end) + R"(;
	setAttr ".ci" no;
connectAttr "door.rx" "doorRig.dnsm" -na;
connectAttr "door.ry" "doorRig.dnsm" -na;
connectAttr "door.rz" "doorRig.dnsm" -na;
connectAttr "doorRig.msg" "lib.cha";
connectAttr "swing.cl" "lib.sc[0]";
connectAttr "door_rotateX.a" "lib.cel[0].cev[0].cevr";
connectAttr "door_rotateY.a" "lib.cel[0].cev[1].cevr";
connectAttr "door_rotateZ.a" "lib.cel[0].cev[2].cevr";
)";
}

std::string doorSection(const std::string& duration, const std::string& keyframes) {
    return "  <Animation>\n"
           "    <AnimationSets>\n"
           "      <AnimationSet name=\"doorRig\">\n"
           "        <Clip name=\"swing\" duration=\"" +
           duration + "\">\n          <Keyframes nodeId=\"1\">\n" + keyframes +
           "          </Keyframes>\n"
           "        </Clip>\n"
           "      </AnimationSet>\n"
           "    </AnimationSets>\n"
           "  </Animation>\n";
}

} // namespace

TEST_F(AnimationExport, UnkeyedChannelsFollowTheirCurvesTangents) {
    // At frame 3 the flat-tangent cubic has risen 0.15625 of the way.
    openScene(doorScene("film", 12));
    EXPECT_EQ(animationSection(),
              doorSection("500", "            <Keyframe time=\"0\" rotation=\"0 0 0\"/>\n"
                                 "            <Keyframe time=\"125\" rotation=\"0 14.0625 0\"/>\n"
                                 "            <Keyframe time=\"500\" rotation=\"0 90 0\"/>\n"));
}

TEST_F(AnimationExport, EveryTimeUnitOfTheHostIsRead) {
    // 30 frames at 29.97 fps last 1001 ms.
    openScene(doorScene("29.97fps", 30));
    EXPECT_EQ(animationSection(),
              doorSection("1001", "            <Keyframe time=\"0\" rotation=\"0 0 0\"/>\n"
                                  "            <Keyframe time=\"100.1\" rotation=\"0 14.0625 0\"/>\n"
                                  "            <Keyframe time=\"400.4\" rotation=\"0 90 0\"/>\n"));
    for (const char* unit : {"23.976fps", "29.97df", "47.952fps", "59.94fps", "44100fps", "48000fps", "90fps",
                             "119.88fps", "6000fps", "game", "ntscf", "millisec"}) {
        std::string error;
        EXPECT_TRUE(orvex_host::openSceneText(doorScene(unit, 12), "door.ma", error, false)) << error;
        EXPECT_EQ(messagesOf(MessageKind::Notice), std::vector<std::string>()) << unit;
        orvex_host::clearMessages();
    }
    // A unit the host does not know is read as film, with a notice.
    std::string error;
    ASSERT_TRUE(orvex_host::openSceneText(doorScene("72fps", 12), "door.ma", error, false)) << error;
    EXPECT_EQ(
        messagesOf(MessageKind::Notice),
        std::vector<std::string>{
            "door.ma:2: time unit \"72fps\" is not one the host knows; times are read as film (24 fps)"});
    orvex_host::clearMessages();
    EXPECT_EQ(animationSection(),
              doorSection("500", "            <Keyframe time=\"0\" rotation=\"0 0 0\"/>\n"
                                 "            <Keyframe time=\"125\" rotation=\"0 14.0625 0\"/>\n"
                                 "            <Keyframe time=\"500\" rotation=\"0 90 0\"/>\n"));
}

TEST_F(AnimationExport, MembersThatCannotBeTracedAreWarnedAbout) {
    openScene(R"(requires maya "2014";
currentUnit -l centimeter -a degree -t ntsc;
createNode transform -n "lamp";
createNode pointLight -n "lampShape" -p "lamp";
createNode transform -n "pCube1";
createNode animCurveTU -n "lampShape_intensity";
	setAttr -s 2 ".ktv[0:1]"  1 1 30 2;
createNode animCurveTL -n "pCube1_translateY";
	setAttr -s 2 ".ktv[0:1]"  1 0 30 3;
createNode animCurveTU -n "pCube1_rotateOrder";
	setAttr ".ktv[0]"  1 2;
createNode character -n "rig";
createNode clipLibrary -n "lib";
	setAttr ".cd[0].cm" -type "characterMapping" 3 "lampShape.intensity" 0 1 "pCube1.translateY" 1 1
		"pCube1.rotateOrder" 0 2;
createNode animClip -n "flicker";
	setAttr ".ss" 1;
	setAttr ".se" 31;
	setAttr ".ci" no;
connectAttr "lampShape.intensity" "rig.dnsm" -na;
connectAttr "pCube1.ro" "rig.dnsm" -na;
connectAttr "rig.msg" "lib.cha";
connectAttr "flicker.cl" "lib.sc[0]";
connectAttr "lampShape_intensity.a" "lib.cel[0].cev[0].cevr";
connectAttr "pCube1_translateY.a" "lib.cel[0].cev[1].cevr";
connectAttr "pCube1_rotateOrder.a" "lib.cel[0].cev[2].cevr";
)");
    // Only rotateOrder traces, and it is no channel. Without the lights
    // flag the lamp is not written, so the cube has node id 1.
    EXPECT_EQ(animationSection(), "  <Animation>\n"
                                  "    <AnimationSets>\n"
                                  "      <AnimationSet name=\"rig\">\n"
                                  "        <Clip name=\"flicker\" duration=\"1000\">\n"
                                  "          <Keyframes nodeId=\"1\">\n"
                                  "          </Keyframes>\n"
                                  "        </Clip>\n"
                                  "      </AnimationSet>\n"
                                  "    </AnimationSets>\n"
                                  "  </Animation>\n");
    EXPECT_EQ(
        messagesOf(MessageKind::Warning),
        (std::vector<std::string>{
            "Failed to find the animated object for the animation curve lampShape.intensity in clip flicker",
            "The animation curve pCube1.translateY in clip flicker does not seem to be connected"}));
}

TEST_F(AnimationExport, TheCommandFailsWhenCharactersCannotBeListed) {
    openScene(kHeroScene);
    orvex_host::setFault("MItDependencyNodes:kCharacter");
    EXPECT_NE(exportWith("-an -f " + outputPath()), MS::kSuccess);
    EXPECT_FALSE(fileExists(outputPath()));

    // A document from an earlier run stays as it was; the failure has no
    // message of its own and no "done.".
    orvex_host::clearFaults();
    ASSERT_EQ(exportWith("-an -f " + outputPath()), MS::kSuccess);
    const std::string earlier = readFile(outputPath());
    orvex_host::clearMessages();
    orvex_host::setFault("MItDependencyNodes:kCharacter");
    EXPECT_NE(exportWith("-an -f " + outputPath()), MS::kSuccess);
    EXPECT_EQ(readFile(outputPath()), earlier);
    EXPECT_EQ(messagesOf(MessageKind::Info), std::vector<std::string>{"Export scene to: " + outputPath()});
    EXPECT_EQ(messagesOf(MessageKind::Error), std::vector<std::string>());
    orvex_host::clearFaults();
    // Without the flag the pass does not run.
    EXPECT_EQ(exportWith("-f " + outputPath()), MS::kSuccess);
    EXPECT_EQ(readFile(outputPath()).find("<Animation>"), std::string::npos);
}

TEST_F(AnimationExport, ExtremeNumbersInTheSceneNeverCrashTheSection) {
    // Key times and values, clip starts and ends, tangent codes, mapping
    // kinds, indices and counts replaced by numbers a damaged file may hold.
    const char* const extremes[] = {"nan",   "-nan",   "inf",        "-inf",       "-1",
                                    "-0",    "0",      "4294967295", "4294967296", "2147483648",
                                    "1e308", "-1e308", "5e-324",     "18"};
    const std::string sample = kHeroScene;
    std::vector<std::pair<size_t, size_t>> numbers; // position and length
    // Numbers standing alone or as indices, not the digits of names: behind a
    // blank, '[' or ':' and before a blank, ']', ';', ':' or a line end.
    auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
    for (size_t at = 1; at < sample.size(); ++at) {
        if (!std::strchr(" \t[:", sample[at - 1])) {
            continue;
        }
        size_t end = at + (sample[at] == '-' ? 1 : 0);
        const size_t digits = end;
        while (end < sample.size() && isDigit(sample[end])) {
            ++end;
        }
        if (end == digits) {
            continue;
        }
        if (end + 1 < sample.size() && sample[end] == '.' && isDigit(sample[end + 1])) {
            for (++end; end < sample.size() && isDigit(sample[end]); ++end) {
            }
        }
        if (end < sample.size() && std::strchr(" \t];:\n", sample[end])) {
            numbers.emplace_back(at, end - at);
        }
    }
    std::mt19937 random(1119);
    int exported = 0;
    for (int round = 0; round < 400; ++round) {
        std::string text = sample;
        // Replaced from the back, so that earlier positions stay valid.
        std::vector<size_t> picks;
        for (int n = 1 + static_cast<int>(random() % 4); n > 0; --n) {
            picks.push_back(random() % numbers.size());
        }
        std::sort(picks.rbegin(), picks.rend());
        picks.erase(std::unique(picks.begin(), picks.end()), picks.end());
        for (size_t pick : picks) {
            text.replace(numbers[pick].first, numbers[pick].second, extremes[random() % std::size(extremes)]);
        }
        std::string error;
        if (!orvex_host::openSceneText(text, "damaged.ma", error, false)) {
            continue; // the reader refused it with a message
        }
        if (exportWith("-an -f " + outputPath()) == MS::kSuccess) {
            ++exported;
            EXPECT_NE(readFile(outputPath()).find("    </AnimationSets>\n  </Animation>\n"),
                      std::string::npos)
                << text;
        }
    }
    EXPECT_GT(exported, 100);
}
