// The host's animation layer: time units, curve keys read from setAttr
// statements, evaluation, and the ties between characters, clips and curves.

#include "animation/AnimationScene.h"
#include "support/Angles.h"

#include "api/Access.h"
#include "api/TimeUnits.h"
#include "scenefile/SetAttrRequest.h"

#include <orvex_host/Session.h>

#include <maya/MFnAnimCurve.h>
#include <maya/MFnCharacter.h>
#include <maya/MFnClip.h>
#include <maya/MFnDagNode.h>
#include <maya/MObjectArray.h>
#include <maya/MPlugArray.h>

#include <gtest/gtest.h>

#include <cmath>

using namespace orvex_host;
using orvex_test::AnimationScene;
using orvex_test::SceneBuilder;

namespace {

using orvex_test::kPi;

class AnimationHost : public ::testing::Test {
protected:
    void SetUp() override { newScene(false); }

    // Runs one setAttr statement through the node type's hook: `path` as
    // written after the '.', `values` the words after the flags.
    bool setAttr(Node* node, const std::string& path, const std::string& values, std::string* error = nullptr,
                 const std::string& type = "") {
        SetAttrRequest request;
        request.path = parsePath(path);
        request.type = type;
        text_ = values;
        request.values = ValueCursor(text_.data(), text_.data() + text_.size());
        bool consumed = node->type->setAttrHook(currentScene(), *node, request);
        if (error) {
            *error = request.error;
        } else {
            EXPECT_EQ(request.error, "") << path;
        }
        return consumed;
    }
    static std::vector<AttrPathPart> parsePath(const std::string& path) {
        std::vector<AttrPathPart> parts;
        size_t start = 0;
        while (start < path.size()) {
            size_t dot = path.find('.', start);
            std::string piece =
                path.substr(start, dot == std::string::npos ? std::string::npos : dot - start);
            AttrPathPart part;
            size_t open = piece.find('[');
            part.name = piece.substr(0, open);
            if (open != std::string::npos) {
                part.indexed = true;
                std::string range = piece.substr(open + 1, piece.size() - open - 2);
                part.all = range == "*";
                size_t colon = range.find(':');
                if (!part.all) {
                    part.first = static_cast<unsigned>(std::stoul(range.substr(0, colon)));
                    part.last = colon == std::string::npos
                                    ? part.first
                                    : static_cast<unsigned>(std::stoul(range.substr(colon + 1)));
                }
            }
            parts.push_back(part);
            start = dot == std::string::npos ? path.size() : dot + 1;
        }
        return parts;
    }
    static MObject object(Node* node) { return SceneBuilder::object(node); }

    AnimationScene anim;
    std::string text_;
};

} // namespace

TEST_F(AnimationHost, TimeUnitsConvertThroughMillisecondsWithOneFormula) {
    EXPECT_EQ(MTime(24.0, MTime::kFilm).as(MTime::kMilliseconds), 1000.0);
    EXPECT_EQ(MTime(25.0, MTime::kPALFrame).as(MTime::kMilliseconds), 1000.0);
    EXPECT_EQ(MTime(3.0, MTime::kNTSCFrame).as(MTime::kMilliseconds), 3.0 * (1000.0 / 30.0));
    EXPECT_EQ(MTime(1.0, MTime::kSeconds).as(MTime::kPALField), 50.0);
    // The rates later host versions added: a fractional rate's whole
    // number of frames lasts 1001 ms.
    struct Rate {
        MTime::Unit unit;
        double frames, milliseconds;
    } rates[] = {
        {MTime::k23_976FPS, 24, 1001},   {MTime::k29_97FPS, 30, 1001},    {MTime::k29_97DF, 30, 1001},
        {MTime::k47_952FPS, 48, 1001},   {MTime::k59_94FPS, 60, 1001},    {MTime::k119_88FPS, 120, 1001},
        {MTime::k44100FPS, 44100, 1000}, {MTime::k48000FPS, 48000, 1000}, {MTime::k90FPS, 90, 1000}};
    for (const Rate& r : rates) {
        EXPECT_EQ(MTime(r.frames, r.unit).as(MTime::kMilliseconds), r.milliseconds) << r.unit;
    }

    // Equal frames give equal bits, however they were reached.
    MTime a(7.0, MTime::kFilm), b(7.0, MTime::kFilm);
    a.setUnit(MTime::kMilliseconds);
    EXPECT_EQ(a.value(), b.as(MTime::kMilliseconds));
    EXPECT_EQ(a.value(), 7.0 * (1000.0 / 24.0));
    EXPECT_EQ(a.unit(), MTime::kMilliseconds);

    // The right operand is converted into the left one's unit.
    MTime difference = MTime(500.0, MTime::kMilliseconds) - MTime(6.0, MTime::kFilm);
    EXPECT_EQ(difference.unit(), MTime::kMilliseconds);
    EXPECT_EQ(difference.value(), 250.0);
    MTime frames = MTime(12.0, MTime::kFilm) - MTime(250.0, MTime::kMilliseconds);
    EXPECT_EQ(frames.unit(), MTime::kFilm);
    EXPECT_EQ(frames.value(), 6.0);

    EXPECT_EQ(MTime(1.0, MTime::kFilm).setUnit(MTime::kInvalid), MS::kInvalidParameter);
}

TEST_F(AnimationHost, TheUiTimeUnitFollowsTheScene) {
    EXPECT_EQ(MTime::uiUnit(), MTime::kFilm);
    struct Case {
        const char* name;
        MTime::Unit unit;
    } cases[] = {
        {"pal", MTime::kPALFrame},       {"ntsc", MTime::kNTSCFrame},        {"game", MTime::kGames},
        {"show", MTime::kShowScan},      {"palf", MTime::kPALField},         {"ntscf", MTime::kNTSCField},
        {"sec", MTime::kSeconds},        {"millisec", MTime::kMilliseconds}, {"25fps", MTime::kPALFrame},
        {"120fps", MTime::k120FPS},      {"23.976fps", MTime::k23_976FPS},   {"29.97fps", MTime::k29_97FPS},
        {"29.97df", MTime::k29_97DF},    {"47.952fps", MTime::k47_952FPS},   {"59.94fps", MTime::k59_94FPS},
        {"44100fps", MTime::k44100FPS},  {"48000fps", MTime::k48000FPS},     {"90fps", MTime::k90FPS},
        {"119.88fps", MTime::k119_88FPS}};
    for (const Case& c : cases) {
        currentScene().settings().timeUnitName = c.name;
        EXPECT_EQ(MTime::uiUnit(), c.unit) << c.name;
        EXPECT_EQ(MTime().unit(), c.unit) << c.name;
    }
    MTime::Unit unit = MTime::kFilm;
    EXPECT_FALSE(timeUnitByName("fortnight", unit));
    EXPECT_FALSE(timeUnitByName("29.97", unit));
    EXPECT_FALSE(timeUnitByName("7fps", unit));
    // A name the host has no unit for counts as film.
    currentScene().settings().timeUnitName = "7fps";
    EXPECT_EQ(MTime::uiUnit(), MTime::kFilm);
    EXPECT_EQ(MTime(6.0, MTime::k120FPS).as(MTime::kMilliseconds), 6.0 * (1000.0 / 120.0));
}

TEST_F(AnimationHost, KeyPairsAreReadInTheFilesUnits) {
    currentScene().settings().timeUnitName = "pal";
    currentScene().settings().linearUnitToCm = 100.0; // metres
    Node* tl = anim.builder.create("animCurveTL", "pCube1_translateX");
    EXPECT_TRUE(setAttr(tl, "ktv[0:2]", "1 0  12 2.5\n 24 -1"));
    Node* ta = anim.builder.create("animCurveTA", "pCube1_rotateY");
    EXPECT_TRUE(setAttr(ta, "ktv[0:1]", "0 90 10 -45"));
    Node* tu = anim.builder.create("animCurveTU", "pCube1_visibility");
    EXPECT_TRUE(setAttr(tu, "ktv[0]", "5 1"));

    MFnAnimCurve translate(object(tl));
    ASSERT_EQ(translate.numKeys(), 3u);
    EXPECT_EQ(translate.time(1).unit(), MTime::kPALFrame);
    EXPECT_EQ(translate.time(1).value(), 12.0);
    EXPECT_EQ(translate.value(1), 250.0); // centimetres
    EXPECT_EQ(translate.value(2), -100.0);
    EXPECT_EQ(translate.animCurveType(), MFnAnimCurve::kAnimCurveTL);

    MFnAnimCurve rotate(object(ta));
    EXPECT_DOUBLE_EQ(rotate.value(0), kPi / 2); // radians
    EXPECT_DOUBLE_EQ(rotate.value(1), -kPi / 4);

    MFnAnimCurve visibility(object(tu));
    ASSERT_EQ(visibility.numKeys(), 1u);
    EXPECT_EQ(visibility.value(0), 1.0);

    // One key at a time, and keys in several statements.
    Node* split = anim.builder.create("animCurveTL", "split");
    EXPECT_TRUE(setAttr(split, "ktv", ""));
    EXPECT_TRUE(setAttr(split, "ktv[1].kt", "8"));
    EXPECT_TRUE(setAttr(split, "ktv[1].kv", "0.5"));
    EXPECT_TRUE(setAttr(split, "ktv[0:0]", "2 0"));
    MFnAnimCurve fn(object(split));
    ASSERT_EQ(fn.numKeys(), 2u);
    EXPECT_EQ(fn.time(0).value(), 2.0);
    EXPECT_EQ(fn.time(1).value(), 8.0);
    EXPECT_EQ(fn.value(1), 50.0);
}

TEST_F(AnimationHost, TangentCodesMapToTangentTypes) {
    Node* curve = anim.builder.create("animCurveTU", "c");
    EXPECT_TRUE(setAttr(curve, "ktv[0:5]", "0 0 1 1 2 2 3 3 4 4 5 5"));
    EXPECT_TRUE(setAttr(curve, "kit[0:4]", "2 1 5 9 18"));
    EXPECT_TRUE(setAttr(curve, "kot[0:4]", "10 2 17 3 42"));
    EXPECT_TRUE(setAttr(curve, "kix[0:1]", "1 0.5"));
    MFnAnimCurve fn(object(curve));
    EXPECT_EQ(fn.inTangentType(0), MFnAnimCurve::kTangentLinear);
    EXPECT_EQ(fn.inTangentType(1), MFnAnimCurve::kTangentFixed);
    EXPECT_EQ(fn.inTangentType(2), MFnAnimCurve::kTangentStep);
    EXPECT_EQ(fn.inTangentType(3), MFnAnimCurve::kTangentSmooth);
    EXPECT_EQ(fn.inTangentType(4), MFnAnimCurve::kTangentAuto);
    EXPECT_EQ(fn.outTangentType(0), MFnAnimCurve::kTangentClamped);
    EXPECT_EQ(fn.outTangentType(1), MFnAnimCurve::kTangentLinear);
    EXPECT_EQ(fn.outTangentType(2), MFnAnimCurve::kTangentStepNext);
    EXPECT_EQ(fn.outTangentType(3), MFnAnimCurve::kTangentFlat);
    EXPECT_EQ(fn.outTangentType(4), MFnAnimCurve::kTangentGlobal); // a code the host does not know

    // A key without its own codes takes the curve's tangentType.
    EXPECT_EQ(fn.inTangentType(5), MFnAnimCurve::kTangentClamped);
    anim.builder.set(curve, "tan", 2LL);
    EXPECT_EQ(fn.inTangentType(5), MFnAnimCurve::kTangentLinear);
    EXPECT_EQ(fn.outTangentType(5), MFnAnimCurve::kTangentLinear);
    EXPECT_EQ(fn.inTangentType(0), MFnAnimCurve::kTangentLinear);
    EXPECT_EQ(fn.outTangentType(0), MFnAnimCurve::kTangentClamped);

    // Other statements are the reader's to store.
    EXPECT_FALSE(setAttr(curve, "tan", "9"));
    EXPECT_FALSE(setAttr(curve, "wgt", "no"));
}

TEST_F(AnimationHost, MalformedKeyStatementsAreReported) {
    Node* curve = anim.builder.create("animCurveTL", "c");
    std::string error;
    EXPECT_TRUE(setAttr(curve, "ktv[0:2]", "1 0 2 5 3", &error));
    EXPECT_NE(error.find("a time and a value"), std::string::npos) << error;
    EXPECT_TRUE(setAttr(curve, "ktv[0:0]", "1 0 2", &error));
    EXPECT_NE(error.find("more values"), std::string::npos) << error;
    EXPECT_TRUE(setAttr(curve, "ktv[*]", "1 0", &error));
    EXPECT_NE(error, "");
    EXPECT_TRUE(setAttr(curve, "kit[0:1]", "2 linear", &error));
    EXPECT_NE(error.find("tangent type code"), std::string::npos) << error;
    EXPECT_TRUE(setAttr(curve, "ktv[0:1].kv", "1", &error));
    EXPECT_NE(error.find("one key index"), std::string::npos) << error;
}

// One curve per case, written as scene files write curves (times in film
// frames, plain numbers), evaluated at one frame.
TEST_F(AnimationHost, SegmentsFollowTheTangentsOfTheirKinds) {
    using Statements = std::vector<std::pair<const char*, const char*>>;
    // Fixed tangents: a short level out-handle and a long level in-handle.
    const Statements handles = {
        {"ktv[0:1]", "0 0 12 12"}, {"kot[0]", "1"},   {"kox[0]", "0.25"}, {"koy[0]", "0"},
        {"kit[1]", "1"},           {"kix[1]", "0.5"}, {"kiy[1]", "0"}};
    struct Case {
        const char* what;
        bool weighted;         // .wgt
        long long tangentType; // .tan; -1 leaves the default (clamped)
        Statements keys;       // setAttr path and values
        double frame;
        double expected;
    } cases[] = {
        // Hermite on unweighted curves, Bezier on weighted ones: with
        // computed tangents both give the same cubic.
        {"flat", false, 3, {{"ktv[0:1]", "0 0 12 90"}}, 3, 14.0625},
        {"flat, weighted", true, 3, {{"ktv[0:1]", "0 0 12 90"}}, 3, 14.0625},
        {"linear", false, 2, {{"ktv[0:1]", "0 0 12 90"}}, 3, 22.5},
        {"a key's own codes win over the curve's",
         false,
         2,
         {{"ktv[0:1]", "0 0 12 90"}, {"kot[0]", "3"}, {"kit[1]", "3"}},
         3,
         14.0625},
        // Spline: parallel to the neighbours' line inside, along the end
        // segment at an end.
        {"spline at an extreme", false, 9, {{"ktv[0:2]", "0 0 12 12 24 0"}}, 6, 7.5},
        {"spline inside", false, 9, {{"ktv[0:2]", "0 0 10 10 20 30"}}, 5, 4.375},
        {"spline, weighted", true, 9, {{"ktv[0:2]", "0 0 10 10 20 30"}}, 5, 4.375},
        // Clamped: linear towards a neighbour of nearly the same value,
        // spline elsewhere.
        {"clamped between close keys", false, -1, {{"ktv[0:2]", "0 0 10 0.01 20 10"}}, 5, 0.005},
        {"clamped elsewhere", false, -1, {{"ktv[0:2]", "0 0 10 0.01 20 10"}}, 15, 4.38125},
        // Plateau and auto: level at extremes and ends, never steeper than
        // three times a neighbouring segment.
        {"plateau at an extreme", false, 16, {{"ktv[0:2]", "0 0 10 10 20 5"}}, 5, 5},
        {"spline there overshoots", false, 9, {{"ktv[0:2]", "0 0 10 10 20 5"}}, 5, 5.9375},
        {"auto, limited", false, 18, {{"ktv[0:2]", "0 0 10 10 20 11"}}, 15, 10.875},
        // Steps hold the left key, step next takes the right one.
        {"step", true, -1, {{"ktv[0:1]", "0 1 10 5"}, {"kot[0]", "5"}}, 9.5, 1},
        {"step next", true, -1, {{"ktv[0:1]", "0 1 10 5"}, {"kot[0]", "17"}}, 0.5, 5},
        {"step, at the next key", true, -1, {{"ktv[0:1]", "0 1 10 5"}, {"kot[0]", "5"}}, 10, 5},
        // Fixed tangents as stored: x in seconds, y per that x; on an
        // unweighted curve only their slopes count.
        {"fixed",
         false,
         -1,
         {{"ktv[0:1]", "0 0 12 12"},
          {"kot[0]", "1"},
          {"kox[0]", "0.5"},
          {"koy[0]", "12"},
          {"kit[1]", "1"},
          {"kix[1]", "1"},
          {"kiy[1]", "0"}},
         6,
         7.5},
        // On a weighted curve their lengths count too.
        {"fixed, weighted", true, -1, handles, 3, 2.963322023192049},
        {"the same handles unweighted", false, -1, handles, 3, 1.875},
    };
    int index = 0;
    for (const Case& c : cases) {
        Node* curve = anim.builder.create("animCurveTU", "c" + std::to_string(index++));
        anim.builder.set(curve, "wgt", c.weighted);
        if (c.tangentType >= 0) {
            anim.builder.set(curve, "tan", c.tangentType);
        }
        for (const auto& statement : c.keys) {
            EXPECT_TRUE(setAttr(curve, statement.first, statement.second)) << c.what;
        }
        EXPECT_NEAR(MFnAnimCurve(object(curve)).evaluate(MTime(c.frame, MTime::kFilm)), c.expected, 1e-9)
            << c.what;
    }
}

// Keys 0 -> 0 and 10 -> 5 with linear tangents, evaluated before and after
// them under every infinity.
TEST_F(AnimationHost, InfinitiesExtendTheCurveBeyondItsKeys) {
    struct Case {
        long long infinity;                            // .pre and .pst
        std::vector<std::pair<double, double>> values; // frame, value
    } cases[] = {
        {0, {{-5, 0}, {15, 5}}},                            // constant
        {1, {{-5, -2.5}, {15, 7.5}}},                       // linear, along the end tangents
        {3, {{15, 2.5}, {20, 0}, {-2, 4}}},                 // cycle
        {4, {{15, 7.5}, {20, 10}, {-2, -1}, {-25, -12.5}}}, // cycle with offset
        {5, {{12, 4}, {22, 1}, {-2, 1}, {-12, 4}}},         // oscillate
        {2, {{-5, 0}, {15, 5}}},                            // numbers the host has no infinity for
        {7, {{-5, 0}, {15, 5}}},
    };
    int index = 0;
    for (const Case& c : cases) {
        Node* curve = anim.builder.create("animCurveTU", "c" + std::to_string(index++));
        EXPECT_TRUE(setAttr(curve, "ktv[0:1]", "0 0 10 5"));
        anim.builder.set(curve, "tan", 2LL);
        anim.builder.set(curve, "pre", c.infinity);
        anim.builder.set(curve, "pst", c.infinity);
        for (const auto& value : c.values) {
            EXPECT_NEAR(MFnAnimCurve(object(curve)).evaluate(MTime(value.first, MTime::kFilm)), value.second,
                        1e-9)
                << "infinity " << c.infinity << " at " << value.first;
        }
    }
    // Linear infinity follows the end key's tangent, flat here.
    Node* flat = anim.builder.create("animCurveTU", "flat");
    EXPECT_TRUE(setAttr(flat, "ktv[0:1]", "0 0 10 5"));
    anim.builder.set(flat, "tan", 3LL);
    anim.builder.set(flat, "pst", 1LL);
    EXPECT_EQ(MFnAnimCurve(object(flat)).evaluate(MTime(30.0, MTime::kFilm)), 5.0);
    EXPECT_EQ(MFnAnimCurve(object(flat)).postInfinityType(), MFnAnimCurve::kLinear);
    // Files number the infinities as the API does.
    EXPECT_EQ(MFnAnimCurve(object(currentScene().find("c2"))).preInfinityType(), MFnAnimCurve::kCycle);
    EXPECT_EQ(MFnAnimCurve(object(currentScene().find("c3"))).postInfinityType(),
              MFnAnimCurve::kCycleRelative);
    EXPECT_EQ(MFnAnimCurve(object(currentScene().find("c5"))).postInfinityType(), MFnAnimCurve::kConstant);
}

TEST_F(AnimationHost, EvaluationHitsKeysExactlyAndNeedsTimeKeys) {
    Node* curve = anim.curve("animCurveTL", "c", {{0, 0}, {10, 10, -1, 5}, {20, 4}});
    MFnAnimCurve fn(object(curve));
    EXPECT_EQ(fn.evaluate(MTime(10.0, MTime::kFilm)), 10.0);
    // Milliseconds reach the same key exactly.
    EXPECT_EQ(fn.evaluate(MTime(20.0 * (1000.0 / 24.0), MTime::kMilliseconds)), 4.0);

    MStatus status;
    Node* empty = anim.curve("animCurveTU", "empty", {});
    EXPECT_EQ(MFnAnimCurve(object(empty)).evaluate(MTime(1.0), &status), 0.0);
    EXPECT_NE(status, MS::kSuccess);
    Node* driven = anim.curve("animCurveUL", "driven", {{0, 1}});
    EXPECT_NE(MFnAnimCurve(object(driven)).evaluate(MTime(0.0), &status), 1.0);
    EXPECT_FALSE(MFnAnimCurve(object(driven)).isTimeInput());
    // Curves are weighted unless a file says otherwise.
    EXPECT_TRUE(fn.isWeighted());
}

TEST_F(AnimationHost, FunctionSetsAttachOnlyToTheirKinds) {
    Node* transform = anim.builder.create("transform", "t");
    Node* curve = anim.curve("animCurveTA", "c", {{1, 1}});
    MStatus status;
    MFnAnimCurve wrong(object(transform), &status);
    EXPECT_NE(status, MS::kSuccess);
    EXPECT_EQ(wrong.numKeys(), 0u);
    MFnCharacter notCharacter(object(curve), &status);
    EXPECT_NE(status, MS::kSuccess);
    EXPECT_EQ(notCharacter.getSourceClipCount(), 0);
    MFnClip notClip(object(curve), &status);
    EXPECT_NE(status, MS::kSuccess);
    EXPECT_TRUE(object(curve).hasFn(MFn::kAnimCurve));
    EXPECT_EQ(object(curve).apiType(), MFn::kAnimCurveTimeToAngular);
    EXPECT_TRUE(object(anim.character("ch")).hasFn(MFn::kSet));
}

TEST_F(AnimationHost, CharactersReachTheSourceClipsOfTheirLibraries) {
    Node* hero = anim.character("hero");
    Node* lonely = anim.character("lonely");
    Node* library = anim.library("clipLibrary1", hero);
    Node* walk = anim.clip("walk", library, 3, 1, 25);
    Node* run = anim.clip("run", library, 1, 0, 12);
    Node* orphanLibrary = anim.library("clipLibrary2", nullptr);
    anim.clip("orphan", orphanLibrary, 0, 0, 10);

    MFnCharacter fn(object(hero));
    ASSERT_EQ(fn.getSourceClipCount(), 2);
    EXPECT_EQ(MFnClip(fn.getSourceClip(0)).name(), "run"); // by index in the library
    EXPECT_EQ(MFnClip(fn.getSourceClip(1)).name(), "walk");
    MStatus status;
    EXPECT_TRUE(fn.getSourceClip(2, &status).isNull());
    EXPECT_NE(status, MS::kSuccess);
    EXPECT_EQ(MFnCharacter(object(lonely)).getSourceClipCount(), 0);

    // Source start and duration in the scene's time unit.
    MFnClip clip(object(walk));
    EXPECT_EQ(clip.getSourceStart().unit(), MTime::kFilm);
    EXPECT_EQ(clip.getSourceStart().value(), 1.0);
    EXPECT_EQ(clip.getSourceDuration().value(), 24.0);
    EXPECT_FALSE(clip.isInstancedClip());
    (void)run;
}

TEST_F(AnimationHost, ClipMembersComeWithTheTransformAttributeTheyAnimate) {
    Node* hero = anim.character("hero");
    Node* library = anim.library("lib", hero);
    Node* clip = anim.clip("clip1", library, 0, 0, 10);
    Node* cube = anim.builder.create("transform", "pCube1");
    Node* tx = anim.curve("animCurveTL", "tx", {{0, 1}});
    Node* ry = anim.curve("animCurveTA", "ry", {{0, 1}});
    Node* stray = anim.curve("animCurveTU", "stray", {{0, 1}});
    anim.member(library, 0, 2, tx, "pCube1.translateX");
    anim.member(library, 0, 0, ry, "|pCube1.ry");
    anim.member(library, 0, 1, stray, "nothing.visibility"); // names no node: left out
    anim.animate("pCube1.translateX", hero);

    MObjectArray curves;
    MPlugArray plugs;
    ASSERT_EQ(MFnClip(object(clip)).getMemberAnimCurves(curves, plugs), MS::kSuccess);
    ASSERT_EQ(curves.length(), 2u);
    ASSERT_EQ(plugs.length(), 2u);
    EXPECT_EQ(curves[0], object(ry)); // by member index
    EXPECT_EQ(curves[1], object(tx));
    EXPECT_EQ(plugs[0].name(), "pCube1.rotateY");
    EXPECT_EQ(plugs[1].name(), "pCube1.translateX");
    EXPECT_EQ(plugs[1].node(), object(cube));

    // The animated attribute feeds the character, and is found again as the
    // source of the plug it feeds.
    MPlugArray fed, sources;
    ASSERT_TRUE(plugs[1].connectedTo(fed, false, true));
    ASSERT_TRUE(fed[0].connectedTo(sources, true, false));
    EXPECT_EQ(sources[0], plugs[1]);
    EXPECT_FALSE(plugs[0].connectedTo(fed, false, true));
}

TEST_F(AnimationHost, MappingsAndIndexMapsAreReadFromStatements) {
    Node* hero = anim.character("hero");
    Node* library = anim.library("lib", hero);
    Node* clip = anim.clip("clip1", library, 0, 0, 10);
    anim.builder.create("transform", "pCube1");
    anim.curve("animCurveTL", "a", {{0, 1}});
    anim.curve("animCurveTL", "b", {{0, 1}});
    anim.builder.connect("a.a", "lib.cevr[0][0]");
    anim.builder.connect("b.a", "lib.cevr[0][1]");

    EXPECT_TRUE(setAttr(hero, "am", "3 \"pCube1.scaleZ\" 0 1 \"pCube1.translateY\" 1 2\n \"pCube1.tx\" 1 3",
                        nullptr, "characterMapping"));
    // The clip's own mapping names its first member only; the index map
    // sends the second to the character's entry 1.
    EXPECT_TRUE(setAttr(library, "cd[0].cm", "1 \"pCube1.translateZ\" 1 1", nullptr, "characterMapping"));
    EXPECT_TRUE(setAttr(library, "cd[0].cim", "2 2 1", nullptr, "Int32Array"));

    MObjectArray curves;
    MPlugArray plugs;
    MFnClip(object(clip)).getMemberAnimCurves(curves, plugs);
    ASSERT_EQ(plugs.length(), 2u);
    EXPECT_EQ(plugs[0].name(), "pCube1.translateZ");
    EXPECT_EQ(plugs[1].name(), "pCube1.translateY");

    std::string error;
    EXPECT_TRUE(setAttr(hero, "am", "2 \"pCube1.tx\" 1", &error));
    EXPECT_NE(error.find("characterMapping entries"), std::string::npos) << error;
    EXPECT_TRUE(setAttr(library, "cd[0].cim", "-1", &error));
    EXPECT_NE(error, "");
    EXPECT_TRUE(setAttr(library, "cd[0].cim", "1 4 5", &error));
    EXPECT_NE(error.find("more integers"), std::string::npos) << error;
    EXPECT_FALSE(setAttr(library, "cd[0].cb", ""));
}

TEST_F(AnimationHost, MappedAttributesResolveLongShortAndIndexedNames) {
    Node* group = anim.builder.create("transform", "group1");
    anim.builder.create("transform", "pCube1", group);
    anim.builder.create("transform", "pCube1"); // a second pCube1, at the top
    Node* hero = anim.character("hero");
    Node* library = anim.library("lib", hero);
    Node* clip = anim.clip("clip1", library, 0, 0, 10);
    const char* texts[] = {"group1|pCube1.tx", "|pCube1.translate.translateZ", "lib.cel[2].cev[5].cevr",
                           "lib.cel.cev[1].cevr", "lib.sc",
                           // names of no plug: left out
                           "pCube1.tx", "group1|pCube1", "group1|pCube1.noSuch", "group1|pCube1.tx[0]",
                           "lib.sc[0:2]", "nobody.tx", "group1|pCube1.ry.tx", ".tx", "lib.sc[99999999999]"};
    unsigned member = 0;
    for (const char* text : texts) {
        anim.member(library, 0, member, anim.curve("animCurveTL", "c" + std::to_string(member), {}), text);
        ++member;
    }
    MObjectArray curves;
    MPlugArray plugs;
    MFnClip(object(clip)).getMemberAnimCurves(curves, plugs);
    std::vector<std::string> names;
    for (unsigned i = 0; i < plugs.length(); ++i) {
        names.push_back(plugs[i].name().asChar());
    }
    EXPECT_EQ(names,
              (std::vector<std::string>{"pCube1.translateX", "pCube1.translateZ",
                                        "lib.clipEvalList[2].clipEval[5].clipEvalRaw",
                                        "lib.clipEvalList[0].clipEval[1].clipEvalRaw", "lib.sourceClip"}));
    ASSERT_EQ(plugs.length(), 5u);
    EXPECT_EQ(MFnDagNode(plugs[0].node()).fullPathName(), "|group1|pCube1");
    EXPECT_EQ(MFnDagNode(plugs[1].node()).fullPathName(), "|pCube1");
}
