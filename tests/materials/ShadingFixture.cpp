#include "materials/ShadingFixture.h"

#include <sstream>

using namespace orvex_host;

namespace orvex_test {

const char kNoFiles[] = "\n  <Files>\n  </Files>\n\n";

std::string materialsSection(const std::string& elements) {
    return "  <Materials>\n" + elements + "  </Materials>\n\n";
}

namespace {

// "cs[2].c" names the attribute "c" with the index 2 on the way.
PlugAddress address(const Node& node, const std::string& plug) {
    PlugAddress result;
    std::string last;
    std::istringstream parts(plug);
    std::string part;
    while (std::getline(parts, part, '.')) {
        size_t bracket = part.find('[');
        if (bracket != std::string::npos) {
            result.indices.push_back(static_cast<unsigned>(std::stoul(part.substr(bracket + 1))));
            part.erase(bracket);
        }
        last = part;
    }
    result.attr = node.findAttribute(last);
    return result;
}

} // namespace

ShadingTest::Node* ShadingTest::create(const std::string& typeName, const std::string& name) {
    const NodeType* type = TypeRegistry::instance().find(typeName);
    EXPECT_NE(type, nullptr) << typeName;
    return currentScene().createNode(*type, name);
}

void ShadingTest::set(Node* node, const std::string& plug, Value value) {
    PlugAddress addr = address(*node, plug);
    ASSERT_GE(addr.attr, 0) << node->name << "." << plug;
    node->setValue(addr, std::move(value));
}

void ShadingTest::setColor(Node* node, const std::string& compound, double r, double g, double b) {
    int attr = node->findAttribute(compound);
    ASSERT_GE(attr, 0) << node->name << "." << compound;
    const std::vector<int>& children = node->attribute(attr).children;
    ASSERT_EQ(children.size(), 3u);
    const double rgb[3] = {r, g, b};
    for (size_t i = 0; i < 3; ++i) {
        node->setValue({children[i], {}}, rgb[i]);
    }
}

void ShadingTest::connect(const std::string& source, const std::string& destination) {
    auto split = [](const std::string& text, Node*& node, PlugAddress& addr) {
        size_t dot = text.find('.');
        node = currentScene().find(text.substr(0, dot));
        ASSERT_NE(node, nullptr) << text;
        addr = address(*node, text.substr(dot + 1));
        ASSERT_GE(addr.attr, 0) << text;
    };
    Node *src = nullptr, *dst = nullptr;
    PlugAddress srcAddr, dstAddr;
    split(source, src, srcAddr);
    split(destination, dst, dstAddr);
    std::string error;
    ASSERT_TRUE(currentScene().connect(src, srcAddr, dst, dstAddr, false, error)) << error;
}

void ShadingTest::addAttribute(Node* node, const std::string& longName, const std::string& shortName,
                               AttrType type, Value value) {
    int index = node->addDynamic(makeAttr(longName, shortName, type));
    node->setValue({index, {}}, std::move(value));
}

ShadingTest::Node* ShadingTest::fileTexture(const std::string& name, const std::string& path) {
    Node* file = create("file", name);
    set(file, "fileTextureName", path);
    return file;
}

std::string ShadingTest::filesAndMaterials(bool onlyUsed, bool relativePaths, const std::string& sceneDir,
                                           const std::string& outputDir, bool verbose) {
    FileExportContext context(relativePaths, verbose, false, sceneDir, outputDir);
    std::ostringstream out;
    EXPECT_TRUE(context.writeFilesAndMaterials(fileIds, extraFileIds, materialIds, onlyUsed, out));
    return out.str();
}

std::string ShadingTest::materialsOnly(bool onlyUsed) {
    FileExportContext context(false, false, false, "", "");
    std::ostringstream out;
    EXPECT_TRUE(context.writeMaterials(materialIds, onlyUsed, fileIds, extraFileIds, out));
    return out.str();
}

} // namespace orvex_test
