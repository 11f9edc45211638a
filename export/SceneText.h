#pragma once
// Small pieces of text shared by the section writers.

#include "export/XmlEscape.h"

#include <maya/MString.h>

#include <ostream>

inline const char* boolText(bool value) {
    return value ? "true" : "false";
}

// A name or other text from the scene, escaped for an attribute value.
inline void writeEscaped(std::ostream& out, const MString& text) {
    out << escapeAttribute(text.asChar());
}
