// MFnBase, MFnDependencyNode and MFnDagNode.

#include "api/Access.h"

#include <orvex_host/Session.h>

#include <maya/MFnDagNode.h>
#include <maya/MPlugArray.h>

using namespace orvex_host;

// ---- MFnBase ---------------------------------------------------------------

bool MFnBase::hasObj(MFn::Type kind) const {
    return object_.hasFn(kind);
}

bool MFnBase::hasObj(const MObject& object) const {
    return object.hasFn(type());
}

MObject MFnBase::object(MStatus* status) const {
    reportStatus(status, attached());
    return object_;
}

MStatus MFnBase::setObject(const MObject& object) {
    return attach(object);
}

MStatus MFnBase::attach(const MObject& object) {
    if (object.isNull() || !object.hasFn(type())) {
        return MS::kInvalidParameter;
    }
    object_ = object;
    return MS::kSuccess;
}

// ---- MFnDependencyNode -------------------------------------------------------

MFnDependencyNode::MFnDependencyNode(const MObject& object, MStatus* status) {
    MStatus s = setObject(object);
    if (status) {
        *status = s;
    }
}

MString MFnDependencyNode::name(MStatus* status) const {
    Node* n = ObjectAccess::node(obj());
    reportStatus(status, n != nullptr);
    return n ? MString(n->name) : MString();
}

MString MFnDependencyNode::typeName(MStatus* status) const {
    Node* n = ObjectAccess::node(obj());
    reportStatus(status, n != nullptr);
    return n ? MString(n->type->name) : MString();
}

MPlug MFnDependencyNode::findPlug(const MString& attrName, MStatus* status) const {
    Node* n = ObjectAccess::node(obj());
    int attr = n ? n->findAttribute(attrName.str()) : -1;
    if (attr < 0) {
        if (status) {
            *status = MS::kInvalidParameter;
        }
        return MPlug();
    }
    reportStatus(status, true);
    return ObjectAccess::plug(n, {attr, {}});
}

MPlug MFnDependencyNode::findPlug(const MString& attrName, bool, MStatus* status) const {
    return findPlug(attrName, status);
}

MPlug MFnDependencyNode::findPlug(const MObject& attribute, MStatus* status) const {
    MPlug plug(obj(), attribute);
    reportStatus(status, !plug.isNull());
    return plug;
}

MPlug MFnDependencyNode::findPlug(const MObject& attribute, bool, MStatus* status) const {
    return findPlug(attribute, status);
}

MObject MFnDependencyNode::attribute(const MString& attrName, MStatus* status) const {
    Node* n = ObjectAccess::node(obj());
    int attr = n ? n->findAttribute(attrName.str()) : -1;
    reportStatus(status, attr >= 0);
    return ObjectAccess::fromAttribute(n, attr);
}

MObject MFnDependencyNode::attribute(unsigned int index, MStatus* status) const {
    Node* n = ObjectAccess::node(obj());
    bool ok = n && index < static_cast<unsigned int>(n->attributeCount());
    reportStatus(status, ok);
    return ok ? ObjectAccess::fromAttribute(n, static_cast<int>(index)) : MObject();
}

unsigned int MFnDependencyNode::attributeCount(MStatus* status) const {
    Node* n = ObjectAccess::node(obj());
    reportStatus(status, n != nullptr);
    return n ? static_cast<unsigned int>(n->attributeCount()) : 0;
}

MFnDependencyNode::MAttrClass MFnDependencyNode::attributeClass(const MObject& attribute,
                                                                MStatus* status) const {
    Node* n = ObjectAccess::node(obj());
    Node* owner = ObjectAccess::attributeNode(attribute);
    int attr = ObjectAccess::attribute(attribute);
    if (!n || !owner || attr < 0 || n->type != owner->type) {
        reportStatus(status, false);
        return kInvalidAttr;
    }
    reportStatus(status, true);
    if (owner->isDynamic(attr) && !owner->attribute(attr).placeholder) {
        return owner == n ? kLocalDynamicAttr : kInvalidAttr;
    }
    return kNormalAttr;
}

bool MFnDependencyNode::hasAttribute(const MString& attrName, MStatus* status) const {
    Node* n = ObjectAccess::node(obj());
    reportStatus(status, n != nullptr);
    return n && n->findAttribute(attrName.str()) >= 0;
}

bool MFnDependencyNode::isDefaultNode(MStatus* status) const {
    Node* n = ObjectAccess::node(obj());
    reportStatus(status, n != nullptr);
    return n && n->isDefault;
}

MStatus MFnDependencyNode::getConnections(MPlugArray& plugs) const {
    plugs.clear();
    Node* n = ObjectAccess::node(obj());
    if (!n) {
        return MS::kFailure;
    }
    std::vector<PlugAddress> seen;
    auto add = [&](const PlugAddress& addr) {
        for (const PlugAddress& s : seen) {
            if (s == addr) {
                return;
            }
        }
        seen.push_back(addr);
        plugs.append(ObjectAccess::plug(n, addr));
    };
    for (const Connection& c : currentScene().connections()) {
        if (c.srcNode == n) {
            add(c.src);
        }
        if (c.dstNode == n) {
            add(c.dst);
        }
    }
    return MS::kSuccess;
}

// ---- MFnDagNode ------------------------------------------------------------

MFnDagNode::MFnDagNode(const MObject& object, MStatus* status) {
    MStatus s = setObject(object);
    if (status) {
        *status = s;
    }
}

MFnDagNode::MFnDagNode(const MDagPath& path, MStatus* status) {
    MStatus s = setObject(path);
    if (status) {
        *status = s;
    }
}

MStatus MFnDagNode::setObject(const MObject& object) {
    MStatus s = attach(object);
    if (s) {
        path_ = ObjectAccess::path(currentScene().firstPath(ObjectAccess::node(object)));
    }
    return s;
}

MStatus MFnDagNode::setObject(const MDagPath& path) {
    const DagChain& chain = ObjectAccess::chain(path);
    if (chain.empty()) {
        return MS::kInvalidParameter;
    }
    MStatus s = attach(ObjectAccess::fromNode(chain.back()));
    if (s) {
        path_ = path;
    }
    return s;
}

MStatus MFnDagNode::attachDag(const MObject& object) {
    return MFnDagNode::setObject(object);
}

unsigned int MFnDagNode::childCount(MStatus* status) const {
    Node* n = ObjectAccess::node(obj());
    reportStatus(status, n != nullptr);
    return n ? static_cast<unsigned int>(n->children.size()) : 0;
}

MObject MFnDagNode::child(unsigned int index, MStatus* status) const {
    Node* n = ObjectAccess::node(obj());
    bool ok = n && index < n->children.size();
    reportStatus(status, ok);
    return ok ? ObjectAccess::fromNode(n->children[index]) : MObject();
}

unsigned int MFnDagNode::parentCount(MStatus* status) const {
    Node* n = ObjectAccess::node(obj());
    reportStatus(status, n != nullptr);
    return n ? static_cast<unsigned int>(n->parents.size()) : 0;
}

MObject MFnDagNode::parent(unsigned int index, MStatus* status) const {
    Node* n = ObjectAccess::node(obj());
    bool ok = n && index < n->parents.size();
    reportStatus(status, ok);
    return ok ? ObjectAccess::fromNode(n->parents[index]) : MObject();
}

MStatus MFnDagNode::getPath(MDagPath& path) const {
    if (!attached()) {
        return MS::kFailure;
    }
    path = path_;
    return MS::kSuccess;
}

MDagPath MFnDagNode::dagPath(MStatus* status) const {
    reportStatus(status, attached());
    return path_;
}

MString MFnDagNode::fullPathName(MStatus* status) const {
    reportStatus(status, attached());
    return attached() ? MString(Scene::fullPathName(ObjectAccess::chain(path_))) : MString();
}

MString MFnDagNode::partialPathName(MStatus* status) const {
    reportStatus(status, attached());
    return attached() ? MString(currentScene().partialPathName(ObjectAccess::chain(path_))) : MString();
}

bool MFnDagNode::isIntermediateObject(MStatus* status) const {
    MPlug plug = findPlug("intermediateObject", status);
    bool value = false;
    plug.getValue(value);
    return value;
}

bool MFnDagNode::inUnderWorld(MStatus* status) const {
    Node* n = ObjectAccess::node(obj());
    reportStatus(status, n != nullptr);
    return n && n->underworld;
}

bool MFnDagNode::isInstanced(bool indirect, MStatus* status) const {
    Node* n = ObjectAccess::node(obj());
    reportStatus(status, n != nullptr);
    if (!n) {
        return false;
    }
    return indirect ? currentScene().pathsOf(n).size() > 1 : n->parents.size() > 1;
}
