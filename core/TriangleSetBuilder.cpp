#include "core/TriangleSetBuilder.h"

#include <algorithm>
#include <tuple>

namespace {

template <class T> void copyArray(const std::vector<T>& from, std::unique_ptr<T[]>& to) {
    if (to) {
        std::copy(from.begin(), from.end(), to.get());
    }
}

// The skin weights scaled to sum to 1; weights summing to 0 (or NaN) stay as they are.
void copyNormalisedWeights(const std::vector<float>& from, float* to) {
    for (size_t v = 0; v < from.size(); v += 4) {
        float weights[4];
        std::copy_n(&from[v], 4, weights);
        const float sum = weights[0] + weights[1] + weights[2] + weights[3];
        if (sum > 0.0f) {
            const float scale = 1.0f / sum;
            for (float& weight : weights) {
                weight *= scale;
            }
        }
        std::copy_n(weights, 4, to + v);
    }
}

// The vertex arrays the set's flags ask for. An array the builder did not keep (its
// attribute is zero in every vertex) is filled with zeros.
void copyVertexArrays(const VertexColumns& vertices, IndexedTriangleSet& set) {
    const size_t n = vertices.size();
    const auto copyOrZero = [n](const std::vector<float>& from, std::unique_ptr<float[]>& to,
                                size_t components) {
        if (!to) {
            return;
        }
        if (from.empty()) {
            std::fill_n(to.get(), components * n, 0.0f);
        } else {
            copyArray(from, to);
        }
    };
    copyArray(vertices.position, set.positions);
    copyOrZero(vertices.normal, set.normals, 3);
    for (uint32_t uvSet = 0; uvSet < kMaxUvSets; ++uvSet) {
        copyOrZero(vertices.uv[uvSet], set.uv[uvSet], 2);
    }
    copyOrZero(vertices.color, set.colors, 3);
    if (set.skinWeights) {
        if (vertices.skinWeight.empty()) {
            std::fill_n(set.skinWeights.get(), 4 * n, 0.0f);
            std::fill_n(set.skinIndices.get(), 4 * n, uint8_t(0));
        } else {
            copyNormalisedWeights(vertices.skinWeight, set.skinWeights.get());
            copyArray(vertices.skinIndex, set.skinIndices);
        }
    }
}

TriangleSubset subsetOfRun(const IndexedTriangleSet& set, const TriangleSetBuilder::MaterialRun& run) {
    TriangleSubset subset;
    subset.firstIndex = 3 * run.first;
    subset.numIndices = 3 * run.second;
    set.fitVertexRange(subset);
    return subset;
}

template <class Index> void copyIndices(const std::vector<BuilderTriangle>& triangles, Index* out) {
    for (const BuilderTriangle& triangle : triangles) {
        *out++ = Index(triangle.vertex0);
        *out++ = Index(triangle.vertex1);
        *out++ = Index(triangle.vertex2);
    }
}

} // namespace

void TriangleSetBuilder::reserveTriangles(uint32_t count) {
    triangles.reserve(count);
}

void TriangleSetBuilder::reserveCorners(size_t count, uint32_t flags) {
    vertices.keepOnly(flags);
    vertices.reserve(count);
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
    set->allocateArrays(uint32_t(vertices.size()), formatFlags);
    set->allocateIndices(uint32_t(3 * triangles.size()));
    copyVertexArrays(vertices, *set);
    if (set->wideIndices()) {
        copyIndices(triangles, set->indices.wide.get());
    } else {
        copyIndices(triangles, set->indices.narrow.get());
    }
    set->subsets.reserve(runs.size());
    for (const MaterialRun& run : runs) {
        set->subsets.push_back(subsetOfRun(*set, run));
    }
    return set;
}
