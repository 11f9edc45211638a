#pragma once
// The optional status argument of the API's calls.

#include <maya/MStatus.h>

namespace orvex_host {

inline void reportStatus(MStatus* status, bool ok) {
    if (status) {
        *status = ok ? MS::kSuccess : MS::kFailure;
    }
}

} // namespace orvex_host
