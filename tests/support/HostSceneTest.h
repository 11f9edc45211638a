#pragma once
// A fixture for tests that build a host scene node by node: a fresh scene
// without startup nodes, no fault switches, the SceneBuilder's helpers, and
// setAttr statements fed to payload hooks.

#include "graph/Scene.h"
#include "support/SceneBuilder.h"
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
        return builder_.create(type, name, parent);
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
    // A plain value, as the scene reader stores it: "attr" or "attr[3]".
    void setPlug(orvex_host::Node* node, const std::string& plug, orvex_host::Value value) {
        builder_.set(node, plug, std::move(value));
    }
    // Connects "node.attr[i]" to "node.attr[j]" (see SceneBuilder::connect).
    void connect(const std::string& source, const std::string& destination) {
        builder_.connect(source, destination);
    }
    static MObject object(orvex_host::Node* n) { return SceneBuilder::object(n); }

private:
    SceneBuilder builder_;
};

} // namespace orvex_test
