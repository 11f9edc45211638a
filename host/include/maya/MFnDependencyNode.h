#pragma once
// Function set for any dependency node.

#include <maya/MFnBase.h>
#include <maya/MPlug.h>
#include <maya/MString.h>

class MPlugArray;

class MFnDependencyNode : public MFnBase {
public:
    enum MAttrClass { kLocalDynamicAttr = 1, kNormalAttr, kExtensionAttr, kInvalidAttr };

    MFnDependencyNode() = default;
    MFnDependencyNode(const MObject& object, MStatus* status = NULL);
    MFn::Type type() const override;

    MString name(MStatus* status = NULL) const;
    MString typeName(MStatus* status = NULL) const;
    MPlug findPlug(const MString& attrName, MStatus* status = NULL) const;
    MPlug findPlug(const MString& attrName, bool wantNetworkedPlug, MStatus* status = NULL) const;
    MPlug findPlug(const MObject& attribute, MStatus* status = NULL) const;
    MPlug findPlug(const MObject& attribute, bool wantNetworkedPlug, MStatus* status = NULL) const;
    MObject attribute(const MString& attrName, MStatus* status = NULL) const;
    MObject attribute(unsigned int index, MStatus* status = NULL) const;
    unsigned int attributeCount(MStatus* status = NULL) const;
    MAttrClass attributeClass(const MObject& attribute, MStatus* status = NULL) const;
    bool hasAttribute(const MString& attrName, MStatus* status = NULL) const;
    bool isDefaultNode(MStatus* status = NULL) const;
    // The plugs of this node that take part in a connection, in the order
    // of their first connection.
    MStatus getConnections(MPlugArray& plugs) const;
};
