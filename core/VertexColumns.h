#pragma once

#include "core/BuilderVertex.h"
#include "core/VertexFormatFlags.h"

#include <cstddef>
#include <cstdint>
#include <vector>

// Every attribute a builder vertex has: the format flags' arrays and the tangents.
constexpr uint32_t kAllVertexAttributes = 0xFF;

// The builder's vertex list, kept as one flat array per attribute instead of one record per
// vertex: a big mesh with normals and one UV set needs 32 of the record's 104 bytes a corner.
// Only the attributes of `kept` (VertexFormatFlags bits; VertexTangentsRequested keeps the
// tangents) have an array. An attribute without one reads as zero, which is what a record
// whose feature is off holds, so comparisons and copies give what the records would.
class VertexColumns {
public:
    // Keeps every attribute until keepOnly says otherwise.
    VertexColumns() = default;

    // Keeps only the attributes that flags switch on; the list must be empty.
    void keepOnly(uint32_t flags);
    bool keeps(uint32_t attribute) const { return (kept_ & attribute) != 0; }

    size_t size() const { return count_; }
    bool empty() const { return count_ == 0; }
    void reserve(size_t count);
    // Appends the vertex's kept attributes; the others must be zero.
    void push_back(const BuilderVertex& vertex);
    // Vertex i as a record, with zero for every attribute not kept.
    BuilderVertex operator[](size_t i) const;

    // Gives the tangent array (all zero) to a list that was not keeping one.
    void addTangents();
    // Keeps only the vertices whose flag in `removed` is clear, in their order; each array is
    // replaced by one of the new size before the next is copied, so little memory is needed
    // beyond the old arrays.
    void keepUnremoved(const std::vector<bool>& removed, size_t keptCount);
    // Frees every array; the list is empty afterwards.
    void clear();

    // The arrays: 3, 3, 2 (per UV set), 3, 4, 4 and 4 entries per vertex; empty when the
    // attribute is not kept.
    std::vector<float> position;
    std::vector<float> normal;
    std::vector<float> uv[kMaxUvSets];
    std::vector<float> color;
    std::vector<float> tangent; // direction x, y, z, then the handedness
    std::vector<float> skinWeight;
    std::vector<uint8_t> skinIndex;

private:
    template <class Visit> void forEachArray(Visit visit);

    uint32_t kept_ = kAllVertexAttributes;
    size_t count_ = 0;
};
