#pragma once
// MFn::Type numbers the kinds differently in every API version; the host
// library is built once and converts at the API's edge with the numbering of
// the version it answers as (orvex_host::apiVersion).

#include "graph/Kind.h"

#include <maya/MFn.h>

namespace orvex_host {

MFn::Type apiTypeOf(Kind kind);
// Invalid for a number that names no kind in this version.
Kind kindOf(MFn::Type type);

} // namespace orvex_host
