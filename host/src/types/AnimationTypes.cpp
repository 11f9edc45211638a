// Node types for animation curves, characters and clips.

#include "graph/NodeType.h"

namespace orvex_host {

void registerAnimationTypes(TypeRegistry& registry) {
    (void)registry;
}

} // namespace orvex_host
