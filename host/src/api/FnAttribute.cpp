// Function sets for attribute objects: names, and the kind of value a
// numeric or typed attribute holds.

#include "api/Access.h"

#include <maya/MFnAttribute.h>
#include <maya/MFnNumericAttribute.h>
#include <maya/MFnTypedAttribute.h>

using namespace orvex_host;

namespace {

// The definition behind an attached attribute object, or null.
const AttrDef* definition(const MObject& object) {
    Node* node = ObjectAccess::attributeNode(object);
    int attr = ObjectAccess::attribute(object);
    return node && attr >= 0 ? &node->attribute(attr) : nullptr;
}

void report(MStatus* status, bool ok) {
    if (status) {
        *status = ok ? MS::kSuccess : MS::kFailure;
    }
}

MFnNumericData::Type numericType(AttrType type) {
    switch (type) {
    case AttrType::Bool:
        return MFnNumericData::kBoolean;
    case AttrType::Byte:
        return MFnNumericData::kByte;
    case AttrType::Char:
        return MFnNumericData::kChar;
    case AttrType::Short:
        return MFnNumericData::kShort;
    case AttrType::Int:
        return MFnNumericData::kInt;
    case AttrType::Float:
        return MFnNumericData::kFloat;
    case AttrType::Double:
        return MFnNumericData::kDouble;
    case AttrType::Float2:
        return MFnNumericData::k2Float;
    case AttrType::Float3:
        return MFnNumericData::k3Float;
    case AttrType::Double2:
        return MFnNumericData::k2Double;
    case AttrType::Double3:
        return MFnNumericData::k3Double;
    case AttrType::Long2:
        return MFnNumericData::k2Long;
    case AttrType::Long3:
        return MFnNumericData::k3Long;
    default:
        return MFnNumericData::kInvalid;
    }
}

MFnData::Type dataType(AttrType type) {
    switch (type) {
    case AttrType::String:
        return MFnData::kString;
    case AttrType::StringArray:
        return MFnData::kStringArray;
    case AttrType::IntArray:
        return MFnData::kIntArray;
    case AttrType::DoubleArray:
        return MFnData::kDoubleArray;
    case AttrType::MatrixData:
        return MFnData::kMatrix;
    case AttrType::ComponentList:
        return MFnData::kComponentList;
    case AttrType::Mesh:
        return MFnData::kMesh;
    case AttrType::NurbsCurve:
        return MFnData::kNurbsCurve;
    default:
        return MFnData::kInvalid;
    }
}

} // namespace

MFnAttribute::MFnAttribute(const MObject& attribute, MStatus* status) {
    MStatus s = attach(attribute);
    if (status) {
        *status = s;
    }
}

MString MFnAttribute::name(MStatus* status) const {
    const AttrDef* def = definition(obj());
    report(status, def != nullptr);
    return def ? MString(def->longName.c_str()) : MString();
}

MString MFnAttribute::shortName(MStatus* status) const {
    const AttrDef* def = definition(obj());
    report(status, def != nullptr);
    return def ? MString(def->shortName.c_str()) : MString();
}

bool MFnAttribute::isArray(MStatus* status) const {
    const AttrDef* def = definition(obj());
    report(status, def != nullptr);
    return def && def->array;
}

bool MFnAttribute::isDynamic(MStatus* status) const {
    const AttrDef* def = definition(obj());
    report(status, def != nullptr);
    return def && def->dynamic;
}

MObject MFnAttribute::parent(MStatus* status) const {
    const AttrDef* def = definition(obj());
    bool ok = def && def->parent >= 0;
    report(status, ok);
    return ok ? ObjectAccess::fromAttribute(ObjectAccess::attributeNode(obj()), def->parent) : MObject();
}

MFnNumericAttribute::MFnNumericAttribute(const MObject& attribute, MStatus* status) {
    MStatus s = attach(attribute);
    if (status) {
        *status = s;
    }
}

MFnNumericData::Type MFnNumericAttribute::unitType(MStatus* status) const {
    const AttrDef* def = definition(obj());
    report(status, def != nullptr);
    return def ? numericType(def->type) : MFnNumericData::kInvalid;
}

MFnTypedAttribute::MFnTypedAttribute(const MObject& attribute, MStatus* status) {
    MStatus s = attach(attribute);
    if (status) {
        *status = s;
    }
}

MFnData::Type MFnTypedAttribute::attrType(MStatus* status) const {
    const AttrDef* def = definition(obj());
    report(status, def != nullptr);
    return def ? dataType(def->type) : MFnData::kInvalid;
}
