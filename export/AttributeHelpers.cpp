#include "export/AttributeHelpers.h"

#include <maya/MFnSkinCluster.h>
#include <maya/MItDependencyGraph.h>

namespace {

// Finds the plug of a named attribute; false when the node lacks it.
bool findAttributePlug(const MFnDependencyNode& node, const char* attributeName, MPlug& plug) {
    MStatus status;
    plug = node.findPlug(MString(attributeName), &status);
    return status == MS::kSuccess;
}

template <class T> bool readAttribute(const MFnDependencyNode& node, const char* attributeName, T& value) {
    MPlug plug;
    if (!findAttributePlug(node, attributeName, plug)) {
        return false;
    }
    return plug.getValue(value, MDGContext::fsNormal) == MS::kSuccess;
}

bool hexDigitValue(char c, uint32_t& digit) {
    if (c >= '0' && c <= '9') {
        digit = static_cast<uint32_t>(c - '0');
    } else if (c >= 'a' && c <= 'f') {
        digit = static_cast<uint32_t>(c - 'a' + 10);
    } else if (c >= 'A' && c <= 'F') {
        digit = static_cast<uint32_t>(c - 'A' + 10);
    } else {
        return false;
    }
    return true;
}

bool isScanSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// Parses hexadecimal text as "%x" does: leading white space, an optional
// sign, an optional 0x prefix, then hex digits. A minus sign negates the
// value modulo 2^32. A value beyond 32 bits saturates at 0xffffffff whatever
// its sign, where the library conversion's result would be unspecified.
bool scanHex(const char* text, uint32_t& value) {
    const char* p = text;
    while (isScanSpace(*p)) {
        ++p;
    }
    bool negative = false;
    if (*p == '+' || *p == '-') {
        negative = *p == '-';
        ++p;
    }
    uint32_t digit = 0;
    if (p[0] == '0' && (p[1] == 'x' || p[1] == 'X') && hexDigitValue(p[2], digit)) {
        p += 2;
    }
    if (!hexDigitValue(*p, digit)) {
        return false;
    }
    uint64_t result = 0;
    for (; hexDigitValue(*p, digit); ++p) {
        result = result * 16 + digit;
        if (result > 0xffffffffu) {
            value = 0xffffffffu;
            return true;
        }
    }
    uint32_t narrowed = static_cast<uint32_t>(result);
    value = negative ? 0u - narrowed : narrowed;
    return true;
}

} // namespace

bool getConnectedSources(const MFnDependencyNode& node, const char* attributeName, MPlugArray& sources) {
    MStatus status;
    MPlug plug = node.findPlug(MString(attributeName), true, &status);
    if (status == MS::kSuccess) {
        plug.connectedTo(sources, true, false);
    }
    return sources.length() != 0;
}

bool findConnectedNodeOfType(const MFnDependencyNode& node, MFnBase& functionSet, MFn::Type type, bool asDst,
                             bool asSrc, bool exactType) {
    MPlugArray plugs;
    node.getConnections(plugs);
    for (unsigned int i = 0; i < plugs.length(); ++i) {
        MPlugArray farSide;
        plugs[i].connectedTo(farSide, asDst, asSrc);
        for (unsigned int j = 0; j < farSide.length(); ++j) {
            MObject other = farSide[j].node();
            bool matches = exactType ? other.apiType() == type : other.hasFn(type);
            if (matches) {
                functionSet.setObject(other);
                return true;
            }
        }
    }
    return false;
}

bool getFloatAttribute(const MFnDependencyNode& node, const char* attributeName, float& value) {
    return readAttribute(node, attributeName, value);
}

bool getIntAttribute(const MFnDependencyNode& node, const char* attributeName, int32_t& value) {
    int read = 0;
    if (!readAttribute(node, attributeName, read)) {
        return false;
    }
    value = read;
    return true;
}

bool getStringAttribute(const MFnDependencyNode& node, const char* attributeName, MString& value) {
    return readAttribute(node, attributeName, value);
}

bool getHexAttribute(const MFnDependencyNode& node, const char* attributeName, uint32_t& value) {
    MString text;
    if (!readAttribute(node, attributeName, text)) {
        return false;
    }
    scanHex(text.asChar(), value);
    return true;
}

bool getBoolAttribute(const MFnDependencyNode& node, const char* attributeName, bool& value, bool fallback) {
    return readAttribute(node, attributeName, value) ? true : fallback;
}

bool hasAttribute(const MFnDependencyNode& node, const char* attributeName) {
    MPlug plug;
    return findAttributePlug(node, attributeName, plug);
}

double radiansToDegrees(double radians) {
    return radians * 180.0 / 3.141592653589793;
}

bool findSkinCluster(const MFnDependencyNode& mesh, MFnSkinCluster& skinCluster) {
    MPlug inMesh;
    if (!findAttributePlug(mesh, "inMesh", inMesh) || !inMesh.isConnected()) {
        return false;
    }
    MStatus status;
    MItDependencyGraph walk(inMesh, MFn::kInvalid, MItDependencyGraph::kUpstream,
                            MItDependencyGraph::kDepthFirst, MItDependencyGraph::kPlugLevel, &status);
    if (status != MS::kSuccess) {
        return false;
    }
    walk.disablePruningOnFilter();
    for (; !walk.isDone(); walk.next()) {
        MObject node = walk.thisNode();
        if (node.apiType() == MFn::kSkinClusterFilter) {
            skinCluster.setObject(node);
            return true;
        }
    }
    return false;
}
