#pragma once
// Which shading group shades which face of a mesh instance, as scene files
// record it: a whole instance through "shape.iog[i]" -> "SG.dsm", face sets
// through "shape.iog[i].og[k]" -> "SG.dsm" with the faces listed in
// ".iog[i].og[k].gcl".

#include "graph/Scene.h"

#include <string>
#include <utility>
#include <vector>

namespace orvex_host {

// The shading groups of instance `instance` of `mesh` and one entry per
// face: the position of its group, -1 for a face without one. Groups come
// in the order of the face sets (ascending og index), then the whole-
// instance group; each group once. A face in several sets takes the first;
// the whole-instance group shades the faces no set names. False (both lists
// empty) when the mesh has no such instance.
bool shadingAssignment(const Scene& scene, const Node* mesh, unsigned instance, std::vector<Node*>& groups,
                       std::vector<int>& perFace);

// The face ranges (first, last) of a component list such as {"f[0:47]",
// "f[299]", "f[*]"}; "f[*]" gives 0 to faceCount - 1. Other components
// (vertices, edges) and malformed texts are left out.
std::vector<std::pair<size_t, size_t>> faceRanges(const std::vector<std::string>& components,
                                                  size_t faceCount);

} // namespace orvex_host
