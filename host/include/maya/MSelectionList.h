#pragma once

#include <maya/MDagPath.h>
#include <maya/MObject.h>
#include <maya/MStatus.h>

#include <vector>

class MSelectionList {
public:
    MStatus add(const MDagPath& path, const MObject& component = MObject::kNullObj,
                bool mergeWithExisting = false);
    MStatus add(const MObject& node, bool mergeWithExisting = false);
    bool hasItem(const MDagPath& path, const MObject& component = MObject::kNullObj,
                 MStatus* status = NULL) const;
    unsigned int length(MStatus* status = NULL) const;
    MStatus getDependNode(unsigned int index, MObject& node) const;
    MStatus getDagPath(unsigned int index, MDagPath& path) const;
    MStatus getDagPath(unsigned int index, MDagPath& path, MObject& component) const;
    MStatus clear();

private:
    struct Item {
        MObject node;
        MDagPath path;
        bool isDag = false;
    };
    std::vector<Item> items_;
};
