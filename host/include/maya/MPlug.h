#pragma once
// A plug: one attribute of one node, or one element of an array attribute.

#include <maya/MDGContext.h>
#include <maya/MObject.h>
#include <maya/MStatus.h>
#include <maya/MString.h>

#include <vector>

class MPlugArray;

class MPlug {
public:
    MPlug() = default;
    MPlug(const MObject& node, const MObject& attribute);

    bool isNull(MStatus* status = NULL) const;
    MObject node(MStatus* status = NULL) const;
    MObject attribute(MStatus* status = NULL) const;
    MString name(MStatus* status = NULL) const;
    MString partialName(bool includeNodeName = false, bool includeNonMandatoryIndices = false,
                        bool includeInstancedIndices = false, bool useAlias = false,
                        bool useFullAttributePath = false, bool useLongNames = false,
                        MStatus* status = NULL) const;

    MStatus getValue(bool& value, MDGContext& context = MDGContext::fsNormal) const;
    MStatus getValue(int& value, MDGContext& context = MDGContext::fsNormal) const;
    MStatus getValue(short& value, MDGContext& context = MDGContext::fsNormal) const;
    MStatus getValue(float& value, MDGContext& context = MDGContext::fsNormal) const;
    MStatus getValue(double& value, MDGContext& context = MDGContext::fsNormal) const;
    MStatus getValue(MString& value, MDGContext& context = MDGContext::fsNormal) const;
    MStatus getValue(MObject& value, MDGContext& context = MDGContext::fsNormal) const;
    bool asBool(MDGContext& context = MDGContext::fsNormal, MStatus* status = NULL) const;
    int asInt(MDGContext& context = MDGContext::fsNormal, MStatus* status = NULL) const;
    float asFloat(MDGContext& context = MDGContext::fsNormal, MStatus* status = NULL) const;
    double asDouble(MDGContext& context = MDGContext::fsNormal, MStatus* status = NULL) const;
    MString asString(MDGContext& context = MDGContext::fsNormal, MStatus* status = NULL) const;

    MStatus setValue(bool value);
    MStatus setValue(int value);
    MStatus setValue(float value);
    MStatus setValue(double value);
    MStatus setValue(const MString& value);

    // Clears `plugs`, then adds the plug that feeds this one (asDst) and the
    // plugs this one feeds, in connection order (asSrc).
    bool connectedTo(MPlugArray& plugs, bool asDst, bool asSrc, MStatus* status = NULL) const;
    bool isConnected(MStatus* status = NULL) const;

    bool isArray(MStatus* status = NULL) const;
    bool isElement(MStatus* status = NULL) const;
    bool isCompound(MStatus* status = NULL) const;
    bool isChild(MStatus* status = NULL) const;
    unsigned int numElements(MStatus* status = NULL) const;
    unsigned int numChildren(MStatus* status = NULL) const;
    MPlug elementByPhysicalIndex(unsigned int physicalIndex, MStatus* status = NULL) const;
    MPlug elementByLogicalIndex(unsigned int logicalIndex, MStatus* status = NULL) const;
    unsigned int logicalIndex(MStatus* status = NULL) const;
    MStatus selectAncestorLogicalIndex(unsigned int index, const MObject& attribute = MObject::kNullObj);
    MPlug child(unsigned int index, MStatus* status = NULL) const;
    MPlug parent(MStatus* status = NULL) const;
    MPlug array(MStatus* status = NULL) const;

    bool operator==(const MPlug& other) const;
    bool operator!=(const MPlug& other) const { return !(*this == other); }

private:
    friend struct orvex_host::ObjectAccess;
    orvex_host::Node* node_ = nullptr;
    int attr_ = -1;
    std::vector<unsigned int> indices_;
};
