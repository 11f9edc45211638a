// The UserAttributes section written straight from scenes built in the host
// graph, with the node ids the Scene section would have stored.

#include "export/UserAttributeExporter.h"
#include "support/ExportHarness.h"
#include "support/SceneBuilder.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace orvex_host;
using orvex_test::messagesOf;

namespace {

const char* const kEmpty = "  <UserAttributes>\n  </UserAttributes>";

class UserAttributesSection : public ::testing::Test {
protected:
    void SetUp() override {
        newScene(false);
        clearMessages();
    }

    // A transform the scene pass wrote with the given node id.
    Node* written(const std::string& name, uint32_t nodeId, Node* parent = nullptr) {
        Node* node = b.create("transform", name, parent);
        nodes[name].nodeId = nodeId;
        return node;
    }
    // A user attribute holding a value.
    void add(Node* node, const std::string& name, AttrType type, Value value,
             const std::string& shortName = "") {
        b.addAttribute(node, name, type, shortName);
        b.set(node, name, std::move(value));
    }
    std::string write() {
        std::ostringstream out;
        EXPECT_TRUE(UserAttributeExporter(nodes, false).write(out));
        return out.str();
    }
    // The Attribute lines of the only UserAttribute element.
    std::string attributes(uint32_t nodeId = 1) {
        const std::string text = write();
        const std::string open =
            "  <UserAttributes>\n    <UserAttribute nodeId=\"" + std::to_string(nodeId) + "\">\n";
        const std::string close = "    </UserAttribute>\n  </UserAttributes>";
        if (text.compare(0, open.size(), open) != 0 || text.size() < open.size() + close.size() ||
            text.compare(text.size() - close.size(), close.size(), close) != 0) {
            ADD_FAILURE() << text;
            return text;
        }
        return text.substr(open.size(), text.size() - open.size() - close.size());
    }
    static std::string line(const std::string& name, const std::string& type, const std::string& value) {
        return "      <Attribute name=\"" + name + "\" type=\"" + type + "\" value=\"" + value + "\"/>\n";
    }
    static std::vector<std::string> errorsFor(std::initializer_list<const char*> names) {
        std::vector<std::string> errors;
        for (const char* name : names) {
            errors.push_back(std::string("Invalid attribute user attribute type, ignoring (") + name + ")");
        }
        return errors;
    }

    orvex_test::SceneBuilder b;
    SceneNodeTable nodes;
};

} // namespace

TEST_F(UserAttributesSection, NoQualifyingAttributeGivesTheBareSection) {
    Node* plain = written("plain", 1);
    add(plain, "Orvex_static", AttrType::Bool, true);
    add(plain, "Orvex_lightMask", AttrType::String, std::string("ff00"));
    EXPECT_EQ(write(), kEmpty);
    EXPECT_TRUE(messages().empty());

    // Only unsupported kinds: the errors, and still no element.
    b.addAttribute(plain, "link", AttrType::Message);
    EXPECT_EQ(write(), kEmpty);
    EXPECT_EQ(messagesOf(MessageKind::Error), errorsFor({"link"}));
}

TEST_F(UserAttributesSection, SupportedKindsWithTheirValues) {
    Node* box = written("box", 1);
    add(box, "isDoor", AttrType::Bool, true);
    add(box, "isWall", AttrType::Bool, false);
    add(box, "score", AttrType::Int, -5LL);
    add(box, "level", AttrType::Byte, 7LL);
    add(box, "big", AttrType::Float, 1500000.0);
    add(box, "third", AttrType::Float, 1.0 / 3.0);
    add(box, "precise", AttrType::Double, 0.1234567891);
    // Read in double precision this would print as 1; its nearest float
    // prints as 1.00001.
    add(box, "nearly", AttrType::Double, 1.00000499);
    add(box, "title", AttrType::String, std::string("Front door"));
    add(box, "onCreate", AttrType::String, std::string("spawn()"));
    add(box, "OnCreate", AttrType::String, std::string("other()"));
    EXPECT_EQ(attributes(), line("isDoor", "boolean", "true") + line("isWall", "boolean", "false") +
                                line("score", "integer", "-5") + line("level", "integer", "7") +
                                line("big", "float", "1.5e+06") + line("third", "float", "0.333333") +
                                line("precise", "float", "0.123457") + line("nearly", "float", "1.00001") +
                                line("title", "string", "Front door") +
                                line("onCreate", "scriptCallback", "spawn()") +
                                line("OnCreate", "string", "other()"));
    EXPECT_TRUE(messages().empty());
}

TEST_F(UserAttributesSection, UnsetValuesReadAsTheAttributesDefaults) {
    Node* box = written("box", 1);
    b.addAttribute(box, "flag", AttrType::Bool);
    b.addAttribute(box, "count", AttrType::Int);
    b.addAttribute(box, "note", AttrType::String);
    EXPECT_EQ(attributes(),
              line("flag", "boolean", "false") + line("count", "integer", "0") + line("note", "string", ""));
}

TEST_F(UserAttributesSection, NamesAreShortNames) {
    Node* box = written("box", 1);
    add(box, "myValue", AttrType::Float, 2.5, "mv");
    add(box, "onCreateScript", AttrType::String, std::string("x()"), "onCreate");
    add(box, "Orvex_custom", AttrType::Int, 3LL, "custom");
    add(box, "customTag", AttrType::Int, 4LL, "Orvex_tag");
    // The prefix and the callback name are tested on the short name.
    EXPECT_EQ(attributes(), line("mv", "float", "2.5") + line("onCreate", "scriptCallback", "x()") +
                                line("custom", "integer", "3"));
}

TEST_F(UserAttributesSection, UnsupportedKindsRaiseTheErrorAndAreLeftOut) {
    Node* box = written("box", 1);
    b.addAttribute(box, "target", AttrType::Message);
    add(box, "small", AttrType::Short, 3LL);
    add(box, "letter", AttrType::Char, 65LL);
    add(box, "choice", AttrType::Enum, 1LL);
    add(box, "reach", AttrType::Distance, 10.0);
    add(box, "names", AttrType::StringArray, std::vector<std::string>{"a"});
    add(box, "pair", AttrType::Float2, 0.0);
    add(box, "kept", AttrType::Int, 1LL);
    EXPECT_EQ(attributes(), line("kept", "integer", "1"));
    EXPECT_EQ(messagesOf(MessageKind::Error),
              errorsFor({"target", "small", "letter", "choice", "reach", "names", "pair"}));
}

TEST_F(UserAttributesSection, ComponentsOfACompoundAreListedOneByOne) {
    // A three-component user attribute is unsupported as a whole, but the
    // host lists its components as attributes of their own.
    Node* box = written("box", 1);
    b.addAttribute(box, "offset", AttrType::Double3, "off",
                   {makeAttr("offsetX", "offX", AttrType::Double),
                    makeAttr("offsetY", "offY", AttrType::Double),
                    makeAttr("offsetZ", "offZ", AttrType::Double)});
    b.set(box, "offsetX", 1.0);
    b.set(box, "offsetY", -2.0);
    EXPECT_EQ(attributes(),
              line("offX", "float", "1") + line("offY", "float", "-2") + line("offZ", "float", "0"));
    EXPECT_EQ(messagesOf(MessageKind::Error), errorsFor({"off"}));
}

TEST_F(UserAttributesSection, LineMarkersAreTakenOutOfValues) {
    Node* box = written("box", 1);
    add(box, "plain", AttrType::String, std::string("a&cr;b&lf;c"));
    // Taking out "&cr;" joins "&c" and "r;" into a marker that stays (and is
    // escaped as text); joining into "&lf;" loses that one as well.
    add(box, "joinsCr", AttrType::String, std::string("x&c&cr;r;y"));
    add(box, "joinsLf", AttrType::String, std::string("x&l&cr;f;y"));
    EXPECT_EQ(attributes(), line("plain", "string", "abc") + line("joinsCr", "string", "x&amp;cr;y") +
                                line("joinsLf", "string", "xy"));
}

TEST_F(UserAttributesSection, ValuesAreEscapedForTheDocument) {
    Node* box = written("box", 1);
    add(box, "quote", AttrType::String, std::string("say \"hi\" <now> & then"));
    add(box, "entity", AttrType::String, std::string("fish &amp; chips &#38; &#x26;"));
    add(box, "control", AttrType::String,
        std::string("a\x01"
                    "b\tc"));
    add(box, "lines", AttrType::String, std::string("first\r\nsecond\n"));
    add(box, "forbidden", AttrType::String, std::string("&#0; &#x1F; &#99999999; &#65;"));
    EXPECT_EQ(attributes(), line("quote", "string", "say &quot;hi&quot; &lt;now> &amp; then") +
                                line("entity", "string", "fish &amp; chips &#38; &#x26;") +
                                line("control", "string", "ab&#9;c") +
                                line("lines", "string", "first&#13;&#10;second&#10;") +
                                line("forbidden", "string", "&amp;#0; &amp;#x1F; &amp;#99999999; &#65;"));
}

TEST_F(UserAttributesSection, OnlyWrittenTransformsInCreationOrder) {
    Node* second = written("second", 2);
    Node* first = written("first", 1);
    Node* skipped = b.create("transform", "skipped");
    add(second, "a", AttrType::Int, 2LL);
    add(first, "b", AttrType::Int, 1LL);
    add(skipped, "c", AttrType::Int, 3LL);
    // A shape is not a transform, whatever it carries.
    Node* shape = b.create("particle", "particleShape1", first);
    add(shape, "d", AttrType::Int, 4LL);
    nodes["particleShape1"].nodeId = 9;
    EXPECT_EQ(write(), "  <UserAttributes>\n"
                       "    <UserAttribute nodeId=\"2\">\n" +
                           line("a", "integer", "2") +
                           "    </UserAttribute>\n"
                           "    <UserAttribute nodeId=\"1\">\n" +
                           line("b", "integer", "1") + "    </UserAttribute>\n  </UserAttributes>");
}

TEST_F(UserAttributesSection, NodesAreMatchedByPartialPath) {
    Node* g1 = written("group1", 1);
    Node* g2 = written("group2", 2);
    Node* inFirst = b.create("transform", "item", g1);
    Node* inSecond = b.create("transform", "item", g2);
    nodes["group2|item"].nodeId = 3;
    add(inFirst, "a", AttrType::Int, 1LL);
    add(inSecond, "b", AttrType::Int, 2LL);
    EXPECT_EQ(attributes(3), line("b", "integer", "2"));
}

TEST_F(UserAttributesSection, EmitterAttributesComeUnderNodeIdZero) {
    // The Scene keeps a Dynamic element's emitter with node id 0.
    Node* plane = written("pPlane1", 1);
    Node* emitter = b.create("pointEmitter", "emitter1", plane);
    nodes["emitter1"].nodeId = 0;
    add(emitter, "burst", AttrType::Bool, true);
    EXPECT_EQ(attributes(0), line("burst", "boolean", "true"));
}
