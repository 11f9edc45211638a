#include "scene/SceneFixture.h"

#include "api/Access.h"

namespace orvex_test {

using orvex_host::AttrDef;
using orvex_host::Node;
using orvex_host::PlugAddress;
using orvex_host::TypeRegistry;

Node* SceneFixture::create(const std::string& typeName, const std::string& name, Node* parent) {
    const orvex_host::NodeType* type = TypeRegistry::instance().find(typeName);
    EXPECT_NE(type, nullptr) << typeName;
    return type ? scene().createNode(*type, name, parent) : nullptr;
}

Node* SceneFixture::shapeUnder(const std::string& shapeType, const std::string& transformName, Node* parent) {
    Node* transform = create("transform", transformName, parent);
    return create(shapeType, transformName + "Shape", transform);
}

PlugAddress SceneFixture::address(Node* node, const std::string& plug) {
    PlugAddress addr;
    size_t pos = 0;
    while (pos <= plug.size()) {
        size_t end = plug.find('.', pos);
        std::string part = plug.substr(pos, end == std::string::npos ? std::string::npos : end - pos);
        size_t bracket = part.find('[');
        std::string name = part.substr(0, bracket);
        addr.attr = node->findAttribute(name);
        EXPECT_GE(addr.attr, 0) << node->name << "." << name;
        if (bracket != std::string::npos) {
            addr.indices.push_back(static_cast<unsigned>(std::stoul(part.substr(bracket + 1))));
        }
        if (end == std::string::npos) {
            break;
        }
        pos = end + 1;
    }
    return addr;
}

void SceneFixture::set(Node* node, const std::string& plug, Value value) {
    node->setValue(address(node, plug), std::move(value));
}

void SceneFixture::set3(Node* node, const std::string& plug, double x, double y, double z) {
    int attr = node->findAttribute(plug);
    ASSERT_GE(attr, 0) << plug;
    const std::vector<int>& children = node->attribute(attr).children;
    ASSERT_EQ(children.size(), 3u) << plug;
    node->setValue({children[0], {}}, x);
    node->setValue({children[1], {}}, y);
    node->setValue({children[2], {}}, z);
}

void SceneFixture::addAttr(Node* node, const std::string& name, orvex_host::AttrType type, Value value) {
    node->addDynamic(orvex_host::makeAttr(name, name, type));
    set(node, name, std::move(value));
}

void SceneFixture::connect(Node* src, const std::string& srcPlug, Node* dst, const std::string& dstPlug) {
    std::string error;
    EXPECT_TRUE(scene().connect(src, address(src, srcPlug), dst, address(dst, dstPlug), false, error))
        << error;
}

void SceneFixture::select(Node* node) {
    scene().selection().push_back({node, scene().firstPath(node)});
}

Node* SceneFixture::instancedUnderTwoParents() {
    Node* left = create("transform", "left");
    Node* right = create("transform", "right");
    Node* shared = create("transform", "shared", left);
    std::string error;
    EXPECT_TRUE(scene().parent(shared, right, true, error)) << error;
    return shared;
}

std::string SceneFixture::exportScene(const std::string& flags) {
    const std::string path = workDir() + "/scene.xml";
    EXPECT_EQ(exportWith(flags + " -f " + path), MS::kSuccess);
    return sceneSection(readFile(path));
}

std::string sceneSection(const std::string& document) {
    const std::string open = "  <Scene>\n", close = "  </Scene>\n";
    size_t begin = document.find(open);
    size_t end = document.find(close);
    if (begin == std::string::npos || end == std::string::npos || end < begin) {
        return document;
    }
    return document.substr(begin + open.size(), end - begin - open.size());
}

} // namespace orvex_test
