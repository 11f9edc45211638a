#pragma once
// The weights a skin cluster keeps: per vertex, the weight of each influence
// that has one, by the influence's logical index in "matrix".

#include "graph/Node.h"

#include <map>
#include <vector>

namespace orvex_host {

class Scene;
struct SetAttrRequest;

struct SkinWeights : Payload {
    // perVertex[v] maps a logical influence index to the stored weight.
    std::vector<std::map<unsigned, double>> perVertex;

    // The stored weight; 0 when the file gives none.
    double weight(size_t vertex, unsigned influence) const;
};

// The skin cluster type's setAttr hook: ".wl[v].w[i]" (weightList[v].weights[i])
// single values, ranges, ".wl[a:b].w" with each vertex's weights in the
// sparse form, and the size-only statements around them.
bool skinClusterSetAttr(Scene& scene, Node& cluster, SetAttrRequest& request);

} // namespace orvex_host
