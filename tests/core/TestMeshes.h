#pragma once

// Index buffers of generated meshes, shared by the tests and the benchmarks.

#include <algorithm>
#include <cstdint>
#include <random>
#include <vector>

namespace testmeshes {

// A grid of columns x rows quads, each split into two triangles, in row order.
inline std::vector<uint32_t> grid(uint32_t columns, uint32_t rows) {
    std::vector<uint32_t> indices;
    indices.reserve(6 * size_t(columns) * rows);
    const uint32_t stride = columns + 1;
    for (uint32_t y = 0; y < rows; ++y) {
        for (uint32_t x = 0; x < columns; ++x) {
            const uint32_t v00 = y * stride + x;
            const uint32_t v10 = v00 + 1;
            const uint32_t v01 = v00 + stride;
            const uint32_t v11 = v01 + 1;
            indices.insert(indices.end(), {v00, v10, v01, v10, v11, v01});
        }
    }
    return indices;
}

inline uint32_t gridVertexCount(uint32_t columns, uint32_t rows) {
    return (columns + 1) * (rows + 1);
}

// The same triangles in a random order (each keeps its corners).
inline std::vector<uint32_t> shuffledTriangles(const std::vector<uint32_t>& indices, uint32_t seed) {
    std::vector<uint32_t> order(indices.size() / 3);
    for (uint32_t t = 0; t < order.size(); ++t) {
        order[t] = t;
    }
    std::shuffle(order.begin(), order.end(), std::mt19937(seed));
    std::vector<uint32_t> shuffled;
    shuffled.reserve(indices.size());
    for (uint32_t t : order) {
        shuffled.insert(shuffled.end(), indices.begin() + 3 * t, indices.begin() + 3 * t + 3);
    }
    return shuffled;
}

// Random triangles over numVertices vertices; with few vertices this gives duplicate
// triangles and triangles that name a vertex twice or three times. Every vertex is used.
inline std::vector<uint32_t> randomSoup(uint32_t numTriangles, uint32_t numVertices, uint32_t seed) {
    std::mt19937 random(seed);
    std::uniform_int_distribution<uint32_t> pick(0, numVertices - 1);
    std::vector<uint32_t> indices(3 * size_t(numTriangles));
    for (uint32_t& index : indices) {
        index = pick(random);
    }
    for (uint32_t v = 0; v < numVertices && v < indices.size(); ++v) {
        indices[(size_t(v) * 7919) % indices.size()] = v;
    }
    return indices;
}

// A fan of `valence` triangles around vertex 0, closed into a ring.
inline std::vector<uint32_t> fan(uint32_t valence) {
    std::vector<uint32_t> indices;
    for (uint32_t i = 0; i < valence; ++i) {
        indices.insert(indices.end(), {0, 1 + i, 1 + (i + 1) % valence});
    }
    return indices;
}

} // namespace testmeshes
