// The weld order sorts vertex numbers block by block over the builder's
// attribute arrays, and must give exactly the order of the plain merge sort of
// the records with compareVertices, also where that comparison is no ordering
// at all.

#include "core/MergeSort.h"
#include "core/VertexWelding.h"

#include <gtest/gtest.h>

#include <numeric>
#include <random>

namespace {

std::vector<uint32_t> plainOrder(const std::vector<BuilderVertex>& vertices) {
    std::vector<uint32_t> order(vertices.size());
    std::iota(order.begin(), order.end(), 0u);
    mergeSort(order, [&](uint32_t a, uint32_t b) { return compareVertices(vertices[a], vertices[b]) < 0; });
    return order;
}

// Corners on a coarse lattice (many exact ties), with coordinates 0.00006
// apart (chains of nearly equal values), opposed tangents, mirrored
// handedness, and UVs and skin data that split equal positions.
std::vector<BuilderVertex> awkwardCorners(size_t count, unsigned seed) {
    std::mt19937 random(seed);
    std::vector<BuilderVertex> vertices(count);
    for (BuilderVertex& v : vertices) {
        for (float& p : v.position) {
            p = float(random() % 6) * 0.00006f;
        }
        v.normal[2] = random() % 8 == 0 ? -1.0f : 1.0f;
        v.tangent[0] = random() % 5 == 0 ? -1.0f : 1.0f;
        v.tangent[3] = random() % 7 == 0 ? -1.0f : 1.0f;
        v.uv[0][0] = float(random() % 3) * 0.00007f;
        v.skinIndex[1] = uint8_t(random() % 2);
        if (random() % 50 == 0) {
            v.position[1] = NAN;
        }
    }
    return vertices;
}

} // namespace

TEST(WeldOrder, IsThePlainMergeSortOrderForEveryCount) {
    // Counts around the short runs, and beyond the block that is sorted with
    // its keys at hand (so that the wide merges run as well).
    for (size_t count : {0u, 1u, 2u, 15u, 16u, 17u, 33u, 1000u, 70001u, 140000u}) {
        const std::vector<BuilderVertex> vertices = awkwardCorners(count, unsigned(count));
        VertexColumns columns;
        columns.keepOnly(VertexNormals | VertexUv0 | VertexTangentsRequested | VertexSkin);
        for (const BuilderVertex& vertex : vertices) {
            columns.push_back(vertex);
        }
        EXPECT_EQ(sortedWeldOrder(columns), plainOrder(vertices)) << count << " corners";
    }
}
