#pragma once
// Following geometry through chains of deformers: a skinned mesh's input is
// fed by its skin cluster, which is fed (often through tweak and group-parts
// nodes) by the intermediate original mesh.

#include "graph/Scene.h"

namespace orvex_host {

// The node whose geometry reaches `shape`'s input ("inMesh") through
// deformers and group parts: the first shape met upstream. Null when the
// input is not connected or is fed by anything else (a modelling node).
const Node* upstreamGeometrySource(const Scene& scene, const Node* shape);

// The shape that the deformer output `output` of `node` feeds, through
// further deformers and group parts; null when it feeds none.
Node* downstreamShape(const Scene& scene, const Node* node, const PlugAddress& output);

} // namespace orvex_host
