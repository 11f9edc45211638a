#include "scenefile/ModellingHistory.h"

#include "geometry/MeshData.h"
#include "scenefile/ReaderContext.h"

namespace orvex_host {

void noteMeshesBuiltByHistory(ReaderContext& ctx) {
    for (const ReaderContext::GeometryInput& input : ctx.geometryInputs()) {
        // The mesh's own geometry, or that of the original behind its
        // deformer chain.
        const MeshData* geometry = meshGeometry(ctx.scene(), input.mesh);
        if (geometry && geometry->storesGeometry()) {
            continue;
        }
        ctx.noticeOnceAtLine("history " + input.mesh->name, input.line,
                             "mesh \"" + input.mesh->name +
                                 "\" is built by modelling history, which the host does not evaluate; it has "
                                 "no polygons");
    }
}

} // namespace orvex_host
