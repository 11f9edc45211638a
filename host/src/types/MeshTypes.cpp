// Node types for polygon meshes.

#include "graph/NodeType.h"

namespace orvex_host {

void registerMeshTypes(TypeRegistry& registry) {
    (void)registry;
}

} // namespace orvex_host
