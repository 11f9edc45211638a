// Node types for file and procedural textures, bump, environment and layered textures.

#include "graph/NodeType.h"

namespace orvex_host {

void registerTextureTypes(TypeRegistry& registry) {
    (void)registry;
}

} // namespace orvex_host
