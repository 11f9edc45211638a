#pragma once

#include "core/BuilderVertex.h"
#include "core/TriangleSet.h"
#include "core/VertexColumns.h"

#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

// Turns a mesh given as separate triangle corners into an IndexedTriangleSet: corners that
// are equal within a tolerance are merged into shared vertices, and the triangles are
// grouped into one subset per material.
//
// Use: reserveTriangles; reserveCorners when the mesh's flags are known before its
// corners (the builder then keeps only the attributes they switch on); per triangle three
// addVertex and one addTriangle naming those vertices; setFlags; computeTangents when the
// flags request tangents; weldVertices; createIndexedTriangleSet. Every index in a
// triangle must name an added vertex.
class TriangleSetBuilder {
public:
    // A material run: index of its first triangle and its number of triangles.
    using MaterialRun = std::pair<uint32_t, uint32_t>;

    void reserveTriangles(uint32_t count);
    // Makes room for count corners and, before the first addVertex, keeps only the
    // attributes that flags switch on (tangents with VertexTangentsRequested): every other
    // field of the vertices added must be zero. A big mesh then holds a few bytes a corner
    // instead of a whole BuilderVertex.
    void reserveCorners(size_t count, uint32_t flags);
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

    VertexColumns vertices;
    std::vector<BuilderTriangle> triangles;
    uint32_t formatFlags = 0;
};
