#pragma once

#include <cstdint>

// One triangle corner as mesh extraction hands it to the TriangleSetBuilder. Every field
// starts at zero; fields whose feature is off stay zero.
struct BuilderVertex {
    float position[3] = {};
    float uv[4][2] = {}; // UV sets 0 to 3, u then v
    float normal[3] = {};
    float color[3] = {};   // red, green, blue
    float tangent[4] = {}; // direction x, y, z, then the handedness (+1 or -1; 0 before tangents exist)
    float skinWeight[4] = {};
    uint8_t skinIndex[4] = {}; // bone indices, paired with skinWeight by position
};

// One triangle: three positions in the builder's vertex list, in corner order, and the
// mesh-local material index.
struct BuilderTriangle {
    uint32_t vertex0 = 0;
    uint32_t vertex1 = 0;
    uint32_t vertex2 = 0;
    uint32_t material = 0;
};

// Orders two vertices of the same builder vertex list for welding: -1 when a orders before
// b, +1 after, 0 when they are equal and may be merged. Position, normal, UVs and skin
// weights match within 1e-4 (a NaN component counts as equal); handedness and bone indices
// must match exactly; tangent directions that point away from each other keep the vertices
// apart (ordered by their place in the list). Colour is not compared.
//
// This is not a strict weak ordering (tolerance bands do not chain), so it must only be
// used with a sort whose bounds do not depend on the comparator (see mergeSortIndices).
int compareVertices(const BuilderVertex& a, const BuilderVertex& b);

// The part of compareVertices after the position test.
int compareVertexAttributes(const BuilderVertex& a, const BuilderVertex& b);

// The toleranced comparison of one component pair: -1 when x < y - 1e-4, +1 when
// x > y + 1e-4, else 0 (NaN included). The bounds are computed in single precision.
inline int compareWithTolerance(float x, float y) {
    constexpr float kWeldTolerance = 1e-4f;
    const float below = y - kWeldTolerance;
    const float above = y + kWeldTolerance;
    if (x < below) {
        return -1;
    }
    return x > above ? 1 : 0;
}
