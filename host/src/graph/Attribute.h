#pragma once
// Attribute definitions: the static attributes of a node type and the dynamic
// attributes added to one node.

#include "graph/Value.h"

#include <string>
#include <vector>

namespace orvex_host {

// What an attribute holds.  The host API reports the numeric ones through
// MFnNumericAttribute (unit type), the typed ones through MFnTypedAttribute
// (data type), and distance, angle and time through unit attributes.
enum class AttrType {
    Bool,
    Byte,
    Char,
    Short,
    Int,
    Float,
    Double,
    Float2,
    Float3,
    Double2,
    Double3,
    Long2,
    Long3,
    Enum,
    Distance,
    Angle,
    Time,
    Compound,
    Message,
    String,
    StringArray,
    IntArray,
    DoubleArray,
    PlainMatrix, // a plain matrix attribute
    MatrixData,  // typed attribute holding matrix / transformation data
    ComponentList,
    Mesh,
    NurbsCurve,
    Generic,
};

bool isNumericType(AttrType t);
bool isTypedType(AttrType t);
bool isUnitType(AttrType t);

struct AttrDef {
    std::string longName;
    std::string shortName;
    AttrType type = AttrType::Double;
    bool array = false;
    int parent = -1;           // index of the parent compound, -1 for a top-level attribute
    std::vector<int> children; // indices of the children of a compound
    Value defaultValue;
    // A default the host changed between versions: up to host API version
    // `olderDefaultUntil` the attribute's default is `olderDefault` (0: the
    // default never changed).
    int olderDefaultUntil = 0;
    Value olderDefault;
    bool dynamic = false; // added to one node rather than defined by its type
    // Kept by the scene reader for an attribute of a node type the host does
    // not model: stored on the node like a dynamic attribute, but it belongs
    // to the node's (unknown) type and was never added by a user.
    bool placeholder = false;
};

// The attribute's default in the host version the host answers as.
const Value& currentDefault(const AttrDef& def);

} // namespace orvex_host
