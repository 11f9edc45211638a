#pragma once
// A fixture for tests that build a host scene node by node: a fresh scene
// without startup nodes, no fault switches, and helpers that create nodes,
// feed setAttr statements to payload hooks and connect plugs by name.

#include "api/Access.h"
#include "graph/Scene.h"
#include "support/SetAttrStatements.h"

#include <orvex_host/Session.h>

#include <gtest/gtest.h>

namespace orvex_test {

class HostSceneTest : public ::testing::Test {
protected:
    void SetUp() override {
        orvex_host::newScene(false);
        orvex_host::clearFaults();
        orvex_host::clearMessages();
    }
    void TearDown() override { orvex_host::clearFaults(); }

    orvex_host::Scene& scene() { return orvex_host::currentScene(); }
    orvex_host::Node* create(const char* type, const std::string& name, orvex_host::Node* parent = nullptr) {
        return scene().createNode(*orvex_host::TypeRegistry::instance().find(type), name, parent);
    }
    // A mesh shape below its own transform (named name + "T").
    orvex_host::Node* mesh(const std::string& name = "shape") {
        return create("mesh", name, create("transform", name + "T"));
    }
    // A setAttr statement that the node's hook must take without an error.
    void set(orvex_host::Node* node, const std::string& path, const std::string& values,
             SetAttrOptions options = {}) {
        EXPECT_EQ(setAttrStatement(scene(), *node, path, values, options), "") << path;
    }
    // A plain attribute value, as the scene reader stores it.
    void setPlain(orvex_host::Node* node, const std::string& attr, orvex_host::Value value) {
        node->setValue({node->findAttribute(attr), {}}, std::move(value));
    }
    void connect(orvex_host::Node* src, const std::string& srcAttr, std::vector<unsigned> srcIndices,
                 orvex_host::Node* dst, const std::string& dstAttr, std::vector<unsigned> dstIndices) {
        std::string error;
        ASSERT_TRUE(scene().connect(src, {src->findAttribute(srcAttr), srcIndices}, dst,
                                    {dst->findAttribute(dstAttr), dstIndices}, false, error))
            << error;
    }
    static MObject object(orvex_host::Node* n) { return orvex_host::ObjectAccess::fromNode(n); }
};

} // namespace orvex_test
