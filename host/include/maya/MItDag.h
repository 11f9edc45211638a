#pragma once
// Iterates over the DAG depth first (pre-order) from the world, optionally
// only over nodes of one kind. An instanced node is met once per path.
// Nodes in the underworld of a shape (a camera's image plane...) are met
// only after traverseUnderWorld(true), as in the host.

#include <maya/MDagPath.h>
#include <maya/MObject.h>
#include <maya/MStatus.h>

#include <vector>

class MItDag {
public:
    enum TraversalType { kInvalidType = 0, kDepthFirst, kBreadthFirst };

    MItDag(TraversalType type = kDepthFirst, MFn::Type filter = MFn::kInvalid, MStatus* status = NULL);

    bool isDone(MStatus* status = NULL) const;
    MStatus next();
    MStatus reset();
    MObject item(MStatus* status = NULL) const;
    MObject currentItem(MStatus* status = NULL) const { return item(status); }
    MStatus getPath(MDagPath& path) const;
    unsigned int depth(MStatus* status = NULL) const;
    // Changes whether underworlds are walked and starts the walk again.
    MStatus traverseUnderWorld(bool flag);
    bool willTraverseUnderWorld(MStatus* status = NULL) const;

private:
    void collect();

    struct Entry {
        MDagPath path;
        MObject node;
        unsigned int depth;
    };
    std::vector<Entry> entries_;
    size_t position_ = 0;
    MFn::Type filter_ = MFn::kInvalid;
    bool underworld_ = false;
};
