#pragma once
// After a scene is read: the meshes whose geometry would come from modelling
// history, which the host does not evaluate.

namespace orvex_host {

class ReaderContext;

// One notice for each mesh whose input the file connects but whose geometry
// neither the mesh itself nor the original mesh behind its deformers stores:
// such a mesh has no polygons here. The notice names the line of the
// connection.
void noteMeshesBuiltByHistory(ReaderContext& ctx);

} // namespace orvex_host
