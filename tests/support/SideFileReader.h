#pragma once
// Parses a shapes side file (or one blob) back into its records, headers,
// spheres, triangle-set fields and arrays, checking every size and padding
// byte on the way. The side file and its blobs are big-endian throughout.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace orvex_test {

struct ParsedSubset {
    uint32_t firstVertex, numVertices, firstIndex, numIndices;
};

struct ParsedTriangleSet {
    uint32_t numIndices = 0, numSubsets = 0, numVertices = 0, flags = 0;
    std::vector<ParsedSubset> subsets;
    std::vector<uint32_t> indices;
    bool wideIndices = false;
    std::vector<float> positions, normals; // x, y, z per vertex
    std::array<std::vector<float>, 4> uv;  // u, v per vertex, for the sets the flags name
    std::vector<float> colors;             // r, g, b per vertex
    std::vector<float> skinWeights;        // four per vertex
    std::vector<uint8_t> skinIndices;      // four per vertex
};

struct ParsedShape {
    uint32_t kind = 0; // 1 mesh, 2 curve
    std::string name;
    uint32_t shapeId = 0;
    // Mesh blobs.
    std::array<float, 3> center{};
    float radius = 0.0f;
    ParsedTriangleSet set;
    uint32_t attachments = 0;
    // Curve blobs.
    uint32_t closed = 0;
    std::vector<float> points; // x, y, z per data point
};

struct ParsedSideFile {
    uint16_t headerWord = 0, formatWord = 0;
    std::vector<ParsedShape> shapes;
};

// Parses one blob of the given kind; false with `error` set when the bytes
// do not hold exactly one well-formed blob.
bool parseShapeBlob(uint32_t kind, const uint8_t* bytes, size_t size, ParsedShape& shape, std::string& error);

// Parses a whole side file.
bool parseSideFile(const std::string& bytes, ParsedSideFile& file, std::string& error);

} // namespace orvex_test
