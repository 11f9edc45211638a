// Reading scene files in the host's ASCII syntax: statements, value kinds,
// units, dynamic attributes, connections, the DAG and what real files hold
// beyond what the host models.

#include "scenefile/SceneReaderSupport.h"
#include "support/Angles.h"

#include "api/Access.h"
#include "scenefile/SetAttrRequest.h"

#include <maya/MDistance.h>
#include <maya/MFnDependencyNode.h>

#include <charconv>
#include <cmath>
#include <cstring>
#include <random>

using namespace orvex_host;
using orvex_test::SceneReading;

namespace {

using orvex_test::kPi;

// The value as the alternative the test expects; a default one (and a
// failure) when it holds another.
template <class T> T held(const Value* v) {
    if (const T* t = v ? std::get_if<T>(v) : nullptr) {
        return *t;
    }
    ADD_FAILURE() << "the value is missing or of another kind";
    return T();
}

std::vector<double> doubles(const Value* v) {
    return held<std::vector<double>>(v);
}

} // namespace

// Short plain numbers are read without from_chars; every word must still read as
// from_chars reads it (the same value, bit for bit, or the same refusal): whole numbers and
// decimals near the length limits, signs, zeros, exponents, points with no digits, words that
// only begin with a number. A word is read as a number when from_chars reads all of it.
TEST(ValueWords, NumbersReadAsFromCharsReadsThem) {
    std::vector<std::string> words = {"0",
                                      "-0",
                                      "+0",
                                      "0.0",
                                      "-0.0",
                                      "1",
                                      "-1",
                                      "+7",
                                      "007",
                                      "0.001",
                                      "-0.25",
                                      "123456789012345",
                                      "1234567890123456",
                                      "12345678.9012345",
                                      "12345678.90123456",
                                      "999999999999999999",
                                      "9999999999999999999",
                                      "-999999999999999999",
                                      "1.",
                                      ".5",
                                      "-.5",
                                      "1e3",
                                      "1E-3",
                                      "2.5e1",
                                      "1.5.3",
                                      "0x10",
                                      "inf",
                                      "-nan",
                                      "-",
                                      "+",
                                      ".",
                                      "1-",
                                      "12a",
                                      "0.1",
                                      "0.3",
                                      "2.675",
                                      "1.0000000000000002",
                                      "4.35",
                                      "0.000000000000001"};
    std::mt19937 random(11);
    for (int i = 0; i < 3000; ++i) {
        std::string word = random() % 4 == 0 ? "-" : "";
        word += std::to_string(random() % 1000000);
        if (random() % 2 == 0) {
            word += "." + std::string(random() % 12, '0') + std::to_string(random() % 100000);
        }
        words.push_back(word);
    }
    for (const std::string& word : words) {
        const std::string text = word + " ";
        const char* begin = word[0] == '+' ? word.data() + 1 : word.data();
        const char* end = word.data() + word.size();

        double expected = 0.0;
        auto parsed = std::from_chars(begin, end, expected);
        const bool wholeDouble = parsed.ec == std::errc() && parsed.ptr == end;
        ValueCursor doubles(text.data(), text.data() + text.size());
        double value = 0.0;
        ASSERT_EQ(doubles.nextDouble(value), wholeDouble) << word;
        if (wholeDouble) {
            EXPECT_EQ(std::memcmp(&value, &expected, sizeof value), 0) << word << " " << value;
        }

        long long expectedInt = 0;
        auto parsedInt = std::from_chars(begin, end, expectedInt);
        const bool wholeInt = parsedInt.ec == std::errc() && parsedInt.ptr == end;
        ValueCursor ints(text.data(), text.data() + text.size());
        long long integer = 0;
        ASSERT_EQ(ints.nextInt(integer), wholeInt) << word;
        if (wholeInt) {
            EXPECT_EQ(integer, expectedInt) << word;
        }
    }
}

TEST_F(SceneReading, HeaderBlockSetsUnitsAndFileInfo) {
    read("//Maya ASCII 2014 scene\n"
         "//Name: level.ma\n"
         "requires maya \"2014\";\n"
         "requires -nodeType \"mentalrayFramebuffer\" \"Mayatomr\" \"2014.0 - 3.11.1.4 \";\n"
         "currentUnit -l meter -a radian\n"
         "    -t pal;\n"
         "fileInfo \"application\" \"maya\";\n"
         "fileInfo \"osv\" ( \"Microsoft Windows 7 \" + \"Service Pack 1\" );\n"
         "fileInfo \"application\" \"maya2014\";\n"
         "fileInfo \"gone\" \"1\";\n"
         "fileInfo \"cut\" \"1\";\n"
         "fileInfo -rm \"gone\";\n"
         "fileInfo -rm \"never set\";\n"
         "fileInfo \"last\" \"x\";\n"
         "fileInfo \"cut\" \"2\";\n"
         "fileInfo -rm \"cut\";\n"
         "fileInfo \"cut\" \"3\";\n");
    const SceneSettings& s = scene().settings();
    EXPECT_EQ(s.linearUnitName, "meter");
    EXPECT_EQ(s.linearUnitToCm, 100.0);
    EXPECT_EQ(s.angleUnitName, "radian");
    EXPECT_EQ(s.angleUnitToRad, 1.0);
    EXPECT_EQ(s.timeUnitName, "pal");
    EXPECT_EQ(MDistance::uiToInternal(1.0), 100.0);
    using Info = std::vector<std::pair<std::string, std::string>>;
    // A key set again keeps its place; one removed and set again goes last.
    EXPECT_EQ(s.fileInfo, (Info{{"application", "maya2014"},
                                {"osv", "Microsoft Windows 7 Service Pack 1"},
                                {"last", "x"},
                                {"cut", "3"}}));
    EXPECT_TRUE(notices().empty());
    EXPECT_EQ(s.sceneName, "test.ma");
}

TEST_F(SceneReading, ShortUnitNamesAndMillimetres) {
    read("currentUnit -l mm -a deg -t ntsc;\n"
         "createNode transform -n \"a\";\n"
         "\tsetAttr \".t\" -type \"double3\" 10 20 -30 ;\n");
    EXPECT_DOUBLE_EQ(number("a", "tx"), 1.0);
    EXPECT_DOUBLE_EQ(number("a", "tz"), -3.0);
    EXPECT_DOUBLE_EQ(MDistance::uiToInternal(1.0), 0.1);
}

TEST_F(SceneReading, DistanceAndAngleValuesConvertToInternalUnits) {
    read("currentUnit -l meter -a degree;\n"
         "createNode transform -n \"box\";\n"
         "\tsetAttr \".t\" -type \"double3\" 1 2.5 -3 ;\n"
         "\tsetAttr \".r\" 90 0 -45;\n"
         "\tsetAttr \".s\" -type \"double3\" 2 2 2 ;\n"
         "\tsetAttr \".rotateAxisX\" 180;\n"
         "currentUnit -l centimeter -a radian;\n"
         "createNode transform -n \"box2\";\n"
         "\tsetAttr \".tx\" 7;\n"
         "\tsetAttr \".ry\" 1.5;\n");
    EXPECT_DOUBLE_EQ(number("box", "translateX"), 100.0);
    EXPECT_DOUBLE_EQ(number("box", "ty"), 250.0);
    EXPECT_DOUBLE_EQ(number("box", "tz"), -300.0);
    EXPECT_DOUBLE_EQ(number("box", "rx"), kPi / 2);
    EXPECT_DOUBLE_EQ(number("box", "rz"), -kPi / 4);
    EXPECT_DOUBLE_EQ(number("box", "sx"), 2.0); // scale has no unit
    EXPECT_DOUBLE_EQ(number("box", "rax"), kPi);
    EXPECT_DOUBLE_EQ(number("box2", "tx"), 7.0);
    EXPECT_DOUBLE_EQ(number("box2", "ry"), 1.5);
}

TEST_F(SceneReading, ValueKindsOfKnownAttributes) {
    read("createNode transform -n \"t\";\n"
         "\tsetAttr -k off \".v\" no;\n"
         "\tsetAttr \".ro\" 3;\n"
         "\tsetAttr -l on \".it\" false;\n"
         "createNode file -n \"file1\";\n"
         "\tsetAttr \".ftn\" -type \"string\" \"C:\\\\tex\\\\a \\\"b\\\".tga\";\n"
         "createNode lambert -n \"mat\";\n"
         "\tsetAttr \".c\" -type \"float3\" 0.1 0.2 0.30000001 ;\n"
         "\tsetAttr \".dc\" 1e-002;\n"
         "\tsetAttr \".tc\" -2.2204460492503131e-016;\n"
         "\tsetAttr \".gi\" .5;\n"
         "\tsetAttr \".rfi\" 1e+020;\n");
    EXPECT_EQ(held<bool>(value("t", "visibility")), false);
    EXPECT_EQ(held<long long>(value("t", "rotateOrder")), 3LL);
    EXPECT_EQ(held<bool>(value("t", "inheritsTransform")), false);
    EXPECT_EQ(held<std::string>(value("file1", "fileTextureName")), std::string("C:\\tex\\a \"b\".tga"));
    EXPECT_DOUBLE_EQ(number("mat", "colorB"), 0.30000001);
    EXPECT_DOUBLE_EQ(number("mat", "diffuse"), 0.01);
    EXPECT_DOUBLE_EQ(number("mat", "translucence"), -2.2204460492503131e-16);
    EXPECT_DOUBLE_EQ(number("mat", "glowIntensity"), 0.5);
    EXPECT_DOUBLE_EQ(number("mat", "refractiveIndex"), 1e20);
}

TEST_F(SceneReading, StatementsSpanLinesAndCommentsAreSkipped) {
    read("// a comment; with a semicolon\n"
         "createNode transform // trailing comment \"with a quote\n"
         "   -n \"a;b\"\n"
         "   ;\n"
         "setAttr \".tx\" // the value follows\n"
         "  5;;\n");
    EXPECT_DOUBLE_EQ(number("a;b", "tx"), 5.0);
}

TEST_F(SceneReading, TypedDataValues) {
    read("createNode transform -n \"t\";\n"
         "\taddAttr -ci true -sn \"names\" -ln \"names\" -dt \"stringArray\";\n"
         "\taddAttr -ci true -sn \"ids\" -ln \"ids\" -dt \"Int32Array\";\n"
         "\taddAttr -ci true -sn \"vals\" -ln \"vals\" -dt \"doubleArray\";\n"
         "\taddAttr -ci true -sn \"xm\" -ln \"xformMatrix\" -dt \"matrix\";\n"
         "\taddAttr -ci true -sn \"plm\" -ln \"plainMatrix\" -at \"matrix\";\n"
         "\tsetAttr \".names\" -type \"stringArray\" 3 \"a\" \"b c\" \"\"  ;\n"
         "\tsetAttr \".ids\" -type \"Int32Array\" 2 7 -1 ;\n"
         "\tsetAttr \".vals\" -type \"doubleArray\" 0 ;\n"
         "\tsetAttr \".plm\" -type \"matrix\" 1 0 0 0 0 1 0 0 0 0 1 0 5 6 7 1;\n"
         "\tsetAttr \".xm\" -type \"matrix\" \"xform\" 2 3 4 0.1 0.2 0.3 1 10 20 30 0 0 0 0 0 0 0 0 0 0 0 0 "
         "0 0 0"
         " 0 0 0 1 0.5 0.5 0.5 0.5 1 1 1 yes;\n"
         "\tsetAttr \".iog[0].og[2].gcl\" -type \"componentList\" 2 \"f[0:47]\" \"f[299]\";\n");
    EXPECT_EQ(held<std::vector<std::string>>(value("t", "names")),
              (std::vector<std::string>{"a", "b c", ""}));
    EXPECT_EQ(doubles(value("t", "ids")), (std::vector<double>{7, -1}));
    EXPECT_EQ(held<std::vector<double>>(value("t", "vals")), (std::vector<double>{}));
    Matrix m = std::get<Matrix>(*value("t", "plainMatrix"));
    EXPECT_EQ(m[12], 5.0);
    EXPECT_EQ(m[14], 7.0);
    const TransformData& x = std::get<TransformData>(*value("t", "xm"));
    EXPECT_EQ(x.scale, (std::array<double, 3>{2, 3, 4}));
    EXPECT_EQ(x.rotate, (std::array<double, 3>{0.1, 0.2, 0.3})); // radians as written
    EXPECT_EQ(x.rotateOrder, 1);
    EXPECT_EQ(x.translate, (std::array<double, 3>{10, 20, 30}));
    EXPECT_EQ(x.rotateAxis, (std::array<double, 4>{0, 0, 0, 1}));
    EXPECT_EQ(x.jointOrient, (std::array<double, 4>{0.5, 0.5, 0.5, 0.5}));
    EXPECT_EQ(held<std::vector<std::string>>(value("t", "gcl", {0, 2})),
              (std::vector<std::string>{"f[0:47]", "f[299]"}));
}

TEST_F(SceneReading, ElementRangesAndSizesOverSeveralStatements) {
    read("createNode transform -n \"t\";\n"
         "\taddAttr -ci true -m -sn \"w\" -ln \"weights\" -at \"double\";\n"
         "\taddAttr -ci true -m -sn \"pos\" -ln \"positions\" -at \"double3\" -nc 3;\n"
         "\taddAttr -ci true -sn \"px\" -ln \"posX\" -at \"double\" -p \"positions\";\n"
         "\taddAttr -ci true -sn \"py\" -ln \"posY\" -at \"double\" -p \"positions\";\n"
         "\taddAttr -ci true -sn \"pz\" -ln \"posZ\" -at \"double\" -p \"positions\";\n"
         "\tsetAttr -s 6 \".w[0:2]\" 1 2 3;\n"
         "\tsetAttr \".w[3:4]\" 4 5;\n"
         "\tsetAttr \".weights[10]\" 11;\n"
         "\tsetAttr -s 2 \".pos[0:1]\" -type \"double3\" 1 2 3 4 5 6;\n"
         "\tsetAttr \".pos[1].py\" 50;\n"
         // An array of sparse arrays: per element a count, then index and
         // value pairs; element 1 goes on in the next statement.
         "\taddAttr -ci true -m -sn \"lst\" -ln \"lists\" -at \"compound\" -nc 1;\n"
         "\taddAttr -ci true -m -sn \"val\" -ln \"values\" -at \"double\" -p \"lists\";\n"
         "\tsetAttr -s 3 \".lst\";\n"
         "\tsetAttr \".lst[0:1].val\"\n"
         "\t\t2 0 0.5 3 0.25\n"
         "\t\t1 7 1;\n"
         "\tsetAttr -s 3 \".lst[1:2].val\"\n"
         "\t\t1 2 9\n"
         "\t\t0;\n");
    Node& t = node("t");
    int w = t.findAttribute("w");
    EXPECT_EQ(t.elements.at({w, {}}), (std::set<unsigned>{0, 1, 2, 3, 4, 10}));
    EXPECT_DOUBLE_EQ(number("t", "w", {4}), 5.0);
    EXPECT_DOUBLE_EQ(number("t", "w", {10}), 11.0);
    EXPECT_DOUBLE_EQ(number("t", "posZ", {0}), 3.0);
    EXPECT_DOUBLE_EQ(number("t", "posX", {1}), 4.0);
    EXPECT_DOUBLE_EQ(number("t", "posY", {1}), 50.0);
    int val = t.findAttribute("val");
    EXPECT_EQ(t.elements.at({val, {0}}), (std::set<unsigned>{0, 3}));
    EXPECT_EQ(t.elements.at({val, {1}}), (std::set<unsigned>{2, 7}));
    EXPECT_EQ(t.elements.count({val, {2}}), 0u);
    EXPECT_DOUBLE_EQ(number("t", "val", {0, 3}), 0.25);
    EXPECT_DOUBLE_EQ(number("t", "val", {1, 7}), 1.0);
    EXPECT_DOUBLE_EQ(number("t", "val", {1, 2}), 9.0);
    EXPECT_TRUE(notices().empty()) << notices().front();
}

TEST_F(SceneReading, AddedAttributesAreLocalDynamicAttributes) {
    read("currentUnit -l meter;\n"
         "createNode transform -n \"t\";\n"
         "\taddAttr -ci true -sn \"Orvex_joint\" -ln \"Orvex_joint\" -min 0 -max 1 -at \"bool\";\n"
         "\taddAttr -ci true -sn \"mv\" -ln \"myValue\" -dv 2.5 -at \"double\";\n"
         "\taddAttr -ci true -ln \"Orvex_lightMask\" -dt \"string\";\n"
         "\taddAttr -ci true -sn \"len\" -ln \"length\" -dv 2 -at \"doubleLinear\";\n"
         "\taddAttr -ci true -sn \"ang\" -ln \"angle\" -at \"doubleAngle\";\n"
         "\taddAttr -ci true -sn \"mode\" -ln \"mode\" -min 0 -max 2 -en \"a:b:c\" -at \"enum\";\n"
         "\taddAttr -ci true -sn \"cnt\" -ln \"count\" -at \"long\";\n"
         "\taddAttr -ci true -sn \"lnk\" -ln \"link\" -at \"message\";\n"
         "\tsetAttr \".Orvex_joint\" yes;\n"
         "\tsetAttr -k on \".mv\" 4;\n"
         "\tsetAttr \".Orvex_lightMask\" -type \"string\" \"ff00\";\n"
         "\tsetAttr \".len\" 3;\n"
         "\tsetAttr \".ang\" 90;\n"
         "\tsetAttr \".mode\" 2;\n"
         "\tsetAttr \".cnt\" -7;\n");
    Node& t = node("t");
    int joint = t.findAttribute("Orvex_joint");
    ASSERT_GE(joint, 0);
    EXPECT_TRUE(t.attribute(joint).dynamic);
    EXPECT_EQ(t.attribute(t.findAttribute("Orvex_lightMask")).shortName, "Orvex_lightMask");
    EXPECT_EQ(t.attribute(t.findAttribute("myValue")).shortName, "mv");
    EXPECT_EQ(held<double>(&t.attribute(t.findAttribute("mv")).defaultValue), 2.5);
    EXPECT_EQ(t.attribute(t.findAttribute("len")).type, AttrType::Distance);
    EXPECT_EQ(held<double>(&t.attribute(t.findAttribute("len")).defaultValue), 200.0); // -dv in file units
    EXPECT_EQ(t.attribute(t.findAttribute("link")).type, AttrType::Message);
    EXPECT_EQ(held<bool>(value("t", "Orvex_joint")), true);
    EXPECT_EQ(held<double>(value("t", "myValue")), 4.0);
    EXPECT_EQ(held<std::string>(value("t", "Orvex_lightMask")), std::string("ff00"));
    EXPECT_DOUBLE_EQ(number("t", "length"), 300.0);
    EXPECT_DOUBLE_EQ(number("t", "angle"), kPi / 2);
    EXPECT_EQ(held<long long>(value("t", "mode")), 2LL);
    EXPECT_EQ(held<long long>(value("t", "count")), -7LL);

    MFnDependencyNode fn(ObjectAccess::fromNode(&t));
    EXPECT_EQ(fn.attributeClass(fn.attribute("Orvex_joint")), MFnDependencyNode::kLocalDynamicAttr);
    EXPECT_EQ(fn.attributeClass(fn.attribute("translate")), MFnDependencyNode::kNormalAttr);
}

TEST_F(SceneReading, DagHierarchyInstancesAndChildOrder) {
    read("createNode transform -n \"group1\";\n"
         "createNode transform -n \"pCube1\" -p \"group1\";\n"
         "createNode transform -n \"group2\";\n"
         "createNode transform -n \"pCube1\" -p \"group2\";\n"
         "createNode transform -n \"b\" -p \"|group1|pCube1\";\n"
         "createNode transform -n \"a\" -p \"group1|pCube1\";\n"
         "createNode transform -n \"loose\";\n"
         "parent \"loose\" \"group2|pCube1\";\n"
         "parent -s -nc -r -add \"|group1|pCube1|b\" \"group2\";\n"
         "rename -uid \"C4B8F2A0-4D3A-11E3-8F96-0800200C9A66\";\n");
    Node* c1 = scene().find("group1|pCube1");
    Node* c2 = scene().find("group2|pCube1");
    ASSERT_TRUE(c1 && c2);
    EXPECT_NE(c1, c2);
    ASSERT_EQ(c1->children.size(), 2u);
    EXPECT_EQ(c1->children[0]->name, "b");
    EXPECT_EQ(c1->children[1]->name, "a");
    EXPECT_EQ(c2->children.at(0)->name, "loose");
    Node& b = node("b");
    ASSERT_EQ(b.parents.size(), 2u);
    EXPECT_EQ(b.parents[1]->name, "group2");
    EXPECT_EQ(scene().pathsOf(&b).size(), 2u);
    EXPECT_EQ(node("group2").children.back(), &b);
}

TEST_F(SceneReading, SharedCreateNodeReusesTheStartupCameras) {
    read("createNode transform -s -n \"persp\";\n"
         "\tsetAttr \".t\" -type \"double3\" 1 2 3 ;\n"
         "createNode camera -s -n \"perspShape\" -p \"persp\";\n"
         "\tsetAttr -k off \".v\" no;\n"
         "\tsetAttr \".fl\" 50;\n"
         "createNode transform -s -n \"extra\";\n",
         true);
    size_t persps = 0;
    for (const auto& n : scene().nodes()) {
        persps += n->name.rfind("persp", 0) == 0;
    }
    EXPECT_EQ(persps, 2u); // persp and perspShape, no copies
    EXPECT_DOUBLE_EQ(number("persp", "ty"), 2.0);
    EXPECT_DOUBLE_EQ(number("perspShape", "focalLength"), 50.0);
    EXPECT_NE(scene().find("extra"), nullptr); // a shared node that does not exist yet is created
}

TEST_F(SceneReading, SelectMakesNodesCurrentIncludingRootNamespaceDefaults) {
    read("createNode transform -n \"a\";\n"
         "createNode transform -n \"b\";\n"
         "select -ne :initialShadingGroup;\n"
         "\tsetAttr \".ro\" yes;\n"
         "select -ne :miDefaultOptions;\n"
         "\tsetAttr \".maxr\" 2;\n"
         "select -ne a;\n"
         "\tsetAttr \".tx\" 3;\n"
         "select -r \"a\";\n"
         "select -add b;\n"
         "createNode transform -n \"c\";\n"
         "select -tgl c a c a b b;\n"
         "select -add c b c;\n"
         "select -d c c;\n",
         true);
    EXPECT_DOUBLE_EQ(number("a", "tx"), 3.0);
    // A default node the startup set lacks is made, generic, and keeps values.
    Node& options = node("miDefaultOptions");
    EXPECT_TRUE(options.isDefault);
    EXPECT_DOUBLE_EQ(number("miDefaultOptions", "maxr"), 2.0);
    ASSERT_EQ(scene().selection().size(), 2u);
    EXPECT_EQ(scene().selection()[0].node, &node("a"));
    EXPECT_EQ(scene().selection()[1].node, &node("b"));
    EXPECT_EQ(scene().selection()[1].path, DagChain{&node("b")});
}

TEST_F(SceneReading, ConnectionsKeepTheirOrderAndNextAvailableElements) {
    read("createNode transform -n \"g1\";\n"
         "createNode transform -n \"g2\";\n"
         "createNode transform -n \"pCube1\" -p \"g1\";\n"
         "createNode transform -n \"pCube2\" -p \"g2\";\n"
         "createNode shadingEngine -n \"SG\";\n"
         "createNode lambert -n \"mat\";\n"
         "parent -add \"g1|pCube1\" \"g2\";\n"
         "connectAttr \"mat.oc\" \"SG.ss\";\n"
         "connectAttr \"g2|pCube2.iog\" \"SG.dsm\" -na;\n"
         "connectAttr \"|g1|pCube1.iog\" \"SG.dsm\" -na;\n"
         "connectAttr \"|g2|pCube1.iog\" \"SG.dsm\" -na;\n"
         "connectAttr \"pCube2.iog[0].og[3]\" \"SG.dsm[7]\";\n"
         "connectAttr \"pCube2.wm\" \"SG.dsm\" -na;\n");
    const auto& c = scene().connections();
    ASSERT_EQ(c.size(), 6u);
    Node& sg = node("SG");
    int dsm = sg.findAttribute("dsm");
    EXPECT_EQ(c[0].dstNode, &sg);
    EXPECT_EQ(c[0].dst.attr, sg.findAttribute("surfaceShader"));
    EXPECT_EQ(c[0].src.attr, node("mat").findAttribute("outColor"));
    EXPECT_EQ(c[1].dst, (PlugAddress{dsm, {0}}));
    EXPECT_EQ(c[2].dst, (PlugAddress{dsm, {1}}));
    EXPECT_EQ(c[3].dst, (PlugAddress{dsm, {2}}));
    EXPECT_EQ(c[4].dst, (PlugAddress{dsm, {7}}));
    EXPECT_EQ(c[5].dst, (PlugAddress{dsm, {3}}));
    // A per-instance array written without an index takes the instance the
    // path names.
    Node& cube = *scene().find("g1|pCube1");
    int iog = cube.findAttribute("iog");
    EXPECT_EQ(c[2].src, (PlugAddress{iog, {0}}));
    EXPECT_EQ(c[3].src, (PlugAddress{iog, {1}}));
    EXPECT_EQ(c[4].src, (PlugAddress{node("pCube2").findAttribute("og"), {0, 3}}));
}

TEST_F(SceneReading, ForcedConnectionsReplaceAndDisconnectRemoves) {
    read("createNode transform -n \"a\";\n"
         "createNode transform -n \"b\";\n"
         "createNode transform -n \"c\";\n"
         "connectAttr \"a.tx\" \"c.tx\";\n"
         "connectAttr \"b.tx\" \"c.tx\";\n"
         "connectAttr -f \"b.ty\" \"c.ty\";\n"
         "connectAttr -f \"a.ty\" \"c.ty\";\n"
         "connectAttr \"a.tz\" \"c.tz\";\n"
         "disconnectAttr \"a.tz\" \"c.tz\";\n");
    const auto& c = scene().connections();
    ASSERT_EQ(c.size(), 2u);
    EXPECT_EQ(c[0].srcNode, &node("a")); // the first stays; the unforced second is noticed
    EXPECT_EQ(c[1].srcNode, &node("a"));
    EXPECT_EQ(c[1].dst.attr, node("c").findAttribute("ty"));
    EXPECT_EQ(noticesContaining("already has an incoming connection"), 1u);
}

TEST_F(SceneReading, UnknownTypesAttributesAndCommandsGiveOneNoticeEach) {
    read("createNode transform -n \"t\";\n"
         "\tsetAttr \".fancy\" 1;\n"
         "\tsetAttr \".fancy\" 2;\n"
         "createNode transform -n \"u\";\n"
         "\tsetAttr \".fancy\" 3;\n"
         "createNode aiStandard -n \"ai1\";\n"
         "\tsetAttr \".Kd\" 0.7;\n"
         "\tsetAttr \".KdColor\" -type \"float3\" 1 0.5 0.25;\n"
         "\tsetAttr \".name\" -type \"string\" \"x\";\n"
         "\tsetAttr \".aovs[0].name\" -type \"string\" \"diffuse\";\n"
         "\tsetAttr \".lights[1].name\" -type \"string\" \"key\";\n"
         "createNode aiStandard -n \"ai2\";\n"
         "createNode aiSkyShape -n \"skyShape\" -p \"t\";\n"
         "createNode shadingEngine -n \"SG\";\n"
         "connectAttr \"ai1.out\" \"SG.ss\";\n"
         "connectAttr \"t.tx\" \"ai2.input[3].value\";\n"
         "applyMetadata -fmt raw;\n"
         "applyMetadata -fmt raw;\n"
         "setAttr \".edits\" -type \"dataReferenceEdits\" \"x\" \"\" 5;\n"
         "setAttr \".edits\" -type \"dataReferenceEdits\" \"y\";\n"
         "lockNode -l 1;\n"
         "relationship \"link\" \":lightLinker1\" \":initialShadingGroup.message\";\n"
         "dataStructure -fmt \"raw\" -as \"name=x:int32=y\";\n"
         "file -rdi 1 -ns \"env\" -rfn \"envRN\" \"C:/scenes/env.ma\";\n"
         "file -r -ns \"env\" -dr 1 -rfn \"envRN\" \"C:/scenes/env.ma\";\n");
    EXPECT_EQ(noticesContaining("has no attribute \"fancy\""), 1u);
    EXPECT_EQ(noticesContaining("node type \"aiStandard\" is unknown"), 1u);
    EXPECT_EQ(noticesContaining("node type \"aiSkyShape\" is unknown"), 1u);
    EXPECT_EQ(noticesContaining("command \"applyMetadata\""), 1u);
    EXPECT_EQ(noticesContaining("\"dataReferenceEdits\""), 1u);
    EXPECT_EQ(noticesContaining("references are not followed"), 1u);
    EXPECT_EQ(notices().size(), 6u);
    EXPECT_EQ(notices()[0],
              "test.ma:2: node type \"transform\" has no attribute \"fancy\"; its values are skipped");

    // Unknown nodes keep their values and take part in connections.
    EXPECT_EQ(node("ai1").kind(), Kind::Unknown);
    EXPECT_EQ(node("skyShape").kind(), Kind::UnknownDag);
    EXPECT_EQ(node("skyShape").parents.at(0), &node("t"));
    EXPECT_DOUBLE_EQ(number("ai1", "Kd"), 0.7);
    EXPECT_EQ(doubles(value("ai1", "KdColor")), (std::vector<double>{1, 0.5, 0.25}));
    EXPECT_EQ(held<std::string>(value("ai1", "name")), std::string("x"));
    // The same child name below two compounds names two attributes.
    Node& ai1 = node("ai1");
    int aovs = ai1.findAttribute("aovs"), lights = ai1.findAttribute("lights");
    ASSERT_EQ(ai1.attribute(aovs).children.size(), 1u);
    ASSERT_EQ(ai1.attribute(lights).children.size(), 1u);
    EXPECT_EQ(held<std::string>(ai1.value({ai1.attribute(aovs).children[0], {0}})), "diffuse");
    EXPECT_EQ(held<std::string>(ai1.value({ai1.attribute(lights).children[0], {1}})), "key");
    const auto& c = scene().connections();
    ASSERT_EQ(c.size(), 2u);
    EXPECT_EQ(c[0].srcNode, &node("ai1"));
    Node& ai2 = node("ai2");
    EXPECT_EQ(c[1].dst, (PlugAddress{ai2.findAttribute("value"), {3}}));
}

TEST_F(SceneReading, EveryNodeHasTheCommonPlugsAndUnknownValuesAreNotUserAttributes) {
    read("createNode lambert -n \"mat\";\n"
         "createNode shadingEngine -n \"matSG\";\n"
         "\tsetAttr \".ihi\" 0;\n"
         "createNode aiLocator -n \"marker\";\n"
         "\tsetAttr \".size\" 2;\n"
         "connectAttr \"mat.msg\" \"matSG.message\";\n"
         "connectAttr \"marker.msg\" \"mat.bnm\";\n");
    EXPECT_EQ(noticesContaining("has no attribute"), 0u);
    EXPECT_EQ(scene().connections().size(), 2u);
    EXPECT_EQ(held<long long>(value("matSG", "isHistoricallyInteresting")), 0LL);

    // The host keeps the values of a type it does not model, but they are
    // the type's own: nothing a user added.
    Node& marker = node("marker");
    MFnDependencyNode fn(ObjectAccess::fromNode(&marker));
    EXPECT_EQ(fn.attributeClass(fn.attribute("size")), MFnDependencyNode::kNormalAttr);
}

TEST_F(SceneReading, MeshesBuiltByModellingHistoryAreNotedOnce) {
    read("createNode transform -n \"box\";\n"
         "createNode mesh -n \"boxShape\" -p \"box\";\n"
         "createNode transform -n \"flat\";\n"
         "createNode mesh -n \"flatShape\" -p \"flat\";\n"
         "\tsetAttr -s 3 \".vt[0:2]\" 0 0 0 1 0 0 0 1 0;\n"
         "createNode polyCube -n \"polyCube1\";\n"
         "createNode polySmoothFace -n \"polySmooth1\";\n"
         "connectAttr \"polyCube1.out\" \"polySmooth1.ip\";\n"
         "connectAttr \"polySmooth1.out\" \"boxShape.i\";\n");
    EXPECT_EQ(noticesContaining("mesh \"boxShape\" is built by modelling history"), 1u);
    EXPECT_EQ(noticesContaining("flatShape"), 0u);
}

TEST_F(SceneReading, DefaultNodesCreatedAgainAreReused) {
    read("createNode displayLayerManager -n \"layerManager\";\n"
         "createNode renderLayer -n \"defaultRenderLayer\";\n"
         "\tsetAttr \".g\" yes;\n",
         true);
    size_t layers = 0;
    for (const auto& n : scene().nodes()) {
        layers += n->name.rfind("defaultRenderLayer", 0) == 0;
    }
    EXPECT_EQ(layers, 1u);
    EXPECT_EQ(held<bool>(value("defaultRenderLayer", "g")), true);
}

TEST_F(SceneReading, RenameAndNodeQualifiedSetAttr) {
    read("createNode transform -n \"a\";\n"
         "rename \"b\";\n"
         "createNode transform -n \"c\";\n"
         "rename \"c\" \"d\";\n"
         "setAttr \"b.tx\" 4;\n"
         "setAttr \"|d.ty\" 5;\n");
    EXPECT_EQ(scene().find("a"), nullptr);
    EXPECT_DOUBLE_EQ(number("b", "tx"), 4.0);
    EXPECT_DOUBLE_EQ(number("d", "ty"), 5.0);
}

namespace {

// A node type with a payload-like attribute that only its hook understands.
struct PointsPayload : Payload {
    std::vector<double> points;
    long long size = -1;
};

const NodeType& hookedType() {
    static const NodeType* type = [] {
        NodeType& t = TypeRegistry::instance().define("readerTestPoints", Kind::Unknown, "", false);
        NodeTypeBuilder(t).attr("label", "lb", AttrType::String);
        t.makePayload = [] { return std::make_unique<PointsPayload>(); };
        t.setAttrHook = [](Scene&, Node& node, SetAttrRequest& request) {
            if (request.path.empty() || request.path[0].name != "pts") {
                return false;
            }
            auto* payload = node.payloadAs<PointsPayload>();
            if (request.size >= 0) {
                payload->size = request.size;
            }
            for (double d; !request.values.atEnd();) {
                if (!request.values.nextDouble(d)) {
                    request.error = "expected point coordinates";
                    return true;
                }
                payload->points.push_back(d);
            }
            return true;
        };
        return &t;
    }();
    return *type;
}

} // namespace

TEST_F(SceneReading, SetAttrHooksConsumeTheirStatements) {
    hookedType();
    read("createNode readerTestPoints -n \"p\";\n"
         "\tsetAttr -s 4 \".pts[0:1]\" 1 2 3\n"
         "\t\t4 5 6;\n"
         "\tsetAttr \".lb\" -type \"string\" \"plain\";\n"
         "select -ne p;\n"
         "\tsetAttr \".pts[2:3]\" 7 8 9 10 11 12;\n");
    auto* payload = node("p").payloadAs<PointsPayload>();
    ASSERT_NE(payload, nullptr);
    EXPECT_EQ(payload->size, 4);
    EXPECT_EQ(payload->points.size(), 12u);
    EXPECT_EQ(held<std::string>(value("p", "label")), std::string("plain"));

    std::string error = readFailing("createNode readerTestPoints -n \"p\";\n"
                                    "setAttr \".pts[0]\" 1 2\n"
                                    "  x 4;\n");
    EXPECT_EQ(error, "bad.ma:3: expected point coordinates");
}

TEST_F(SceneReading, PathsNameNodesFromEitherEnd) {
    read("createNode transform -n \"g1\";\n"
         "createNode transform -n \"g2\";\n"
         "createNode transform -n \"g3\";\n"
         "createNode transform -n \"part\" -p \"g1\";\n"
         "createNode transform -n \"part\" -p \"g2\";\n"
         "createNode transform -n \"part\" -p \"g3\";\n"
         "createNode transform -n \"leaf\" -p \"|g1|part\";\n"
         "createNode transform -n \"leaf\" -p \"|g2|part\";\n"
         "createNode transform -n \"solo\" -p \"g3|part\";\n"
         "createNode transform -n \"shared\" -p \"g1\";\n"
         "parent -add \"g1|shared\" \"g3|part\";\n");
    Node* g2part = scene().find("g2|part"); // the first name is the rarer: matched downwards
    ASSERT_NE(g2part, nullptr);
    EXPECT_EQ(g2part->parents.at(0), &node("g2"));
    EXPECT_EQ(scene().find("|g2|part|leaf"), g2part->children.at(0));
    Node* solo = scene().find("part|solo"); // the leaf is the rarer: matched upwards
    ASSERT_NE(solo, nullptr);
    EXPECT_EQ(solo->name, "solo");
    EXPECT_EQ(scene().find("part|leaf"), nullptr); // two nodes
    EXPECT_EQ(scene().find("|part|leaf"), nullptr);
    EXPECT_EQ(scene().find("g3|part|shared"), &node("shared")); // an instance path
    EXPECT_EQ(scene().find("|g1|shared"), &node("shared"));
    EXPECT_EQ(scene().find("g2|shared"), nullptr);
}

TEST_F(SceneReading, UnknownNodesThatGetChildrenAreTransforms) {
    read("createNode pluginJoint -n \"Reference\";\n"
         "createNode pluginJoint -n \"Hips\" -p \"Reference\";\n"
         "createNode transform -n \"grip\" -p \"|Reference|Hips\";\n"
         "createNode aiAreaLight -n \"lightShape\" -p \"grip\";\n"
         "createNode pluginRig -n \"rig\";\n"
         "createNode transform -n \"loose\";\n"
         "// parent \"loose\" \"notes\";\n"
         "parent \"loose\" \"rig\";\n"
         "createNode pluginNote -n \"notes\";\n");
    EXPECT_EQ(node("Reference").kind(), Kind::UnknownTransform);
    EXPECT_EQ(node("Hips").kind(), Kind::UnknownTransform);
    EXPECT_EQ(node("lightShape").kind(), Kind::UnknownDag);
    EXPECT_EQ(node("rig").kind(), Kind::UnknownTransform);
    EXPECT_EQ(node("notes").kind(), Kind::Unknown); // named as a parent only in a comment
    EXPECT_FALSE(node("grip").underworld);
    EXPECT_EQ(node("loose").parents.at(0), &node("rig"));
}

// Built-in types the host knows by their place in the hierarchy take the
// attributes of their modelled bases and keep their own as the file gives
// them, without a notice; a modelled type still notices what it lacks.
TEST_F(SceneReading, BuiltInTypesKnownByTheirPlaceKeepTheirOwnAttributes) {
    read("createNode hikFKJoint -n \"Reference\";\n"
         "\tsetAttr \".jo\" -type \"double3\" 0 0 90 ;\n"
         "\tsetAttr \".hni\" 1;\n"
         "createNode transform -n \"box\";\n"
         "createNode pointConstraint -n \"box_pointConstraint1\" -p \"box\";\n"
         "\tsetAttr \".rst\" -type \"double3\" 0 2 0 ;\n"
         "createNode locator -n \"markerShape\" -p \"box\";\n"
         "\tsetAttr \".los\" -type \"double3\" 2 2 2 ;\n"
         "createNode nucleus -n \"nucleus1\";\n"
         "\tsetAttr \".grty\" 0;\n"
         "connectAttr \"box.pim\" \"box_pointConstraint1.cpim\";\n"
         "connectAttr \"box_pointConstraint1.ctx\" \"box.tx\";\n"
         "setAttr \"box.fancy\" 1;\n");
    EXPECT_EQ(node("Reference").kind(), Kind::HikFKJoint);
    EXPECT_NEAR(number("Reference", "jointOrientZ"), 1.5707963267948966, 1e-15);
    EXPECT_DOUBLE_EQ(number("Reference", "hni"), 1.0);
    EXPECT_EQ(node("box_pointConstraint1").parents.at(0), &node("box"));
    EXPECT_EQ(doubles(value("box_pointConstraint1", "rst")), (std::vector<double>{0, 2, 0}));
    EXPECT_EQ(node("markerShape").kind(), Kind::Locator);
    EXPECT_EQ(node("nucleus1").kind(), Kind::Nucleus);
    EXPECT_EQ(scene().connections().size(), 2u);
    EXPECT_EQ(notices(), (std::vector<std::string>{
                             "test.ma:13: node type \"transform\" has no attribute \"fancy\"; its values are "
                             "skipped"}));
}

// A camera's image plane as the host writes it: a transform parented to the
// camera shape, its shape below it by a path that steps into the shape's
// underworld ("->"), and the other statements naming them the same ways.
TEST_F(SceneReading, ImagePlanesLiveInTheirCameraShapesUnderworld) {
    read("createNode transform -n \"camera1\";\n"
         "createNode camera -n \"cameraShape1\" -p \"camera1\";\n"
         "createNode transform -n \"imagePlane1\" -p \"cameraShape1\";\n"
         "createNode imagePlane -n \"imagePlaneShape1\" -p \"|camera1|cameraShape1->|imagePlane1\";\n"
         "\tsetAttr \".w\" 30;\n"
         "createNode transform -n \"camera2\";\n"
         "createNode camera -n \"cameraShape2\" -p \"camera2\";\n"
         "createNode transform -n \"imagePlane1\" -p \"cameraShape2\";\n"
         "createNode imagePlane -n \"imagePlaneShape2\" -p \"|camera2|cameraShape2->|imagePlane1\";\n"
         "createNode transform -n \"loose\";\n"
         "setAttr \"cameraShape2->imagePlane1.tx\" 4;\n"
         "connectAttr \"imagePlaneShape1.msg\" \"cameraShape1.ip\" -na;\n"
         "connectAttr \"cameraShape2->imagePlaneShape2.msg\" \"cameraShape2.ip\" -na;\n"
         "parent \"loose\" \"camera2|cameraShape2->imagePlane1\";\n"
         "select -r \"|camera2|cameraShape2->|imagePlane1|loose\";\n"
         "parent -w \"cameraShape1->imagePlane1\";\n");
    EXPECT_EQ(noticesContaining("names no node"), 0u);
    Node& shape2 = node("imagePlaneShape2");
    EXPECT_TRUE(shape2.underworld);
    EXPECT_EQ(Scene::fullPathName(scene().firstPath(&shape2)),
              "|camera2|cameraShape2->|imagePlane1|imagePlaneShape2");
    EXPECT_EQ(scene().partialPathName(scene().firstPath(&shape2)), "cameraShape2->imagePlaneShape2");
    EXPECT_DOUBLE_EQ(number("cameraShape2->imagePlane1", "tx"), 4.0);
    Node& loose = node("loose");
    EXPECT_TRUE(loose.underworld); // moved into the underworld
    ASSERT_EQ(scene().selection().size(), 1u);
    EXPECT_EQ(scene().selection()[0].node, &loose);
    EXPECT_EQ(Scene::fullPathName(scene().selection()[0].path), "|camera2|cameraShape2->|imagePlane1|loose");
    for (const char* camera : {"1", "2"}) {
        Node& cam = node(std::string("cameraShape") + camera);
        const Connection* attached = scene().sourceOf(&cam, {cam.findAttribute("ip"), {0}});
        ASSERT_NE(attached, nullptr) << camera;
        EXPECT_EQ(attached->srcNode, &node(std::string("imagePlaneShape") + camera));
    }
    // The first plane, detached, is a free image plane at the top.
    Node& shape1 = node("imagePlaneShape1");
    EXPECT_FALSE(shape1.underworld);
    EXPECT_EQ(Scene::fullPathName(scene().firstPath(&shape1)), "|imagePlane1|imagePlaneShape1");
}

// Files that reference other files name nodes only those files create.
// Each statement that names one is skipped, with one notice per name that
// says where it was first met; the rest of the file is read.
TEST_F(SceneReading, StatementsNamingNodesTheFileNeverCreatesAreSkipped) {
    read("file -r -ns \"mesh_\" -dr 1 -rfn \"mesh_RN\" \"C:/scenes/mesh.ma\";\n"
         "createNode transform -n \"box\";\n"
         "createNode reference -n \"mesh_RN\";\n"
         "createNode transform -n \"extra\" -p \"mesh_:Hips\";\n"
         "\tsetAttr \".tx\" 3;\n"
         "\taddAttr -ci true -sn \"w0\" -ln \"w0\" -at \"double\";\n"
         "select -ne \"mesh_:Root\";\n"
         "\tsetAttr \".v\" no;\n"
         "connectAttr \"mesh_RN.phl[842]\" \"mesh_:BackRoot_parentConstraint1.cpim\";\n"
         "connectAttr \"box.t\" \"mesh_:BackRoot_parentConstraint1.t\";\n"
         "disconnectAttr \"mesh_:Root.t\" \"box.t\";\n"
         "setAttr \"mesh_:Hips.tx\" 2;\n"
         "setAttr \"|mesh_:Root|mesh_:Hips.tx\" 2;\n"
         "addAttr -ln \"note\" -dt \"string\" box \"mesh_:Hips\";\n"
         "parent \"box\" \"mesh_:Hips\";\n"
         "parent \"mesh_:Hips\" \"box\";\n"
         "rename \"mesh_:Hips\" \"hips\";\n"
         "lockNode -l 1 \"mesh_:Hips\";\n"
         "createNode transform -n \"after\" -p \"box\";\n"
         "\tsetAttr \".ty\" 5;\n");
    EXPECT_EQ(
        notices(),
        (std::vector<std::string>{
            "test.ma:1: the scene references other files; references are not followed",
            "test.ma:3: node type \"reference\" is unknown; its nodes are kept as generic nodes",
            "test.ma:4: \"mesh_:Hips\" names no node of the scene (the file does not create it); "
            "statements naming it are skipped",
            "test.ma:7: \"mesh_:Root\" names no node of the scene (the file does not create it); "
            "statements naming it are skipped",
            "test.ma:9: \"mesh_:BackRoot_parentConstraint1\" names no node of the scene (the file does "
            "not create it); statements naming it are skipped",
            "test.ma:13: \"|mesh_:Root|mesh_:Hips\" names no node of the scene (the file does not create "
            "it); statements naming it are skipped"}));
    EXPECT_EQ(scene().find("extra"), nullptr);
    EXPECT_EQ(scene().connections().size(), 0u);
    Node& box = node("box");
    EXPECT_EQ(box.parents.at(0), scene().world());
    EXPECT_EQ(box.findAttribute("note"), -1);
    EXPECT_EQ(box.findAttribute("w0"), -1);
    EXPECT_EQ(box.value({box.findAttribute("tx"), {}}), nullptr);
    EXPECT_EQ(box.value({box.findAttribute("v"), {}}), nullptr);
    EXPECT_EQ(scene().find("hips"), nullptr);
    EXPECT_EQ(node("after").parents.at(0), &box);
    EXPECT_DOUBLE_EQ(number("after", "ty"), 5.0);
}
