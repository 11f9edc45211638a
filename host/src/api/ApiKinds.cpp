#include "api/ApiKinds.h"

#include <orvex_host/Session.h>

namespace orvex_host {
namespace {

// Where the version's numbering starts: MFn.h gives the plug-in's side of
// the same rule.
int firstKindNumber() {
    return (apiVersion() - 2010) * 17 + 5;
}

} // namespace

MFn::Type apiTypeOf(Kind kind) {
    if (kind == Kind::Invalid || kind == Kind::Last) {
        return MFn::kInvalid;
    }
    return static_cast<MFn::Type>(firstKindNumber() + static_cast<int>(kind) - 1);
}

Kind kindOf(MFn::Type type) {
    int code = static_cast<int>(type) - firstKindNumber() + 1;
    if (type == MFn::kInvalid || code < 1 || code >= static_cast<int>(Kind::Last)) {
        return Kind::Invalid;
    }
    return static_cast<Kind>(code);
}

} // namespace orvex_host
