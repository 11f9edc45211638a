#pragma once

// The vertex-cache reorder exactly as the greedy rule reads, with a full scan of every
// triangle at each step (quadratic). The library's fast version must give the same order.

#include <cmath>
#include <cstdint>
#include <vector>

namespace reference {

constexpr uint32_t kNotCached = 0xFFFFFFFFu;

inline float vertexScore(uint32_t position, uint32_t remaining) {
    if (remaining == 0) {
        return -1.0f;
    }
    float cacheScore = 0.0f;
    if (position != kNotCached) {
        cacheScore = position < 3 ? 0.75f : std::pow(1.0f - float(position - 3) * 0.016393442f, 1.5f);
    }
    return cacheScore + 2.0f * std::pow(float(remaining), -0.5f);
}

template <class Index>
std::vector<Index> reorder(uint32_t numTriangles, uint32_t firstVertex, uint32_t numVertices,
                           const Index* input) {
    std::vector<uint32_t> remaining(numVertices, 0);
    std::vector<uint32_t> position(numVertices, kNotCached);
    std::vector<float> score(numVertices);
    std::vector<uint32_t> emittedAt(numTriangles, kNotCached);
    std::vector<uint32_t> cache;
    auto corner = [&](uint32_t t, int j) { return uint32_t(input[3 * t + j]) - firstVertex; };

    for (uint32_t i = 0; i < 3 * numTriangles; ++i) {
        ++remaining[uint32_t(input[i]) - firstVertex];
    }
    for (uint32_t v = 0; v < numVertices; ++v) {
        score[v] = vertexScore(kNotCached, remaining[v]);
    }
    for (uint32_t step = 0; step < numTriangles; ++step) {
        uint32_t chosen = kNotCached;
        float best = 0.0f;
        for (uint32_t t = 0; t < numTriangles; ++t) {
            if (emittedAt[t] != kNotCached) {
                continue;
            }
            const float s = score[corner(t, 0)] + score[corner(t, 1)] + score[corner(t, 2)];
            if (chosen == kNotCached || s > best) {
                chosen = t;
                best = s;
            }
        }
        emittedAt[chosen] = step;
        const uint32_t a = corner(chosen, 0);
        const uint32_t b = corner(chosen, 1);
        const uint32_t c = corner(chosen, 2);
        --remaining[a];
        --remaining[b];
        --remaining[c];

        std::vector<uint32_t> next;
        for (uint32_t v : {a, b, c}) {
            bool seen = false;
            for (uint32_t w : next) {
                seen = seen || w == v;
            }
            if (!seen) {
                next.push_back(v);
            }
        }
        for (uint32_t v : cache) {
            if (v != a && v != b && v != c) {
                next.push_back(v);
            }
        }
        for (uint32_t i = 0; i < next.size(); ++i) {
            const uint32_t v = next[i];
            position[v] = i < 64 ? i : kNotCached;
            score[v] = vertexScore(position[v], remaining[v]);
        }
        if (next.size() > 64) {
            next.resize(64);
        }
        cache = next;
    }
    std::vector<Index> output(3 * size_t(numTriangles));
    for (uint32_t t = 0; t < numTriangles; ++t) {
        for (int j = 0; j < 3; ++j) {
            output[3 * size_t(emittedAt[t]) + j] = input[3 * size_t(t) + j];
        }
    }
    return output;
}

} // namespace reference
