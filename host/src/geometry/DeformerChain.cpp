#include "geometry/DeformerChain.h"

namespace orvex_host {

namespace {

// Longest chain of deformers followed before giving up (a cycle).
const int kMaxChain = 64;

bool isShape(const Node* node) {
    return kindIs(node->kind(), Kind::Shape);
}

bool isDeformer(const Node* node) {
    return kindIs(node->kind(), Kind::GeometryFilt);
}

bool isGroupParts(const Node* node) {
    return kindIs(node->kind(), Kind::GroupParts);
}

unsigned firstIndex(const PlugAddress& addr) {
    return addr.indices.empty() ? 0 : addr.indices.front();
}

// The plug of `node` that receives the geometry leaving `output`: a
// deformer's input[i].inputGeometry for its outputGeometry[i], a group-parts
// node's inputGeometry for its outputGeometry. attr -1 when there is none.
PlugAddress inputFor(const Node* node, const PlugAddress& output) {
    int geometryIn = node->findAttribute("inputGeometry");
    if (geometryIn < 0 || node->findAttribute("outputGeometry") != output.attr) {
        return {};
    }
    if (isDeformer(node)) {
        return {geometryIn, {firstIndex(output)}};
    }
    return isGroupParts(node) ? PlugAddress{geometryIn, {}} : PlugAddress{};
}

// The output that carries on the geometry arriving at `input` (the reverse
// of inputFor).
PlugAddress outputFor(const Node* node, const PlugAddress& input) {
    int geometryOut = node->findAttribute("outputGeometry");
    if (geometryOut < 0 || node->findAttribute("inputGeometry") != input.attr) {
        return {};
    }
    if (isDeformer(node)) {
        return {geometryOut, {firstIndex(input)}};
    }
    return isGroupParts(node) ? PlugAddress{geometryOut, {}} : PlugAddress{};
}

} // namespace

const Node* upstreamGeometrySource(const Scene& scene, const Node* shape) {
    int inMesh = shape->findAttribute("inMesh");
    if (inMesh < 0) {
        return nullptr;
    }
    const Connection* feed = scene.sourceOf(shape, {inMesh, {}});
    for (int step = 0; feed && step < kMaxChain; ++step) {
        const Node* source = feed->srcNode;
        if (isShape(source)) {
            return source;
        }
        PlugAddress input = inputFor(source, feed->src);
        if (input.attr < 0) {
            return nullptr;
        }
        feed = scene.sourceOf(source, input);
    }
    return nullptr;
}

Node* downstreamShape(const Scene& scene, const Node* node, const PlugAddress& output) {
    const Node* current = node;
    PlugAddress from = output;
    for (int step = 0; step < kMaxChain; ++step) {
        const Connection* next = nullptr;
        for (const Connection& c : scene.connections()) {
            if (c.srcNode == current && c.src == from) {
                if (isShape(c.dstNode)) {
                    return c.dstNode;
                }
                if (!next && outputFor(c.dstNode, c.dst).attr >= 0) {
                    next = &c;
                }
            }
        }
        if (!next) {
            return nullptr;
        }
        from = outputFor(next->dstNode, next->dst);
        current = next->dstNode;
    }
    return nullptr;
}

} // namespace orvex_host
