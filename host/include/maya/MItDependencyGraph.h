#pragma once
// Walks the dependency graph from a plug or node, upstream or downstream.
// The walk follows connections in the order the scene made them, visits
// each node once and counts every input of a node as affecting all its
// outputs. The first item is the root's own node.

#include <maya/MObject.h>
#include <maya/MPlug.h>
#include <maya/MStatus.h>

#include <vector>

class MItDependencyGraph {
public:
    enum Direction { kDownstream = 0, kUpstream };
    enum Traversal { kDepthFirst = 0, kBreadthFirst };
    enum Level { kNodeLevel = 0, kPlugLevel };

    MItDependencyGraph(MPlug& rootPlug, MFn::Type filter = MFn::kInvalid, Direction direction = kDownstream,
                       Traversal traversal = kDepthFirst, Level level = kNodeLevel, MStatus* status = NULL);
    MItDependencyGraph(MObject& rootNode, MFn::Type filter = MFn::kInvalid, Direction direction = kDownstream,
                       Traversal traversal = kDepthFirst, Level level = kNodeLevel, MStatus* status = NULL);

    bool isDone(MStatus* status = NULL) const;
    MStatus next();
    MStatus reset();
    MObject thisNode(MStatus* status = NULL) const;
    MObject currentItem(MStatus* status = NULL) const { return thisNode(status); }
    // With pruning (the default) the walk does not go on through nodes that
    // do not pass the filter; without it, it does.
    MStatus disablePruningOnFilter();
    MStatus enablePruningOnFilter();

private:
    void walk();

    MPlug rootPlug_;
    MObject rootNode_;
    bool fromPlug_ = false;
    MFn::Type filter_ = MFn::kInvalid;
    Direction direction_ = kDownstream;
    Traversal traversal_ = kDepthFirst;
    bool pruning_ = true;
    bool ready_ = false; // constructed without failure
    std::vector<MObject> nodes_;
    size_t position_ = 0;
};
