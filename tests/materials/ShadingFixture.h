#pragma once
// Builds shading networks through the host's graph and runs the Files and
// Materials passes on them directly, with the export's tables at hand.

#include "support/ExportHarness.h"

#include "export/FileExportContext.h"
#include "graph/Scene.h"

#include <string>

namespace orvex_test {

class ShadingTest : public ExportTest {
protected:
    using Node = orvex_host::Node;

    Node* create(const std::string& typeName, const std::string& name);
    // Stores a value on a plug named like "color", "colorR" or "cs[2].a".
    void set(Node* node, const std::string& plug, orvex_host::Value value);
    void setColor(Node* node, const std::string& compound, double r, double g, double b);
    // Connects "node.plug" to "node.plug".
    void connect(const std::string& source, const std::string& destination);
    // Adds a user attribute of the given type (short name = long name when
    // `shortName` is empty) holding `value`.
    void addAttribute(Node* node, const std::string& longName, const std::string& shortName,
                      orvex_host::AttrType type, orvex_host::Value value);

    // A file texture node reading `path`.
    Node* fileTexture(const std::string& name, const std::string& path);

    // The Files and Materials text of one direct call of the pass.
    std::string filesAndMaterials(bool onlyUsed = false, bool relativePaths = false,
                                  const std::string& sceneDir = "", const std::string& outputDir = "",
                                  bool verbose = false);
    // The Materials text alone (the Files pass then still runs).
    std::string materialsOnly(bool onlyUsed = false);

    IdTable fileIds, extraFileIds, materialIds;
};

// The empty Files section the pass writes when nothing refers to a file.
extern const char kNoFiles[];
// The Materials section around the given Material elements.
std::string materialsSection(const std::string& elements);

} // namespace orvex_test
