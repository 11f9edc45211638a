#include "core/MergeSort.h"
#include "core/TriangleSetBuilder.h"

#include <vector>

namespace {

// A vertex number with a copy of its position, so that most comparisons of the sort are
// decided without touching the vertex records.
struct WeldKey {
    float position[3];
    uint32_t vertex;
};

// The vertices in compareVertices order.
std::vector<WeldKey> sortedVertexKeys(const std::vector<BuilderVertex>& vertices) {
    std::vector<WeldKey> keys(vertices.size());
    for (uint32_t i = 0; i < keys.size(); ++i) {
        std::copy_n(vertices[i].position, 3, keys[i].position);
        keys[i].vertex = i;
    }
    mergeSort(keys, [&vertices](const WeldKey& a, const WeldKey& b) {
        for (int c = 0; c < 3; ++c) {
            if (const int order = compareWithTolerance(a.position[c], b.position[c])) {
                return order < 0;
            }
        }
        return compareVertexAttributes(vertices[a.vertex], vertices[b.vertex]) < 0;
    });
    return keys;
}

} // namespace

void TriangleSetBuilder::weldVertices() {
    const size_t n = vertices.size();
    if (n == 0) {
        return;
    }
    const std::vector<WeldKey> sorted = sortedVertexKeys(vertices);
    // newNumber[i]: first the head that vertex i merges into (itself when it is kept), then
    // its number after welding.
    std::vector<uint32_t> newNumber(n);
    std::vector<uint8_t> removed(n, 0);
    for (uint32_t i = 0; i < n; ++i) {
        newNumber[i] = i;
    }

    // Runs of vertices equal to their head (membership is decided against the head, never
    // against the previous member). A run's tangent directions are summed into its head.
    size_t start = 0;
    while (start + 1 < n) {
        const uint32_t head = sorted[start].vertex;
        BuilderVertex& headVertex = vertices[head];
        float sum[3] = {headVertex.tangent[0], headVertex.tangent[1], headVertex.tangent[2]};
        size_t next = start + 1;
        for (; next < n; ++next) {
            const uint32_t member = sorted[next].vertex;
            const BuilderVertex& memberVertex = vertices[member];
            if (compareVertices(headVertex, memberVertex) != 0) {
                break;
            }
            for (int c = 0; c < 3; ++c) {
                sum[c] += memberVertex.tangent[c];
            }
            removed[member] = 1;
            newNumber[member] = head;
        }
        std::copy_n(sum, 3, headVertex.tangent);
        start = next;
    }

    // A kept vertex moves down by the number of removed vertices before it; a removed one
    // takes the number of its head. The kept vertices close up in their order.
    uint32_t kept = 0;
    for (uint32_t i = 0; i < n; ++i) {
        if (!removed[i]) {
            newNumber[i] = kept;
            vertices[kept++] = vertices[i];
        }
    }
    for (uint32_t i = 0; i < n; ++i) {
        if (removed[i]) {
            newNumber[i] = newNumber[newNumber[i]];
        }
    }
    vertices.resize(kept);
    for (BuilderTriangle& triangle : triangles) {
        for (uint32_t* corner : {&triangle.vertex0, &triangle.vertex1, &triangle.vertex2}) {
            *corner = newNumber[*corner];
        }
    }
}
