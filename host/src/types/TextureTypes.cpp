// Node types for file and procedural textures, bump, environment and
// layered textures.

#include "graph/NodeType.h"

namespace orvex_host {

void registerTextureTypes(TypeRegistry& registry) {
    NodeTypeBuilder file(registry.define("file", MFn::kFileTexture, "", false));
    file.attr("fileTextureName", "ftn", AttrType::String, std::string());
    file.triple("outColor", "oc", {"outColorR", "outColorG", "outColorB"}, {"ocr", "ocg", "ocb"},
                AttrType::Float, 0.0);
    file.attr("outAlpha", "oa", AttrType::Float, 0.0);
}

} // namespace orvex_host
