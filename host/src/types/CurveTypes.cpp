// Node types for NURBS curves.

#include "graph/NodeType.h"

namespace orvex_host {

void registerCurveTypes(TypeRegistry& registry) {
    (void)registry;
}

} // namespace orvex_host
