#include "core/BuilderVertex.h"

#include <functional>

namespace {

int compareComponents(const float* a, const float* b, int count) {
    for (int i = 0; i < count; ++i) {
        if (const int order = compareWithTolerance(a[i], b[i])) {
            return order;
        }
    }
    return 0;
}

} // namespace

int compareVertexAttributes(const BuilderVertex& a, const BuilderVertex& b) {
    if (const int order = compareComponents(a.normal, b.normal, 3)) {
        return order;
    }
    const float handA = a.tangent[3];
    const float handB = b.tangent[3];
    if (handA != handB) {
        return handA < handB ? -1 : 1;
    }
    const float dot = a.tangent[0] * b.tangent[0] + a.tangent[1] * b.tangent[1] + a.tangent[2] * b.tangent[2];
    if (dot < 0.0f) {
        // Opposed tangents never weld; their order falls back to the place in the list.
        return std::less<const BuilderVertex*>()(&a, &b) ? -1 : 1;
    }
    for (int set = 0; set < 4; ++set) {
        if (const int order = compareComponents(a.uv[set], b.uv[set], 2)) {
            return order;
        }
    }
    if (const int order = compareComponents(a.skinWeight, b.skinWeight, 4)) {
        return order;
    }
    for (int i = 0; i < 4; ++i) {
        if (a.skinIndex[i] != b.skinIndex[i]) {
            return a.skinIndex[i] < b.skinIndex[i] ? -1 : 1;
        }
    }
    return 0;
}

int compareVertices(const BuilderVertex& a, const BuilderVertex& b) {
    if (const int order = compareComponents(a.position, b.position, 3)) {
        return order;
    }
    return compareVertexAttributes(a, b);
}
