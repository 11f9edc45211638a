#pragma once
// A path through the DAG from the world to one instance of a node.

#include <maya/MObject.h>
#include <maya/MStatus.h>
#include <maya/MString.h>

#include <vector>

class MDagPath {
public:
    MDagPath() = default;

    MObject node(MStatus* status = NULL) const;
    MObject transform(MStatus* status = NULL) const;
    unsigned int length(MStatus* status = NULL) const;
    MString fullPathName(MStatus* status = NULL) const;
    MString partialPathName(MStatus* status = NULL) const;
    bool isValid(MStatus* status = NULL) const;

    bool operator==(const MDagPath& other) const { return chain_ == other.chain_; }
    bool operator!=(const MDagPath& other) const { return chain_ != other.chain_; }

private:
    friend struct orvex_host::ObjectAccess;
    std::vector<orvex_host::Node*> chain_;
};
