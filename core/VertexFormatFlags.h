#pragma once

#include <cstdint>

// Bits telling which per-vertex arrays a triangle set carries. They are stored in
// TriangleSet::formatFlags and written unchanged into the triangle-set blob.
enum VertexFormatFlags : uint32_t {
    VertexNormals = 0x01,
    VertexUv0 = 0x02, // UV set k is VertexUv0 << k, for k from 0 to 3
    VertexUv1 = 0x04,
    VertexUv2 = 0x08,
    VertexUv3 = 0x10,
    VertexColors = 0x20,
    VertexSkin = 0x40,             // skin weights and bone indices
    VertexTangentsRequested = 0x80 // changes welding only; adds no array
};

// Number of UV sets a vertex can carry.
constexpr uint32_t kMaxUvSets = 4;

// The UV flag of set k (0 to 3).
constexpr uint32_t uvSetFlag(uint32_t set) {
    return uint32_t(VertexUv0) << set;
}
