#include "support/SceneBuilder.h"

#include "api/Access.h"

#include <orvex_host/Session.h>

#include <gtest/gtest.h>

namespace orvex_test {

using namespace orvex_host;

Scene& SceneBuilder::scene() {
    return currentScene();
}

Node* SceneBuilder::create(const std::string& typeName, const std::string& name, Node* parent) {
    const NodeType* type = TypeRegistry::instance().find(typeName);
    EXPECT_NE(type, nullptr) << "no node type " << typeName;
    return type ? scene().createNode(*type, name, parent) : nullptr;
}

PlugAddress SceneBuilder::address(Node* node, const std::string& plug) {
    PlugAddress addr;
    const size_t bracket = plug.find('[');
    addr.attr = node->findAttribute(plug.substr(0, bracket));
    EXPECT_GE(addr.attr, 0) << node->name << " has no attribute " << plug;
    for (size_t open = bracket; open != std::string::npos; open = plug.find('[', open + 1)) {
        addr.indices.push_back(static_cast<unsigned>(std::stoul(plug.substr(open + 1))));
    }
    return addr;
}

void SceneBuilder::set(Node* node, const std::string& plug, Value value) {
    PlugAddress addr = address(node, plug);
    if (addr.attr >= 0) {
        node->touch(addr);
        node->setValue(addr, std::move(value));
    }
}

int SceneBuilder::addAttribute(Node* node, const std::string& longName, AttrType type,
                               const std::string& shortName, const std::vector<AttrDef>& children) {
    return node->addDynamic(makeAttr(longName, shortName, type), children);
}

Node* SceneBuilder::nodeOf(const std::string& plugPath, std::string& plug) {
    const size_t dot = plugPath.find('.');
    plug = plugPath.substr(dot + 1);
    Node* node = scene().find(plugPath.substr(0, dot));
    EXPECT_NE(node, nullptr) << "no node for " << plugPath;
    return node;
}

void SceneBuilder::connect(const std::string& source, const std::string& destination) {
    std::string srcPlug, dstPlug;
    Node* src = nodeOf(source, srcPlug);
    Node* dst = nodeOf(destination, dstPlug);
    if (!src || !dst) {
        return;
    }
    std::string error;
    EXPECT_TRUE(scene().connect(src, address(src, srcPlug), dst, address(dst, dstPlug), false, error))
        << error;
}

void SceneBuilder::disconnect(const std::string& source, const std::string& destination) {
    std::string srcPlug, dstPlug;
    Node* src = nodeOf(source, srcPlug);
    Node* dst = nodeOf(destination, dstPlug);
    if (src && dst) {
        scene().disconnect(src, address(src, srcPlug), dst, address(dst, dstPlug));
    }
}

MObject SceneBuilder::object(Node* node) {
    return ObjectAccess::fromNode(node);
}

} // namespace orvex_test
