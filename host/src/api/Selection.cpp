// MDagPath and MSelectionList.

#include "api/Access.h"

#include <orvex_host/Session.h>

#include <maya/MDagPath.h>
#include <maya/MSelectionList.h>

using namespace orvex_host;

MObject MDagPath::node(MStatus* status) const {
    reportStatus(status, !chain_.empty());
    return chain_.empty() ? MObject() : ObjectAccess::fromNode(chain_.back());
}

MObject MDagPath::transform(MStatus* status) const {
    for (auto it = chain_.rbegin(); it != chain_.rend(); ++it) {
        if (kindIs((*it)->kind(), Kind::Transform)) {
            reportStatus(status, true);
            return ObjectAccess::fromNode(*it);
        }
    }
    reportStatus(status, false);
    return MObject();
}

unsigned int MDagPath::length(MStatus* status) const {
    reportStatus(status, true);
    return chain_.empty() ? 0 : static_cast<unsigned int>(chain_.size() - 1);
}

MString MDagPath::fullPathName(MStatus* status) const {
    reportStatus(status, !chain_.empty());
    return MString(Scene::fullPathName(chain_));
}

MString MDagPath::partialPathName(MStatus* status) const {
    reportStatus(status, !chain_.empty());
    return MString(currentScene().partialPathName(chain_));
}

bool MDagPath::isValid(MStatus* status) const {
    reportStatus(status, true);
    return !chain_.empty();
}

MStatus MSelectionList::add(const MDagPath& path, const MObject&, bool) {
    if (!path.isValid()) {
        return MS::kInvalidParameter;
    }
    items_.push_back({path.node(), path, true});
    return MS::kSuccess;
}

MStatus MSelectionList::add(const MObject& node, bool) {
    if (node.isNull()) {
        return MS::kInvalidParameter;
    }
    items_.push_back({node, MDagPath(), false});
    return MS::kSuccess;
}

bool MSelectionList::hasItem(const MDagPath& path, const MObject&, MStatus* status) const {
    reportStatus(status, true);
    for (const Item& item : items_) {
        if (item.isDag && item.path == path) {
            return true;
        }
    }
    return false;
}

unsigned int MSelectionList::length(MStatus* status) const {
    reportStatus(status, true);
    return static_cast<unsigned int>(items_.size());
}

MStatus MSelectionList::getDependNode(unsigned int index, MObject& node) const {
    if (index >= items_.size()) {
        return MS::kInvalidParameter;
    }
    node = items_[index].node;
    return MS::kSuccess;
}

MStatus MSelectionList::getDagPath(unsigned int index, MDagPath& path) const {
    if (index >= items_.size() || !items_[index].isDag) {
        return MS::kInvalidParameter;
    }
    path = items_[index].path;
    return MS::kSuccess;
}

MStatus MSelectionList::getDagPath(unsigned int index, MDagPath& path, MObject& component) const {
    component = MObject();
    return getDagPath(index, path);
}

MStatus MSelectionList::clear() {
    items_.clear();
    return MS::kSuccess;
}
