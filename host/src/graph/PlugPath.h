#pragma once
// Plugs named in text the way scene files and character mappings name them:
// "pCube1.translateX", "|group1|pCube1.tx", "skin.wl[3].w[0]".

#include "graph/Node.h"

#include <string>

namespace orvex_host {

class Scene;

// Resolves the attribute part ("tx", "iog[0].og[2].gid", "wl[3].w") on a
// node. Attributes are named by long or short name; the compound parents of
// an attribute may be left out ("tx" for "t.tx"), and an array ancestor named
// without an index stands for its element 0. An array attribute named last
// without an index is the array plug.
bool resolveAttributePath(const Node& node, const std::string& attrText, PlugAddress& addr);
// Resolves "node.attribute..." in the scene: the node by name or DAG path,
// then the attribute part.
bool resolvePlugPath(const Scene& scene, const std::string& text, Node*& node, PlugAddress& addr);

} // namespace orvex_host
