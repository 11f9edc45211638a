// Malformed scene files: each stops the read with "FILE:LINE: what was
// expected" and leaves an untitled new scene; random and truncated texts
// never crash the reader.

#include "scenefile/SceneReaderSupport.h"

#include "support/TempDirectory.h"

#include <filesystem>
#include <fstream>
#include <random>

using namespace orvex_host;
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
    {"connectAttr \"nope.tx\" \"a.tx\";\n",
     "bad.ma:4: expected the name of one existing node, found \"nope\""},
    {"connectAttr \"a.tx\";\n", "bad.ma:4: expected connectAttr SOURCE DESTINATION"},
    {"connectAttr \"a\" \"b.tx\";\n", "bad.ma:4: expected a plug (node.attribute), found \"a\""},
    {"connectAttr \"b.w[0:1]\" \"a.tx\";\n",
     "bad.ma:4: expected a single element in a connection, found \"b.w[0:1]\""},
    {"createNode transform -n \"c\" -p \"missing\";\n",
     "bad.ma:4: expected the name of one existing node, found \"missing\""},
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

TEST_F(SceneReading, SceneOpenedByARelativeNameReportsItsFullPath) {
    orvex_test::TempDirectory dir;
    orvex_test::writeFileBytes(dir.path() + "/scenes/level.ma", "createNode transform -n \"a\";\n");
    orvex_test::ScopedWorkingDirectory cwd(dir.path());
    std::string error;
    ASSERT_TRUE(openScene("scenes/../scenes/level.ma", error)) << error;
    EXPECT_EQ(scene().settings().sceneName,
              std::filesystem::path(dir.path() + "/scenes/level.ma").lexically_normal().generic_string());
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

void expectReadReturns(const std::string& text) {
    std::string error;
    if (!openSceneText(text, "fuzz.ma", error, true)) {
        EXPECT_EQ(error.rfind("fuzz.ma", 0), 0u) << error;
        EXPECT_EQ(currentScene().settings().sceneName, "");
    }
}

} // namespace

TEST_F(SceneReading, TheSampleReadsAsAWhole) {
    read(kSample, true);
}

TEST_F(SceneReading, TruncatedTextsNeverCrash) {
    std::string sample = kSample;
    for (size_t cut = 0; cut < sample.size(); ++cut) {
        expectReadReturns(sample.substr(0, cut));
    }
}

TEST_F(SceneReading, RandomlyDamagedTextsNeverCrash) {
    const std::string sample = kSample;
    const std::string alphabet = ";\"[]:.-+()*\\| \n\t0123456789eE-xyzf.\0\xff";
    std::mt19937 random(20140101);
    for (int round = 0; round < 600; ++round) {
        std::string text = sample;
        int edits = 1 + static_cast<int>(random() % 6);
        for (int e = 0; e < edits; ++e) {
            size_t at = random() % text.size();
            switch (random() % 4) {
            case 0:
                text[at] = alphabet[random() % alphabet.size()];
                break;
            case 1:
                text.erase(at, 1 + random() % 8);
                break;
            case 2:
                text.insert(at, 1, alphabet[random() % alphabet.size()]);
                break;
            default: {
                size_t from = random() % text.size();
                text.insert(at, text.substr(from, random() % 40));
                break;
            }
            }
            if (text.empty()) {
                text = ";";
            }
        }
        expectReadReturns(text);
    }
}

TEST_F(SceneReading, RandomBytesNeverCrash) {
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
