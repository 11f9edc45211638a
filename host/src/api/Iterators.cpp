// MItDag and MItDependencyNodes. Both take a snapshot of the scene when they
// are created and keep the host's fixed order: the DAG pre-order with
// children in parenting order, and dependency nodes in creation order.

#include "api/Access.h"

#include <orvex_host/Session.h>

#include <maya/MItDag.h>
#include <maya/MItDependencyNodes.h>

using namespace orvex_host;

MItDag::MItDag(TraversalType, MFn::Type apiFilter, MStatus* status) : filter_(apiFilter) {
    if (faultActive("MItDag")) {
        reportStatus(status, false);
        return;
    }
    collect();
    reportStatus(status, true);
}

// Pre-order over every DAG path below the world; the children of a shape
// (its underworld) only when asked for.
void MItDag::collect() {
    entries_.clear();
    position_ = 0;
    const Kind filter = kindOf(filter_);
    Scene& scene = currentScene();
    auto accept = [&](Node* n) { return filter == Kind::Invalid || kindIs(n->kind(), filter); };
    if (accept(scene.world())) {
        entries_.push_back({MDagPath(), ObjectAccess::fromNode(scene.world()), 0});
    }
    std::vector<DagChain> stack;
    const auto& top = scene.world()->children;
    for (auto it = top.rbegin(); it != top.rend(); ++it) {
        stack.push_back({*it});
    }
    while (!stack.empty()) {
        DagChain chain = std::move(stack.back());
        stack.pop_back();
        Node* n = chain.back();
        if (accept(n)) {
            entries_.push_back({ObjectAccess::path(chain), ObjectAccess::fromNode(n),
                                static_cast<unsigned int>(chain.size())});
        }
        if (!underworld_ && childrenInUnderworld(n)) {
            continue;
        }
        for (auto it = n->children.rbegin(); it != n->children.rend(); ++it) {
            DagChain child = chain;
            child.push_back(*it);
            stack.push_back(std::move(child));
        }
    }
}

MStatus MItDag::traverseUnderWorld(bool flag) {
    underworld_ = flag;
    collect();
    return MS::kSuccess;
}

bool MItDag::willTraverseUnderWorld(MStatus* status) const {
    reportStatus(status, true);
    return underworld_;
}

bool MItDag::isDone(MStatus* status) const {
    reportStatus(status, true);
    return position_ >= entries_.size();
}

MStatus MItDag::next() {
    if (position_ >= entries_.size()) {
        return MS::kFailure;
    }
    ++position_;
    return MS::kSuccess;
}

MStatus MItDag::reset() {
    position_ = 0;
    return MS::kSuccess;
}

MObject MItDag::item(MStatus* status) const {
    bool ok = position_ < entries_.size();
    reportStatus(status, ok);
    return ok ? entries_[position_].node : MObject();
}

MStatus MItDag::getPath(MDagPath& path) const {
    if (position_ >= entries_.size()) {
        return MS::kFailure;
    }
    path = entries_[position_].path;
    return MS::kSuccess;
}

unsigned int MItDag::depth(MStatus* status) const {
    bool ok = position_ < entries_.size();
    reportStatus(status, ok);
    return ok ? entries_[position_].depth : 0;
}

MItDependencyNodes::MItDependencyNodes(MFn::Type apiFilter, MStatus* status) {
    const Kind filter = kindOf(apiFilter);
    if (faultActive("MItDependencyNodes") ||
        faultActive(std::string("MItDependencyNodes:") + kindName(filter))) {
        reportStatus(status, false);
        return;
    }
    Scene& scene = currentScene();
    for (const auto& node : scene.nodes()) {
        if (node.get() == scene.world()) {
            continue;
        }
        if (filter == Kind::Invalid || kindIs(node->kind(), filter)) {
            nodes_.push_back(ObjectAccess::fromNode(node.get()));
        }
    }
    reportStatus(status, true);
}

bool MItDependencyNodes::isDone(MStatus* status) const {
    reportStatus(status, true);
    return position_ >= nodes_.size();
}

MStatus MItDependencyNodes::next() {
    if (position_ >= nodes_.size()) {
        return MS::kFailure;
    }
    ++position_;
    return MS::kSuccess;
}

MStatus MItDependencyNodes::reset() {
    position_ = 0;
    return MS::kSuccess;
}

MObject MItDependencyNodes::item(MStatus* status) const {
    bool ok = position_ < nodes_.size();
    reportStatus(status, ok);
    return ok ? nodes_[position_] : MObject();
}
