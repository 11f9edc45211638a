#pragma once
// Iterates over every dependency node (DAG and DG alike, each once) in the
// host's fixed order, which is the order of creation.

#include <maya/MObject.h>
#include <maya/MStatus.h>

#include <vector>

class MItDependencyNodes {
public:
    MItDependencyNodes(MFn::Type filter = MFn::kInvalid, MStatus* status = NULL);

    bool isDone(MStatus* status = NULL) const;
    MStatus next();
    MStatus reset();
    MObject item(MStatus* status = NULL) const;
    MObject thisNode(MStatus* status = NULL) const { return item(status); }

private:
    std::vector<MObject> nodes_;
    size_t position_ = 0;
};
