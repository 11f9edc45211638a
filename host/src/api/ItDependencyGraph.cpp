// MItDependencyGraph over the scene's ordered connection list.

#include "api/Access.h"

#include <orvex_host/Session.h>

#include <maya/MItDependencyGraph.h>

#include <deque>
#include <map>
#include <set>

using namespace orvex_host;

namespace {

// For each node, the nodes one step away in the walk's direction, in
// connection order.
using Neighbours = std::map<const Node*, std::vector<Node*>>;

Neighbours neighbours(const Scene& scene, bool upstream) {
    Neighbours result;
    for (const Connection& c : scene.connections()) {
        if (upstream) {
            result[c.dstNode].push_back(c.srcNode);
        } else {
            result[c.srcNode].push_back(c.dstNode);
        }
    }
    return result;
}

} // namespace

MItDependencyGraph::MItDependencyGraph(MPlug& rootPlug, MFn::Type filter, Direction direction,
                                       Traversal traversal, Level, MStatus* status)
    : rootPlug_(rootPlug), rootNode_(rootPlug.node()), fromPlug_(true), filter_(filter),
      direction_(direction), traversal_(traversal) {
    bool ok = !rootPlug.isNull() && !faultActive("MItDependencyGraph");
    if (ok) {
        ready_ = true;
        walk();
    }
    reportStatus(status, ok);
}

MItDependencyGraph::MItDependencyGraph(MObject& rootNode, MFn::Type filter, Direction direction,
                                       Traversal traversal, Level, MStatus* status)
    : rootNode_(rootNode), filter_(filter), direction_(direction), traversal_(traversal) {
    bool ok = ObjectAccess::node(rootNode) != nullptr && !faultActive("MItDependencyGraph");
    if (ok) {
        ready_ = true;
        walk();
    }
    reportStatus(status, ok);
}

void MItDependencyGraph::walk() {
    nodes_.clear();
    position_ = 0;
    Node* root = ObjectAccess::node(rootNode_);
    if (!ready_ || !root) {
        return;
    }
    const Scene& scene = currentScene();
    const bool upstream = direction_ == kUpstream;
    const Neighbours next = neighbours(scene, upstream);
    const Kind filter = kindOf(filter_);
    auto passes = [&](const Node* n) { return filter == Kind::Invalid || kindIs(n->kind(), filter); };

    // From a plug, the first step follows only that plug's own connections.
    std::vector<Node*> first;
    if (fromPlug_) {
        PlugAddress self = ObjectAccess::plugAddress(rootPlug_);
        for (const Connection& c : scene.connections()) {
            if (upstream && c.dstNode == root && c.dst == self) {
                first.push_back(c.srcNode);
            } else if (!upstream && c.srcNode == root && c.src == self) {
                first.push_back(c.dstNode);
            }
        }
    } else if (next.count(root)) {
        first = next.at(root);
    }
    auto stepsFrom = [&](const Node* n) -> const std::vector<Node*>& {
        static const std::vector<Node*> none;
        auto it = next.find(n);
        return n == root ? first : it == next.end() ? none : it->second;
    };

    std::set<const Node*> seen{root};
    if (passes(root)) {
        nodes_.push_back(rootNode_);
    }
    auto enter = [&](Node* n) {
        if (!seen.insert(n).second) {
            return false;
        }
        bool pass = passes(n);
        if (pass) {
            nodes_.push_back(ObjectAccess::fromNode(n));
        }
        return pass || !pruning_;
    };
    if (traversal_ == kBreadthFirst) {
        std::deque<const Node*> queue{root};
        while (!queue.empty()) {
            const Node* n = queue.front();
            queue.pop_front();
            for (Node* m : stepsFrom(n)) {
                if (enter(m)) {
                    queue.push_back(m);
                }
            }
        }
        return;
    }
    // Depth-first, pre-order: a stack of (node, next step to take).
    std::vector<std::pair<const Node*, size_t>> stack{{root, 0}};
    while (!stack.empty()) {
        auto& [n, step] = stack.back();
        const std::vector<Node*>& steps = stepsFrom(n);
        if (step >= steps.size()) {
            stack.pop_back();
            continue;
        }
        Node* m = steps[step++];
        if (enter(m)) {
            stack.push_back({m, 0});
        }
    }
}

bool MItDependencyGraph::isDone(MStatus* status) const {
    reportStatus(status, true);
    return position_ >= nodes_.size();
}

MStatus MItDependencyGraph::next() {
    if (position_ >= nodes_.size()) {
        return MS::kFailure;
    }
    ++position_;
    return MS::kSuccess;
}

MStatus MItDependencyGraph::reset() {
    position_ = 0;
    return MS::kSuccess;
}

MObject MItDependencyGraph::thisNode(MStatus* status) const {
    bool ok = position_ < nodes_.size();
    reportStatus(status, ok);
    return ok ? nodes_[position_] : MObject();
}

MStatus MItDependencyGraph::disablePruningOnFilter() {
    pruning_ = false;
    walk();
    return MS::kSuccess;
}

MStatus MItDependencyGraph::enablePruningOnFilter() {
    pruning_ = true;
    walk();
    return MS::kSuccess;
}
