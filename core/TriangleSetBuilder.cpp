#include "core/TriangleSetBuilder.h"

#include <algorithm>
#include <tuple>

namespace {

void copyVertexAttributes(const BuilderVertex& vertex, uint32_t flags, uint32_t i, IndexedTriangleSet& set) {
    const size_t v = i;
    std::copy_n(vertex.position, 3, set.positions.get() + 3 * v);
    if (flags & VertexNormals) {
        std::copy_n(vertex.normal, 3, set.normals.get() + 3 * v);
    }
    for (uint32_t uvSet = 0; uvSet < kMaxUvSets; ++uvSet) {
        if (flags & uvSetFlag(uvSet)) {
            std::copy_n(vertex.uv[uvSet], 2, set.uv[uvSet].get() + 2 * v);
        }
    }
    if (flags & VertexColors) {
        std::copy_n(vertex.color, 3, set.colors.get() + 3 * v);
    }
    if (flags & VertexSkin) {
        float weights[4];
        std::copy_n(vertex.skinWeight, 4, weights);
        const float sum = weights[0] + weights[1] + weights[2] + weights[3];
        if (sum > 0.0f) {
            const float scale = 1.0f / sum;
            for (float& weight : weights) {
                weight *= scale;
            }
        }
        std::copy_n(weights, 4, set.skinWeights.get() + 4 * v);
        std::copy_n(vertex.skinIndex, 4, set.skinIndices.get() + 4 * v);
    }
}

TriangleSubset subsetOfRun(const IndexedTriangleSet& set, const TriangleSetBuilder::MaterialRun& run) {
    TriangleSubset subset;
    subset.firstIndex = 3 * run.first;
    subset.numIndices = 3 * run.second;
    set.fitVertexRange(subset);
    return subset;
}

} // namespace

void TriangleSetBuilder::reserveTriangles(uint32_t count) {
    triangles.reserve(count);
}

std::vector<TriangleSetBuilder::MaterialRun> TriangleSetBuilder::buildSubsets() {
    std::sort(triangles.begin(), triangles.end(), [](const BuilderTriangle& a, const BuilderTriangle& b) {
        return std::tie(a.material, a.vertex0, a.vertex1, a.vertex2) <
               std::tie(b.material, b.vertex0, b.vertex1, b.vertex2);
    });
    std::vector<MaterialRun> runs;
    for (uint32_t t = 0; t < triangles.size(); ++t) {
        if (t == 0 || triangles[t].material != triangles[t - 1].material) {
            runs.emplace_back(t, 0);
        }
        ++runs.back().second;
    }
    return runs;
}

std::unique_ptr<IndexedTriangleSet> TriangleSetBuilder::createIndexedTriangleSet() {
    const std::vector<MaterialRun> runs = buildSubsets();
    auto set = std::make_unique<IndexedTriangleSet>();
    const uint32_t vertexCount = uint32_t(vertices.size());
    set->allocateArrays(vertexCount, formatFlags);
    set->allocateIndices(uint32_t(3 * triangles.size()));
    for (uint32_t i = 0; i < vertexCount; ++i) {
        copyVertexAttributes(vertices[i], formatFlags, i, *set);
    }
    for (uint32_t t = 0; t < triangles.size(); ++t) {
        const BuilderTriangle& triangle = triangles[t];
        set->setIndex(3 * t, triangle.vertex0);
        set->setIndex(3 * t + 1, triangle.vertex1);
        set->setIndex(3 * t + 2, triangle.vertex2);
    }
    set->subsets.reserve(runs.size());
    for (const MaterialRun& run : runs) {
        set->subsets.push_back(subsetOfRun(*set, run));
    }
    return set;
}
