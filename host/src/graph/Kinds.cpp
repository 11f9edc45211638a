// The kind hierarchy behind MObject::hasFn and the kind names behind
// MObject::apiTypeStr.

#include "graph/Kind.h"

namespace orvex_host {
namespace {

struct KindInfo {
    Kind parent;
    const char* name;
};

// Indexed by the kind's number less one.
#define ORVEX_KIND_INFO(name, parent) {Kind::parent, "k" #name},
const KindInfo kKinds[] = {{Kind::Invalid, "kBase"}, ORVEX_MFN_TYPES(ORVEX_KIND_INFO)};
#undef ORVEX_KIND_INFO
static_assert(sizeof(kKinds) / sizeof(kKinds[0]) == static_cast<int>(Kind::Last) - 1, "one entry per kind");

const KindInfo* info(Kind kind) {
    int index = static_cast<int>(kind) - 1;
    return index >= 0 && index < static_cast<int>(Kind::Last) - 1 ? &kKinds[index] : nullptr;
}

} // namespace

Kind parentKind(Kind kind) {
    const KindInfo* k = info(kind);
    return k ? k->parent : Kind::Invalid;
}

const char* kindName(Kind kind) {
    const KindInfo* k = info(kind);
    return k ? k->name : "kInvalid";
}

bool kindIs(Kind kind, Kind ancestor) {
    if (ancestor == Kind::Invalid) {
        return false;
    }
    for (Kind k = kind; k != Kind::Invalid; k = parentKind(k)) {
        if (k == ancestor) {
            return true;
        }
    }
    return false;
}

} // namespace orvex_host
