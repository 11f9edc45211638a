#pragma once

#include "core/BoundingSphere.h"
#include "core/VertexFormatFlags.h"

#include <cstdint>
#include <memory>
#include <vector>

// Sets with more vertices than this use 32-bit indices; up to and including it, 16-bit.
constexpr uint32_t kMaxNarrowIndexVertices = 65536;

inline bool usesWideIndices(uint32_t numVertices) {
    return numVertices > kMaxNarrowIndexVertices;
}

// One material run of an indexed triangle set: the index entries from firstIndex to
// firstIndex + numIndices - 1, whose vertex indices lie from firstVertex to
// firstVertex + numVertices - 1.
struct TriangleSubset {
    uint32_t firstVertex = 0;
    uint32_t numVertices = 0;
    uint32_t firstIndex = 0;
    uint32_t numIndices = 0;
};

// Flat per-vertex attribute arrays of one mesh, chosen by VertexFormatFlags. An absent
// array is null.
class TriangleSet {
public:
    TriangleSet() = default;
    TriangleSet(const TriangleSet&) = delete;
    TriangleSet& operator=(const TriangleSet&) = delete;

    virtual ~TriangleSet() = default;
    // Folds the flags and the present arrays into a running 64-bit CRC.
    virtual void updateChecksum(uint64_t& value) const;

    // Allocates positions for count vertices and the arrays that flags select, and stores
    // count and flags (every bit). Does nothing on a set that already has vertices. The
    // arrays are not cleared: their creator fills them.
    void allocateArrays(uint32_t count, uint32_t flags);

    uint32_t numVertices = 0;
    uint32_t formatFlags = 0;
    std::unique_ptr<float[]> positions;      // x, y, z
    std::unique_ptr<float[]> uv[kMaxUvSets]; // u, v per set
    std::unique_ptr<float[]> normals;        // x, y, z
    std::unique_ptr<float[]> colors;         // red, green, blue
    std::unique_ptr<float[]> skinWeights;    // four per vertex
    std::unique_ptr<uint8_t[]> skinIndices;  // four per vertex, paired with the weights
};

// The index buffer of an indexed set. Its width is stored nowhere: it follows from the
// set's vertex count (usesWideIndices), and only the array of that width is allocated.
struct IndexBuffer {
    std::unique_ptr<uint16_t[]> narrow;
    std::unique_ptr<uint32_t[]> wide;
};

// A triangle set with an index buffer divided into material subsets. The subsets follow
// one another in the buffer without gaps; their vertex ranges may overlap.
class IndexedTriangleSet : public TriangleSet {
public:
    void updateChecksum(uint64_t& value) const override;

    // Allocates the index buffer for count entries in the width the vertex count asks for,
    // not cleared: its creator fills it. Call after allocateArrays.
    void allocateIndices(uint32_t count);
    bool wideIndices() const { return usesWideIndices(numVertices); }
    uint32_t index(uint32_t i) const { return wideIndices() ? indices.wide[i] : indices.narrow[i]; }
    void setIndex(uint32_t i, uint32_t value);
    // Sets the subset's firstVertex and numVertices to the smallest vertex index and the
    // span of the indices that its whole triangles use; both 0 when it has no whole one.
    void fitVertexRange(TriangleSubset& subset) const;

    // A new sphere around the positions; the caller owns it.
    std::unique_ptr<BoundingSphere> boundingSphere() const;

    // Reorders the triangles of each subset for a 64-entry vertex cache, then renumbers
    // the vertices in order of first use. Works once per set.
    void optimize();

    uint32_t numIndices = 0;
    IndexBuffer indices;
    // The material runs in index-buffer order; the subset count is subsets.size().
    std::vector<TriangleSubset> subsets;
    bool optimized = false;
};
