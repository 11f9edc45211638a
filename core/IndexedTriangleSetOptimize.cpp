#include "core/TriangleSet.h"
#include "core/VertexCacheOptimizer.h"

#include <algorithm>
#include <memory>
#include <vector>

namespace {

constexpr uint32_t kUnnumbered = 0xFFFFFFFFu;

// Whole triangles of a run of index entries.
uint32_t wholeTriangleIndices(uint32_t numIndices) {
    return numIndices / 3 * 3;
}

// One output buffer, of the largest subset's size, serves every subset; it is written in
// full by each reorder, so it is not cleared.
template <class Index> void reorderSubsets(std::vector<TriangleSubset>& subsets, Index* buffer) {
    size_t largest = 0;
    for (const TriangleSubset& subset : subsets) {
        largest = std::max(largest, size_t(subset.numIndices / 3 * 3));
    }
    const std::unique_ptr<Index[]> reordered(new Index[largest]);
    for (const TriangleSubset& subset : subsets) {
        const uint32_t triangles = subset.numIndices / 3;
        Index* part = buffer + subset.firstIndex;
        reorderForVertexCache(triangles, subset.firstVertex, subset.numVertices, part, reordered.get());
        std::copy_n(reordered.get(), 3 * size_t(triangles), part);
    }
}

// New vertex numbers in order of first use in the index buffer. Vertices that no index
// names keep their relative order after all named ones, so that no data is dropped.
std::vector<uint32_t> numberByFirstUse(const IndexedTriangleSet& set) {
    std::vector<uint32_t> newNumber(set.numVertices, kUnnumbered);
    uint32_t next = 0;
    const uint32_t used = wholeTriangleIndices(set.numIndices);
    for (uint32_t i = 0; i < used; ++i) {
        uint32_t& number = newNumber[set.index(i)];
        if (number == kUnnumbered) {
            number = next++;
        }
    }
    for (uint32_t& number : newNumber) {
        if (number == kUnnumbered) {
            number = next++;
        }
    }
    return newNumber;
}

// Moves the data of vertex v to newNumber[v] in place, one cycle of the permutation at a
// time (`placed` marks the places already filled): a big set needs no second copy of each
// array.
template <class T>
void permuteArray(std::unique_ptr<T[]>& array, size_t components, const std::vector<uint32_t>& newNumber,
                  std::vector<bool>& placed) {
    if (!array) {
        return;
    }
    T* data = array.get();
    placed.assign(newNumber.size(), false);
    for (size_t start = 0; start < newNumber.size(); ++start) {
        if (placed[start]) {
            continue;
        }
        T carried[4];
        std::copy_n(data + components * start, components, carried);
        size_t at = start;
        do {
            at = newNumber[at];
            std::swap_ranges(carried, carried + components, data + components * at);
            placed[at] = true;
        } while (at != start);
    }
}

template <class Index>
void renumberIndices(Index* buffer, uint32_t count, const std::vector<uint32_t>& newNumber) {
    for (uint32_t i = 0; i < count; ++i) {
        buffer[i] = Index(newNumber[buffer[i]]);
    }
}

void updateSubsetRanges(IndexedTriangleSet& set) {
    for (TriangleSubset& subset : set.subsets) {
        set.fitVertexRange(subset);
    }
}

} // namespace

void IndexedTriangleSet::optimize() {
    if (optimized) {
        return;
    }
    optimized = true;
    if (wideIndices()) {
        reorderSubsets(subsets, indices.wide.get());
    } else {
        reorderSubsets(subsets, indices.narrow.get());
    }

    const std::vector<uint32_t> newNumber = numberByFirstUse(*this);
    if (wideIndices()) {
        renumberIndices(indices.wide.get(), numIndices, newNumber);
    } else {
        renumberIndices(indices.narrow.get(), numIndices, newNumber);
    }
    std::vector<bool> placed;
    permuteArray(positions, 3, newNumber, placed);
    for (auto& set : uv) {
        permuteArray(set, 2, newNumber, placed);
    }
    permuteArray(normals, 3, newNumber, placed);
    permuteArray(colors, 3, newNumber, placed);
    permuteArray(skinWeights, 4, newNumber, placed);
    permuteArray(skinIndices, 4, newNumber, placed);
    updateSubsetRanges(*this);
}
