#include "core/VertexCacheOptimizer.h"
#include "core/TriangleSet.h"
#include "tests/core/ReferenceVertexCache.h"
#include "tests/core/TestMeshes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>
#include <string>

namespace {

uint32_t vertexCount(const std::vector<uint32_t>& indices) {
    return indices.empty() ? 0 : *std::max_element(indices.begin(), indices.end()) + 1;
}

template <class Index> std::vector<Index> narrowTo(const std::vector<uint32_t>& indices, uint32_t offset) {
    std::vector<Index> out(indices.size());
    for (size_t i = 0; i < indices.size(); ++i) {
        out[i] = Index(indices[i] + offset);
    }
    return out;
}

// Runs the fast and the literal reorder on one index buffer (shifted by offset, so that
// the subset does not start at vertex 0) and expects identical output.
template <class Index> void expectSameAsReference(const std::vector<uint32_t>& mesh, uint32_t offset = 0) {
    const std::vector<Index> input = narrowTo<Index>(mesh, offset);
    const uint32_t triangles = uint32_t(mesh.size() / 3);
    const uint32_t vertices = vertexCount(mesh);
    std::vector<Index> fast(input.size());
    reorderForVertexCache(triangles, offset, vertices, input.data(), fast.data());
    const std::vector<Index> literal = reference::reorder(triangles, offset, vertices, input.data());
    ASSERT_EQ(fast, literal);
}

void expectSameAsReferenceBothWidths(const std::vector<uint32_t>& mesh) {
    expectSameAsReference<uint16_t>(mesh);
    expectSameAsReference<uint32_t>(mesh, 70000);
}

// A set whose vertex i sits at position (i, 0, 0), so attributes can be traced.
std::unique_ptr<IndexedTriangleSet> traceableSet(const std::vector<uint32_t>& indices, uint32_t numVertices,
                                                 const std::vector<TriangleSubset>& subsets) {
    auto set = std::make_unique<IndexedTriangleSet>();
    set->allocateArrays(numVertices, VertexUv0 | VertexSkin);
    for (uint32_t v = 0; v < numVertices; ++v) {
        set->positions[3 * v] = float(v);
        set->positions[3 * v + 1] = 0.0f;
        set->positions[3 * v + 2] = 0.0f;
        set->uv[0][2 * v] = float(v);
        set->uv[0][2 * v + 1] = -float(v);
        std::fill_n(&set->skinWeights[4 * v], 4, float(v));
        std::fill_n(&set->skinIndices[4 * v], 4, uint8_t(v));
    }
    set->allocateIndices(uint32_t(indices.size()));
    for (uint32_t i = 0; i < indices.size(); ++i) {
        set->setIndex(i, indices[i]);
    }
    set->subsets = subsets;
    return set;
}

TriangleSubset subsetOver(const std::vector<uint32_t>& indices, uint32_t firstIndex, uint32_t numIndices) {
    const auto begin = indices.begin() + firstIndex;
    const auto [low, high] = std::minmax_element(begin, begin + numIndices);
    return TriangleSubset{*low, *high - *low + 1, firstIndex, numIndices};
}

} // namespace

TEST(VertexCacheScore, FollowsCachePositionAndRemainingUses) {
    EXPECT_EQ(vertexCacheScore(kVertexCacheSize, 0), -1.0f);
    EXPECT_EQ(vertexCacheScore(0, 0), -1.0f);
    EXPECT_EQ(vertexCacheScore(kVertexCacheSize, 1), 2.0f);
    EXPECT_EQ(vertexCacheScore(1, 1), 2.75f);
    EXPECT_EQ(vertexCacheScore(3, 1), 3.0f); // just behind the newest three the cache scores highest
    EXPECT_LT(vertexCacheScore(63, 1), vertexCacheScore(62, 1));
    EXPECT_EQ(vertexCacheScore(kVertexCacheSize, 4), 1.0f);
}

TEST(VertexCacheReorder, IsolatedTriangleFirstThenTiesToTheEarliest) {
    const std::vector<uint16_t> input = {0, 1, 2, 1, 2, 3, 4, 5, 6};
    std::vector<uint16_t> output(input.size());
    reorderForVertexCache(3, 0, 7, input.data(), output.data());
    EXPECT_EQ(output, (std::vector<uint16_t>{4, 5, 6, 0, 1, 2, 1, 2, 3}));
    // The scores behind that choice.
    const float isolated = 3 * vertexCacheScore(kVertexCacheSize, 1);
    const float shared = vertexCacheScore(kVertexCacheSize, 1) + 2 * vertexCacheScore(kVertexCacheSize, 2);
    EXPECT_FLOAT_EQ(isolated, 6.0f);
    EXPECT_FLOAT_EQ(shared, 4.828427f);
}

TEST(VertexCacheReorder, SingleTriangleUnchanged) {
    const std::vector<uint32_t> input = {7, 9, 8};
    std::vector<uint32_t> output(3);
    reorderForVertexCache(1, 7, 3, input.data(), output.data());
    EXPECT_EQ(output, input);
}

TEST(VertexCacheReorder, MatchesLiteralOrderOnGrids) {
    for (auto [columns, rows] :
         {std::pair{1u, 1u}, {5u, 3u}, {16u, 16u}, {40u, 25u}, {90u, 12u}, {7u, 120u}}) {
        SCOPED_TRACE(std::to_string(columns) + "x" + std::to_string(rows));
        const auto mesh = testmeshes::grid(columns, rows);
        expectSameAsReferenceBothWidths(mesh);
        expectSameAsReferenceBothWidths(testmeshes::shuffledTriangles(mesh, columns * 31 + rows));
    }
}

TEST(VertexCacheReorder, MatchesLiteralOrderOnRandomSoups) {
    // Few vertices give duplicate triangles and corners repeated within a triangle.
    for (auto [triangles, vertices] :
         {std::pair{50u, 4u}, {300u, 20u}, {800u, 300u}, {1200u, 1500u}, {600u, 60u}}) {
        for (uint32_t seed = 1; seed <= 3; ++seed) {
            SCOPED_TRACE(std::to_string(triangles) + "/" + std::to_string(vertices) + " seed " +
                         std::to_string(seed));
            expectSameAsReferenceBothWidths(testmeshes::randomSoup(triangles, vertices, seed));
        }
    }
}

TEST(VertexCacheReorder, MatchesLiteralOrderOnHighValenceFans) {
    for (uint32_t valence : {3u, 64u, 65u, 200u, 1000u}) {
        SCOPED_TRACE("valence " + std::to_string(valence));
        const auto mesh = testmeshes::fan(valence);
        expectSameAsReferenceBothWidths(mesh);
        expectSameAsReferenceBothWidths(testmeshes::shuffledTriangles(mesh, valence));
    }
}

TEST(VertexCacheReorder, MatchesLiteralOrderOnDegenerateAndDuplicateTriangles) {
    std::vector<uint32_t> mesh = testmeshes::grid(12, 12);
    const std::vector<uint32_t> copy = mesh;
    mesh.insert(mesh.end(), copy.begin(), copy.begin() + 90); // 30 duplicates
    for (uint32_t v = 0; v < 40; ++v) {
        mesh.insert(mesh.end(), {v, v, v + 1});         // two corners welded together
        mesh.insert(mesh.end(), {v * 3, v * 3, v * 3}); // all three
    }
    expectSameAsReferenceBothWidths(mesh);
    expectSameAsReferenceBothWidths(testmeshes::shuffledTriangles(mesh, 5));
}

TEST(VertexCacheReorder, MatchesLiteralOrderOnMixedMeshes) {
    // A fan, a grid and a soup sharing vertices, in random order.
    std::vector<uint32_t> mesh = testmeshes::fan(150);
    for (uint32_t index : testmeshes::grid(30, 20)) {
        mesh.push_back(index + 100);
    }
    for (uint32_t index : testmeshes::randomSoup(300, 400, 9)) {
        mesh.push_back(index + 50);
    }
    expectSameAsReferenceBothWidths(mesh);
    expectSameAsReferenceBothWidths(testmeshes::shuffledTriangles(mesh, 77));
}

TEST(IndexedTriangleSetOptimize, ReordersRenumbersAndUpdatesTheSubset) {
    const std::vector<uint32_t> indices = {0, 1, 2, 1, 2, 3, 4, 5, 6};
    auto set = traceableSet(indices, 7, {subsetOver(indices, 0, 9)});
    set->optimize();
    std::vector<uint32_t> result;
    for (uint32_t i = 0; i < set->numIndices; ++i) {
        result.push_back(set->index(i));
    }
    EXPECT_EQ(result, (std::vector<uint32_t>{0, 1, 2, 3, 4, 5, 4, 5, 6}));
    ASSERT_EQ(set->subsets.size(), 1u);
    EXPECT_EQ(set->subsets[0].firstVertex, 0u);
    EXPECT_EQ(set->subsets[0].numVertices, 7u);
    // Old vertices 4, 5, 6, 0, 1, 2, 3 now stand at 0 to 6, with all their attributes.
    const uint32_t oldOf[7] = {4, 5, 6, 0, 1, 2, 3};
    for (uint32_t v = 0; v < 7; ++v) {
        EXPECT_EQ(set->positions[3 * v], float(oldOf[v]));
        EXPECT_EQ(set->uv[0][2 * v + 1], -float(oldOf[v]));
        EXPECT_EQ(set->skinWeights[4 * v + 3], float(oldOf[v]));
        EXPECT_EQ(set->skinIndices[4 * v], oldOf[v]);
    }
}

TEST(IndexedTriangleSetOptimize, SubsetsKeepTheirPlaceAndFollowTheLiteralOrder) {
    // Three material runs over shared vertices, as a welded mesh gives them.
    const std::vector<uint32_t> grid = testmeshes::grid(20, 10);
    std::vector<uint32_t> indices = testmeshes::shuffledTriangles(grid, 3);
    const uint32_t vertices = testmeshes::gridVertexCount(20, 10);
    const std::vector<TriangleSubset> subsets = {subsetOver(indices, 0, 150), subsetOver(indices, 150, 3),
                                                 subsetOver(indices, 153, uint32_t(indices.size()) - 153)};
    auto set = traceableSet(indices, vertices, subsets);
    set->optimize();

    ASSERT_EQ(set->subsets.size(), 3u);
    std::vector<uint32_t> firstUse;
    for (const TriangleSubset& before : subsets) {
        const auto expected = reference::reorder(before.numIndices / 3, before.firstVertex,
                                                 before.numVertices, indices.data() + before.firstIndex);
        for (uint32_t i = 0; i < before.numIndices; ++i) {
            const uint32_t v = set->index(before.firstIndex + i);
            EXPECT_EQ(uint32_t(set->positions[3 * v]), expected[i]); // same vertex, in the literal order
            if (std::find(firstUse.begin(), firstUse.end(), v) == firstUse.end()) {
                EXPECT_EQ(v, firstUse.size()); // numbered by first use
                firstUse.push_back(v);
            }
        }
    }
    for (size_t s = 0; s < subsets.size(); ++s) {
        const TriangleSubset& after = set->subsets[s];
        EXPECT_EQ(after.firstIndex, subsets[s].firstIndex);
        EXPECT_EQ(after.numIndices, subsets[s].numIndices);
        const TriangleSubset expected = subsetOver(
            [&] {
                std::vector<uint32_t> all;
                for (uint32_t i = 0; i < set->numIndices; ++i) {
                    all.push_back(set->index(i));
                }
                return all;
            }(),
            after.firstIndex, after.numIndices);
        EXPECT_EQ(after.firstVertex, expected.firstVertex);
        EXPECT_EQ(after.numVertices, expected.numVertices);
    }
}

TEST(IndexedTriangleSetOptimize, SecondCallChangesNothing) {
    const std::vector<uint32_t> indices = testmeshes::shuffledTriangles(testmeshes::grid(6, 6), 1);
    auto set = traceableSet(indices, 49, {subsetOver(indices, 0, uint32_t(indices.size()))});
    set->optimize();
    uint64_t first = 0;
    set->updateChecksum(first);
    set->optimize();
    uint64_t second = 0;
    set->updateChecksum(second);
    EXPECT_TRUE(set->optimized);
    EXPECT_EQ(first, second);
}

TEST(IndexedTriangleSetOptimize, WideSetStaysWideAndKeepsEveryTriangle) {
    const std::vector<uint32_t> indices = testmeshes::grid(300, 240); // 72,541 vertices
    const uint32_t vertices = testmeshes::gridVertexCount(300, 240);
    auto set = traceableSet(indices, vertices, {subsetOver(indices, 0, uint32_t(indices.size()))});
    ASSERT_TRUE(set->wideIndices());
    set->optimize();
    ASSERT_TRUE(set->indices.wide);
    EXPECT_FALSE(set->indices.narrow);
    std::vector<std::array<uint32_t, 3>> before;
    std::vector<std::array<uint32_t, 3>> after;
    for (uint32_t t = 0; t < indices.size() / 3; ++t) {
        before.push_back({indices[3 * t], indices[3 * t + 1], indices[3 * t + 2]});
        after.push_back({uint32_t(set->positions[3 * set->index(3 * t)]),
                         uint32_t(set->positions[3 * set->index(3 * t + 1)]),
                         uint32_t(set->positions[3 * set->index(3 * t + 2)])});
    }
    std::sort(before.begin(), before.end());
    std::sort(after.begin(), after.end());
    EXPECT_EQ(before, after);
}

TEST(IndexedTriangleSetOptimize, UnusedVerticesAreNumberedAfterTheUsedOnes) {
    // Vertices 0 and 3 are named by no triangle; their data must survive.
    const std::vector<uint32_t> indices = {1, 2, 4};
    auto set = traceableSet(indices, 5, {subsetOver(indices, 0, 3)});
    set->optimize();
    EXPECT_EQ(set->index(0), 0u);
    EXPECT_EQ(set->index(1), 1u);
    EXPECT_EQ(set->index(2), 2u);
    const float expected[5] = {1, 2, 4, 0, 3};
    for (uint32_t v = 0; v < 5; ++v) {
        EXPECT_EQ(set->positions[3 * v], expected[v]);
    }
}
