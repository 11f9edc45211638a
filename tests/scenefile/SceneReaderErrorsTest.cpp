// Malformed scene files: each stops the read with "FILE:LINE: what was
// expected" and leaves an untitled new scene; random and truncated texts
// never crash the reader.

#include "scenefile/SceneReaderSupport.h"

#include "geometry/MeshData.h"
#include "support/SceneDamage.h"
#include "support/TempDirectory.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

using namespace orvex_host;
using orvex_test::damageSceneText;
using orvex_test::SceneReading;

namespace {

const char* const kHeader = "createNode transform -n \"a\";\n"
                            "createNode transform -n \"b\";\n"
                            "\taddAttr -ci true -m -sn \"w\" -ln \"weights\" -at \"double\";\n";

struct Malformed {
    const char* text; // after kHeader (which has three lines)
    const char* error;
};

const Malformed kMalformed[] = {
    {"createNode transform -n \"abc;\n", "bad.ma:4: expected the closing '\"' of the string"},
    {"setAttr \".tx\" 1;\nsetAttr \".ty\" 2", "bad.ma:5: expected ';' at the end of the statement"},
    {"createNode transform -n;\n", "bad.ma:4: expected an argument after -n"},
    {"createNode transform -n -p a;\n", "bad.ma:4: expected an argument after -n"},
    {"setAttr \".tx\"\n  abc;\n", "bad.ma:5: expected a number for \".tx\""},
    {"setAttr \".v\" maybe;\n",
     "bad.ma:4: expected a boolean value (yes/no, true/false, on/off, 1/0) for \".v\""},
    {"setAttr \".w[5:2]\" 1;\n",
     "bad.ma:4: expected an element range whose last index is not below its first in \"w[5:2]\""},
    {"setAttr \".w[99999999999]\" 1;\n",
     "bad.ma:4: expected an element index (0 to 4294967295) in \"w[99999999999]\""},
    {"setAttr \".w[1\" 1;\n", "bad.ma:4: expected ']' in \"w[1\""},
    {"setAttr -s -3 \".w\";\n", "bad.ma:4: expected a count from 0 to 2147483647 after -s, found -3"},
    {"setAttr -s 2 \".w[0:4]\" 1 2 3 4 5;\n",
     "bad.ma:4: expected -s 2 to cover the 5 elements the statement names"},
    {"setAttr -s \".w[0]\" 1;\n", "bad.ma:4: expected a count after -s"},
    {"setAttr \".t\" -type;\n", "bad.ma:4: expected a data type name after -type"},
    {"setAttr \".t\" -type \"double3\" 1 2;\n", "bad.ma:4: expected more values for \".t\""},
    {"setAttr \".w[0:2]\" 1 2;\n", "bad.ma:4: expected more values for \".w[0:2]\""},
    {"setAttr \".tx\";\nsetAttr;\n", "bad.ma:5: expected an attribute name after setAttr"},
    {"setAttr \"tx\" 1;\n",
     "bad.ma:4: expected an attribute name (\".attr\" or \"node.attr\"), found \"tx\""},
    // A name several nodes answer to, and malformed text naming a node the
    // file never creates.
    {"createNode transform -n \"c\" -p \"a\";\ncreateNode transform -n \"c\" -p \"b\";\nsetAttr \"c.tx\" "
     "1;\n",
     "bad.ma:6: expected the name of one node, found \"c\", which several nodes answer to"},
    {"connectAttr \"nope.w[0:1]\" \"a.tx\";\n",
     "bad.ma:4: expected a single element in a connection, found \"nope.w[0:1]\""},
    {"setAttr \"nope.w[1\" 1;\n", "bad.ma:4: expected ']' in \"w[1\""},
    {"connectAttr \"nope.tx\";\n", "bad.ma:4: expected connectAttr SOURCE DESTINATION"},
    {"connectAttr \"a.tx\";\n", "bad.ma:4: expected connectAttr SOURCE DESTINATION"},
    {"connectAttr \"a\" \"b.tx\";\n", "bad.ma:4: expected a plug (node.attribute), found \"a\""},
    {"connectAttr \"b.w[0:1]\" \"a.tx\";\n",
     "bad.ma:4: expected a single element in a connection, found \"b.w[0:1]\""},
    {"parent a b;\nparent b a;\n",
     "bad.ma:5: expected a DAG node that can be parented: cannot parent 'b' below itself"},
    {"currentUnit -l parsec;\n", "bad.ma:4: expected a linear unit (millimeter, centimeter, meter, "
                                 "kilometer, inch, foot, yard or mm, cm, m, km, "
                                 "in, ft, yd), found \"parsec\""},
    {"addAttr -at \"double\";\n", "bad.ma:4: expected -ln or -sn with the attribute's name"},
    {"addAttr -ln \"x\" -at \"quaternion\";\n", "bad.ma:4: expected an attribute type (bool, long, double, "
                                                "double3, enum, compound, message, doubleLinear, ...) "
                                                "after -at, found \"quaternion\""},
    {"addAttr -ln \"x\" -dv high;\n", "bad.ma:4: expected a number after -dv, found \"high\""},
    {"\"a\" 1;\n", "bad.ma:4: expected a command name at the start of the statement"},
    {"addAttr -ln \"q\" -dt \"stringArray\";\nsetAttr \".q\" -type \"stringArray\" 3 \"x\" \"y\";\n",
     "bad.ma:5: expected 3 strings as strings for \".q\""},
    {"addAttr -ln \"m\" -at \"matrix\";\nsetAttr \".m\" -type \"matrix\" \"xform\" 1 1 1;\n",
     "bad.ma:5: expected 37 values after \"xform\" (scale, rotation, order, translation, ..., compensate "
     "flag) for "
     "\".m\""},
    {"createNode world -n \"w\";\n", "bad.ma:4: expected a node type that can be created, found \"world\""},
    // A cycle through a second parent is a cycle too.
    {"parent -add b a;\nparent a b;\n",
     "bad.ma:5: expected a DAG node that can be parented: cannot parent 'a' below itself"},
    {"parent -add b a;\nparent -add a b;\n",
     "bad.ma:5: expected a DAG node that can be parented: cannot parent 'a' below itself"},
    {"createNode script -n \"s\";\nsetAttr \".b\" -type \"string\" ( \"abc\" + \"def\" ;\n",
     "bad.ma:5: expected a double-quoted string for \".b\""},
    {"createNode mesh -n \"m\";\nsetAttr -s 2 \".ed[0:1]\" 0 1 0 1 1e300 0;\n",
     "bad.ma:5: edge 1 does not name two vertex ids"},
    // Arrays of sparse arrays: a count, then that many index and value pairs per element.
    {"createNode skinCluster -n \"s\";\nsetAttr \".wl[0:1].w\" 2 0 0.5 1\n;\n",
     "bad.ma:6: expected a weight for .wl[0].w[1]"},
    {"createNode skinCluster -n \"s\";\nsetAttr \".wl[0:1].w\" 1 0 1\n 0.5 0 1;\n",
     "bad.ma:6: expected the number of values set in \".wl[1].w\""},
    {"createNode skinCluster -n \"s\";\nsetAttr \".wl[0].w\" 2 0 1 -1 0;\n",
     "bad.ma:5: expected 2 pairs of index and value for \".wl[0].w\""},
    {"createNode skinCluster -n \"s\";\nsetAttr \".wl[0:1].w\" 1 0 1 1 0 1 7;\n",
     "bad.ma:5: more weights than the elements named"},
    {"addAttr -m -ln \"lst\" -at \"compound\" -nc 1;\naddAttr -m -ln \"val\" -p \"lst\";\n"
     "setAttr \".lst[0:1].val\" 1 4 0.5 2 0 0.5;\n",
     "bad.ma:6: expected 2 pairs of index and value for \".lst[0:1].val\""},
    {"setAttr \".a.b.c.d.e.f.g.h.i.j.k.l.m.n.o.p.q.r.s.t.u.v.w.x.y.z.a.b.c.d.e.f.g\" 1;\n",
     "bad.ma:4: expected an attribute path of at most 32 parts, found "
     "\"a.b.c.d.e.f.g.h.i.j.k.l.m.n.o.p.q.r.s.t.u.v.w.x.y.z.a.b.c.d....\""},
};

} // namespace

TEST_F(SceneReading, MalformedFilesNameTheLineAndLeaveAnUntitledScene) {
    for (const Malformed& m : kMalformed) {
        std::string error = readFailing(std::string(kHeader) + m.text);
        EXPECT_EQ(error, m.error) << m.text;
        // No command runs on a half-read scene: a new one stands in its place.
        EXPECT_EQ(scene().find("a"), nullptr) << m.text;
        EXPECT_NE(scene().find("persp"), nullptr) << m.text;
        EXPECT_EQ(scene().settings().sceneName, "") << m.text;
    }
}

TEST_F(SceneReading, SetAttrBeforeAnyNodeIsAnError) {
    EXPECT_EQ(readFailing("\n\nsetAttr \".tx\" 1;\n"),
              "bad.ma:3: expected a node for setAttr (a createNode or select statement before it)");
}

TEST_F(SceneReading, UnreadableSceneFilesGiveAnErrorAndAnUntitledScene) {
    orvex_test::TempDirectory dir;
    std::string error;
    EXPECT_FALSE(openScene(dir.path() + "/missing.ma", error));
    EXPECT_EQ(error, dir.path() + "/missing.ma: no such scene file");
    EXPECT_FALSE(openScene(dir.path(), error));
    EXPECT_EQ(error, dir.path() + ": not a scene file");
    EXPECT_EQ(scene().settings().sceneName, "");

    std::string path = dir.path() + "/bad.ma";
    std::ofstream(path) << "createNode transform -n \"a\";\nsetAttr \".tx\" x;\n";
    EXPECT_FALSE(openScene(path, error));
    EXPECT_EQ(error, path + ":2: expected a number for \".tx\"");

    std::ofstream(path) << "createNode transform -n \"a\";\nsetAttr \".tx\" 2;\n";
    ASSERT_TRUE(openScene(path, error)) << error;
    EXPECT_EQ(scene().settings().sceneName, path);

    // Binary scenes and other binary data are refused as such.
    std::ofstream(path, std::ios::binary) << std::string("FOR4\0\0\0\x10Maya", 12);
    EXPECT_FALSE(openScene(path, error));
    EXPECT_EQ(error, path + ": not a scene file in the host's ASCII syntax (a binary file)");
    std::ofstream(path, std::ios::binary) << std::string("createNode transform -n \"a\0\";\n", 29);
    EXPECT_FALSE(openScene(path, error));
    EXPECT_EQ(scene().settings().sceneName, "");
}

// A file is read whole into a buffer that is not cleared first: one that ends in the middle
// of a value or right after its last statement (at 64 KiB, a whole number of pages), and an
// empty one, read just as the same text does.
TEST_F(SceneReading, SceneFilesEndingAtAPageBoundaryReadAsTheirText) {
    orvex_test::TempDirectory dir;
    const std::string path = dir.path() + "/edge.ma";
    for (const std::string last : {"setAttr \".tx\" 2.5;", "setAttr \".tx\" 2.5", "setAttr \".tx\" 2.", ""}) {
        std::string text;
        if (!last.empty()) {
            const std::string head = "createNode transform -n \"a\";\n//";
            text = head + std::string(65536 - head.size() - last.size() - 1, 'x') + "\n" + last;
        }
        orvex_test::writeFileBytes(path, text);
        std::string fromFile, fromText;
        const bool fileRead = openScene(path, fromFile);
        const double fileTx = fileRead && !last.empty() ? number("a", "tx") : 0.0;
        const bool textRead = orvex_host::openSceneText(text, path, fromText, true);
        EXPECT_EQ(fileRead, textRead) << last;
        EXPECT_EQ(fromFile, fromText) << last;
        if (textRead && !last.empty()) {
            EXPECT_EQ(fileTx, number("a", "tx")) << last;
        }
    }
}

TEST_F(SceneReading, SceneOpenedByARelativeNameReportsItsFullPath) {
    orvex_test::TempDirectory dir;
    orvex_test::writeFileBytes(dir.path() + "/scenes/level.ma", "createNode transform -n \"a\";\n");
    orvex_test::ScopedWorkingDirectory cwd(dir.path());
    std::string error;
    ASSERT_TRUE(openScene("scenes/../scenes/level.ma", error)) << error;
    EXPECT_EQ(scene().settings().sceneName,
              std::filesystem::path(dir.path() + "/scenes/level.ma").lexically_normal().generic_string());
}

TEST_F(SceneReading, ElementsLeftOutOfPayloadArraysHaveOneBudgetPerFile) {
    // One mesh may leave out millions of offsets (a tweak on a mesh whose
    // points come from history); a second may not take as many again.
    std::string error = readFailing("createNode mesh -n \"m1\";\n"
                                    "\tsetAttr \".pt[9000000]\" -type \"float3\" 0 1 0;\n"
                                    "createNode mesh -n \"m2\";\n"
                                    "\tsetAttr \".pt[9000000]\" -type \"float3\" 0 1 0;\n");
    EXPECT_EQ(error, "bad.ma:4: element 9000000 lies too far beyond the array");
    // The budget belongs to one read: the next file starts afresh.
    read("createNode mesh -n \"m1\";\n"
         "\tsetAttr \".pt[9000000]\" -type \"float3\" 0 1 0;\n");
    EXPECT_EQ(node("m1").payloadAs<MeshData>()->offsets.size(), 9000001u * 3);
}

TEST_F(SceneReading, DeeplyNestedCompoundsTakeFlatValues) {
    // Far deeper than any real file, and deeper than a recursive walk of the
    // compound's children could go.
    const int depth = 100000;
    std::string text = "createNode transform -n \"t\";\n\taddAttr -ln \"c0\" -at \"compound\" -nc 1;\n";
    for (int i = 1; i < depth; ++i) {
        text += "\taddAttr -ln \"c" + std::to_string(i) + "\" -at \"compound\" -p \"c" +
                std::to_string(i - 1) + "\" -nc 1;\n";
    }
    text += "\taddAttr -ln \"leaf\" -at \"double\" -p \"c" + std::to_string(depth - 1) + "\";\n";
    text += "\tsetAttr \".c0\" 7;\n";
    read(text);
    EXPECT_DOUBLE_EQ(number("t", "leaf"), 7.0);
}

namespace {

// A scene with a bit of everything the reader knows, for the random tests.
const char* const kSample =
    "//Maya ASCII 2014 scene\n"
    "requires maya \"2014\";\n"
    "currentUnit -l centimeter -a degree -t film;\n"
    "fileInfo \"application\" ( \"ma\" + \"ya\" );\n"
    "createNode transform -s -n \"persp\";\n"
    "\tsetAttr \".t\" -type \"double3\" 28 21 28 ;\n"
    "createNode transform -n \"group1\";\n"
    "createNode transform -n \"box\" -p \"group1\";\n"
    "\taddAttr -ci true -sn \"Orvex_joint\" -ln \"Orvex_joint\" -at \"bool\";\n"
    "\taddAttr -ci true -m -sn \"w\" -ln \"weights\" -at \"double\";\n"
    "\taddAttr -ci true -sn \"c3\" -ln \"c3\" -at \"double3\" -nc 3;\n"
    "\taddAttr -ci true -sn \"c3x\" -ln \"c3x\" -at \"double\" -p \"c3\";\n"
    "\taddAttr -ci true -sn \"xm\" -ln \"xm\" -dt \"matrix\";\n"
    "\tsetAttr \".Orvex_joint\" yes;\n"
    "\tsetAttr -s 4 \".w[0:3]\" 1 2 3 4;\n"
    "\tsetAttr \".xm\" -type \"matrix\" \"xform\" 1 1 1 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 "
    "1 0 0 0 1 1 "
    "1 1 yes;\n"
    "\tsetAttr \".r\" -type \"double3\" 0 45 0 ;\n"
    "createNode mesh -n \"boxShape\" -p \"box\";\n"
    "\tsetAttr -s 8 \".vt[0:7]\" -0.5 -0.5 0.5 0.5 -0.5 0.5 -0.5 0.5 0.5 0.5 0.5 0.5\n"
    "\t\t -0.5 0.5 -0.5 0.5 0.5 -0.5 -0.5 -0.5 -0.5 0.5 -0.5 -0.5;\n"
    "\tsetAttr -s 8 \".ed[0:7]\" 0 1 0 1 3 0 3 2 0 2 0 0 2 3 0 3 5 0 5 4 0 4 2 0;\n"
    "\tsetAttr -s 2 -ch 8 \".fc[0:1]\" -type \"polyFaces\" \n"
    "\t\tf 4 0 1 2 3 mu 0 4 0 1 2 3 f 4 4 5 6 7;\n"
    "\tsetAttr \".uvst[0].uvsn\" -type \"string\" \"map1\";\n"
    "createNode lambert -n \"mat\";\n"
    "\tsetAttr \".c\" -type \"float3\" 0.5 0.5 0.5 ;\n"
    "createNode shadingEngine -n \"matSG\";\n"
    "\tsetAttr \".ihi\" 0;\n"
    "createNode aiStandard -n \"ai\";\n"
    "\tsetAttr \".k[0:1]\" 1 2;\n"
    "createNode file -n \"file1\";\n"
    "\tsetAttr \".ftn\" -type \"string\" \"tex\\\\a.tga\";\n"
    "select -ne :time1;\n"
    "\tsetAttr \".o\" 1;\n"
    "select -ne :initialShadingGroup;\n"
    "\tsetAttr -s 2 \".dsm\";\n"
    "connectAttr \"mat.oc\" \"matSG.ss\";\n"
    "connectAttr \"boxShape.iog\" \"matSG.dsm\" -na;\n"
    "connectAttr \"|group1|box.tx\" \"ai.input[2]\";\n"
    "parent -s -nc -r -add \"|group1|box|boxShape\" \"persp\";\n"
    "rename -uid \"X\";\n"
    "select -r box;\n"
    "// End of sample.ma\n";

// The read either succeeds or fails with "fuzz.ma:LINE: what" and an
// untitled scene.
void expectReadReturns(const std::string& text) {
    std::string error;
    if (!openSceneText(text, "fuzz.ma", error, true)) {
        const std::string prefix = "fuzz.ma:";
        size_t digits =
            error.rfind(prefix, 0) == 0 ? error.find_first_not_of("0123456789", prefix.size()) : 0;
        EXPECT_TRUE(digits > prefix.size() && error.compare(digits, 2, ": ") == 0 &&
                    error.size() > digits + 2)
            << error;
        EXPECT_EQ(currentScene().settings().sceneName, "");
    }
}

// The payload hooks of the other node types: skin weights, a deformer
// chain, a bind pose, a curve, animation curves, a character and its clips,
// face sets.
const char* const kPayloadSample =
    "currentUnit -l meter -a degree -t ntsc;\n"
    "createNode transform -n \"body\";\n"
    "createNode mesh -n \"bodyShape\" -p \"body\";\n"
    "\tsetAttr -s 2 \".iog[0].og\";\n"
    "\tsetAttr \".iog[0].og[1].gcl\" -type \"componentList\" 1 \"f[0]\";\n"
    "createNode mesh -n \"bodyShapeOrig\" -p \"body\";\n"
    "\tsetAttr \".io\" yes;\n"
    "\tsetAttr -s 4 \".vt[0:3]\" 0 0 0 1 0 0 1 1 0 0 1 0;\n"
    "\tsetAttr -s 4 \".pt[1:2]\" -type \"float3\" 0 0.5 0 0 0.5 0;\n"
    "\tsetAttr -s 4 \".ed[0:3]\" 0 1 0 1 2 1 2 3 0 3 0 0;\n"
    "\tsetAttr -s 4 \".n[0:3]\" -type \"float3\" 0 0 1 1e+020 1e+020 1e+020 0 0 1 0 0 1;\n"
    "\tsetAttr \".uvst[0].uvsn\" -type \"string\" \"map1\";\n"
    "\tsetAttr -s 4 \".uvst[0].uvsp[0:3]\" -type \"float2\" 0 0 1 0 1 1 0 1;\n"
    "\tsetAttr \".clst[0].clsn\" -type \"string\" \"colorSet1\";\n"
    "\tsetAttr -s 1 \".clst[0].clsp[0]\" 1 0 0 1;\n"
    "\tsetAttr -s 1 -ch 4 \".fc[0]\" -type \"polyFaces\" f 4 0 1 2 -4 mu 0 4 0 1 2 3 mc 0 4 0 0 -1 0;\n"
    "createNode joint -n \"root\";\n"
    "\tsetAttr \".jo\" -type \"double3\" 0 0 90 ;\n"
    "\tsetAttr \".bps\" -type \"matrix\" 1 0 0 0 0 1 0 0 0 0 1 0 0 0 0 1;\n"
    "createNode joint -n \"tip\" -p \"root\";\n"
    "createNode skinCluster -n \"skin\";\n"
    "\tsetAttr -s 4 \".wl\";\n"
    "\tsetAttr \".wl[0].w[0]\" 1;\n"
    "\tsetAttr -s 2 \".wl[1].w[0:1]\" 0.5 0.5;\n"
    "\tsetAttr -s 2 \".wl[2].w\";\n"
    "\tsetAttr \".wl[2].w[1]\" 1;\n"
    "\tsetAttr \".pm[0]\" -type \"matrix\" 1 0 0 0 0 1 0 0 0 0 1 0 0 -1 0 1;\n"
    "\tsetAttr \".en\" 1;\n"
    "createNode tweak -n \"tweak1\";\n"
    "createNode groupParts -n \"parts\";\n"
    "\tsetAttr \".ic\" -type \"componentList\" 1 \"vtx[*]\";\n"
    "createNode dagPose -n \"bindPose1\";\n"
    "\tsetAttr \".xm[0]\" -type \"matrix\" \"xform\" 1 1 1 0 0 0 0 0 1 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 "
    "1 0 0 0 1 1 1 1 yes;\n"
    "\tsetAttr \".bp\" yes;\n"
    "createNode transform -n \"path\";\n"
    "createNode nurbsCurve -n \"pathShape\" -p \"path\";\n"
    "\tsetAttr \".cc\" -type \"nurbsCurve\" 1 2 0 no 3 3 0 1 2 3 0 0 0 1 0 0 2 0 0;\n"
    "createNode animCurveTL -n \"root_translateX\";\n"
    "\tsetAttr \".tan\" 10;\n"
    "\tsetAttr -s 3 \".ktv[0:2]\" 1 0 12 0.5 24 1;\n"
    "\tsetAttr -s 3 \".kit[1:2]\" 9 1;\n"
    "\tsetAttr -s 3 \".kix[0:2]\" 1 1 1;\n"
    "\tsetAttr \".ktv[1].kv\" 0.25;\n"
    "createNode animCurveTA -n \"root_rotateZ\";\n"
    "\tsetAttr -s 2 \".ktv[0:1]\" 1 0 24 90;\n"
    "createNode character -n \"hero\";\n"
    "\tsetAttr \".am\" -type \"characterMapping\" 2 \"root.translateX\" 1 1 \"root.rotateZ\" 2 1 ;\n"
    "createNode clipLibrary -n \"clipLibrary1\";\n"
    "\tsetAttr -s 1 \".cel\";\n"
    "\tsetAttr -s 2 \".cel[0].cev\";\n"
    "\tsetAttr \".cd[0].cm\" -type \"characterMapping\" 2 \"root.translateX\" 1 1 \"root.rotateZ\" 2 1 ;\n"
    "\tsetAttr \".cd[0].cim\" -type \"Int32Array\" 2 0 1 ;\n"
    "createNode animClip -n \"walkSource\";\n"
    "\tsetAttr \".ss\" 1;\n"
    "\tsetAttr \".se\" 24;\n"
    "\tsetAttr \".ci\" no;\n"
    "connectAttr \"bodyShapeOrig.w\" \"parts.ig\";\n"
    "connectAttr \"parts.og\" \"tweak1.ip[0].ig\";\n"
    "connectAttr \"tweak1.og[0]\" \"skin.ip[0].ig\";\n"
    "connectAttr \"skin.og[0]\" \"bodyShape.i\";\n"
    "connectAttr \"root.wm\" \"skin.ma[0]\";\n"
    "connectAttr \"tip.wm\" \"skin.ma[1]\";\n"
    "connectAttr \"root.bps\" \"bindPose1.wm[0]\";\n"
    "connectAttr \"root.msg\" \"bindPose1.m[0]\";\n"
    "connectAttr \"root.tx\" \"hero.dnsm\" -na;\n"
    "connectAttr \"root.rz\" \"hero.dnsm\" -na;\n"
    "connectAttr \"hero.lv[1]\" \"root.tx\";\n"
    "connectAttr \"hero.msg\" \"clipLibrary1.cha\";\n"
    "connectAttr \"walkSource.cl\" \"clipLibrary1.sc[0]\";\n"
    "connectAttr \"root_translateX.a\" \"clipLibrary1.cel[0].cev[0].cevr\";\n"
    "connectAttr \":time1.o\" \"root_rotateZ.i\";\n"
    "connectAttr \"bodyShape.iog.og[1]\" \":initialShadingGroup.dsm\" -na;\n";

void readDamagedCopies(const std::string& sample, unsigned seed, int rounds) {
    std::mt19937 random(seed);
    for (int round = 0; round < rounds; ++round) {
        std::string text = sample;
        for (int e = 1 + static_cast<int>(random() % 6); e > 0; --e) {
            damageSceneText(text, random);
        }
        expectReadReturns(text);
    }
}

// The text with each '\n' written as `lineEnd`.
std::string withLineEnds(const std::string& text, const std::string& lineEnd) {
    std::string out;
    for (char c : text) {
        out += c == '\n' ? lineEnd : std::string(1, c);
    }
    return out;
}

std::string withCrLf(const std::string& text) {
    return withLineEnds(text, "\r\n");
}

} // namespace

TEST_F(SceneReading, TheSamplesReadAsAWhole) {
    read(kSample, true);
    clearMessages();
    read(kPayloadSample, true);
    EXPECT_TRUE(notices().empty()) << notices().front();
}

TEST_F(SceneReading, EmptyFilesAndLineEndsOfEveryKind) {
    read("");
    EXPECT_EQ(scene().settings().sceneName, "test.ma");
    // Windows line ends read as Unix ones, and errors name the same lines.
    read(withCrLf(kPayloadSample));
    EXPECT_EQ(node("bodyShapeOrig").payloadAs<MeshData>()->faceCount(), 1u);
    EXPECT_EQ(readFailing(withCrLf(std::string(kHeader) + "setAttr \".tx\"\n\tabc;\n")),
              "bad.ma:5: expected a number for \".tx\"");
    // So do old Mac ones: a comment ends at a lone '\r'.
    read(withLineEnds(std::string("//Maya ASCII 2014 scene\n") + kPayloadSample, "\r"));
    EXPECT_EQ(node("bodyShapeOrig").payloadAs<MeshData>()->faceCount(), 1u);
    EXPECT_EQ(
        readFailing(withLineEnds("// header\n" + std::string(kHeader) + "setAttr \".tx\"\n\tabc;\n", "\r")),
        "bad.ma:6: expected a number for \".tx\"");
    EXPECT_EQ(readFailing(std::string(4096, '\0')), "bad.ma:1: expected ';' at the end of the statement");
    EXPECT_EQ(readFailing(std::string(kHeader) + std::string(64, '\0') + ";\n"),
              "bad.ma:4: expected a command name at the start of the statement");
}

// The long random runs, in a suite of their own so that they run beside the
// others.
class SceneReaderFuzz : public SceneReading {};

TEST_F(SceneReaderFuzz, TruncatedTextsNeverCrash) {
    for (const std::string sample : {kSample, kPayloadSample}) {
        for (size_t cut = 0; cut < sample.size(); ++cut) {
            expectReadReturns(sample.substr(0, cut));
        }
    }
}

TEST_F(SceneReaderFuzz, RandomlyDamagedTextsNeverCrash) {
    readDamagedCopies(kSample, 20140101, 600);
    readDamagedCopies(kPayloadSample, 20140102, 600);
    readDamagedCopies(withCrLf(kPayloadSample), 20140103, 200);
}

TEST_F(SceneReaderFuzz, RandomBytesNeverCrash) {
    std::mt19937 random(7);
    for (int round = 0; round < 300; ++round) {
        std::string text(random() % 200, ' ');
        for (char& c : text) {
            c = static_cast<char>(random() % 256);
        }
        expectReadReturns(text);
        expectReadReturns("setAttr " + text + ";");
        expectReadReturns("createNode transform -n \"t\";\nsetAttr \".t\" " + text + ";");
    }
}
