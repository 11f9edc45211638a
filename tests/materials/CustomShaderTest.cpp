// Custom-shader settings that users add to materials: the shader file, its
// parameters and maps, their file ids, and the reflection settings.

#include "materials/ShadingFixture.h"

#include <cmath>
#include <limits>

using orvex_host::AttrType;
using namespace orvex_test;

namespace {

class CustomShader : public ShadingTest {
protected:
    Node* material(const std::string& name) { return create("lambert", name); }
    void text(Node* node, const std::string& name, const std::string& value,
              const std::string& shortName = "") {
        addAttribute(node, name, shortName, AttrType::String, value);
    }
    static std::string startTag(const std::string& name, int id, const std::string& extra = "") {
        return "    <Material name=\"" + name + "\" materialId=\"" + std::to_string(id) +
               "\" diffuseColor=\"0.5 0.5 0.5 1\" specularColor=\"0 0 0\" ambientColor=\"1 1 1" + extra +
               "\">\n";
    }
    // The planar reflection a material with refractive index 1.5 gets.
    std::string reflectionOf(Node* node) {
        set(node, "refractiveIndex", 1.5);
        std::string out = materialsOnly();
        size_t start = out.find("      <Reflectionmap");
        return start == std::string::npos ? std::string() : out.substr(start, out.find('\n', start) - start);
    }
};

const char kEnd[] = "    </Material>\n";

} // namespace

TEST_F(CustomShader, ParametersAndMapsFollowTheShaderInAttributeOrder) {
    Node* fx = material("fx1");
    text(fx, "customParameter_gloss", "0.5 & <more>");
    addAttribute(fx, "customParameter_count", "", AttrType::Float, 3.0); // numbers are not parameters
    text(fx, "customShader", "shaders/x.fx");
    text(fx, "customTexture_detail", "tex/d.png");
    text(fx, "customParameter_tint", "1 0 0");
    // Recognised by short name: the parameter's name is the short one.
    text(fx, "longParameterName", "7", "customParameter_short");
    EXPECT_EQ(materialsOnly(),
              materialsSection(startTag("fx1", 1, "\" customShaderId=\"1") +
                               "      <CustomParameter name=\"gloss\" value=\"0.5 &amp; &lt;more>\"/>\n"
                               "      <CustomParameter name=\"tint\" value=\"1 0 0\"/>\n"
                               "      <CustomParameter name=\"short\" value=\"7\"/>\n"
                               "      <Custommap name=\"detail\" fileId=\"2\"/>\n" +
                               kEnd));
    uint32_t id = 0;
    EXPECT_TRUE(fileIds.find("materialCustomShaderFile_shaders/x.fx", id));
    EXPECT_EQ(id, 1u);
    EXPECT_TRUE(fileIds.find("materialCustomShaderTexture_tex/d.png", id));
    EXPECT_EQ(id, 2u);
    EXPECT_EQ(extraFileIds.size(), 2u);
}

TEST_F(CustomShader, WithoutATextShaderNothingIsWrittenOrNumbered) {
    Node* loose = material("loose");
    text(loose, "customParameter_p", "x");
    text(loose, "customTexture_t", "t.png");
    Node* numeric = material("numeric");
    addAttribute(numeric, "customShader", "", AttrType::Float, 1.0);
    text(numeric, "customTexture_t", "t.png");
    Node* longName = material("longName"); // only the long name is customShader
    text(longName, "customShader", "x.fx", "shaderFile");
    text(longName, "customParameter_p", "x");
    EXPECT_EQ(materialsOnly(), materialsSection(startTag("loose", 1) + kEnd + startTag("numeric", 2) + kEnd +
                                                startTag("longName", 3) + kEnd));
    EXPECT_TRUE(fileIds.empty());
    EXPECT_TRUE(extraFileIds.empty());
}

TEST_F(CustomShader, SharedPathsShareIdsAndEveryIdIsListed) {
    Node* first = material("first");
    text(first, "customShader", "shaders/x.fx");
    Node* second = material("second");
    text(second, "customShader", "shaders/x.fx");
    text(second, "customTexture_map", "shaders/x.fx"); // a second key, so a second id
    text(second, "customTexture_base", "Tex/B.png");
    EXPECT_EQ(filesAndMaterials(false, false, "C:/proj/scenes/"),
              "\n  <Files>\n"
              "    <File fileId=\"3\" filename=\"C:/proj/scenes/Tex/B.png\" relativePath=\"false\"/>\n"
              "    <File fileId=\"1\" filename=\"C:/proj/scenes/shaders/x.fx\" relativePath=\"false\"/>\n"
              "    <File fileId=\"2\" filename=\"C:/proj/scenes/shaders/x.fx\" relativePath=\"false\"/>\n"
              "  </Files>\n\n" +
                  materialsSection(startTag("first", 1, "\" customShaderId=\"1") + kEnd +
                                   startTag("second", 2, "\" customShaderId=\"1") +
                                   "      <Custommap name=\"map\" fileId=\"2\"/>\n"
                                   "      <Custommap name=\"base\" fileId=\"3\"/>\n" +
                                   kEnd));
    uint32_t id = 0;
    EXPECT_TRUE(extraFileIds.find("shaders/x.fx", id));
    EXPECT_EQ(id, 1u);
}

TEST_F(CustomShader, ShaderFilesAreNumberedAfterTheMaterialsTextures) {
    fileTexture("file1", "a.png");
    Node* fx = material("fx");
    text(fx, "customShader", "x.fx");
    text(fx, "customTexture_t", "t.png");
    connect("file1.outColor", "fx.color");
    materialsOnly();
    uint32_t id = 0;
    EXPECT_TRUE(fileIds.find("file1", id) && id == 1u);
    EXPECT_TRUE(fileIds.find("materialCustomShaderFile_x.fx", id) && id == 2u);
    EXPECT_TRUE(fileIds.find("materialCustomShaderTexture_t.png", id) && id == 3u);
}

TEST_F(CustomShader, ReflectionBumpScaleFromTextOrNumber) {
    Node* a = material("a");
    text(a, "reflectionMapBumpScale", " 0.25e1xyz");
    EXPECT_EQ(reflectionOf(a),
              "      <Reflectionmap type=\"planar\" refractiveIndex=\"1.5\" bumpScale=\"2.5\"/>");
    orvex_host::newScene(false);
    Node* b = material("b");
    text(b, "reflectionMapBumpScale", "none");
    EXPECT_EQ(reflectionOf(b),
              "      <Reflectionmap type=\"planar\" refractiveIndex=\"1.5\" bumpScale=\"0\"/>");
    orvex_host::newScene(false);
    Node* c = material("c");
    addAttribute(c, "reflectionMapBumpScale", "", AttrType::Double, 0.75);
    EXPECT_EQ(reflectionOf(c),
              "      <Reflectionmap type=\"planar\" refractiveIndex=\"1.5\" bumpScale=\"0.75\"/>");
    orvex_host::newScene(false);
    Node* d = material("d");
    addAttribute(d, "reflectionMapBumpScale", "", AttrType::Bool, true); // not a number kind the pass reads
    EXPECT_EQ(reflectionOf(d),
              "      <Reflectionmap type=\"planar\" refractiveIndex=\"1.5\" bumpScale=\"0.1\"/>");
}

TEST_F(CustomShader, ReflectionResolutionFromTextOrNumberIsClamped) {
    struct Case {
        AttrType type;
        orvex_host::Value value;
        std::string written; // empty: no resolution attribute
    };
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const std::vector<Case> cases = {
        {AttrType::String, std::string("512"), ""},
        {AttrType::String, std::string("  -12px"), "-12"},
        {AttrType::String, std::string("+0"), "0"},
        {AttrType::String, std::string("abc"), "0"},
        {AttrType::String, std::string("99999999999"), "2147483647"},
        {AttrType::String, std::string("-99999999999"), "-2147483648"},
        {AttrType::Int, 512LL, ""},
        {AttrType::Int, 1024LL, "1024"},
        {AttrType::Float, 300.7, "300"},
        {AttrType::Float, -0.5, "0"},
        {AttrType::Double, 1e20, "2147483647"},
        {AttrType::Double, -1e20, "-2147483648"},
        {AttrType::Float, nan, ""},
    };
    for (const Case& c : cases) {
        orvex_host::newScene(false);
        materialIds = IdTable();
        Node* node = material("m");
        addAttribute(node, "reflectionMapResolution", "", c.type, c.value);
        const std::string expected =
            "      <Reflectionmap type=\"planar\" refractiveIndex=\"1.5\" bumpScale=\"0.1" +
            (c.written.empty() ? "" : "\" resolution=\"" + c.written) + "\"/>";
        EXPECT_EQ(reflectionOf(node), expected) << c.written;
    }
}
