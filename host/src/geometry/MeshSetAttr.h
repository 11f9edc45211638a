#pragma once
// The setAttr statements that fill a mesh's geometry (points, offsets,
// edges, faces, normals, UV sets, colour sets) and its per-face shading
// components.

namespace orvex_host {

class Scene;
struct Node;
struct SetAttrRequest;

// The mesh type's setAttr hook: true when the statement was consumed (with
// request.error set when its values are malformed).
bool meshSetAttr(Scene& scene, Node& mesh, SetAttrRequest& request);

} // namespace orvex_host
