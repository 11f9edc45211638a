#include "geometry/SkinWeights.h"

#include "geometry/SetAttrValues.h"

namespace orvex_host {

double SkinWeights::weight(size_t vertex, unsigned influence) const {
    if (vertex >= perVertex.size()) {
        return 0.0;
    }
    auto it = perVertex[vertex].find(influence);
    return it == perVertex[vertex].end() ? 0.0 : it->second;
}

bool skinClusterSetAttr(Scene&, Node& node, SetAttrRequest& request) {
    SkinWeights* skin = node.payloadAs<SkinWeights>();
    if (!skin || request.path.empty() || !named(request.path[0], "weightList", "wl")) {
        return false;
    }
    if (request.path.size() > 2 || (request.path.size() == 2 && !named(request.path[1], "weights", "w"))) {
        return false;
    }
    if (request.path.size() == 1 || (!request.path[1].indexed && request.values.atEnd())) {
        // ".wl" or ".wl[v].w" with -s: the number of elements only.
        if (!request.values.atEnd()) {
            request.error = "expected no values for the size of a weight list";
        }
        return true;
    }
    // ".wl[v].w[i]" (one weight or a range of influences), or ".wl[a:b].w"
    // with the weights of each vertex in the sparse form.
    const bool sparse = !request.path[1].indexed;
    ElementRange vertices = elementRange(request.path[0]);
    ElementRange influences = sparse ? ElementRange() : elementRange(request.path[1]);
    if (vertices.open || influences.open) {
        request.error = "expected explicit vertex and influence indices";
        return true;
    }
    for (size_t v = vertices.first; v < vertices.first + vertices.count; ++v) {
        if (!elementFits(v, skin->perVertex.size())) {
            request.error = "vertex " + std::to_string(v) + " lies too far beyond the weight list";
            return true;
        }
        if (skin->perVertex.size() <= v) {
            skin->perVertex.resize(v + 1);
        }
        std::map<unsigned, double>& weights = skin->perVertex[v];
        auto element = [v] { return ".wl[" + std::to_string(v) + "].w"; };
        auto readWeight = [&](size_t i) {
            double w = 0.0;
            if (!request.values.nextDouble(w)) {
                request.error = "expected a weight for " + element() + "[" + std::to_string(i) + "]";
                return false;
            }
            weights[static_cast<unsigned>(i)] = w;
            return true;
        };
        if (sparse) {
            if (!readSparseElement(request.values, element, request.error, readWeight)) {
                return true;
            }
            continue;
        }
        for (size_t i = influences.first; i < influences.first + influences.count; ++i) {
            if (!readWeight(i)) {
                return true;
            }
        }
    }
    if (!request.values.atEnd()) {
        request.error = "more weights than the elements named";
    }
    return true;
}

} // namespace orvex_host
