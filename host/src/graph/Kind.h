#pragma once
// The kinds of host objects as the host library numbers them: the same in
// every API version (Kind is numbered per version and is converted at
// the API's edge, see api/ApiKinds.h).

#include <maya/MFnTypeList.h>

namespace orvex_host {

#define ORVEX_KIND_ENUMERATOR(name, parent) name,
enum class Kind { Invalid = 0, Base, ORVEX_MFN_TYPES(ORVEX_KIND_ENUMERATOR) Last };
#undef ORVEX_KIND_ENUMERATOR

// The kind a kind derives from (Invalid for Base and Invalid).
Kind parentKind(Kind kind);
// The enumerator's name, "kMesh" for Mesh; "kInvalid" for anything else.
const char* kindName(Kind kind);
// Whether `kind` is `ancestor` or derives from it; never for Invalid.
bool kindIs(Kind kind, Kind ancestor);

} // namespace orvex_host
