// Node types for particles, emitters and fields.

#include "graph/NodeType.h"

namespace orvex_host {

void registerDynamicsTypes(TypeRegistry& registry) {
    (void)registry;
}

} // namespace orvex_host
