#include "scenefile/ModellingHistory.h"

#include "geometry/DeformerChain.h"
#include "geometry/MeshData.h"

#include <orvex_host/Session.h>

namespace orvex_host {

namespace {

bool storesGeometry(const Node* node) {
    const MeshData* mesh = node ? node->payloadAs<MeshData>() : nullptr;
    return mesh && mesh->storesGeometry();
}

} // namespace

void noteMeshesBuiltByHistory(const Scene& scene, const std::string& fileName) {
    for (const auto& node : scene.nodes()) {
        if (node->kind() != MFn::kMesh || storesGeometry(node.get())) {
            continue;
        }
        int inMesh = node->findAttribute("inMesh");
        if (inMesh < 0 || !scene.sourceOf(node.get(), {inMesh, {}})) {
            continue; // an empty mesh of its own
        }
        if (storesGeometry(upstreamGeometrySource(scene, node.get()))) {
            continue; // deformed geometry of a stored original
        }
        logMessage(MessageKind::Notice, fileName + ": mesh \"" + node->name +
                                            "\" is built by modelling history, which the host does not "
                                            "evaluate; it has no polygons");
    }
}

} // namespace orvex_host
