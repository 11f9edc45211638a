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

// The vertex numbers in compareVertices order.
std::vector<uint32_t> sortedVertexOrder(const std::vector<BuilderVertex>& vertices) {
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
    std::vector<uint32_t> order(keys.size());
    for (size_t i = 0; i < keys.size(); ++i) {
        order[i] = keys[i].vertex;
    }
    return order;
}

} // namespace

void TriangleSetBuilder::weldVertices() {
    const size_t n = vertices.size();
    if (n == 0) {
        return;
    }
    const std::vector<uint32_t> order = sortedVertexOrder(vertices);
    std::vector<uint32_t> remap(n);
    std::vector<uint8_t> removed(n, 0);
    for (uint32_t i = 0; i < n; ++i) {
        remap[i] = i;
    }

    // Runs of vertices equal to their head (membership is decided against the head, never
    // against the previous member). A run's tangent directions are summed into its head.
    size_t start = 0;
    while (start + 1 < n) {
        const uint32_t head = order[start];
        BuilderVertex& headVertex = vertices[head];
        float sum[3] = {headVertex.tangent[0], headVertex.tangent[1], headVertex.tangent[2]};
        size_t next = start + 1;
        for (; next < n; ++next) {
            const uint32_t member = order[next];
            const BuilderVertex& memberVertex = vertices[member];
            if (compareVertices(headVertex, memberVertex) != 0) {
                break;
            }
            for (int c = 0; c < 3; ++c) {
                sum[c] += memberVertex.tangent[c];
            }
            removed[member] = 1;
            remap[member] = head;
        }
        std::copy_n(sum, 3, headVertex.tangent);
        start = next;
    }

    // removedUpTo[k]: removed vertices with an index of at most k.
    std::vector<uint32_t> removedUpTo(n);
    uint32_t running = 0;
    for (size_t k = 0; k < n; ++k) {
        running += removed[k];
        removedUpTo[k] = running;
    }
    for (BuilderTriangle& triangle : triangles) {
        for (uint32_t* corner : {&triangle.vertex0, &triangle.vertex1, &triangle.vertex2}) {
            const uint32_t kept = remap[*corner];
            *corner = kept - removedUpTo[kept];
        }
    }

    std::vector<BuilderVertex> kept;
    kept.reserve(n - running);
    for (size_t i = 0; i < n; ++i) {
        if (!removed[i]) {
            kept.push_back(vertices[i]);
        }
    }
    vertices.swap(kept);
}
