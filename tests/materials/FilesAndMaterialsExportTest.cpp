// Files and Materials through the export command: a textured scene inside a
// project, written with relative paths, gives a well-formed document whose
// every file id has its File element.

#include "materials/ShadingFixture.h"

#include <libxml/parser.h>
#include <libxml/tree.h>

#include <set>

using orvex_host::AttrType;
using namespace orvex_test;

namespace {

// The values of every attribute named fileId, customShaderId or
// projTextureId outside the Files section, and the ids of the File elements.
struct FileReferences {
    std::set<std::string> used;
    std::set<std::string> listed;
    bool wellFormed = false;
};

void collect(xmlNode* node, bool inFiles, FileReferences& refs) {
    for (; node; node = node->next) {
        if (node->type != XML_ELEMENT_NODE) {
            continue;
        }
        const std::string name = reinterpret_cast<const char*>(node->name);
        for (xmlAttr* attr = node->properties; attr; attr = attr->next) {
            const std::string attrName = reinterpret_cast<const char*>(attr->name);
            xmlChar* value = xmlNodeGetContent(attr->children);
            const std::string text = value ? reinterpret_cast<const char*>(value) : "";
            xmlFree(value);
            if (inFiles && name == "File" && attrName == "fileId") {
                refs.listed.insert(text);
            } else if (attrName == "fileId" || attrName == "customShaderId" || attrName == "projTextureId") {
                refs.used.insert(text);
            }
        }
        collect(node->children, inFiles || name == "Files", refs);
    }
}

FileReferences fileReferences(const std::string& document) {
    FileReferences refs;
    xmlDoc* doc = xmlReadMemory(document.data(), static_cast<int>(document.size()), "out.xml", nullptr,
                                XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING);
    if (doc) {
        refs.wellFormed = true;
        collect(xmlDocGetRootElement(doc), false, refs);
        xmlFreeDoc(doc);
    }
    return refs;
}

class FilesAndMaterialsExport : public ShadingTest {
protected:
    void buildTexturedScene() {
        writeFileBytes(workDir() + "/proj/workspace.mel",
                       "workspace -fr \"sourceImages\" \"sourceimages\";\n");
        writeFileBytes(workDir() + "/proj/out/.keep", "");
        orvex_host::setSceneName(workDir() + "/proj/scenes/level.ma");
        create("lambert", "lambert1");
        fileTexture("wood", "tex/wood.png");
        fileTexture("bumps", "tex/bumps.png");
        fileTexture("sky", workDir() + "/proj/scenes/env/sky.png");
        set(create("bump2d", "bump1"), "bumpDepth", 2.0);
        create("envSphere", "env1");
        Node* metal = create("blinn", "metal");
        set(metal, "eccentricity", 0.5);
        set(metal, "specularRollOff", 0.25);
        addAttribute(metal, "customShader", "", AttrType::String, std::string("shaders/metal.fx"));
        addAttribute(metal, "customParameter_tint", "", AttrType::String, std::string("R&D \"red\""));
        addAttribute(metal, "customTexture_detail", "", AttrType::String, std::string("maps/detail.png"));
        connect("wood.outColor", "metal.color");
        connect("bumps.outAlpha", "bump1.bumpValue");
        connect("bump1.outNormal", "metal.normalCamera");
        connect("sky.outColor", "env1.image");
        connect("env1.outColor", "metal.reflectedColor");
    }
};

} // namespace

TEST_F(FilesAndMaterialsExport, TexturedSceneWithRelativePaths) {
    buildTexturedScene();
    const std::string path = workDir() + "/proj/out/level.xml";
    ASSERT_EQ(exportWith("-rp -f " + path), MS::kSuccess);
    const std::string document = readFile(path);
    const std::string expected =
        "\n  <Files>\n"
        "    <File fileId=\"1\" filename=\"../sourceimages/tex/wood.png\" relativePath=\"true\"/>\n"
        "    <File fileId=\"2\" filename=\"../sourceimages/tex/bumps.png\" relativePath=\"true\"/>\n"
        "    <File fileId=\"3\" filename=\"env/sky.png\" relativePath=\"true\"/>\n"
        "    <File fileId=\"5\" filename=\"maps/detail.png\" relativePath=\"true\"/>\n"
        "    <File fileId=\"4\" filename=\"shaders/metal.fx\" relativePath=\"true\"/>\n"
        "  </Files>\n\n"
        "  <Materials>\n"
        "    <Material name=\"lambert1\" materialId=\"1\" diffuseColor=\"0.5 0.5 0.5 1\" specularColor=\"0 0 "
        "0\" "
        "ambientColor=\"1 1 1\">\n"
        "    </Material>\n"
        "    <Material name=\"metal\" materialId=\"2\" cosPower=\"85.9893\" specularColor=\"0.5 0.5 0.5\" "
        "ambientColor=\"1 1 1\" customShaderId=\"4\">\n"
        "      <CustomParameter name=\"tint\" value=\"R&amp;D &quot;red&quot;\"/>\n"
        "      <Custommap name=\"detail\" fileId=\"5\"/>\n"
        "      <Texture fileId=\"1\"/>\n"
        "      <Normalmap fileId=\"2\" bumpDepth=\"2\"/>\n"
        "      <Reflectionmap fileId=\"3\" type=\"cube\" wrap=\"false\" refractiveIndex=\"1\" "
        "bumpScale=\"0.1\"/>\n"
        "    </Material>\n"
        "  </Materials>\n\n";
    EXPECT_NE(document.find(expected), std::string::npos) << document;

    const FileReferences refs = fileReferences(document);
    ASSERT_TRUE(refs.wellFormed);
    EXPECT_EQ(refs.listed, (std::set<std::string>{"1", "2", "3", "4", "5"}));
    for (const std::string& id : refs.used) {
        EXPECT_EQ(refs.listed.count(id), 1u) << "fileId " << id << " has no File element";
    }
}
