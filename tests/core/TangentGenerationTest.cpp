#include "core/TangentGeneration.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

struct Mesh {
    std::vector<float> positions;
    std::vector<float> normals;
    std::vector<float> texcoords;
    std::vector<uint32_t> indices;

    std::vector<float> tangents() const {
        const auto n = uint32_t(positions.size() / 3);
        std::vector<float> out(4 * n);
        generateTangents(n, positions.data(), normals.data(), texcoords.data(), uint32_t(indices.size() / 3),
                         indices.data(), out.data());
        return out;
    }
};

Mesh rightTriangle(float mirror) {
    return Mesh{{0, 0, 0, 1, 0, 0, 0, 1, 0}, {0, 0, 1, 0, 0, 1, 0, 0, 1}, {0, 0, mirror, 0, 0, 1}, {0, 1, 2}};
}

} // namespace

TEST(GenerateTangents, FollowsTheUDirection) {
    const auto tangents = rightTriangle(1.0f).tangents();
    for (int v = 0; v < 3; ++v) {
        EXPECT_FLOAT_EQ(tangents[4 * v], 1.0f);
        EXPECT_FLOAT_EQ(tangents[4 * v + 1], 0.0f);
        EXPECT_FLOAT_EQ(tangents[4 * v + 2], 0.0f);
        EXPECT_EQ(tangents[4 * v + 3], 1.0f);
    }
}

TEST(GenerateTangents, MirroredUFlipsDirectionAndHandedness) {
    const auto tangents = rightTriangle(-1.0f).tangents();
    for (int v = 0; v < 3; ++v) {
        EXPECT_FLOAT_EQ(tangents[4 * v], -1.0f);
        EXPECT_EQ(tangents[4 * v + 3], -1.0f);
    }
}

TEST(GenerateTangents, SharedVerticesSumUnnormalisedDirections) {
    // Two triangles over the same three vertices (one drawn twice): twice the length.
    Mesh mesh = rightTriangle(1.0f);
    mesh.indices.insert(mesh.indices.end(), {0, 1, 2});
    const auto tangents = mesh.tangents();
    EXPECT_FLOAT_EQ(tangents[0], 2.0f);
    // A UV scale of 0.5 doubles the direction's length: it is not normalised.
    Mesh scaled = rightTriangle(0.5f);
    scaled.texcoords[5] = 0.5f;
    EXPECT_FLOAT_EQ(scaled.tangents()[0], 2.0f);
}

TEST(GenerateTangents, DegenerateUVsGiveNaNDirectionsAndPositiveHandedness) {
    Mesh mesh = rightTriangle(1.0f);
    std::fill(mesh.texcoords.begin(), mesh.texcoords.end(), 0.0f);
    const auto tangents = mesh.tangents();
    for (int v = 0; v < 3; ++v) {
        EXPECT_TRUE(std::isnan(tangents[4 * v]));
        EXPECT_EQ(tangents[4 * v + 3], 1.0f);
    }
}
