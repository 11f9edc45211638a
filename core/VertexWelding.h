#pragma once

#include "core/BuilderVertex.h"
#include "core/VertexColumns.h"

#include <cstdint>
#include <vector>

// compareVertices on two vertices of a builder's vertex list, named by their places in it:
// the same tests in the same order, reading only the arrays the list keeps (an attribute
// without one is zero in every vertex, and zeros never decide a test).
class WeldComparison {
public:
    explicit WeldComparison(const VertexColumns& vertices);

    const float* position(uint32_t v) const { return positions_ + 3 * size_t(v); }

    // compareVertices(vertex a, vertex b).
    int compare(uint32_t a, uint32_t b) const {
        if (const int order = compareComponents(position(a), position(b), 3)) {
            return order;
        }
        return compareAttributes(a, b);
    }

    // compareVertexAttributes(vertex a, vertex b).
    int compareAttributes(uint32_t a, uint32_t b) const;

private:
    static int compareComponents(const float* a, const float* b, int count) {
        for (int i = 0; i < count; ++i) {
            if (const int order = compareWithTolerance(a[i], b[i])) {
                return order;
            }
        }
        return 0;
    }

    const float* positions_;
    const float* normals_;
    const float* tangents_;
    const float* uvs_[kMaxUvSets];
    uint32_t uvSetCount_ = 0; // the kept UV sets, in set order
    const float* skinWeights_;
    const uint8_t* skinIndices_;
};

// The vertex numbers 0 to n - 1 in compareVertices order, exactly as mergeSort orders
// them with compareVertices (the same merges and the same comparisons), but sorting
// 4-byte numbers instead of the vertices themselves.
std::vector<uint32_t> sortedWeldOrder(const VertexColumns& vertices);
