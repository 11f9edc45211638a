#pragma once
// Reading stored attribute values by name, for function sets whose getters
// are thin readers over a node's attributes.

#include "api/ReportStatus.h"

#include <maya/MFnDependencyNode.h>
#include <maya/MPlug.h>

namespace orvex_host {

// The value of the named attribute, or `fallback` (with a failed status)
// when the node lacks it or it cannot be read as T.
template <class T>
T readNamedValue(const MFnDependencyNode& node, const char* name, T fallback, MStatus* status) {
    MStatus found;
    MPlug plug = node.findPlug(name, &found);
    T value = fallback;
    bool ok = found && plug.getValue(value);
    reportStatus(status, ok);
    return ok ? value : fallback;
}

// Reads the first three children of a compound such as "translate" into
// `values`; false, leaving them as given, when the node lacks it.
template <class T> bool readNamedTriple(const MFnDependencyNode& node, const char* name, T values[3]) {
    MStatus status;
    MPlug plug = node.findPlug(name, &status);
    if (!status || plug.numChildren() < 3) {
        return false;
    }
    for (unsigned int i = 0; i < 3; ++i) {
        plug.child(i).getValue(values[i]);
    }
    return true;
}

// What the constructors of attaching function sets do.
template <class Set, class Source> void attachFunctionSet(Set& set, const Source& source, MStatus* status) {
    MStatus s = set.setObject(source);
    if (status) {
        *status = s;
    }
}

} // namespace orvex_host
