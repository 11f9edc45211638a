#pragma once
// Reading the values of setAttr and addAttr statements for an attribute of a
// known kind, with the file's units turned into the host's internal ones.

#include "graph/Attribute.h"
#include "graph/Scene.h"
#include "scenefile/SetAttrRequest.h"

#include <string>

namespace orvex_host {

// How a value is written, from the -type argument (or, without one, from
// the attribute's kind).
enum class ValueForm {
    Numbers,       // one to four numbers (or yes/no for a boolean)
    String,        // "text"
    StringArray,   // N "a" "b" ...
    NumberArray,   // N v0 v1 ... (Int32Array, doubleArray)
    MatrixValue,   // 16 numbers, or "xform" and 37 words
    ComponentList, // N "f[0:47]" ...
    Skipped,       // a data type the host does not keep (dataReferenceEdits, ...)
};

// The form a -type name stands for.
ValueForm formOfType(const std::string& typeName);
// The form an attribute of this kind takes without -type; Skipped for kinds
// that hold no plain value (messages, compounds without children, meshes).
ValueForm formOfAttr(AttrType type);

// Scale from the file's unit to the internal unit for a leaf of this kind.
double unitScale(AttrType type, const SceneSettings& settings);

enum class ReadResult { Ok, Missing, Malformed };

// Reads one value of a leaf attribute (no children) in the given form; on
// Malformed `expected` says what the file should have held.
ReadResult readLeafValue(ValueCursor& cursor, AttrType type, ValueForm form, const SceneSettings& settings,
                         Value& value, std::string& expected);

} // namespace orvex_host
