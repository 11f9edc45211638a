#pragma once

#include "core/BuilderVertex.h"
#include "core/TriangleSet.h"

#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

// Turns a mesh given as separate triangle corners into an IndexedTriangleSet: corners that
// are equal within a tolerance are merged into shared vertices, and the triangles are
// grouped into one subset per material.
//
// Use: reserveTriangles; per triangle three addVertex and one addTriangle naming those
// vertices; setFlags; computeTangents when the flags request tangents; weldVertices;
// createIndexedTriangleSet. Every index in a triangle must name an added vertex.
class TriangleSetBuilder {
public:
    // A material run: index of its first triangle and its number of triangles.
    using MaterialRun = std::pair<uint32_t, uint32_t>;

    void reserveTriangles(uint32_t count);
    void addVertex(const BuilderVertex& vertex) { vertices.push_back(vertex); }
    void addTriangle(const BuilderTriangle& triangle) { triangles.push_back(triangle); }
    void setFlags(uint32_t flags) { formatFlags = flags; }

    // Fills every vertex's tangent from positions, normals and UV set 0.
    void computeTangents();
    // Merges equal vertices (compareVertices) and renumbers the triangles. A merged
    // vertex keeps the attributes of the run's first vertex, with the tangent directions
    // of the run summed.
    void weldVertices();
    // Sorts the triangles by material, then by their vertex indices, and returns the runs
    // of equal material in order.
    std::vector<MaterialRun> buildSubsets();
    // A new set (owned by the caller) with the vertices, the sorted triangles and one
    // subset per material run. Skin weights are scaled to sum to 1.
    std::unique_ptr<IndexedTriangleSet> createIndexedTriangleSet();

    std::vector<BuilderVertex> vertices;
    std::vector<BuilderTriangle> triangles;
    uint32_t formatFlags = 0;
};
