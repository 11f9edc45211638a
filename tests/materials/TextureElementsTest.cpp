// Texture children of materials: what each input yields through file
// textures, environment spheres, bump nodes and layered textures, and the
// file ids they share.

#include "materials/ShadingFixture.h"

using namespace orvex_test;

namespace {

class TextureElements : public ShadingTest {
protected:
    // The start tag's tail of a lambert with default values and no colour.
    static std::string untinted(const std::string& name, int id) {
        return "    <Material name=\"" + name + "\" materialId=\"" + std::to_string(id) +
               "\" specularColor=\"0 0 0\" ambientColor=\"1 1 1\">\n";
    }
    static std::string tinted(const std::string& name, int id, const char* colourKind = "diffuseColor") {
        return "    <Material name=\"" + name + "\" materialId=\"" + std::to_string(id) + "\" " + colourKind +
               "=\"0.5 0.5 0.5 1\" specularColor=\"0 0 0\" ambientColor=\"1 1 1\">\n";
    }
    static std::string file(int id, const std::string& path) {
        return "    <File fileId=\"" + std::to_string(id) + "\" filename=\"" + path +
               "\" relativePath=\"false\"/>\n";
    }
    static std::string files(const std::string& entries) {
        return "\n  <Files>\n" + entries + "  </Files>\n\n";
    }
    static const std::string kEnd;
};

const std::string TextureElements::kEnd = "    </Material>\n";

} // namespace

TEST_F(TextureElements, ColourTexturesReplaceTheColourUnlessNothingIsWritten) {
    fileTexture("file1", "tex/a.png");
    fileTexture("file2", "tex/glow.png");
    create("checker", "checker1");
    create("layeredTexture", "layered1");
    create("bump2d", "bump1");
    create("lambert", "plain");
    Node* glowing = create("lambert", "glowing");
    set(glowing, "glowIntensity", 1.0);
    Node* glowingLayers = create("lambert", "glowingLayers");
    set(glowingLayers, "glowIntensity", 1.0);
    create("lambert", "procedural");
    create("lambert", "bumpy");
    connect("file1.outColor", "plain.color");
    connect("file2.outColor", "glowing.color");
    connect("file1.outColor", "layered1.cs[0].c");
    connect("layered1.outColor", "glowingLayers.color");
    connect("checker1.outColor", "procedural.color");
    connect("bump1.outNormal", "bumpy.color");
    EXPECT_EQ(filesAndMaterials(),
              files(file(1, "tex/a.png") + file(2, "tex/glow.png")) +
                  materialsSection(untinted("plain", 1) + "      <Texture fileId=\"1\"/>\n" + kEnd +
                                   untinted("glowing", 2) + "      <Emissivemap fileId=\"2\"/>\n" + kEnd +
                                   tinted("glowingLayers", 3, "emissiveColor") + kEnd +
                                   tinted("procedural", 4) + kEnd + tinted("bumpy", 5) + kEnd));
}

TEST_F(TextureElements, ATextureDerivedFromTheFileTextureIsNotWritten) {
    Node* psd = create("psdFileTex", "psd1");
    set(psd, "fileTextureName", std::string("tex/layers.psd"));
    create("lambert", "painted");
    connect("psd1.outColor", "painted.color");
    EXPECT_EQ(filesAndMaterials(), kNoFiles + materialsSection(tinted("painted", 1) + kEnd));
    EXPECT_TRUE(fileIds.empty());
}

TEST_F(TextureElements, NormalMapsThroughBumpNodesCarryTheirDepth) {
    fileTexture("file1", "tex/a.png");
    fileTexture("file2", "tex/n.png");
    create("bump2d", "bump1"); // depth 1: not written
    Node* deep = create("bump2d", "bump2");
    set(deep, "bumpDepth", 0.5);
    create("lambert", "bumped");
    create("lambert", "deep");
    create("lambert", "direct");
    connect("file1.outAlpha", "bump1.bumpValue");
    connect("file2.outAlpha", "bump2.bumpValue");
    connect("bump1.outNormal", "bumped.normalCamera");
    connect("bump2.outNormal", "deep.normalCamera");
    // One texture on colour and normal input: both elements share its id.
    connect("file1.outColor", "direct.color");
    connect("file1.outColor", "direct.normalCamera");
    EXPECT_EQ(filesAndMaterials(),
              files(file(1, "tex/a.png") + file(2, "tex/n.png")) +
                  materialsSection(tinted("bumped", 1) + "      <Normalmap fileId=\"1\"/>\n" + kEnd +
                                   tinted("deep", 2) + "      <Normalmap fileId=\"2\" bumpDepth=\"0.5\"/>\n" +
                                   kEnd + untinted("direct", 3) + "      <Texture fileId=\"1\"/>\n" +
                                   "      <Normalmap fileId=\"1\"/>\n" + kEnd));
}

TEST_F(TextureElements, ReflectionAndGlossMapsOfPhongs) {
    fileTexture("file1", "env/sky.png");
    fileTexture("file2", "tex/gloss.png");
    create("envSphere", "envSphere1");
    create("envSphere", "envSphere2");
    create("checker", "checker1");
    Node* mirror = create("phong", "mirror");
    set(mirror, "refractiveIndex", 1.5);
    // The material's own bump scale applies to the planar reflection only.
    addAttribute(mirror, "reflectionMapBumpScale", "", orvex_host::AttrType::Float, 0.3);
    Node* dull = create("phong", "dull");
    set(dull, "refractiveIndex", 1.2);
    connect("file1.outColor", "envSphere1.image");
    connect("envSphere1.outColor", "mirror.reflectedColor");
    connect("file2.outColor", "mirror.specularColor");
    connect("checker1.outColor", "envSphere2.image");
    connect("envSphere2.outColor", "dull.reflectedColor");
    connect("checker1.outColor", "dull.specularColor");
    const std::string phongTail = "\" diffuseColor=\"0.5 0.5 0.5 1\" cosPower=\"20\" specularColor=\"";
    EXPECT_EQ(
        filesAndMaterials(),
        files(file(1, "env/sky.png") + file(2, "tex/gloss.png")) +
            materialsSection(
                "    <Material name=\"mirror\" materialId=\"1" + phongTail +
                "1 1 1\" ambientColor=\"1 1 1\">\n" +
                "      <Reflectionmap fileId=\"1\" type=\"cube\" wrap=\"false\" refractiveIndex=\"1.5\" "
                "bumpScale=\"0.1\"/>\n"
                "      <Glossmap fileId=\"2\"/>\n" +
                kEnd + "    <Material name=\"dull\" materialId=\"2" + phongTail +
                "0.5 0.5 0.5\" ambientColor=\"1 1 1\">\n" +
                "      <Reflectionmap type=\"planar\" refractiveIndex=\"1.2\" bumpScale=\"0.1\"/>\n" + kEnd));
}

TEST_F(TextureElements, NestedLayersAreFollowedInPhysicalOrder) {
    fileTexture("file1", "a.png");
    fileTexture("file2", "b.png");
    fileTexture("file3", "c.png");
    Node* outer = create("layeredTexture", "outer");
    create("layeredTexture", "inner");
    create("layeredTexture", "empty");
    create("lambert", "layered");
    create("lambert", "blank");
    connect("file2.outColor", "outer.cs[5].c");
    connect("inner.outColor", "outer.cs[2].c");
    connect("file3.outColor", "inner.cs[0].c");
    connect("file1.outColor", "inner.cs[1].c");
    set(outer, "cs[0].a", 0.5); // a layer with nothing connected
    connect("outer.outColor", "layered.color");
    connect("empty.outColor", "blank.color");
    EXPECT_EQ(filesAndMaterials(),
              files(file(2, "a.png") + file(3, "b.png") + file(1, "c.png")) +
                  materialsSection(untinted("layered", 1) + "      <Texture fileId=\"1\"/>\n" +
                                   "      <Texture fileId=\"2\"/>\n" + "      <Texture fileId=\"3\"/>\n" +
                                   kEnd + tinted("blank", 2) + kEnd));
}

TEST_F(TextureElements, ALayeredTextureReachedThroughTwoLayersIsFollowedTwice) {
    // The inner layered texture feeds two layers of the outer one: not a
    // cycle, so its file texture gives an element for each layer.
    fileTexture("file1", "a.png");
    create("layeredTexture", "outer");
    create("layeredTexture", "inner");
    create("lambert", "twice");
    connect("file1.outColor", "inner.cs[0].c");
    connect("inner.outColor", "outer.cs[0].c");
    connect("inner.outColor", "outer.cs[1].c");
    connect("outer.outColor", "twice.color");
    EXPECT_EQ(filesAndMaterials(),
              files(file(1, "a.png")) +
                  materialsSection(untinted("twice", 1) + "      <Texture fileId=\"1\"/>\n" +
                                   "      <Texture fileId=\"1\"/>\n" + kEnd));
}

TEST_F(TextureElements, LayeredTexturesThatLeadBackToThemselvesStop) {
    fileTexture("file1", "a.png");
    fileTexture("file2", "b.png");
    create("layeredTexture", "first");
    create("layeredTexture", "second");
    create("lambert", "looped");
    connect("file1.outColor", "first.cs[0].c");
    connect("second.outColor", "first.cs[1].c");
    connect("first.outColor", "second.cs[0].c");
    connect("file2.outColor", "second.cs[1].c");
    connect("first.outColor", "looped.color");
    EXPECT_EQ(filesAndMaterials(),
              files(file(1, "a.png") + file(2, "b.png")) +
                  materialsSection(untinted("looped", 1) + "      <Texture fileId=\"1\"/>\n" +
                                   "      <Texture fileId=\"2\"/>\n" + kEnd));
}

TEST_F(TextureElements, LayersNestedBeyondSixtyFourLevelsAddNothing) {
    // Two chains of layered textures ending in a file texture: 64 levels
    // are followed, 65 are not.
    for (int depth : {64, 65}) {
        const std::string chain = "chain" + std::to_string(depth) + "_";
        for (int level = 0; level < depth; ++level) {
            create("layeredTexture", chain + std::to_string(level));
            if (level > 0) {
                connect(chain + std::to_string(level) + ".outColor",
                        chain + std::to_string(level - 1) + ".cs[0].c");
            }
        }
        fileTexture("file" + std::to_string(depth), "deep.png");
        connect("file" + std::to_string(depth) + ".outColor", chain + std::to_string(depth - 1) + ".cs[0].c");
        create("lambert", "material" + std::to_string(depth));
        connect(chain + "0.outColor", "material" + std::to_string(depth) + ".color");
    }
    EXPECT_EQ(filesAndMaterials(),
              files(file(1, "deep.png")) +
                  materialsSection(untinted("material64", 1) + "      <Texture fileId=\"1\"/>\n" + kEnd +
                                   tinted("material65", 2) + kEnd));
}
