#pragma once
// After a scene is read: the meshes whose geometry would come from modelling
// history, which the host does not evaluate.

#include <string>

namespace orvex_host {

class Scene;

// One notice for each mesh whose input is connected but whose geometry
// neither the mesh itself nor the original mesh behind its deformers stores:
// such a mesh has no polygons here.
void noteMeshesBuiltByHistory(const Scene& scene, const std::string& fileName);

} // namespace orvex_host
