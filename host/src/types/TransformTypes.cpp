// Node types for joints, IK handles and effectors, bind poses.

#include "graph/NodeType.h"

namespace orvex_host {

void registerTransformTypes(TypeRegistry& registry) {
    (void)registry;
}

} // namespace orvex_host
