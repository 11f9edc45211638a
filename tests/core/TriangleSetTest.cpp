#include "core/TriangleSet.h"

#include <gtest/gtest.h>

TEST(TriangleSet, AllocatesTheArraysTheFlagsSelect) {
    TriangleSet set;
    set.allocateArrays(4, VertexTangentsRequested);
    EXPECT_EQ(set.numVertices, 4u);
    EXPECT_EQ(set.formatFlags, 0x80u);
    EXPECT_TRUE(set.positions);
    EXPECT_FALSE(set.normals || set.colors || set.skinWeights || set.skinIndices);
    for (const auto& uv : set.uv) {
        EXPECT_FALSE(uv);
    }

    TriangleSet full;
    full.allocateArrays(2, VertexNormals | VertexUv1 | VertexUv3 | VertexColors | VertexSkin);
    EXPECT_TRUE(full.normals && full.colors && full.skinWeights && full.skinIndices);
    EXPECT_FALSE(full.uv[0] || full.uv[2]);
    EXPECT_TRUE(full.uv[1] && full.uv[3]);
}

TEST(TriangleSet, SecondAllocationChangesNothing) {
    TriangleSet set;
    set.allocateArrays(3, VertexNormals);
    const float* positions = set.positions.get();
    set.allocateArrays(10, VertexColors);
    EXPECT_EQ(set.numVertices, 3u);
    EXPECT_EQ(set.formatFlags, uint32_t(VertexNormals));
    EXPECT_EQ(set.positions.get(), positions);
    EXPECT_FALSE(set.colors);
}

TEST(IndexedTriangleSet, SixteenBitIndicesUpToAndIncluding65536Vertices) {
    IndexedTriangleSet narrow;
    narrow.allocateArrays(65536, 0);
    narrow.allocateIndices(3);
    EXPECT_FALSE(narrow.wideIndices());
    EXPECT_TRUE(narrow.indices.narrow);
    narrow.setIndex(2, 65535);
    EXPECT_EQ(narrow.index(2), 65535u);

    IndexedTriangleSet wide;
    wide.allocateArrays(65537, 0);
    wide.allocateIndices(3);
    EXPECT_TRUE(wide.wideIndices());
    EXPECT_TRUE(wide.indices.wide);
    EXPECT_FALSE(wide.indices.narrow);
    wide.setIndex(0, 65536);
    EXPECT_EQ(wide.index(0), 65536u);
}

TEST(IndexedTriangleSet, ChecksumFollowsEveryPart) {
    auto makeSet = [] {
        auto set = std::make_unique<IndexedTriangleSet>();
        set->allocateArrays(3, VertexColors | VertexSkin);
        for (int i = 0; i < 9; ++i) {
            set->positions[i] = float(i);
            set->colors[i] = 0.5f;
        }
        for (int i = 0; i < 12; ++i) {
            set->skinWeights[i] = 0.25f;
            set->skinIndices[i] = uint8_t(i);
        }
        set->allocateIndices(3);
        for (uint32_t i = 0; i < 3; ++i) {
            set->setIndex(i, i);
        }
        return set;
    };
    auto checksum = [](const IndexedTriangleSet& set) {
        uint64_t value = 0;
        set.updateChecksum(value);
        return value;
    };
    const uint64_t reference = checksum(*makeSet());
    EXPECT_EQ(checksum(*makeSet()), reference);
    auto changedIndex = makeSet();
    changedIndex->setIndex(1, 2);
    EXPECT_NE(checksum(*changedIndex), reference);
    auto changedBone = makeSet();
    changedBone->skinIndices[11] = 0;
    EXPECT_NE(checksum(*changedBone), reference);
    auto changedColour = makeSet();
    changedColour->colors[4] = 0.25f;
    EXPECT_NE(checksum(*changedColour), reference);
}

TEST(IndexedTriangleSet, BoundingSphereOfThePositions) {
    IndexedTriangleSet set;
    set.allocateArrays(2, 0);
    const float positions[6] = {0, 0, 0, 0, 6, 8};
    std::copy(positions, positions + 6, set.positions.get());
    const auto sphere = set.boundingSphere();
    EXPECT_FLOAT_EQ(sphere->center[1], 3.0f);
    EXPECT_FLOAT_EQ(sphere->center[2], 4.0f);
    EXPECT_FLOAT_EQ(sphere->radius, 5.0f);
}
