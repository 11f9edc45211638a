#pragma once

// The triangle-set builder exactly as its rules read: one whole BuilderVertex record per
// corner, welding by a plain merge sort of the records' numbers with compareVertices, and
// the set copied record by record. The library's builder keeps its corners in arrays of
// only the attributes in use; it must give the same vertices, triangles and set.

#include "core/MergeSort.h"
#include "core/TangentGeneration.h"
#include "core/TriangleSet.h"

#include <algorithm>
#include <memory>
#include <numeric>
#include <tuple>
#include <vector>

namespace reference {

struct RecordBuilder {
    std::vector<BuilderVertex> vertices;
    std::vector<BuilderTriangle> triangles;
    uint32_t formatFlags = 0;

    void computeTangents() {
        const size_t n = vertices.size();
        std::vector<uint32_t> indices;
        for (const BuilderTriangle& t : triangles) {
            indices.insert(indices.end(), {t.vertex0, t.vertex1, t.vertex2});
        }
        std::vector<float> positions(3 * n), normals(3 * n), texcoords(2 * n), tangents(4 * n);
        for (size_t i = 0; i < n; ++i) {
            std::copy_n(vertices[i].position, 3, &positions[3 * i]);
            std::copy_n(vertices[i].normal, 3, &normals[3 * i]);
            std::copy_n(vertices[i].uv[0], 2, &texcoords[2 * i]);
        }
        generateTangents(uint32_t(n), positions.data(), normals.data(), texcoords.data(),
                         uint32_t(triangles.size()), indices.data(), tangents.data());
        for (size_t i = 0; i < n; ++i) {
            std::copy_n(&tangents[4 * i], 4, vertices[i].tangent);
        }
    }

    void weldVertices() {
        const size_t n = vertices.size();
        std::vector<uint32_t> order(n);
        std::iota(order.begin(), order.end(), 0u);
        mergeSort(order,
                  [&](uint32_t a, uint32_t b) { return compareVertices(vertices[a], vertices[b]) < 0; });
        std::vector<uint32_t> remap(n);
        std::iota(remap.begin(), remap.end(), 0u);
        std::vector<bool> removed(n, false);
        for (size_t start = 0; start + 1 < n;) {
            BuilderVertex& head = vertices[order[start]];
            float sum[3] = {head.tangent[0], head.tangent[1], head.tangent[2]};
            size_t next = start + 1;
            for (; next < n && compareVertices(head, vertices[order[next]]) == 0; ++next) {
                for (int c = 0; c < 3; ++c) {
                    sum[c] += vertices[order[next]].tangent[c];
                }
                removed[order[next]] = true;
                remap[order[next]] = order[start];
            }
            std::copy_n(sum, 3, head.tangent);
            start = next;
        }
        std::vector<uint32_t> removedUpTo(n);
        uint32_t count = 0;
        for (size_t k = 0; k < n; ++k) {
            count += removed[k] ? 1 : 0;
            removedUpTo[k] = count;
        }
        for (BuilderTriangle& t : triangles) {
            for (uint32_t* corner : {&t.vertex0, &t.vertex1, &t.vertex2}) {
                *corner = remap[*corner] - removedUpTo[remap[*corner]];
            }
        }
        std::vector<BuilderVertex> kept;
        for (size_t i = 0; i < n; ++i) {
            if (!removed[i]) {
                kept.push_back(vertices[i]);
            }
        }
        vertices = kept;
    }

    std::unique_ptr<IndexedTriangleSet> createIndexedTriangleSet() {
        std::sort(triangles.begin(), triangles.end(), [](const BuilderTriangle& a, const BuilderTriangle& b) {
            return std::tie(a.material, a.vertex0, a.vertex1, a.vertex2) <
                   std::tie(b.material, b.vertex0, b.vertex1, b.vertex2);
        });
        auto set = std::make_unique<IndexedTriangleSet>();
        set->allocateArrays(uint32_t(vertices.size()), formatFlags);
        set->allocateIndices(uint32_t(3 * triangles.size()));
        for (size_t v = 0; v < vertices.size(); ++v) {
            copyRecord(vertices[v], v, *set);
        }
        for (uint32_t t = 0; t < triangles.size(); ++t) {
            set->setIndex(3 * t, triangles[t].vertex0);
            set->setIndex(3 * t + 1, triangles[t].vertex1);
            set->setIndex(3 * t + 2, triangles[t].vertex2);
        }
        for (uint32_t t = 0; t < triangles.size(); ++t) {
            if (t == 0 || triangles[t].material != triangles[t - 1].material) {
                set->subsets.emplace_back();
                set->subsets.back().firstIndex = 3 * t;
            }
            set->subsets.back().numIndices += 3;
        }
        for (TriangleSubset& subset : set->subsets) {
            set->fitVertexRange(subset);
        }
        return set;
    }

private:
    static void copyRecord(const BuilderVertex& r, size_t v, IndexedTriangleSet& set) {
        const uint32_t flags = set.formatFlags;
        std::copy_n(r.position, 3, &set.positions[3 * v]);
        if (flags & VertexNormals) {
            std::copy_n(r.normal, 3, &set.normals[3 * v]);
        }
        for (uint32_t k = 0; k < kMaxUvSets; ++k) {
            if (flags & uvSetFlag(k)) {
                std::copy_n(r.uv[k], 2, &set.uv[k][2 * v]);
            }
        }
        if (flags & VertexColors) {
            std::copy_n(r.color, 3, &set.colors[3 * v]);
        }
        if (flags & VertexSkin) {
            const float sum = ((r.skinWeight[0] + r.skinWeight[1]) + r.skinWeight[2]) + r.skinWeight[3];
            for (int i = 0; i < 4; ++i) {
                set.skinWeights[4 * v + i] = sum > 0.0f ? r.skinWeight[i] * (1.0f / sum) : r.skinWeight[i];
                set.skinIndices[4 * v + i] = r.skinIndex[i];
            }
        }
    }
};

} // namespace reference
