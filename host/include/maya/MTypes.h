#pragma once
// Basic definitions shared by the host API headers.

#include <maya/MFn.h>

#include <cstddef>

#ifndef NULL
#define NULL 0
#endif

class MStatus;
class MString;
class MObject;
class MPlug;
class MDagPath;
class MArgList;
class MSyntax;

typedef float float2[2];
typedef float float3[3];
typedef double double3[3];

// Exported entry points of a plug-in library.
#define PLUGIN_EXPORT extern "C" __attribute__((visibility("default")))

namespace orvex_host {
struct Node;
}
