#pragma once
// Function set for DAG nodes.

#include <maya/MDagPath.h>
#include <maya/MFnDependencyNode.h>

class MFnDagNode : public MFnDependencyNode {
public:
    MFnDagNode() = default;
    MFnDagNode(const MObject& object, MStatus* status = NULL);
    MFnDagNode(const MDagPath& path, MStatus* status = NULL);
    MFn::Type type() const override;
    MStatus setObject(const MObject& object) override;
    MStatus setObject(const MDagPath& path);

    unsigned int childCount(MStatus* status = NULL) const;
    MObject child(unsigned int index, MStatus* status = NULL) const;
    unsigned int parentCount(MStatus* status = NULL) const;
    MObject parent(unsigned int index, MStatus* status = NULL) const;
    MStatus getPath(MDagPath& path) const;
    MDagPath dagPath(MStatus* status = NULL) const;
    MString fullPathName(MStatus* status = NULL) const;
    MString partialPathName(MStatus* status = NULL) const;
    bool isIntermediateObject(MStatus* status = NULL) const;
    bool inUnderWorld(MStatus* status = NULL) const;
    bool isInstanced(bool indirect = true, MStatus* status = NULL) const;

protected:
    // Used by derived sets whose constructors attach themselves.
    MStatus attachDag(const MObject& object);

private:
    MDagPath path_; // the path the set was attached through, if any
};
