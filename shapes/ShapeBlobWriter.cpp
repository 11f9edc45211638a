#include "shapes/ShapeBlobWriter.h"

#include "core/BigEndian.h"

#include <cstring>
#include <limits>

namespace {

constexpr uint64_t kMaxBlobSize = std::numeric_limits<uint32_t>::max();

uint8_t* putF32(uint8_t* out, float value) {
    uint32_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return putU32(out, bits);
}

uint8_t* putFloats(uint8_t* out, const float* data, size_t count) {
    for (size_t i = 0; i < count; ++i) {
        out = putF32(out, data[i]);
    }
    return out;
}

uint64_t paddedLength(uint64_t length) {
    return (length + 3) & ~uint64_t(3);
}

uint64_t headerSize(const std::string& name) {
    return 8 + paddedLength(name.size());
}

// Allocates a zero-filled buffer of size bytes, or returns false when size does not fit
// in 32 bits.
bool allocateBlob(uint64_t blobSize, std::unique_ptr<uint8_t[]>& buffer, uint32_t& size) {
    buffer.reset();
    size = 0;
    if (blobSize > kMaxBlobSize) {
        return false;
    }
    buffer.reset(new uint8_t[blobSize]());
    size = uint32_t(blobSize);
    return true;
}

uint8_t* writeIndices(const IndexedTriangleSet& set, uint8_t* out) {
    if (set.wideIndices()) {
        for (uint32_t i = 0; i < set.numIndices; ++i) {
            out = putU32(out, set.indices.wide[i]);
        }
        return out;
    }
    for (uint32_t i = 0; i < set.numIndices; ++i) {
        out = putU16(out, set.indices.narrow[i]);
    }
    if (set.numIndices % 2 != 0) {
        out = putU16(out, 0); // keeps what follows 4-byte aligned
    }
    return out;
}

} // namespace

uint8_t* writeShapeBlobHeader(const std::string& name, uint32_t shapeId, uint8_t* out) {
    out = putU32(out, uint32_t(name.size()));
    std::memcpy(out, name.data(), name.size());
    return putU32(out + paddedLength(name.size()), shapeId);
}

uint64_t triangleSetBlobSize(const IndexedTriangleSet& set) {
    const uint64_t v = set.numVertices;
    const uint64_t i = set.numIndices;
    const uint64_t flags = set.formatFlags;
    uint64_t size = 16 + 16 * uint64_t(set.subsets.size());
    size += set.wideIndices() ? 4 * i : 2 * i + (i % 2 != 0 ? 2 : 0);
    size += 12 * v;
    if (flags & VertexNormals) {
        size += 12 * v;
    }
    for (uint32_t uvSet = 0; uvSet < kMaxUvSets; ++uvSet) {
        if (flags & uvSetFlag(uvSet)) {
            size += 8 * v;
        }
    }
    if (flags & VertexColors) {
        size += 12 * v;
    }
    if (flags & VertexSkin) {
        size += 20 * v;
    }
    return size;
}

uint8_t* writeTriangleSetBlob(const IndexedTriangleSet& set, uint8_t* out) {
    const size_t v = set.numVertices;
    const uint32_t flags = set.formatFlags;
    out = putU32(out, set.numIndices);
    out = putU32(out, uint32_t(set.subsets.size()));
    out = putU32(out, set.numVertices);
    out = putU32(out, flags);
    for (const TriangleSubset& subset : set.subsets) {
        out = putU32(out, subset.firstVertex);
        out = putU32(out, subset.numVertices);
        out = putU32(out, subset.firstIndex);
        out = putU32(out, subset.numIndices);
    }
    out = writeIndices(set, out);
    out = putFloats(out, set.positions.get(), 3 * v);
    if (flags & VertexNormals) {
        out = putFloats(out, set.normals.get(), 3 * v);
    }
    for (uint32_t uvSet = 0; uvSet < kMaxUvSets; ++uvSet) {
        if (flags & uvSetFlag(uvSet)) {
            out = putFloats(out, set.uv[uvSet].get(), 2 * v);
        }
    }
    if (flags & VertexColors) {
        out = putFloats(out, set.colors.get(), 3 * v);
    }
    if (flags & VertexSkin) {
        out = putFloats(out, set.skinWeights.get(), 4 * v);
        std::memcpy(out, set.skinIndices.get(), 4 * v);
        out += 4 * v;
    }
    return out;
}

int serializeMeshShape(const std::string& name, uint32_t shapeId, const float centre[3], float radius,
                       const IndexedTriangleSet& set, std::unique_ptr<uint8_t[]>& buffer, uint32_t& size) {
    const uint64_t blobSize = headerSize(name) + 16 + triangleSetBlobSize(set) + 4;
    if (!allocateBlob(blobSize, buffer, size)) {
        return ShapeBlobNone;
    }
    uint8_t* out = writeShapeBlobHeader(name, shapeId, buffer.get());
    out = putFloats(out, centre, 3);
    out = putF32(out, radius);
    out = writeTriangleSetBlob(set, out);
    putU32(out, 0); // no attachments
    return ShapeBlobMesh;
}

int serializeCurveShape(const std::string& name, uint32_t shapeId, const CubicSpline& spline,
                        std::unique_ptr<uint8_t[]>& buffer, uint32_t& size) {
    const uint64_t blobSize = headerSize(name) + 8 + 12 * uint64_t(spline.numPoints);
    if (!allocateBlob(blobSize, buffer, size)) {
        return ShapeBlobNone;
    }
    uint8_t* out = writeShapeBlobHeader(name, shapeId, buffer.get());
    out = putU32(out, uint32_t(spline.closed));
    out = putU32(out, spline.numPoints);
    putFloats(out, spline.dataPoints(), 3 * size_t(spline.numPoints));
    return ShapeBlobCurve;
}
