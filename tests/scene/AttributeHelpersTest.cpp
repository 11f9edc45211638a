// Reading attributes and following connections.

#include "scene/SceneFixture.h"

#include "api/Access.h"
#include "export/AttributeHelpers.h"

#include <maya/MFnDependencyNode.h>
#include <maya/MFnLight.h>

using namespace orvex_test;
using orvex_host::AttrType;
using orvex_host::ObjectAccess;

namespace {

class AttributeHelpers : public SceneFixture {
protected:
    MFnDependencyNode fn(Node* node) { return MFnDependencyNode(ObjectAccess::fromNode(node)); }
};

} // namespace

TEST_F(AttributeHelpers, MissingAttributeLeavesThePresetAndGivesTheFallback) {
    MFnDependencyNode node = fn(create("transform", "t"));
    float f = 1.5f;
    int32_t i = 7;
    MString s("keep");
    uint32_t h = 9;
    bool b = true;
    EXPECT_FALSE(getFloatAttribute(node, "missing", f));
    EXPECT_FALSE(getIntAttribute(node, "missing", i));
    EXPECT_FALSE(getStringAttribute(node, "missing", s));
    EXPECT_FALSE(getHexAttribute(node, "missing", h));
    EXPECT_TRUE(getBoolAttribute(node, "missing", b, true));
    EXPECT_FALSE(getBoolAttribute(node, "missing", b, false));
    EXPECT_FALSE(hasAttribute(node, "missing"));
    EXPECT_EQ(f, 1.5f);
    EXPECT_EQ(i, 7);
    EXPECT_EQ(s, "keep");
    EXPECT_EQ(h, 9u);
    EXPECT_TRUE(b);
    // A text attribute does not read as a number, nor a number as text.
    Node* t = create("transform", "typed");
    addAttr(t, "text", AttrType::String, std::string("3"));
    EXPECT_FALSE(getFloatAttribute(fn(t), "text", f));
    EXPECT_FALSE(getStringAttribute(fn(t), "translateX", s));
    EXPECT_EQ(s, "keep");
}

TEST_F(AttributeHelpers, HexadecimalTextReadsAsScanfDoes) {
    Node* t = create("transform", "t");
    auto hex = [&](const std::string& text) {
        static int serial = 0;
        std::string name = "mask" + std::to_string(serial++);
        addAttr(t, name, AttrType::String, text);
        uint32_t value = 0x1234;
        EXPECT_TRUE(getHexAttribute(fn(t), name.c_str(), value)) << text;
        return value;
    };
    EXPECT_EQ(hex("ff"), 255u);
    EXPECT_EQ(hex("FF"), 255u);
    EXPECT_EQ(hex("0xFF"), 255u);
    EXPECT_EQ(hex("  \t0Xff trailing"), 255u);
    EXPECT_EQ(hex("+10"), 16u);
    EXPECT_EQ(hex("-1"), 0xffffffffu);
    EXPECT_EQ(hex("0xg"), 0u); // the zero before the x reads
    EXPECT_EQ(hex(""), 0x1234u);
    EXPECT_EQ(hex("zz"), 0x1234u);
    EXPECT_EQ(hex("-"), 0x1234u);
    EXPECT_EQ(hex("ffffffff"), 0xffffffffu);
    EXPECT_EQ(hex("123456789abc"), 0xffffffffu);
    EXPECT_EQ(hex("-123456789abc"), 0xffffffffu);
}

TEST_F(AttributeHelpers, ConnectedSourcesAreOnlyTheIncomingOnes) {
    Node* texture = create("file", "file1");
    Node* lamp = create("spotLight", "spot");
    Node* other = create("pointLight", "point");
    connect(texture, "outColor", lamp, "color");
    connect(lamp, "intensity", other, "intensity");
    MPlugArray sources;
    EXPECT_TRUE(getConnectedSources(fn(lamp), "color", sources));
    ASSERT_EQ(sources.length(), 1u);
    EXPECT_EQ(MFnDependencyNode(sources[0].node()).name(), "file1");
    MPlugArray none;
    EXPECT_FALSE(getConnectedSources(fn(lamp), "intensity", none));
    EXPECT_FALSE(getConnectedSources(fn(lamp), "missing", none));
    EXPECT_EQ(none.length(), 0u);
}

TEST_F(AttributeHelpers, ConnectedNodeOfTypeExactOrDerived) {
    Node* texture = create("file", "file1");
    Node* spot = create("spotLight", "spot1");
    connect(texture, "outColor", spot, "color");
    MFnLight light;
    EXPECT_TRUE(findConnectedNodeOfType(fn(texture), light, MFn::kLight, false, true, false));
    EXPECT_EQ(light.name(), "spot1");
    MFnLight exact;
    EXPECT_FALSE(findConnectedNodeOfType(fn(texture), exact, MFn::kLight, false, true, true));
    EXPECT_FALSE(findConnectedNodeOfType(fn(texture), exact, MFn::kLight, true, false, false));
    EXPECT_TRUE(findConnectedNodeOfType(fn(texture), exact, MFn::kSpotLight, false, true, true));
}

TEST(AttributeHelperMaths, RadiansToDegrees) {
    EXPECT_EQ(radiansToDegrees(3.141592653589793), 180.0);
    EXPECT_EQ(radiansToDegrees(0.7853981633974483), 45.0);
}
