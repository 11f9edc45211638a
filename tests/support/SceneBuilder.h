#pragma once
// Builds small scenes in the current host scene through the host's own graph,
// for unit tests of passes that run before the scene-file reader can give
// them scenes: nodes by type name, values, dynamic attributes and
// connections written as "node.attr[index]" paths.

#include "graph/Scene.h"

#include <maya/MObject.h>

#include <string>
#include <vector>

namespace orvex_test {

class SceneBuilder {
public:
    // Every call works on the host's current scene at the time of the call.

    // A node of a registered type; fails the test when the type is unknown.
    orvex_host::Node* create(const std::string& typeName, const std::string& name,
                             orvex_host::Node* parent = nullptr);
    // Sets a stored value: "attr" or "attr[3]" (one index per array level).
    void set(orvex_host::Node* node, const std::string& plug, orvex_host::Value value);
    // Adds a user attribute with the given long and short names (the short
    // name defaults to the long one); children follow a compound.
    int addAttribute(orvex_host::Node* node, const std::string& longName, orvex_host::AttrType type,
                     const std::string& shortName = "",
                     const std::vector<orvex_host::AttrDef>& children = {});
    // Connects "node.attr[i]" to "node.attr[j]"; fails the test on error.
    void connect(const std::string& source, const std::string& destination);
    void disconnect(const std::string& source, const std::string& destination);

    static orvex_host::Scene& scene();
    static MObject object(orvex_host::Node* node);

private:
    orvex_host::PlugAddress address(orvex_host::Node* node, const std::string& plug);
    orvex_host::Node* nodeOf(const std::string& plugPath, std::string& plug);
};

} // namespace orvex_test
