#include "core/VertexColumns.h"

#include <algorithm>

namespace {

// One push_back a value: the arrays are reserved, and a range insert costs more than the
// copy for three or four values.
template <class T> void append(std::vector<T>& array, const T* values, size_t count) {
    for (size_t i = 0; i < count; ++i) {
        array.push_back(values[i]);
    }
}

template <class T> void read(const std::vector<T>& array, size_t i, size_t components, T* out) {
    if (!array.empty()) {
        std::copy_n(array.data() + components * i, components, out);
    }
}

// The entries of the vertices not removed, in a new array of exactly their size.
template <class T>
void compact(std::vector<T>& array, size_t components, const std::vector<bool>& removed, size_t keptCount) {
    if (array.empty()) {
        return;
    }
    std::vector<T> kept;
    kept.reserve(components * keptCount);
    const T* from = array.data();
    for (size_t v = 0; v < removed.size(); ++v, from += components) {
        if (!removed[v]) {
            append(kept, from, components);
        }
    }
    array.swap(kept);
}

} // namespace

// visit(array, components per vertex, attribute bit) for every array.
template <class Visit> void VertexColumns::forEachArray(Visit visit) {
    visit(position, 3, 0u);
    visit(normal, 3, uint32_t(VertexNormals));
    for (uint32_t set = 0; set < kMaxUvSets; ++set) {
        visit(uv[set], 2, uvSetFlag(set));
    }
    visit(color, 3, uint32_t(VertexColors));
    visit(tangent, 4, uint32_t(VertexTangentsRequested));
    visit(skinWeight, 4, uint32_t(VertexSkin));
    visit(skinIndex, 4, uint32_t(VertexSkin));
}

void VertexColumns::keepOnly(uint32_t flags) {
    if (count_ == 0) {
        kept_ = flags;
    }
}

void VertexColumns::reserve(size_t count) {
    forEachArray([&](auto& array, size_t components, uint32_t attribute) {
        if (attribute == 0 || keeps(attribute)) {
            array.reserve(components * count);
        }
    });
}

void VertexColumns::push_back(const BuilderVertex& v) {
    append(position, v.position, 3);
    if (keeps(VertexNormals)) {
        append(normal, v.normal, 3);
    }
    for (uint32_t set = 0; set < kMaxUvSets; ++set) {
        if (keeps(uvSetFlag(set))) {
            append(uv[set], v.uv[set], 2);
        }
    }
    if (keeps(VertexColors)) {
        append(color, v.color, 3);
    }
    if (keeps(VertexTangentsRequested)) {
        append(tangent, v.tangent, 4);
    }
    if (keeps(VertexSkin)) {
        append(skinWeight, v.skinWeight, 4);
        append(skinIndex, v.skinIndex, 4);
    }
    ++count_;
}

BuilderVertex VertexColumns::operator[](size_t i) const {
    BuilderVertex v;
    read(position, i, 3, v.position);
    read(normal, i, 3, v.normal);
    for (uint32_t set = 0; set < kMaxUvSets; ++set) {
        read(uv[set], i, 2, v.uv[set]);
    }
    read(color, i, 3, v.color);
    read(tangent, i, 4, v.tangent);
    read(skinWeight, i, 4, v.skinWeight);
    read(skinIndex, i, 4, v.skinIndex);
    return v;
}

void VertexColumns::addTangents() {
    if (!keeps(VertexTangentsRequested)) {
        kept_ |= VertexTangentsRequested;
        tangent.assign(4 * count_, 0.0f);
    }
}

void VertexColumns::keepUnremoved(const std::vector<bool>& removed, size_t keptCount) {
    forEachArray(
        [&](auto& array, size_t components, uint32_t) { compact(array, components, removed, keptCount); });
    count_ = keptCount;
}

void VertexColumns::clear() {
    forEachArray([](auto& array, size_t, uint32_t) {
        using Array = std::remove_reference_t<decltype(array)>;
        Array().swap(array);
    });
    count_ = 0;
}
