#include "core/TriangleSet.h"

#include "core/SmallestEnclosingSphere.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace {

// Reflected CRC-64 with the ECMA-182 polynomial.
constexpr uint64_t kCrcPolynomial = 0xC96C5795D7870F42ull;

constexpr std::array<uint64_t, 256> makeCrcTable() {
    std::array<uint64_t, 256> table{};
    for (uint64_t i = 0; i < 256; ++i) {
        uint64_t value = i;
        for (int bit = 0; bit < 8; ++bit) {
            value = (value & 1) ? (value >> 1) ^ kCrcPolynomial : value >> 1;
        }
        table[i] = value;
    }
    return table;
}

constexpr std::array<uint64_t, 256> kCrcTable = makeCrcTable();

void foldByte(uint64_t& value, uint8_t byte) {
    value = (value >> 8) ^ kCrcTable[(value ^ byte) & 0xFF];
}

// Least significant byte first.
void foldWord(uint64_t& value, uint32_t word, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        foldByte(value, uint8_t(word >> (8 * i)));
    }
}

void foldFloats(uint64_t& value, const float* data, size_t count) {
    if (data == nullptr) {
        return;
    }
    for (size_t i = 0; i < count; ++i) {
        uint32_t word = 0;
        std::memcpy(&word, &data[i], sizeof word);
        foldWord(value, word, 4);
    }
}

template <class T> std::unique_ptr<T[]> allocateIf(bool wanted, size_t count) {
    return wanted ? std::unique_ptr<T[]>(new T[count]) : nullptr;
}

} // namespace

void TriangleSet::allocateArrays(uint32_t count, uint32_t flags) {
    if (numVertices != 0) {
        return;
    }
    const size_t n = count;
    positions.reset(new float[3 * n]);
    normals = allocateIf<float>(flags & VertexNormals, 3 * n);
    for (uint32_t set = 0; set < kMaxUvSets; ++set) {
        uv[set] = allocateIf<float>(flags & uvSetFlag(set), 2 * n);
    }
    colors = allocateIf<float>(flags & VertexColors, 3 * n);
    skinWeights = allocateIf<float>(flags & VertexSkin, 4 * n);
    skinIndices = allocateIf<uint8_t>(flags & VertexSkin, 4 * n);
    formatFlags = flags;
    numVertices = count;
}

void TriangleSet::updateChecksum(uint64_t& value) const {
    const size_t n = numVertices;
    foldWord(value, formatFlags, 4);
    foldFloats(value, positions.get(), 3 * n);
    foldFloats(value, normals.get(), 3 * n);
    foldFloats(value, colors.get(), 3 * n);
    foldFloats(value, skinWeights.get(), 4 * n);
    if (skinIndices) {
        for (size_t i = 0; i < 4 * n; ++i) {
            foldByte(value, skinIndices[i]);
        }
    }
    for (const auto& set : uv) {
        foldFloats(value, set.get(), 2 * n);
    }
}

void IndexedTriangleSet::updateChecksum(uint64_t& value) const {
    TriangleSet::updateChecksum(value);
    const int width = wideIndices() ? 4 : 2;
    for (uint32_t i = 0; i < numIndices; ++i) {
        foldWord(value, index(i), width);
    }
}

void IndexedTriangleSet::allocateIndices(uint32_t count) {
    indices.narrow.reset();
    indices.wide.reset();
    if (wideIndices()) {
        indices.wide.reset(new uint32_t[count]);
    } else {
        indices.narrow.reset(new uint16_t[count]);
    }
    numIndices = count;
}

void IndexedTriangleSet::setIndex(uint32_t i, uint32_t value) {
    if (wideIndices()) {
        indices.wide[i] = value;
    } else {
        indices.narrow[i] = uint16_t(value);
    }
}

void IndexedTriangleSet::fitVertexRange(TriangleSubset& subset) const {
    const uint32_t count = subset.numIndices / 3 * 3;
    subset.firstVertex = 0;
    subset.numVertices = 0;
    if (count == 0) {
        return;
    }
    uint32_t lowest = index(subset.firstIndex);
    uint32_t highest = lowest;
    for (uint32_t i = 1; i < count; ++i) {
        const uint32_t v = index(subset.firstIndex + i);
        lowest = std::min(lowest, v);
        highest = std::max(highest, v);
    }
    subset.firstVertex = lowest;
    subset.numVertices = highest - lowest + 1;
}

std::unique_ptr<BoundingSphere> IndexedTriangleSet::boundingSphere() const {
    return smallestEnclosingSphere(positions.get(), numVertices);
}
