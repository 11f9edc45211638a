#include "core/VertexWelding.h"
#include "core/TriangleSetBuilder.h"

#include <algorithm>
#include <vector>

void TriangleSetBuilder::weldVertices() {
    const size_t n = vertices.size();
    if (n == 0) {
        return;
    }
    // The merge buffer of the sort is gone before the renumbering tables below exist.
    const std::vector<uint32_t> sorted = sortedWeldOrder(vertices);
    // newNumber[i]: first the head that vertex i merges into (itself when it is kept), then
    // its number after welding.
    std::vector<uint32_t> newNumber(n);
    std::vector<bool> removed(n, false); // a bit each: a big mesh has millions of corners
    for (uint32_t i = 0; i < n; ++i) {
        newNumber[i] = i;
    }

    // Runs of vertices equal to their head (membership is decided against the head, never
    // against the previous member). A run's tangent directions are summed into its head.
    size_t start = 0;
    while (start + 1 < n) {
        const uint32_t head = sorted[start];
        BuilderVertex& headVertex = vertices[head];
        float sum[3] = {headVertex.tangent[0], headVertex.tangent[1], headVertex.tangent[2]};
        size_t next = start + 1;
        for (; next < n; ++next) {
            const uint32_t member = sorted[next];
            const BuilderVertex& memberVertex = vertices[member];
            if (compareVertices(headVertex, memberVertex) != 0) {
                break;
            }
            for (int c = 0; c < 3; ++c) {
                sum[c] += memberVertex.tangent[c];
            }
            removed[member] = true;
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
