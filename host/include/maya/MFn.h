#pragma once
// Kinds of host objects (nodes, attributes, data, components).
//
// The numeric values are deliberately different in every API version: code
// must always compare against the enumerators, never against numbers.

#include <maya/MFnTypeList.h>

#if defined(ORVEX_VERSION_NEUTRAL)

// Code compiled once for every API version (the host library, and the
// plug-in's code that names no kind) sees no kind but kInvalid, so that
// naming one there fails to compile rather than taking one version's number.
// The host library converts with the numbers of the version it answers as.
class MFn {
public:
    enum Type : int { kInvalid = 0 };
};

#elif defined(MAYA_API_VERSION)

#define ORVEX_MFN_BASE (((MAYA_API_VERSION / 100) - 2010) * 17 + 5)

class MFn {
public:
#define ORVEX_MFN_ENUMERATOR(name, parent) k##name,
    enum Type { kInvalid = 0, kBase = ORVEX_MFN_BASE, ORVEX_MFN_TYPES(ORVEX_MFN_ENUMERATOR) kLast };
#undef ORVEX_MFN_ENUMERATOR
};

#else
#error "MAYA_API_VERSION must be defined (for example 201400)"
#endif
