#pragma once
// Walks the dependency graph from a plug or node, upstream or downstream.

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
    MStatus disablePruningOnFilter();
    MStatus enablePruningOnFilter();

private:
    std::vector<MObject> nodes_;
    size_t position_ = 0;
};
