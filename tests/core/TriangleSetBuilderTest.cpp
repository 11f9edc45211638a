#include "core/TriangleSetBuilder.h"
#include "core/MergeSort.h"
#include "tests/core/ReferenceTriangleSetBuilder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <numeric>
#include <random>
#include <string>

namespace {

BuilderVertex vertexAt(float x, float y = 0.0f, float z = 0.0f) {
    BuilderVertex vertex;
    vertex.position[0] = x;
    vertex.position[1] = y;
    vertex.position[2] = z;
    return vertex;
}

// Adds a triangle of three fresh corners.
void addTriangle(TriangleSetBuilder& builder, const BuilderVertex& a, const BuilderVertex& b,
                 const BuilderVertex& c, uint32_t material = 0) {
    const auto first = uint32_t(builder.vertices.size());
    builder.addVertex(a);
    builder.addVertex(b);
    builder.addVertex(c);
    builder.addTriangle(BuilderTriangle{first, first + 1, first + 2, material});
}

// Welds two corners that differ as `change` says and returns the vertex count.
template <class Change> size_t verticesAfterWelding(Change change) {
    TriangleSetBuilder builder;
    BuilderVertex a = vertexAt(1, 2, 3);
    BuilderVertex b = a;
    change(a, b);
    builder.addVertex(a);
    builder.addVertex(b);
    builder.weldVertices();
    return builder.vertices.size();
}

} // namespace

TEST(CompareVertices, PositionToleranceAndOrder) {
    const BuilderVertex origin = vertexAt(0);
    EXPECT_EQ(compareVertices(origin, vertexAt(0.0001f)), 0);
    EXPECT_EQ(compareVertices(origin, vertexAt(0.0002f)), -1);
    EXPECT_EQ(compareVertices(vertexAt(0.0002f), origin), 1);
    EXPECT_EQ(compareVertices(origin, vertexAt(0, 0, -1)), 1);
    EXPECT_EQ(compareVertices(origin, vertexAt(NAN)), 0); // NaN counts as equal
}

TEST(TriangleSetBuilder, WeldsWithinTheTolerance) {
    EXPECT_EQ(verticesAfterWelding([](BuilderVertex&, BuilderVertex&) {}), 1u);
    EXPECT_EQ(verticesAfterWelding([](BuilderVertex& a, BuilderVertex& b) {
                  a.position[0] = 0.0f;
                  b.position[0] = 0.0001f;
              }),
              1u);
    EXPECT_EQ(verticesAfterWelding([](BuilderVertex& a, BuilderVertex& b) {
                  a.position[0] = 0.0f;
                  b.position[0] = 0.0002f;
              }),
              2u);
    EXPECT_EQ(verticesAfterWelding([](BuilderVertex&, BuilderVertex& b) { b.normal[1] = 0.5f; }), 2u);
    EXPECT_EQ(verticesAfterWelding([](BuilderVertex&, BuilderVertex& b) { b.uv[3][1] = 0.5f; }), 2u);
    EXPECT_EQ(verticesAfterWelding([](BuilderVertex&, BuilderVertex& b) { b.skinWeight[2] = 0.5f; }), 2u);
    EXPECT_EQ(verticesAfterWelding([](BuilderVertex&, BuilderVertex& b) { b.skinIndex[3] = 1; }), 2u);
}

TEST(TriangleSetBuilder, TangentsKeepMirroredAndOpposedCornersApart) {
    EXPECT_EQ(verticesAfterWelding([](BuilderVertex& a, BuilderVertex& b) {
                  a.tangent[3] = 1.0f;
                  b.tangent[3] = -1.0f;
              }),
              2u);
    EXPECT_EQ(verticesAfterWelding([](BuilderVertex& a, BuilderVertex& b) {
                  a.tangent[0] = 1.0f;
                  b.tangent[0] = -1.0f;
              }),
              2u);
    // NaN directions (from degenerate UVs) do not separate vertices.
    EXPECT_EQ(verticesAfterWelding([](BuilderVertex& a, BuilderVertex& b) {
                  a.tangent[0] = NAN;
                  b.tangent[0] = 1.0f;
              }),
              1u);
}

TEST(TriangleSetBuilder, ColourIsNotCompared) {
    TriangleSetBuilder builder;
    BuilderVertex red = vertexAt(1);
    red.color[0] = 1.0f;
    BuilderVertex blue = vertexAt(1);
    blue.color[2] = 1.0f;
    builder.addVertex(red);
    builder.addVertex(blue);
    builder.weldVertices();
    ASSERT_EQ(builder.vertices.size(), 1u);
    EXPECT_EQ(builder.vertices[0].color[0], 1.0f); // the survivor keeps its own colour
}

TEST(TriangleSetBuilder, WeldingSumsTangentsAndRenumbersTriangles) {
    TriangleSetBuilder builder;
    BuilderVertex a = vertexAt(0);
    a.tangent[0] = 1.0f;
    a.tangent[3] = 1.0f;
    // Two triangles sharing an edge, given as six separate corners, plus one whose three
    // corners are the same point.
    addTriangle(builder, a, vertexAt(1), vertexAt(0, 1));
    addTriangle(builder, vertexAt(1), vertexAt(1, 1), vertexAt(0, 1));
    addTriangle(builder, vertexAt(5), vertexAt(5), vertexAt(5));
    // Corner 0's twin elsewhere: weld sums the directions into the kept vertex.
    BuilderVertex twin = a;
    twin.tangent[0] = 2.0f;
    builder.addVertex(twin);
    builder.weldVertices();

    ASSERT_EQ(builder.vertices.size(), 5u);
    EXPECT_EQ(builder.vertices[0].tangent[0], 3.0f);
    EXPECT_EQ(builder.vertices[0].tangent[3], 1.0f);
    const auto& t = builder.triangles;
    EXPECT_EQ(t[0].vertex0, 0u);
    EXPECT_EQ(t[0].vertex1, 1u);
    EXPECT_EQ(t[0].vertex2, 2u);
    EXPECT_EQ(t[1].vertex0, 1u);
    EXPECT_EQ(t[1].vertex1, 3u);
    EXPECT_EQ(t[1].vertex2, 2u);
    EXPECT_EQ(t[2].vertex0, 4u);
    EXPECT_EQ(t[2].vertex1, 4u);
    EXPECT_EQ(t[2].vertex2, 4u);
    // Kept vertices stay in their order before welding.
    EXPECT_EQ(builder.vertices[3].position[1], 1.0f);
    EXPECT_EQ(builder.vertices[4].position[0], 5.0f);
}

TEST(TriangleSetBuilder, SubsetsPerMaterialInOrder) {
    TriangleSetBuilder builder;
    addTriangle(builder, vertexAt(0), vertexAt(1), vertexAt(2), 2);
    addTriangle(builder, vertexAt(3), vertexAt(4), vertexAt(5), 0);
    addTriangle(builder, vertexAt(6), vertexAt(7), vertexAt(8), 2);
    addTriangle(builder, vertexAt(9), vertexAt(10), vertexAt(11), 1);
    builder.triangles[0] = BuilderTriangle{7, 6, 8, 2}; // sorts after (6, 7, 8) within material 2
    const auto runs = TriangleSetBuilder(builder).buildSubsets();
    ASSERT_EQ(runs.size(), 3u);
    EXPECT_EQ(runs[0], (TriangleSetBuilder::MaterialRun{0, 1}));
    EXPECT_EQ(runs[1], (TriangleSetBuilder::MaterialRun{1, 1}));
    EXPECT_EQ(runs[2], (TriangleSetBuilder::MaterialRun{2, 2}));

    const auto set = builder.createIndexedTriangleSet();
    ASSERT_EQ(set->subsets.size(), 3u);
    const uint32_t expected[12] = {3, 4, 5, 9, 10, 11, 6, 7, 8, 7, 6, 8};
    for (uint32_t i = 0; i < 12; ++i) {
        EXPECT_EQ(set->index(i), expected[i]);
    }
    const TriangleSubset& last = set->subsets[2];
    EXPECT_EQ(last.firstIndex, 6u);
    EXPECT_EQ(last.numIndices, 6u);
    EXPECT_EQ(last.firstVertex, 6u);
    EXPECT_EQ(last.numVertices, 3u);
    EXPECT_EQ(set->subsets[1].firstVertex, 9u);
}

TEST(TriangleSetBuilder, CopiesAttributesAndNormalisesSkinWeights) {
    TriangleSetBuilder builder;
    BuilderVertex a = vertexAt(1, 2, 3);
    std::fill_n(a.skinWeight, 4, 0.5f);
    a.skinIndex[0] = 9;
    a.normal[2] = 1.0f;
    a.color[1] = 0.5f;
    a.uv[1][0] = 0.75f;
    BuilderVertex b = vertexAt(4);
    BuilderVertex c = vertexAt(5);
    c.skinWeight[0] = 3.0f;
    addTriangle(builder, a, b, c);
    builder.setFlags(VertexNormals | VertexUv1 | VertexColors | VertexSkin | VertexTangentsRequested);
    builder.weldVertices();
    const auto set = builder.createIndexedTriangleSet();
    EXPECT_EQ(set->formatFlags, 0xE5u);
    EXPECT_EQ(set->positions[1], 2.0f);
    EXPECT_EQ(set->normals[2], 1.0f);
    EXPECT_EQ(set->colors[1], 0.5f);
    EXPECT_EQ(set->uv[1][0], 0.75f);
    EXPECT_FALSE(set->uv[0]);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(set->skinWeights[i], 0.25f);
        EXPECT_EQ(set->skinWeights[4 + i], 0.0f); // zero weights stay zero
    }
    EXPECT_EQ(set->skinWeights[8], 1.0f);
    EXPECT_EQ(set->skinIndices[0], 9);
}

TEST(TriangleSetBuilder, IndexWidthFollowsTheWeldedVertexCount) {
    for (uint32_t vertices : {65536u, 65537u}) {
        TriangleSetBuilder builder;
        for (uint32_t i = 0; i < vertices; ++i) {
            builder.addVertex(vertexAt(float(i % 1000), float(i / 1000)));
            builder.addVertex(vertexAt(float(i % 1000), float(i / 1000))); // welds away
        }
        builder.addTriangle(BuilderTriangle{0, 3, 2 * vertices - 1, 0});
        builder.weldVertices();
        const auto set = builder.createIndexedTriangleSet();
        ASSERT_EQ(set->numVertices, vertices);
        EXPECT_EQ(set->wideIndices(), vertices == 65537u);
        EXPECT_EQ(set->index(1), 1u);
        EXPECT_EQ(set->index(2), vertices - 1);
    }
}

TEST(TriangleSetBuilder, EmptyBuilderGivesAnEmptySet) {
    TriangleSetBuilder builder;
    builder.weldVertices();
    const auto set = builder.createIndexedTriangleSet();
    EXPECT_EQ(set->numVertices, 0u);
    EXPECT_EQ(set->numIndices, 0u);
    EXPECT_TRUE(set->subsets.empty());
}

TEST(TriangleSetBuilder, ComputesTangentsFromUVSetZero) {
    TriangleSetBuilder builder;
    BuilderVertex a = vertexAt(0);
    BuilderVertex b = vertexAt(1);
    BuilderVertex c = vertexAt(0, 1);
    for (BuilderVertex* v : {&a, &b, &c}) {
        v->normal[2] = 1.0f;
        v->uv[0][0] = -v->position[0]; // mirrored
        v->uv[0][1] = v->position[1];
    }
    addTriangle(builder, a, b, c);
    builder.computeTangents();
    for (size_t i = 0; i < builder.vertices.size(); ++i) {
        EXPECT_EQ(builder.vertices[i].tangent[0], -1.0f);
        EXPECT_EQ(builder.vertices[i].tangent[3], -1.0f);
    }
}

TEST(MergeSort, StaysInBoundsWithAnInconsistentComparator) {
    // A comparator that answers at random is no ordering at all; the sort must still
    // return a permutation of its input.
    std::mt19937 random(5);
    for (size_t n : {0u, 1u, 17u, 100u, 1000u}) {
        std::vector<uint32_t> items(n);
        std::iota(items.begin(), items.end(), 0u);
        mergeSort(items, [&random](uint32_t, uint32_t) { return random() % 2 == 0; });
        std::sort(items.begin(), items.end());
        for (size_t i = 0; i < n; ++i) {
            ASSERT_EQ(items[i], i);
        }
    }
}

TEST(TriangleSetBuilder, WeldsChainsOfNearlyEqualCorners) {
    // Corners 0.00006 apart: neighbours are equal, but the chain is not, so the comparison
    // is no ordering. Every corner must end up within the tolerance of the vertex that
    // replaces it.
    TriangleSetBuilder builder;
    std::mt19937 random(3);
    std::vector<float> xs;
    for (int i = 0; i < 300; ++i) {
        xs.push_back(float(random() % 40) * 0.00006f);
    }
    for (size_t i = 0; i + 2 < xs.size(); i += 3) {
        addTriangle(builder, vertexAt(xs[i]), vertexAt(xs[i + 1]), vertexAt(xs[i + 2]));
    }
    builder.weldVertices();
    EXPECT_LT(builder.vertices.size(), xs.size());
    for (size_t t = 0; t < builder.triangles.size(); ++t) {
        const uint32_t corners[3] = {builder.triangles[t].vertex0, builder.triangles[t].vertex1,
                                     builder.triangles[t].vertex2};
        for (int j = 0; j < 3; ++j) {
            ASSERT_LT(corners[j], builder.vertices.size());
            EXPECT_LE(std::fabs(builder.vertices[corners[j]].position[0] - xs[3 * t + j]), 0.000101f);
        }
    }
}

namespace {

// Random meshes for the comparison with the record builder. Values come from small
// lattices (exact ties), shifted by multiples of 0.00006 (chains of values within the
// tolerance of their neighbours but not of each other), with the odd NaN; UVs mirror, so
// generated tangents point both ways and take both handednesses.
class RandomCorners {
public:
    explicit RandomCorners(uint32_t seed) : random_(seed) {}

    // A corner whose attributes outside `flags` are zero. With every attribute kept, the
    // tangent is set directly as well: opposed, mirrored or NaN.
    BuilderVertex corner(uint32_t flags, bool directTangent) {
        BuilderVertex v;
        fill(v.position, 3);
        if (flags & VertexNormals) {
            fill(v.normal, 3);
        }
        for (uint32_t set = 0; set < kMaxUvSets; ++set) {
            if (flags & uvSetFlag(set)) {
                fill(v.uv[set], 2);
            }
        }
        if (flags & VertexColors) {
            fill(v.color, 3);
        }
        if (flags & VertexSkin) {
            fill(v.skinWeight, 4);
            for (uint8_t& index : v.skinIndex) {
                index = uint8_t(pick(3));
            }
        }
        if (directTangent) {
            fill(v.tangent, 3);
            v.tangent[3] = pick(2) ? 1.0f : -1.0f;
        }
        return v;
    }

    uint32_t pick(uint32_t count) { return std::uniform_int_distribution<uint32_t>(0, count - 1)(random_); }

private:
    void fill(float* values, int count) {
        for (int i = 0; i < count; ++i) {
            values[i] = pick(300) == 0 ? NAN : float(int(pick(5)) - 2) * 0.5f + float(pick(3)) * 0.00006f;
        }
    }

    std::mt19937 random_;
};

template <class T> bool sameBytes(const T* a, const T* b, size_t count) {
    return (a == nullptr) == (b == nullptr) && (a == nullptr || std::memcmp(a, b, count * sizeof(T)) == 0);
}

// Bit for bit, except that any two NaNs are the same tangent component: which of two NaNs
// a sum keeps is the compiler's choice, and no NaN tangent separates or joins vertices.
bool sameVertex(BuilderVertex a, BuilderVertex b) {
    for (int c = 0; c < 4; ++c) {
        if (std::isnan(a.tangent[c]) && std::isnan(b.tangent[c])) {
            a.tangent[c] = b.tangent[c] = 0.0f;
        }
    }
    return sameBytes(&a, &b, 1);
}

void expectSameSet(const IndexedTriangleSet& set, const IndexedTriangleSet& expected) {
    ASSERT_EQ(set.numVertices, expected.numVertices);
    ASSERT_EQ(set.numIndices, expected.numIndices);
    EXPECT_EQ(set.formatFlags, expected.formatFlags);
    const size_t n = set.numVertices;
    EXPECT_TRUE(sameBytes(set.positions.get(), expected.positions.get(), 3 * n));
    EXPECT_TRUE(sameBytes(set.normals.get(), expected.normals.get(), 3 * n));
    for (uint32_t k = 0; k < kMaxUvSets; ++k) {
        EXPECT_TRUE(sameBytes(set.uv[k].get(), expected.uv[k].get(), 2 * n)) << "UV set " << k;
    }
    EXPECT_TRUE(sameBytes(set.colors.get(), expected.colors.get(), 3 * n));
    EXPECT_TRUE(sameBytes(set.skinWeights.get(), expected.skinWeights.get(), 4 * n));
    EXPECT_TRUE(sameBytes(set.skinIndices.get(), expected.skinIndices.get(), 4 * n));
    for (uint32_t i = 0; i < set.numIndices; ++i) {
        ASSERT_EQ(set.index(i), expected.index(i)) << "index " << i;
    }
    ASSERT_EQ(set.subsets.size(), expected.subsets.size());
    for (size_t s = 0; s < set.subsets.size(); ++s) {
        EXPECT_TRUE(sameBytes(&set.subsets[s], &expected.subsets[s], 1)) << "subset " << s;
    }
}

// Builds one random mesh with both builders and compares the welded vertices, the
// triangles and the sets. With declareAttributes the builder is told which attributes the
// corners carry (those of the flags); otherwise it keeps them all.
void compareWithRecords(uint32_t flags, bool declareAttributes, uint32_t seed, uint32_t maxTriangles) {
    RandomCorners random(seed);
    TriangleSetBuilder builder;
    reference::RecordBuilder records;
    const uint32_t triangles = maxTriangles > 1000 ? maxTriangles : 1 + random.pick(maxTriangles);
    builder.reserveTriangles(triangles);
    if (declareAttributes) {
        builder.reserveCorners(3 * size_t(triangles), flags);
    }
    for (uint32_t t = 0; t < triangles; ++t) {
        BuilderTriangle triangle{0, 0, 0, random.pick(3)};
        for (uint32_t* corner : {&triangle.vertex0, &triangle.vertex1, &triangle.vertex2}) {
            // Mostly fresh corners, as mesh extraction adds them; now and then one named twice.
            if (!records.vertices.empty() && random.pick(10) == 0) {
                *corner = random.pick(uint32_t(records.vertices.size()));
                continue;
            }
            const BuilderVertex vertex = random.corner(declareAttributes ? flags : random.pick(256),
                                                       !declareAttributes && random.pick(2) == 0);
            *corner = uint32_t(records.vertices.size());
            builder.addVertex(vertex);
            records.vertices.push_back(vertex);
        }
        builder.addTriangle(triangle);
        records.triangles.push_back(triangle);
    }
    builder.setFlags(flags);
    records.formatFlags = flags;
    if (flags & VertexTangentsRequested) {
        builder.computeTangents();
        records.computeTangents();
    }
    builder.weldVertices();
    records.weldVertices();

    ASSERT_EQ(builder.vertices.size(), records.vertices.size());
    for (size_t v = 0; v < records.vertices.size(); ++v) {
        const BuilderVertex vertex = builder.vertices[v];
        ASSERT_TRUE(sameVertex(vertex, records.vertices[v])) << "vertex " << v;
    }
    ASSERT_TRUE(sameBytes(builder.triangles.data(), records.triangles.data(), triangles));
    expectSameSet(*builder.createIndexedTriangleSet(), *records.createIndexedTriangleSet());
}

} // namespace

TEST(TriangleSetBuilder, KeepingOnlyTheFlaggedAttributesGivesWhatTheRecordsGive) {
    // Every combination of the format flags, with the builder told which attributes the
    // corners carry, and with it keeping them all (then corners carry attributes beyond the
    // flags, and tangents set by hand).
    for (uint32_t flags = 0; flags < 256; ++flags) {
        for (bool declare : {true, false}) {
            SCOPED_TRACE("flags " + std::to_string(flags) + (declare ? ", declared" : ", all kept"));
            compareWithRecords(flags, declare, flags * 2 + (declare ? 1 : 0), 120);
        }
    }
    // Meshes whose corners outnumber the block that the weld order sorts with its
    // positions at hand, so the wide merges run too.
    for (uint32_t flags : {0x03u, 0x83u, 0xFFu}) {
        SCOPED_TRACE("big mesh, flags " + std::to_string(flags));
        compareWithRecords(flags, true, 1000 + flags, 30000);
    }
}
