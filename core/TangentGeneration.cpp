#include "core/TangentGeneration.h"

#include "core/TriangleSetBuilder.h"

#include <vector>

namespace {

struct Vec3 {
    float x, y, z;
};

Vec3 load3(const float* data, uint32_t i) {
    return {data[3 * size_t(i)], data[3 * size_t(i) + 1], data[3 * size_t(i) + 2]};
}

void add(Vec3& sum, const Vec3& v) {
    sum.x += v.x;
    sum.y += v.y;
    sum.z += v.z;
}

} // namespace

void generateTangents(uint32_t numVertices, const float* positions, const float* normals,
                      const float* texcoords, uint32_t numTriangles, const uint32_t* indices, float* out) {
    std::vector<Vec3> sdir(numVertices, Vec3{0.0f, 0.0f, 0.0f});
    std::vector<Vec3> tdir(numVertices, Vec3{0.0f, 0.0f, 0.0f});
    for (uint32_t t = 0; t < numTriangles; ++t) {
        const uint32_t i0 = indices[3 * size_t(t)];
        const uint32_t i1 = indices[3 * size_t(t) + 1];
        const uint32_t i2 = indices[3 * size_t(t) + 2];
        const Vec3 p0 = load3(positions, i0);
        const Vec3 p1 = load3(positions, i1);
        const Vec3 p2 = load3(positions, i2);
        const Vec3 e1 = {p1.x - p0.x, p1.y - p0.y, p1.z - p0.z};
        const Vec3 e2 = {p2.x - p0.x, p2.y - p0.y, p2.z - p0.z};
        const float s1 = texcoords[2 * size_t(i1)] - texcoords[2 * size_t(i0)];
        const float t1 = texcoords[2 * size_t(i1) + 1] - texcoords[2 * size_t(i0) + 1];
        const float s2 = texcoords[2 * size_t(i2)] - texcoords[2 * size_t(i0)];
        const float t2 = texcoords[2 * size_t(i2) + 1] - texcoords[2 * size_t(i0) + 1];
        const float r = 1.0f / (t2 * s1 - t1 * s2);
        const Vec3 s = {(t2 * e1.x - t1 * e2.x) * r, (t2 * e1.y - t1 * e2.y) * r,
                        (t2 * e1.z - t1 * e2.z) * r};
        const Vec3 b = {(s1 * e2.x - s2 * e1.x) * r, (s1 * e2.y - s2 * e1.y) * r,
                        (s1 * e2.z - s2 * e1.z) * r};
        for (uint32_t i : {i0, i1, i2}) {
            add(sdir[i], s);
            add(tdir[i], b);
        }
    }
    for (uint32_t v = 0; v < numVertices; ++v) {
        const Vec3 n = load3(normals, v);
        const Vec3& t = sdir[v];
        const Vec3& b = tdir[v];
        const Vec3 c = {n.y * t.z - n.z * t.y, n.z * t.x - n.x * t.z, n.x * t.y - n.y * t.x};
        const float handedness = (c.x * b.x + c.y * b.y + c.z * b.z) < 0.0f ? -1.0f : 1.0f;
        float* o = out + 4 * size_t(v);
        o[0] = t.x;
        o[1] = t.y;
        o[2] = t.z;
        o[3] = handedness;
    }
}

void TriangleSetBuilder::computeTangents() {
    const size_t n = vertices.size();
    vertices.addTangents();
    std::vector<uint32_t> indices;
    indices.reserve(3 * triangles.size());
    for (const BuilderTriangle& triangle : triangles) {
        indices.insert(indices.end(), {triangle.vertex0, triangle.vertex1, triangle.vertex2});
    }
    // Normals and UV set 0 are zero in every vertex when the builder does not keep them.
    std::vector<float> zeros;
    if (vertices.normal.empty() || vertices.uv[0].empty()) {
        zeros.assign(3 * n, 0.0f);
    }
    const float* normals = vertices.normal.empty() ? zeros.data() : vertices.normal.data();
    const float* texcoords = vertices.uv[0].empty() ? zeros.data() : vertices.uv[0].data();
    generateTangents(uint32_t(n), vertices.position.data(), normals, texcoords, uint32_t(triangles.size()),
                     indices.data(), vertices.tangent.data());
}
