#pragma once
// Reading scene text in tests and looking at what it made.

#include "graph/Scene.h"

#include <orvex_host/Session.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace orvex_test {

class SceneReading : public ::testing::Test {
protected:
    void SetUp() override {
        orvex_host::newScene(false);
        orvex_host::clearMessages();
    }

    // Reads the text into a new scene (with or without the startup nodes);
    // fails the test on an error.
    void read(const std::string& text, bool startupNodes = false) {
        std::string error;
        ASSERT_TRUE(orvex_host::openSceneText(text, "test.ma", error, startupNodes)) << error;
    }
    // Reads text that must fail; returns the error.
    std::string readFailing(const std::string& text) {
        std::string error;
        EXPECT_FALSE(orvex_host::openSceneText(text, "bad.ma", error, true)) << text;
        return error;
    }

    orvex_host::Scene& scene() { return orvex_host::currentScene(); }
    orvex_host::Node& node(const std::string& name) {
        orvex_host::Node* n = scene().find(name);
        if (!n) {
            ADD_FAILURE() << "no node " << name;
            static orvex_host::Node none;
            return none;
        }
        return *n;
    }
    // The stored value of "node.attr" (an attribute name, element indices).
    const orvex_host::Value* value(const std::string& nodeName, const std::string& attr,
                                   std::vector<unsigned> indices = {}) {
        orvex_host::Node& n = node(nodeName);
        int a = n.type ? n.findAttribute(attr) : -1;
        if (a < 0) {
            ADD_FAILURE() << nodeName << " has no attribute " << attr;
            return nullptr;
        }
        return n.value({a, std::move(indices)});
    }
    double number(const std::string& nodeName, const std::string& attr, std::vector<unsigned> indices = {}) {
        const orvex_host::Value* v = value(nodeName, attr, std::move(indices));
        double d = -12345.0;
        if (!v || !orvex_host::asDouble(*v, d)) {
            ADD_FAILURE() << nodeName << "." << attr << " holds no number";
        }
        return d;
    }
    std::vector<std::string> notices() const {
        std::vector<std::string> result;
        for (const auto& m : orvex_host::messages()) {
            if (m.kind == orvex_host::MessageKind::Notice) {
                result.push_back(m.text);
            }
        }
        return result;
    }
    size_t noticesContaining(const std::string& part) const {
        size_t n = 0;
        for (const auto& text : notices()) {
            n += text.find(part) != std::string::npos;
        }
        return n;
    }
};

} // namespace orvex_test
