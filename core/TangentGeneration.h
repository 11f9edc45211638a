#pragma once

#include <cstdint>

// Per-vertex tangents from positions (3 floats each), normals (3 floats), texture
// coordinates (u, v) and triangles (3 indices each, all below numVertices). out receives 4
// floats per vertex: the tangent direction, summed over the vertex's triangles and neither
// normalised nor made orthogonal to the normal, and the handedness, -1 when the bitangent
// points against cross(normal, tangent), else +1.
//
// Triangles with degenerate texture coordinates contribute infinite or NaN directions;
// such a vertex gets handedness +1. The results are only used for welding, which treats
// them as it treats missing tangents.
void generateTangents(uint32_t numVertices, const float* positions, const float* normals,
                      const float* texcoords, uint32_t numTriangles, const uint32_t* indices, float* out);
