// Node types for skin clusters and other deformers.

#include "graph/NodeType.h"

namespace orvex_host {

void registerDeformerTypes(TypeRegistry& registry) {
    (void)registry;
}

} // namespace orvex_host
