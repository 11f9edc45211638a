#pragma once

#include <cstdint>

// Entries of the simulated least-recently-used vertex cache.
constexpr uint32_t kVertexCacheSize = 64;

// Score of a vertex at a cache position (kVertexCacheSize or more: not in the cache) with
// `remaining` unemitted index entries naming it. Vertices that no unemitted triangle uses
// score -1.
float vertexCacheScore(uint32_t cachePosition, uint32_t remaining);

// Reorders numTriangles triangles for the vertex cache: input holds their 3 x numTriangles
// indices, all from firstVertex to firstVertex + numVertices - 1; output (a separate buffer
// of the same size) receives the same triangles, each with its corners unchanged, in the
// new order. The order is the greedy one: at each step the unemitted triangle with the
// highest summed vertex score, ties going to the earliest, is emitted and its corners move
// to the front of the cache.
void reorderForVertexCache(uint32_t numTriangles, uint32_t firstVertex, uint32_t numVertices,
                           const uint16_t* input, uint16_t* output);
void reorderForVertexCache(uint32_t numTriangles, uint32_t firstVertex, uint32_t numVertices,
                           const uint32_t* input, uint32_t* output);
