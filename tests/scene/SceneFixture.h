#pragma once
// Builds scenes through the host's graph and exports them, for tests of the
// Scene section that need no scene file.

#include "support/ExportHarness.h"

#include "graph/Scene.h"

#include <string>

namespace orvex_test {

class SceneFixture : public ExportTest {
protected:
    using Node = orvex_host::Node;
    using Value = orvex_host::Value;

    orvex_host::Scene& scene() { return orvex_host::currentScene(); }

    Node* create(const std::string& typeName, const std::string& name, Node* parent = nullptr);
    // A transform with a shape of the given type below it; returns the shape.
    Node* shapeUnder(const std::string& shapeType, const std::string& transformName, Node* parent = nullptr);

    // `plug` is an attribute name, optionally with element indices and
    // compound children ("worldMatrix[2]", "inputs[0].color").
    void set(Node* node, const std::string& plug, Value value);
    void set3(Node* node, const std::string& plug, double x, double y, double z);
    // Adds a dynamic attribute and sets its value.
    void addAttr(Node* node, const std::string& name, orvex_host::AttrType type, Value value);
    void connect(Node* src, const std::string& srcPlug, Node* dst, const std::string& dstPlug);
    void select(Node* node);
    // Transforms "left" and "right", each with the instance "shared" below.
    Node* instancedUnderTwoParents();

    // Exports with the given flags and returns the document's Scene section.
    std::string exportScene(const std::string& flags);

    static constexpr double kDegree = 3.14159265358979323846 / 180.0;

private:
    orvex_host::PlugAddress address(Node* node, const std::string& plug);
};

// The text between "  <Scene>\n" and "  </Scene>\n" of a document, tags
// excluded; the whole document when they are missing.
std::string sceneSection(const std::string& document);

} // namespace orvex_test
