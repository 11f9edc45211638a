// Random meshes through the builder and the optimiser, checking what must hold for any
// input: welding keeps every corner within the tolerance of its vertex, subsets cover the
// buffer by material, and optimisation gives the literal greedy order per subset.

#include "core/TriangleSetBuilder.h"
#include "tests/core/ReferenceVertexCache.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

namespace {

struct Corner {
    float position[3];
    uint32_t material;
};

class RandomMesh {
public:
    explicit RandomMesh(uint32_t seed) : random_(seed) {}

    // Corners on a coarse lattice (so many coincide and weld), with a few attributes that
    // keep some coinciding corners apart.
    TriangleSetBuilder build(std::vector<Corner>& corners) {
        TriangleSetBuilder builder;
        const uint32_t triangles = 1 + pick(250);
        const uint32_t lattice = 2 + pick(8);
        const uint32_t materials = 1 + pick(4);
        builder.reserveTriangles(triangles);
        for (uint32_t t = 0; t < triangles; ++t) {
            const uint32_t material = pick(materials);
            for (int j = 0; j < 3; ++j) {
                BuilderVertex vertex;
                for (float& c : vertex.position) {
                    c = float(pick(lattice)) + (pick(10) == 0 ? 0.00004f : 0.0f);
                }
                vertex.normal[pick(3)] = pick(2) ? 1.0f : -1.0f;
                vertex.uv[0][0] = float(pick(3)) * 0.5f;
                vertex.uv[0][1] = float(pick(3)) * 0.5f;
                vertex.color[0] = float(pick(4));
                vertex.skinWeight[0] = float(pick(3));
                vertex.skinWeight[1] = float(pick(2));
                vertex.skinIndex[0] = uint8_t(pick(3));
                builder.addVertex(vertex);
                corners.push_back(
                    Corner{{vertex.position[0], vertex.position[1], vertex.position[2]}, material});
            }
            builder.addTriangle(BuilderTriangle{3 * t, 3 * t + 1, 3 * t + 2, material});
        }
        const uint32_t flags = pick(256);
        builder.setFlags(flags);
        if (flags & VertexTangentsRequested) {
            builder.computeTangents();
        }
        return builder;
    }

private:
    uint32_t pick(uint32_t count) { return std::uniform_int_distribution<uint32_t>(0, count - 1)(random_); }
    std::mt19937 random_;
};

void expectWeldedCornersMatch(const TriangleSetBuilder& builder, const std::vector<Corner>& corners) {
    ASSERT_EQ(builder.triangles.size() * 3, corners.size());
    for (size_t t = 0; t < builder.triangles.size(); ++t) {
        const BuilderTriangle& triangle = builder.triangles[t];
        const uint32_t vertices[3] = {triangle.vertex0, triangle.vertex1, triangle.vertex2};
        for (int j = 0; j < 3; ++j) {
            ASSERT_LT(vertices[j], builder.vertices.size());
            for (int c = 0; c < 3; ++c) {
                EXPECT_LE(
                    std::fabs(builder.vertices[vertices[j]].position[c] - corners[3 * t + j].position[c]),
                    1.0001e-4f);
            }
        }
    }
}

void expectSubsetsCoverTheBuffer(const IndexedTriangleSet& set) {
    uint32_t next = 0;
    for (const TriangleSubset& subset : set.subsets) {
        EXPECT_EQ(subset.firstIndex, next);
        EXPECT_GT(subset.numIndices, 0u);
        for (uint32_t i = 0; i < subset.numIndices; ++i) {
            const uint32_t v = set.index(subset.firstIndex + i);
            EXPECT_GE(v, subset.firstVertex);
            EXPECT_LT(v - subset.firstVertex, subset.numVertices);
        }
        next += subset.numIndices;
    }
    EXPECT_EQ(next, set.numIndices);
    EXPECT_EQ(set.wideIndices(), set.numVertices > 65536);
}

} // namespace

TEST(GeometryFuzz, RandomMeshesThroughBuilderAndOptimiser) {
    for (uint32_t seed = 1; seed <= 150; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        std::vector<Corner> corners;
        RandomMesh random(seed);
        TriangleSetBuilder builder = random.build(corners);
        builder.weldVertices();
        expectWeldedCornersMatch(builder, corners);
        const auto set = builder.createIndexedTriangleSet();
        expectSubsetsCoverTheBuffer(*set);

        // The literal order per subset, then vertices numbered by first use.
        std::vector<uint32_t> literal;
        for (const TriangleSubset& subset : set->subsets) {
            std::vector<uint32_t> input(subset.numIndices);
            for (uint32_t i = 0; i < subset.numIndices; ++i) {
                input[i] = set->index(subset.firstIndex + i);
            }
            const auto order = reference::reorder(subset.numIndices / 3, subset.firstVertex,
                                                  subset.numVertices, input.data());
            literal.insert(literal.end(), order.begin(), order.end());
        }
        const std::vector<float> positionsBefore(set->positions.get(),
                                                 set->positions.get() + 3 * size_t(set->numVertices));
        std::vector<uint32_t> newNumber(set->numVertices, UINT32_MAX);
        uint32_t next = 0;
        for (uint32_t v : literal) {
            if (newNumber[v] == UINT32_MAX) {
                newNumber[v] = next++;
            }
        }
        set->optimize();
        expectSubsetsCoverTheBuffer(*set);
        ASSERT_EQ(literal.size(), set->numIndices);
        for (uint32_t i = 0; i < set->numIndices; ++i) {
            ASSERT_EQ(set->index(i), newNumber[literal[i]]) << "index " << i;
        }
        for (uint32_t v = 0; v < set->numVertices; ++v) {
            for (int c = 0; c < 3; ++c) {
                ASSERT_EQ(set->positions[3 * newNumber[v] + c], positionsBefore[3 * v + c]);
            }
        }
    }
}
