#include "shapes/ShapeBlobWriter.h"
#include "shapes/ShapeBlob.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

using Bytes = std::vector<uint8_t>;

Bytes bytesOf(const std::unique_ptr<uint8_t[]>& buffer, uint32_t size) {
    return Bytes(buffer.get(), buffer.get() + size);
}

Bytes slice(const Bytes& bytes, size_t offset, size_t count) {
    return Bytes(bytes.begin() + offset, bytes.begin() + offset + count);
}

uint32_t u32At(const Bytes& bytes, size_t offset) {
    return uint32_t(bytes[offset]) << 24 | uint32_t(bytes[offset + 1]) << 16 |
           uint32_t(bytes[offset + 2]) << 8 | bytes[offset + 3];
}

float f32At(const Bytes& bytes, size_t offset) {
    const uint32_t bits = u32At(bytes, offset);
    float value = 0.0f;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

// One triangle over three vertices, one subset, and the arrays that flags select, each
// value telling its array and place.
std::unique_ptr<IndexedTriangleSet> oneTriangle(uint32_t flags, uint32_t vertices = 3) {
    auto set = std::make_unique<IndexedTriangleSet>();
    set->allocateArrays(vertices, flags);
    auto fill = [vertices](std::unique_ptr<float[]>& array, size_t components, float base) {
        if (array) {
            for (size_t i = 0; i < components * vertices; ++i) {
                array[i] = base + float(i);
            }
        }
    };
    fill(set->positions, 3, 100);
    fill(set->normals, 3, 200);
    for (uint32_t k = 0; k < kMaxUvSets; ++k) {
        fill(set->uv[k], 2, 300 + 100 * float(k));
    }
    fill(set->colors, 3, 700);
    fill(set->skinWeights, 4, 800);
    if (set->skinIndices) {
        for (size_t i = 0; i < 4 * vertices; ++i) {
            set->skinIndices[i] = uint8_t(i + 1);
        }
    }
    set->allocateIndices(3);
    set->setIndex(0, 0);
    set->setIndex(1, 1);
    set->setIndex(2, vertices - 1);
    set->subsets.push_back(TriangleSubset{0, vertices, 0, 3});
    return set;
}

Bytes triangleSetBytes(const IndexedTriangleSet& set) {
    Bytes bytes(triangleSetBlobSize(set));
    uint8_t* end = writeTriangleSetBlob(set, bytes.data());
    EXPECT_EQ(end, bytes.data() + bytes.size());
    return bytes;
}

} // namespace

TEST(ShapeBlobHeader, PadsTheNameToFourBytes) {
    Bytes bytes(12, 0);
    EXPECT_EQ(writeShapeBlobHeader("ab", 0x01020304, bytes.data()), bytes.data() + 12);
    EXPECT_EQ(bytes, (Bytes{0, 0, 0, 2, 'a', 'b', 0, 0, 1, 2, 3, 4}));

    Bytes exact(12, 0);
    EXPECT_EQ(writeShapeBlobHeader("abcd", 7, exact.data()), exact.data() + 12);
    EXPECT_EQ(exact, (Bytes{0, 0, 0, 4, 'a', 'b', 'c', 'd', 0, 0, 0, 7}));
}

TEST(TriangleSetBlob, OneTriangleWithPaddedSixteenBitIndices) {
    const auto set = oneTriangle(0);
    const Bytes bytes = triangleSetBytes(*set);
    ASSERT_EQ(bytes.size(), 76u);
    EXPECT_EQ(slice(bytes, 0, 16), (Bytes{0, 0, 0, 3, 0, 0, 0, 1, 0, 0, 0, 3, 0, 0, 0, 0}));
    EXPECT_EQ(slice(bytes, 16, 16), (Bytes{0, 0, 0, 0, 0, 0, 0, 3, 0, 0, 0, 0, 0, 0, 0, 3}));
    EXPECT_EQ(slice(bytes, 32, 8), (Bytes{0, 0, 0, 1, 0, 2, 0, 0}));
    EXPECT_EQ(f32At(bytes, 40), 100.0f);
    EXPECT_EQ(f32At(bytes, 72), 108.0f);
}

TEST(TriangleSetBlob, ArraysInFlagOrder) {
    const auto set = oneTriangle(0x7F);
    const Bytes bytes = triangleSetBytes(*set);
    const size_t v = 3;
    ASSERT_EQ(bytes.size(), 16 + 16 + 8 + (12 + 12 + 4 * 8 + 12 + 20) * v);
    size_t offset = 40;
    auto expectArray = [&](float base, size_t components) {
        EXPECT_EQ(f32At(bytes, offset), base);
        EXPECT_EQ(f32At(bytes, offset + 4 * (components * v - 1)), base + float(components * v - 1));
        offset += 4 * components * v;
    };
    expectArray(100, 3);
    expectArray(200, 3);
    expectArray(300, 2);
    expectArray(400, 2);
    expectArray(500, 2);
    expectArray(600, 2);
    expectArray(700, 3);
    expectArray(800, 4);
    EXPECT_EQ(slice(bytes, offset, 4), (Bytes{1, 2, 3, 4}));
    EXPECT_EQ(offset + 4 * v, bytes.size());
}

TEST(TriangleSetBlob, SkinBytesAndWeightsAsWritten) {
    auto set = oneTriangle(VertexSkin);
    set->skinWeights[0] = 1.0f;
    const Bytes bytes = triangleSetBytes(*set);
    const size_t weights = 40 + 12 * 3;
    EXPECT_EQ(slice(bytes, weights, 4), (Bytes{0x3F, 0x80, 0x00, 0x00}));
    EXPECT_EQ(slice(bytes, weights + 16 * 3, 4), (Bytes{1, 2, 3, 4}));
}

TEST(TriangleSetBlob, TangentRequestChangesOnlyTheFlagsWord) {
    const Bytes plain = triangleSetBytes(*oneTriangle(0));
    const Bytes requested = triangleSetBytes(*oneTriangle(VertexTangentsRequested));
    ASSERT_EQ(plain.size(), requested.size());
    EXPECT_EQ(u32At(requested, 12), 0x80u);
    Bytes masked = requested;
    masked[15] = 0;
    EXPECT_EQ(masked, plain);
}

TEST(TriangleSetBlob, IndexWidthChangesAbove65536Vertices) {
    const auto narrow = oneTriangle(0, 65536);
    EXPECT_EQ(triangleSetBlobSize(*narrow), 16u + 16 + 8 + 12 * 65536);
    const Bytes narrowBytes = triangleSetBytes(*narrow);
    EXPECT_EQ(slice(narrowBytes, 32, 8), (Bytes{0, 0, 0, 1, 0xFF, 0xFF, 0, 0}));

    const auto wide = oneTriangle(0, 65537);
    EXPECT_EQ(triangleSetBlobSize(*wide), 16u + 16 + 12 + 12 * 65537); // no pad after 3 indices
    const Bytes wideBytes = triangleSetBytes(*wide);
    EXPECT_EQ(slice(wideBytes, 32, 12), (Bytes{0, 0, 0, 0, 0, 0, 0, 1, 0, 1, 0, 0}));
    EXPECT_EQ(f32At(wideBytes, 44), 100.0f);
}

TEST(MeshShapeBlob, HeaderSphereSetAndNoAttachments) {
    const auto set = oneTriangle(0);
    const float centre[3] = {1.0f, 2.0f, 3.0f};
    ShapeBlob blob;
    blob.kind = serializeMeshShape("mesh1", 42, centre, 0.5f, *set, blob.bytes, blob.size);
    EXPECT_EQ(blob.kind, 1);
    ASSERT_EQ(blob.size, 28u + 8 + 76);
    const Bytes bytes = bytesOf(blob.bytes, blob.size);
    EXPECT_EQ(slice(bytes, 0, 16), (Bytes{0, 0, 0, 5, 'm', 'e', 's', 'h', '1', 0, 0, 0, 0, 0, 0, 42}));
    EXPECT_EQ(f32At(bytes, 16), 1.0f);
    EXPECT_EQ(f32At(bytes, 24), 3.0f);
    EXPECT_EQ(f32At(bytes, 28), 0.5f);
    EXPECT_EQ(slice(bytes, 32, 76), triangleSetBytes(*set));
    EXPECT_EQ(slice(bytes, blob.size - 4, 4), (Bytes{0, 0, 0, 0}));
}

TEST(CurveShapeBlob, ClosedFlagCountAndDataPoints) {
    const float points[12] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    const CubicSpline spline(4, points, 1);
    ShapeBlob blob;
    blob.kind = serializeCurveShape("c", 5, spline, blob.bytes, blob.size);
    EXPECT_EQ(blob.kind, 2);
    ASSERT_EQ(blob.size, 68u);
    const Bytes bytes = bytesOf(blob.bytes, blob.size);
    EXPECT_EQ(slice(bytes, 0, 20), (Bytes{0, 0, 0, 1, 'c', 0, 0, 0, 0, 0, 0, 5, 0, 0, 0, 1, 0, 0, 0, 4}));
    for (int i = 0; i < 12; ++i) {
        EXPECT_EQ(f32At(bytes, 20 + 4 * i), points[i]); // the data points, not the pads
    }
}

TEST(ShapeBlobSizes, BlobsBeyondFourGigabytesAreRefused) {
    // Counts alone decide the size, so a set can claim more vertices than it holds.
    IndexedTriangleSet huge;
    huge.numVertices = 200000000;
    huge.formatFlags = 0x7F;
    EXPECT_EQ(triangleSetBlobSize(huge), 16u + 88ull * 200000000);
    const float centre[3] = {};
    auto buffer = std::make_unique<uint8_t[]>(1);
    uint32_t size = 99;
    EXPECT_EQ(serializeMeshShape("big", 1, centre, 1.0f, huge, buffer, size), 0);
    EXPECT_FALSE(buffer);
    EXPECT_EQ(size, 0u);

    // An empty set still gives a complete blob: header, sphere, counts and no attachments.
    IndexedTriangleSet empty;
    EXPECT_EQ(serializeMeshShape("", 1, centre, 1.0f, empty, buffer, size), 1);
    EXPECT_EQ(size, 44u);

    const float points[3] = {};
    CubicSpline curve(1, points, 1);
    curve.numPoints = 400000000; // 4.8 GB of points
    EXPECT_EQ(serializeCurveShape("c", 1, curve, buffer, size), 0);
    EXPECT_FALSE(buffer);
    EXPECT_EQ(size, 0u);
    curve.numPoints = 1;
}
