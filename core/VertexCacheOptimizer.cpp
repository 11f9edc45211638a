#include "core/VertexCacheOptimizer.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <vector>

// The greedy order is defined by a scan over every unemitted triangle at each step, which
// is quadratic. This implementation reaches exactly the same choices much faster:
//
// - A vertex's score only depends on its cache position and its remaining count, and the
//   count only drops when a triangle using the vertex is emitted, which puts the vertex in
//   the cache. So a "cold" triangle, none of whose vertices is cached, keeps its score until
//   one of them enters the cache. Cold triangles wait in a max-heap keyed by (score, lowest
//   index); entries go stale when their triangle turns hot or is emitted and are dropped
//   when they reach the top. A triangle whose last cached vertex leaves the cache goes back
//   into the heap with its new score.
// - "Hot" triangles, touching the cache, are rescored at each step by walking the live
//   triangles of the cached vertices. A cached vertex whose triangles cannot reach the best
//   score found so far is skipped: a triangle scores at most its best cached vertex's score
//   plus twice the larger of that score and 2, the most an uncached vertex can score.

namespace {

constexpr uint8_t kOutOfCache = 0xFF;
constexpr uint32_t kNone = 0xFFFFFFFFu;
constexpr float kCachePositionDecay = 0.016393442f; // 1/61
constexpr uint32_t kValenceTableSize = 256;

float cachePositionScore(uint32_t position) {
    if (position >= kVertexCacheSize) {
        return 0.0f;
    }
    if (position < 3) {
        return 0.75f;
    }
    return std::pow(1.0f - float(position - 3) * kCachePositionDecay, 1.5f);
}

float remainingScore(uint32_t remaining) {
    return 2.0f * std::pow(float(remaining), -0.5f);
}

struct ScoreTables {
    float cache[kVertexCacheSize + 1];
    float remaining[kValenceTableSize];
};

const ScoreTables& scoreTables() {
    static const ScoreTables tables = [] {
        ScoreTables t{};
        for (uint32_t p = 0; p <= kVertexCacheSize; ++p) {
            t.cache[p] = cachePositionScore(p);
        }
        for (uint32_t r = 1; r < kValenceTableSize; ++r) {
            t.remaining[r] = remainingScore(r);
        }
        return t;
    }();
    return tables;
}

uint32_t floatBits(float value) {
    uint32_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

float bitsFloat(uint32_t bits) {
    float value = 0.0f;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

// The triangle order of one subset; vertices are numbered from 0 (relative to its range).
class VertexCacheReorder {
public:
    VertexCacheReorder(uint32_t numTriangles, uint32_t numVertices, const uint32_t* corners)
        : numTriangles_(numTriangles), corners_(corners), tables_(scoreTables()),
          adjStart_(numVertices + size_t(1)), adjLive_(numVertices), adj_(3 * size_t(numTriangles)),
          remaining_(numVertices), remainingScore_(numVertices), score_(numVertices),
          cachePos_(numVertices, kOutOfCache), emitted_(numTriangles, 0) {}

    std::vector<uint32_t> run() {
        initialise();
        std::vector<uint32_t> order(numTriangles_);
        for (uint32_t step = 0; step < numTriangles_; ++step) {
            const uint32_t t = select();
            order[step] = t;
            emit(t);
        }
        return order;
    }

private:
    void initialise() {
        const size_t corners = 3 * size_t(numTriangles_);
        for (size_t i = 0; i < corners; ++i) {
            ++remaining_[corners_[i]];
        }
        uint32_t offset = 0;
        for (size_t v = 0; v < remaining_.size(); ++v) {
            adjStart_[v] = offset;
            offset += remaining_[v];
            updateRemainingScore(uint32_t(v));
            score_[v] = remaining_[v] == 0 ? -1.0f : remainingScore_[v];
        }
        adjStart_[remaining_.size()] = offset;
        for (size_t i = 0; i < corners; ++i) {
            const uint32_t v = corners_[i];
            adj_[adjStart_[v] + adjLive_[v]++] = uint32_t(i / 3);
        }
        heap_.reserve(numTriangles_);
        for (uint32_t t = 0; t < numTriangles_; ++t) {
            heap_.push_back(heapKey(triangleScore(t), t));
        }
        std::make_heap(heap_.begin(), heap_.end());
    }

    void updateRemainingScore(uint32_t v) {
        const uint32_t r = remaining_[v];
        remainingScore_[v] = r < kValenceTableSize ? tables_.remaining[r] : remainingScore(r);
    }

    float triangleScore(uint32_t t) const {
        const uint32_t* c = corners_ + 3 * size_t(t);
        return score_[c[0]] + score_[c[1]] + score_[c[2]];
    }

    bool isHot(uint32_t t) const {
        const uint32_t* c = corners_ + 3 * size_t(t);
        return cachePos_[c[0]] != kOutOfCache || cachePos_[c[1]] != kOutOfCache ||
               cachePos_[c[2]] != kOutOfCache;
    }

    // Positive scores order like their bit patterns; ties go to the lower index.
    static uint64_t heapKey(float score, uint32_t t) {
        return (uint64_t(floatBits(score)) << 32) | (kNone - t);
    }

    struct Choice {
        uint32_t triangle = kNone;
        float score = -std::numeric_limits<float>::infinity();

        void offer(uint32_t t, float s) {
            if (s > score || (s == score && t < triangle)) {
                triangle = t;
                score = s;
            }
        }
    };

    // The best cold triangle: the top of the heap, once stale entries are dropped.
    void offerColdTop(Choice& best) {
        while (!heap_.empty()) {
            const uint64_t key = heap_.front();
            const uint32_t t = kNone - uint32_t(key);
            if (!emitted_[t] && !isHot(t) && floatBits(triangleScore(t)) == uint32_t(key >> 32)) {
                best.offer(t, bitsFloat(uint32_t(key >> 32)));
                return;
            }
            std::pop_heap(heap_.begin(), heap_.end());
            heap_.pop_back();
        }
    }

    // Most that a triangle through a cached vertex of score s can score, when s is the best
    // score among its cached vertices; with a margin for the rounding of the sums.
    static float hotBound(float s) { return s + 2.0f * std::max(s, 2.0f) + 1e-3f; }

    // Scores the live triangles of cached vertex v, dropping emitted ones from its list.
    void offerTrianglesOf(uint32_t v, Choice& best) {
        const uint32_t begin = adjStart_[v];
        uint32_t end = begin + adjLive_[v];
        for (uint32_t i = begin; i < end;) {
            const uint32_t t = adj_[i];
            if (emitted_[t]) {
                adj_[i] = adj_[--end];
                continue;
            }
            best.offer(t, triangleScore(t));
            ++i;
        }
        adjLive_[v] = end - begin;
    }

    uint32_t select() {
        Choice best;
        offerColdTop(best);
        for (uint32_t i = 0; i < cacheSize_; ++i) {
            const uint32_t v = cache_[i];
            const float s = score_[v];
            if (s < 0.0f || (best.triangle != kNone && hotBound(s) < best.score)) {
                continue;
            }
            offerTrianglesOf(v, best);
        }
        return best.triangle;
    }

    void emit(uint32_t t) {
        emitted_[t] = 1;
        const uint32_t* c = corners_ + 3 * size_t(t);
        for (int j = 0; j < 3; ++j) {
            --remaining_[c[j]];
        }
        for (int j = 0; j < 3; ++j) {
            updateRemainingScore(c[j]);
        }
        updateCache(c);
    }

    // Moves the triangle's distinct corners to the front of the cache (a repeated corner is
    // inserted once), rescores every cached vertex and every vertex pushed out, and puts
    // triangles that no longer touch the cache back into the heap.
    void updateCache(const uint32_t* c) {
        uint32_t next[kVertexCacheSize + 3];
        uint32_t count = 0;
        for (int j = 0; j < 3; ++j) {
            if ((j < 1 || c[j] != c[0]) && (j < 2 || c[j] != c[1])) {
                next[count++] = c[j];
            }
        }
        for (uint32_t i = 0; i < cacheSize_; ++i) {
            const uint32_t v = cache_[i];
            if (v != c[0] && v != c[1] && v != c[2]) {
                next[count++] = v;
            }
        }
        cacheSize_ = std::min(count, kVertexCacheSize);
        for (uint32_t i = 0; i < cacheSize_; ++i) {
            const uint32_t v = next[i];
            cache_[i] = v;
            cachePos_[v] = uint8_t(i);
            score_[v] = remaining_[v] == 0 ? -1.0f : tables_.cache[i] + remainingScore_[v];
        }
        for (uint32_t i = cacheSize_; i < count; ++i) {
            const uint32_t v = next[i];
            cachePos_[v] = kOutOfCache;
            score_[v] = remaining_[v] == 0 ? -1.0f : tables_.cache[kVertexCacheSize] + remainingScore_[v];
        }
        for (uint32_t i = cacheSize_; i < count; ++i) {
            requeueColdTriangles(next[i]);
        }
    }

    void requeueColdTriangles(uint32_t v) {
        const uint32_t begin = adjStart_[v];
        uint32_t end = begin + adjLive_[v];
        for (uint32_t i = begin; i < end;) {
            const uint32_t t = adj_[i];
            if (emitted_[t]) {
                adj_[i] = adj_[--end];
                continue;
            }
            if (!isHot(t)) {
                heap_.push_back(heapKey(triangleScore(t), t));
                std::push_heap(heap_.begin(), heap_.end());
            }
            ++i;
        }
        adjLive_[v] = end - begin;
    }

    const uint32_t numTriangles_;
    const uint32_t* corners_;
    const ScoreTables& tables_;
    // Triangles per vertex: adj_[adjStart_[v] ...] with adjLive_[v] entries not yet known
    // to be emitted.
    std::vector<uint32_t> adjStart_;
    std::vector<uint32_t> adjLive_;
    std::vector<uint32_t> adj_;
    std::vector<uint32_t> remaining_;
    std::vector<float> remainingScore_;
    std::vector<float> score_;
    std::vector<uint8_t> cachePos_;
    std::vector<uint8_t> emitted_;
    uint32_t cache_[kVertexCacheSize] = {};
    uint32_t cacheSize_ = 0;
    std::vector<uint64_t> heap_;
};

template <class Index>
void reorder(uint32_t numTriangles, uint32_t firstVertex, uint32_t numVertices, const Index* input,
             Index* output) {
    const size_t corners = 3 * size_t(numTriangles);
    std::vector<uint32_t> relative(corners);
    for (size_t i = 0; i < corners; ++i) {
        relative[i] = uint32_t(input[i]) - firstVertex;
    }
    const std::vector<uint32_t> order = VertexCacheReorder(numTriangles, numVertices, relative.data()).run();
    for (uint32_t step = 0; step < numTriangles; ++step) {
        std::copy_n(input + 3 * size_t(order[step]), 3, output + 3 * size_t(step));
    }
}

} // namespace

float vertexCacheScore(uint32_t cachePosition, uint32_t remaining) {
    if (remaining == 0) {
        return -1.0f;
    }
    return cachePositionScore(cachePosition) + remainingScore(remaining);
}

void reorderForVertexCache(uint32_t numTriangles, uint32_t firstVertex, uint32_t numVertices,
                           const uint16_t* input, uint16_t* output) {
    reorder(numTriangles, firstVertex, numVertices, input, output);
}

void reorderForVertexCache(uint32_t numTriangles, uint32_t firstVertex, uint32_t numVertices,
                           const uint32_t* input, uint32_t* output) {
    reorder(numTriangles, firstVertex, numVertices, input, output);
}
