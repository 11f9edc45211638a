#pragma once
// Feeds setAttr statements to a node type's setAttr hook the way the scene
// reader does, so host payloads can be filled without a scene file.

#include "graph/Scene.h"

#include <string>

namespace orvex_test {

struct SetAttrOptions {
    std::string type;            // the -type argument
    long long size = -1;         // -s
    long long channelCount = -1; // -ch
};

// Runs "setAttr <attrPath> <values>" (attrPath as written, e.g.
// ".uvst[0].uvsp[0:3]") through the hook of the node's type. Returns the
// hook's error text, empty when the statement was consumed without one, or
// "not consumed" when the hook left it to the reader.
std::string setAttrStatement(orvex_host::Scene& scene, orvex_host::Node& node, const std::string& attrPath,
                             const std::string& values, const SetAttrOptions& options = {});

} // namespace orvex_test
