// The UserAttributes section of documents exported from scene files.

#include "support/DocumentSections.h"
#include "support/ExportHarness.h"

using namespace orvex_test;

namespace {

class UserAttributesExport : public ExportTest {
protected:
    // Exports with the given flags; returns the whole document.
    std::string exportDocument(const std::string& flags) {
        const std::string path = workDir() + "/out.xml";
        EXPECT_EQ(exportWith(flags + " -f " + path), MS::kSuccess);
        return readFile(path);
    }
};

// A door with every supported kind and several unsupported ones, a compass
// the scene pass skips, a surface emitter with an attribute of its own, and a
// wall.
const char kScene[] = R"(//Maya ASCII 2014 scene
requires maya "2014";
currentUnit -l centimeter -a degree -t film;
createNode transform -n "door";
	addAttr -ci true -sn "open" -ln "isOpen" -min 0 -max 1 -at "bool";
	addAttr -ci true -sn "hp" -ln "hitPoints" -at "long";
	addAttr -ci true -sn "w" -ln "weight" -at "double";
	addAttr -ci true -sn "label" -ln "label" -dt "string";
	addAttr -ci true -sn "note" -ln "note" -dt "string";
	addAttr -ci true -sn "onCreate" -ln "onCreate" -dt "string";
	addAttr -ci true -sn "Orvex_static" -ln "Orvex_static" -min 0 -max 1 -at "bool";
	addAttr -ci true -sn "off" -ln "offset" -at "double3" -nc 3;
	addAttr -ci true -sn "offX" -ln "offsetX" -at "double" -p "offset";
	addAttr -ci true -sn "offY" -ln "offsetY" -at "double" -p "offset";
	addAttr -ci true -sn "offZ" -ln "offsetZ" -at "double" -p "offset";
	addAttr -ci true -sn "tgt" -ln "target" -at "message";
	addAttr -ci true -sn "sm" -ln "small" -at "short";
	addAttr -ci true -sn "kind" -ln "kind" -min 0 -max 2 -en "a:b:c" -at "enum";
	setAttr ".open" yes;
	setAttr ".hp" -5;
	setAttr ".w" 1500000;
	setAttr ".label" -type "string" "Tom & \"Jerry\" <3";
	setAttr ".note" -type "string" "first line\n\tsecond &#1; &#65;";
	setAttr ".onCreate" -type "string" "spawn();&cr;&lf;go();";
	setAttr ".off" -type "double3" 1 2 3 ;
createNode transform -n "ViewCompass";
	addAttr -ci true -sn "x" -ln "x" -at "long";
createNode transform -n "pPlane1";
createNode pointEmitter -n "emitter1" -p "pPlane1";
	addAttr -ci true -sn "burst" -ln "burst" -at "bool";
	setAttr ".burst" yes;
createNode transform -n "wall";
	addAttr -ci true -sn "third" -ln "third" -at "float";
	setAttr ".third" 0.33333333;
)";

} // namespace

TEST_F(UserAttributesExport, SectionOfAWholeScene) {
    openScene(kScene, "doors.ma");
    const std::string document = exportDocument("-ua");
    // The emitter's attributes come under node id 0: the Scene keeps the
    // emitter of a Dynamic element without a node id of its own.
    EXPECT_EQ(
        documentSection(document, "UserAttributes"),
        "  <UserAttributes>\n"
        "    <UserAttribute nodeId=\"1\">\n"
        "      <Attribute name=\"open\" type=\"boolean\" value=\"true\"/>\n"
        "      <Attribute name=\"hp\" type=\"integer\" value=\"-5\"/>\n"
        "      <Attribute name=\"w\" type=\"float\" value=\"1.5e+06\"/>\n"
        "      <Attribute name=\"label\" type=\"string\" value=\"Tom &amp; &quot;Jerry&quot; &lt;3\"/>\n"
        "      <Attribute name=\"note\" type=\"string\" value=\"first line&#10;&#9;second &amp;#1; "
        "&#65;\"/>\n"
        "      <Attribute name=\"onCreate\" type=\"scriptCallback\" value=\"spawn();go();\"/>\n"
        "      <Attribute name=\"offX\" type=\"float\" value=\"1\"/>\n"
        "      <Attribute name=\"offY\" type=\"float\" value=\"2\"/>\n"
        "      <Attribute name=\"offZ\" type=\"float\" value=\"3\"/>\n"
        "    </UserAttribute>\n"
        "    <UserAttribute nodeId=\"0\">\n"
        "      <Attribute name=\"burst\" type=\"boolean\" value=\"true\"/>\n"
        "    </UserAttribute>\n"
        "    <UserAttribute nodeId=\"3\">\n"
        "      <Attribute name=\"third\" type=\"float\" value=\"0.333333\"/>\n"
        "    </UserAttribute>\n"
        "  </UserAttributes>");
    EXPECT_EQ(messagesOf(orvex_host::MessageKind::Error),
              (std::vector<std::string>{"Invalid attribute user attribute type, ignoring (off)",
                                        "Invalid attribute user attribute type, ignoring (tgt)",
                                        "Invalid attribute user attribute type, ignoring (sm)",
                                        "Invalid attribute user attribute type, ignoring (kind)"}));
    EXPECT_TRUE(isWellFormed(document));
    // The section is the document's last, with no empty line before the end.
    const std::string tail = "  </UserAttributes>\n</Orvex>\n";
    ASSERT_GE(document.size(), tail.size());
    EXPECT_EQ(document.substr(document.size() - tail.size()), tail);
}

TEST_F(UserAttributesExport, SelectionLeavesOutTransformsTheSceneDidNotWrite) {
    openScene(kScene, "doors.ma");
    ASSERT_EQ(orvex_host::runCommand("select -r wall"), MS::kSuccess);
    EXPECT_EQ(documentSection(exportDocument("-ua -sel"), "UserAttributes"),
              "  <UserAttributes>\n"
              "    <UserAttribute nodeId=\"1\">\n"
              "      <Attribute name=\"third\" type=\"float\" value=\"0.333333\"/>\n"
              "    </UserAttribute>\n"
              "  </UserAttributes>");
    EXPECT_TRUE(messagesOf(orvex_host::MessageKind::Error).empty());
}

TEST_F(UserAttributesExport, NoSectionWithoutTheFlag) {
    openScene(kScene, "doors.ma");
    EXPECT_EQ(documentSection(exportDocument(""), "UserAttributes"), "");
}
