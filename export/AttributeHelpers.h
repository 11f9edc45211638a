#pragma once
// Reading node attributes and following connections. Every reader leaves
// the caller's variable untouched when the node lacks the attribute or the
// read fails, so callers preset each variable with the attribute's default.

#include <maya/MFnBase.h>
#include <maya/MFnDependencyNode.h>
#include <maya/MPlugArray.h>
#include <maya/MString.h>

#include <cstdint>

class MFnSkinCluster;

// The plugs whose values flow into the named attribute; true when there is
// at least one.
bool getConnectedSources(const MFnDependencyNode& node, const char* attributeName, MPlugArray& sources);

// Attaches `functionSet` to the first node of the given kind connected to
// `node` (asDst: nodes that feed it, asSrc: nodes it feeds); with
// `exactType` the kind must match exactly, otherwise derived kinds count.
bool findConnectedNodeOfType(const MFnDependencyNode& node, MFnBase& functionSet, MFn::Type type, bool asDst,
                             bool asSrc, bool exactType);

bool getFloatAttribute(const MFnDependencyNode& node, const char* attributeName, float& value);
bool getIntAttribute(const MFnDependencyNode& node, const char* attributeName, int32_t& value);
bool getStringAttribute(const MFnDependencyNode& node, const char* attributeName, MString& value);
// Reads a text attribute and parses it as hexadecimal, as the scan
// conversion "%x" does; true once the text was read, even when it holds no
// hexadecimal number (the value then keeps its preset). Values beyond 32
// bits saturate at 0xffffffff.
bool getHexAttribute(const MFnDependencyNode& node, const char* attributeName, uint32_t& value);
// True when the value was read, otherwise `fallback`.
bool getBoolAttribute(const MFnDependencyNode& node, const char* attributeName, bool& value, bool fallback);
bool hasAttribute(const MFnDependencyNode& node, const char* attributeName);

double radiansToDegrees(double radians);

// Attaches `skinCluster` to the first skin cluster upstream of the mesh's
// "inMesh", behind other deformers too.
bool findSkinCluster(const MFnDependencyNode& mesh, MFnSkinCluster& skinCluster);
