#include "core/VertexWelding.h"
#include "core/TriangleSetBuilder.h"

#include <algorithm>
#include <vector>

namespace {

template <class T> const T* arrayOrNull(const std::vector<T>& array) {
    return array.empty() ? nullptr : array.data();
}

} // namespace

WeldComparison::WeldComparison(const VertexColumns& vertices)
    : positions_(vertices.position.data()), normals_(arrayOrNull(vertices.normal)),
      tangents_(arrayOrNull(vertices.tangent)), uvs_{}, skinWeights_(arrayOrNull(vertices.skinWeight)),
      skinIndices_(arrayOrNull(vertices.skinIndex)) {
    for (const std::vector<float>& set : vertices.uv) {
        if (!set.empty()) {
            uvs_[uvSetCount_++] = set.data();
        }
    }
}

int WeldComparison::compareAttributes(uint32_t a, uint32_t b) const {
    const size_t ia = a;
    const size_t ib = b;
    if (normals_) {
        if (const int order = compareComponents(normals_ + 3 * ia, normals_ + 3 * ib, 3)) {
            return order;
        }
    }
    if (tangents_) {
        const float* ta = tangents_ + 4 * ia;
        const float* tb = tangents_ + 4 * ib;
        if (ta[3] != tb[3]) {
            return ta[3] < tb[3] ? -1 : 1;
        }
        if (ta[0] * tb[0] + ta[1] * tb[1] + ta[2] * tb[2] < 0.0f) {
            // Opposed tangents never weld; their order falls back to the place in the list.
            return a < b ? -1 : 1;
        }
    }
    for (uint32_t set = 0; set < uvSetCount_; ++set) {
        if (const int order = compareComponents(uvs_[set] + 2 * ia, uvs_[set] + 2 * ib, 2)) {
            return order;
        }
    }
    if (skinWeights_) {
        if (const int order = compareComponents(skinWeights_ + 4 * ia, skinWeights_ + 4 * ib, 4)) {
            return order;
        }
        for (size_t i = 0; i < 4; ++i) {
            const uint8_t x = skinIndices_[4 * ia + i];
            const uint8_t y = skinIndices_[4 * ib + i];
            if (x != y) {
                return x < y ? -1 : 1;
            }
        }
    }
    return 0;
}

void TriangleSetBuilder::weldVertices() {
    const size_t n = vertices.size();
    if (n == 0) {
        return;
    }
    // The merge buffer of the sort is gone before the renumbering tables below exist.
    std::vector<uint32_t> sorted = sortedWeldOrder(vertices);
    const WeldComparison comparison(vertices);
    float* tangents = vertices.tangent.empty() ? nullptr : vertices.tangent.data();
    // newNumber[i]: first the head that vertex i merges into (itself when it is kept), then
    // its number after welding.
    std::vector<uint32_t> newNumber;
    newNumber.reserve(n);
    for (uint32_t i = 0; i < n; ++i) {
        newNumber.push_back(i);
    }
    std::vector<bool> removed(n, false); // a bit each: a big mesh has millions of corners
    size_t removedCount = 0;

    // Runs of vertices equal to their head (membership is decided against the head, never
    // against the previous member). A run's tangent directions are summed into its head.
    size_t start = 0;
    while (start + 1 < n) {
        const uint32_t head = sorted[start];
        float sum[3] = {};
        if (tangents) {
            std::copy_n(tangents + 4 * size_t(head), 3, sum);
        }
        size_t next = start + 1;
        for (; next < n; ++next) {
            const uint32_t member = sorted[next];
            if (comparison.compare(head, member) != 0) {
                break;
            }
            if (tangents) {
                for (size_t c = 0; c < 3; ++c) {
                    sum[c] += tangents[4 * size_t(member) + c];
                }
            }
            removed[member] = true;
            newNumber[member] = head;
        }
        removedCount += next - start - 1;
        if (tangents) {
            std::copy_n(sum, 3, tangents + 4 * size_t(head));
        }
        start = next;
    }
    std::vector<uint32_t>().swap(sorted);

    // A kept vertex moves down by the number of removed vertices before it; a removed one
    // takes the number of its head. The triangles are renumbered before the kept vertices
    // close up in their order, so that the table is gone by then.
    uint32_t kept = 0;
    for (uint32_t i = 0; i < n; ++i) {
        if (!removed[i]) {
            newNumber[i] = kept++;
        }
    }
    for (uint32_t i = 0; i < n; ++i) {
        if (removed[i]) {
            newNumber[i] = newNumber[newNumber[i]];
        }
    }
    for (BuilderTriangle& triangle : triangles) {
        for (uint32_t* corner : {&triangle.vertex0, &triangle.vertex1, &triangle.vertex2}) {
            *corner = newNumber[*corner];
        }
    }
    std::vector<uint32_t>().swap(newNumber);
    vertices.keepUnremoved(removed, n - removedCount);
}
