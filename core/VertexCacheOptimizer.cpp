#include "core/VertexCacheOptimizer.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <memory>
#include <vector>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

// The greedy order is defined by a scan over every unemitted triangle at each step, which
// is quadratic. This implementation reaches exactly the same choices much faster:
//
// - A vertex's score only depends on its cache position and its remaining count, and the
//   count only drops when a triangle using the vertex is emitted, which puts the vertex in
//   the cache. So a "cold" triangle, none of whose vertices is cached, keeps its score until
//   one of them enters the cache. Cold triangles wait in a queue ordered by (score, lowest
//   index); entries go stale when their triangle turns hot or is emitted and are dropped
//   when they reach the top. A triangle whose last cached vertex leaves the cache goes back
//   into the queue with its new score.
// - "Hot" triangles, touching the cache, are rescored at each step by walking the live
//   triangles of the cached vertices. A cached vertex whose triangles cannot reach the best
//   score found so far is skipped: a triangle scores at most its best cached vertex's score
//   plus twice the larger of that score and 2, the most an uncached vertex can score.

namespace {

constexpr uint32_t kOutOfCache = 0xFF;
constexpr uint32_t kNone = 0xFFFFFFFFu;
constexpr uint32_t kEmitted = 0xFFFFFFFFu;
constexpr float kCachePositionDecay = 0.016393442f; // 1/61
constexpr uint32_t kValenceTableSize = 256;

// The index of the lowest set bit of a non-zero word: the compiler's own instruction
// where it offers one, else a de Bruijn multiplication (plain C++ for other compilers).
uint32_t lowestSetBit(uint64_t bits) {
#if defined(__GNUC__) || defined(__clang__)
    return static_cast<uint32_t>(__builtin_ctzll(bits));
#else
    constexpr uint64_t kDeBruijn = 0x03f79d71b4cb0a89ULL;
    struct Table {
        uint8_t index[64] = {};
        constexpr Table() {
            for (uint32_t i = 0; i < 64; ++i) {
                index[((uint64_t(1) << i) * kDeBruijn) >> 58] = static_cast<uint8_t>(i);
            }
        }
    };
    static constexpr Table kTable;
    return kTable.index[((bits & (~bits + 1)) * kDeBruijn) >> 58];
#endif
}

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
    float cache[256]; // by cache position; kOutOfCache and every unused entry score 0
    float remaining[kValenceTableSize];
};

const ScoreTables& scoreTables() {
    static const ScoreTables tables = [] {
        ScoreTables t{};
        for (uint32_t p = 0; p < kVertexCacheSize; ++p) {
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

// Sorts up to three values ascending.
void sortSmall(uint32_t* values, uint32_t count) {
    for (uint32_t i = 1; i < count; ++i) {
        for (uint32_t j = i; j > 0 && values[j] < values[j - 1]; --j) {
            std::swap(values[j], values[j - 1]);
        }
    }
}

// Counts per distinct value: an open-addressing table from a 32-bit value to a count
// (or, after countsToOffsets, to the next free place of that value).
class ValueCounts {
public:
    uint32_t& operator[](uint32_t value) {
        if (2 * (used_ + 1) > slots_.size()) {
            grow();
        }
        size_t i = slotOf(value);
        if (!slots_[i].used) {
            slots_[i] = Slot{value, 0, true};
            ++used_;
        }
        return slots_[i].count;
    }

    // The distinct values in descending order.
    std::vector<uint32_t> valuesDescending() const {
        std::vector<uint32_t> values;
        for (const Slot& slot : slots_) {
            if (slot.used) {
                values.push_back(slot.value);
            }
        }
        std::sort(values.rbegin(), values.rend());
        return values;
    }

private:
    struct Slot {
        uint32_t value = 0;
        uint32_t count = 0;
        bool used = false;
    };

    size_t slotOf(uint32_t value) const {
        const size_t mask = slots_.size() - 1;
        size_t i = (value * 0x9E3779B1u) & mask;
        while (slots_[i].used && slots_[i].value != value) {
            i = (i + 1) & mask;
        }
        return i;
    }

    void grow() {
        std::vector<Slot> old = std::move(slots_);
        slots_.assign(std::max<size_t>(64, 2 * old.size()), Slot{});
        for (const Slot& slot : old) {
            if (slot.used) {
                slots_[slotOf(slot.value)] = slot;
            }
        }
    }

    std::vector<Slot> slots_;
    size_t used_ = 0;
};

// Cold triangles by (score, lowest index), as 64-bit keys: score bits in the upper half, the
// complement of the index in the lower. The initial triangles are bucketed by score once;
// triangles that turn cold again later go into a binary heap. Entries are not removed when
// their triangle turns hot or is emitted; the caller skips such stale tops.
class ColdQueue {
public:
    // scoreBitsOf(t) gives the bit pattern of triangle t's (positive) score.
    template <class ScoreBitsOf> void assignInitial(uint32_t numTriangles, ScoreBitsOf scoreBitsOf) {
        ValueCounts places;
        for (uint32_t t = 0; t < numTriangles; ++t) {
            ++places[scoreBitsOf(t)];
        }
        bucketScores_ = places.valuesDescending();
        bucketEnds_.clear();
        uint32_t offset = 0;
        for (uint32_t score : bucketScores_) {
            uint32_t& count = places[score];
            offset += count;
            bucketEnds_.push_back(offset);
            count = offset - count; // from now on: the next free place of this score
        }
        initial_.reset(new uint32_t[numTriangles]); // every place is written below
        initialCount_ = numTriangles;
        for (uint32_t t = 0; t < numTriangles; ++t) {
            initial_[places[scoreBitsOf(t)]++] = t;
        }
        next_ = 0;
        bucket_ = 0;
    }
    void push(uint64_t key) {
        later_.push_back(key);
        std::push_heap(later_.begin(), later_.end());
    }
    bool empty() const { return next_ == initialCount_ && later_.empty(); }
    uint64_t top() const {
        if (next_ == initialCount_) {
            return later_.front();
        }
        const uint64_t first = uint64_t(bucketScores_[bucket_]) << 32 | (kNone - initial_[next_]);
        return later_.empty() ? first : std::max(first, later_.front());
    }
    void pop() {
        if (next_ < initialCount_ && (later_.empty() || top() != later_.front())) {
            if (++next_ == bucketEnds_[bucket_] && next_ < initialCount_) {
                ++bucket_;
            }
            return;
        }
        std::pop_heap(later_.begin(), later_.end());
        later_.pop_back();
    }

private:
    std::unique_ptr<uint32_t[]> initial_; // triangles by descending score, then index
    size_t initialCount_ = 0;
    std::vector<uint32_t> bucketScores_; // the distinct initial scores, descending
    std::vector<uint32_t> bucketEnds_;   // where each score's triangles end in initial_
    size_t next_ = 0;
    size_t bucket_ = 0;
    std::vector<uint64_t> later_;
};

// The reorder of one subset. Vertices are addressed relative to the subset's first vertex.
template <class Index> class VertexCacheReorder {
public:
    VertexCacheReorder(uint32_t numTriangles, uint32_t firstVertex, uint32_t numVertices, const Index* input)
        : numTriangles_(numTriangles), firstVertex_(firstVertex), input_(input), tables_(scoreTables()),
          vertex_(numVertices), live_(numVertices), adj_(new uint32_t[3 * size_t(numTriangles)]),
          state_(numTriangles, 0) {}

    void run(Index* output) {
        initialise();
        for (uint32_t step = 0; step < numTriangles_; ++step) {
            const uint32_t t = select();
            std::copy_n(input_ + 3 * size_t(t), 3, output + 3 * size_t(step));
            emit(t);
        }
    }

private:
    // What selection reads of every vertex of the triangles it scores, 8 bytes apiece.
    struct Live {
        float score = 0.0f; // the whole score while some unemitted triangle uses it
        uint32_t cachePos = kOutOfCache;
    };

    struct Vertex {
        uint32_t remaining = 0; // unemitted index entries naming the vertex
        uint32_t adjStart = 0;  // its triangles: adj_[adjStart ... adjStart + adjLive)
        uint32_t adjLive = 0;   // entries not yet known to be emitted
    };

    void initialise() {
        const size_t corners = 3 * size_t(numTriangles_);
        for (size_t i = 0; i < corners; ++i) {
            ++vertex_[corner(i)].remaining;
        }
        uint32_t offset = 0;
        for (size_t v = 0; v < vertex_.size(); ++v) {
            Vertex& vertex = vertex_[v];
            vertex.adjStart = offset;
            offset += vertex.remaining;
            live_[v].score = remainingShare(vertex);
        }
        for (size_t i = 0; i < corners; ++i) {
            Vertex& v = vertex_[corner(i)];
            adj_[v.adjStart + v.adjLive++] = uint32_t(i / 3);
        }
        cold_.assignInitial(numTriangles_, [this](uint32_t t) { return floatBits(triangleScore(t)); });
    }

    // The score's share from the vertex's remaining uses (at least one).
    float remainingShare(const Vertex& v) const {
        const uint32_t r = v.remaining;
        return r < kValenceTableSize ? tables_.remaining[r] : remainingScore(r);
    }

    // Corner i of the index buffer, relative to the first vertex.
    uint32_t corner(size_t i) const { return uint32_t(input_[i]) - firstVertex_; }

    // The score of an unemitted triangle (each of its vertices has a remaining use).
    float triangleScore(uint32_t t) const {
        const size_t c = 3 * size_t(t);
        return live_[corner(c)].score + live_[corner(c + 1)].score + live_[corner(c + 2)].score;
    }

    bool isHot(uint32_t t) const {
        const size_t c = 3 * size_t(t);
        return (live_[corner(c)].cachePos & live_[corner(c + 1)].cachePos & live_[corner(c + 2)].cachePos) !=
               kOutOfCache;
    }

    // A triangle's place in the selection as one number: the bits of its (positive) score
    // above the complement of its index, so that the greater key is the higher score, or
    // the same score and the earlier triangle. 0 stands for no triangle.
    static uint64_t choiceKey(float score, uint32_t t) {
        return (uint64_t(floatBits(score)) << 32) | (kNone - t);
    }
    static float keyScore(uint64_t key) { return bitsFloat(uint32_t(key >> 32)); }
    static uint32_t keyTriangle(uint64_t key) { return kNone - uint32_t(key); }

    // The best cold triangle's key (0 when there is none): the queue's top, once stale
    // entries are dropped.
    uint64_t coldTop() {
        while (!cold_.empty()) {
            const uint64_t key = cold_.top();
            const uint32_t t = keyTriangle(key);
            if (state_[t] != kEmitted && !isHot(t) && floatBits(triangleScore(t)) == uint32_t(key >> 32)) {
                return key;
            }
            cold_.pop();
        }
        return 0;
    }

    // A triangle through a cached vertex of score s, when s is the best score among its
    // cached vertices, scores at most s + 2 max(s, 2). So cached vertices that score below
    // this bar cannot reach `best`; the margin covers the rounding of the sums.
    // (A product with the rounded third is within a few units in the last place of the
    // quotient, far inside the margin.)
    static float pruneBar(float best) {
        constexpr float kMargin = 2e-3f;
        const float belowTwo = best - 4.0f - kMargin;
        return belowTwo < 2.0f ? belowTwo : (best - kMargin) * (1.0f / 3.0f);
    }

    // Calls visit for each unemitted triangle of v, dropping emitted ones from its list.
    template <class Visit> void forLiveTriangles(Vertex& v, Visit visit) {
        const uint32_t begin = v.adjStart;
        uint32_t end = begin + v.adjLive;
        for (uint32_t i = begin; i < end;) {
            const uint32_t t = adj_[i];
            if (state_[t] == kEmitted) {
                adj_[i] = adj_[--end];
                continue;
            }
            visit(t);
            ++i;
        }
        v.adjLive = end - begin;
    }

    // The cache entries from `first` on that score at least `bar`, one bit each.
    uint64_t entriesReaching(float bar, uint32_t first) const {
        uint64_t mask = 0;
#ifdef __SSE2__
        const __m128 limit = _mm_set1_ps(bar);
        for (uint32_t i = 0; i < kVertexCacheSize; i += 4) {
            const __m128 scores = _mm_load_ps(cacheScore_ + i);
            mask |= uint64_t(_mm_movemask_ps(_mm_cmpge_ps(scores, limit))) << i;
        }
#else
        for (uint32_t i = 0; i < kVertexCacheSize; ++i) {
            mask |= uint64_t(cacheScore_[i] >= bar) << i;
        }
#endif
        const uint64_t used = cacheSize_ == 64 ? ~uint64_t(0) : (uint64_t(1) << cacheSize_) - 1;
        return mask & used & ~((uint64_t(1) << first) - 1);
    }

    uint32_t select() {
        uint64_t best = coldTop();
        float bar = best == 0 ? 0.0f : pruneBar(keyScore(best));
        const uint32_t stamp = ++step_;
        // Scores the live triangles of entry i, unless it cannot reach the bar (no live
        // triangle: minus infinity). A triangle with two or three cached vertices is scored
        // once a step.
        const auto visit = [&](uint32_t i) {
            if (cacheScore_[i] < bar) {
                return;
            }
            const uint64_t before = best;
            forLiveTriangles(vertex_[cache_[i].vertex], [&](uint32_t t) {
                if (state_[t] != stamp) {
                    state_[t] = stamp;
                    best = std::max(best, choiceKey(triangleScore(t), t));
                }
            });
            if (best != before) {
                bar = pruneBar(keyScore(best));
            }
        };
        // The front (the last triangle's corners) usually has the best triangle: with the
        // bar it sets, the rest of the cache is sifted in one pass.
        constexpr uint32_t kFront = 3;
        for (uint32_t i = 0; i < std::min(kFront, cacheSize_); ++i) {
            visit(i);
        }
        for (uint64_t rest = entriesReaching(bar, kFront); rest != 0; rest &= rest - 1) {
            visit(lowestSetBit(rest));
        }
        return keyTriangle(best);
    }

    void emit(uint32_t t) {
        state_[t] = kEmitted;
        const uint32_t c[3] = {corner(3 * size_t(t)), corner(3 * size_t(t) + 1), corner(3 * size_t(t) + 2)};
        for (int j = 0; j < 3; ++j) {
            --vertex_[c[j]].remaining;
        }
        updateCache(c);
    }

    // The remaining-count share of a cached vertex's score; minus infinity once no
    // unemitted triangle uses it.
    float cacheShare(const Vertex& v) const {
        return v.remaining == 0 ? -std::numeric_limits<float>::infinity() : remainingShare(v);
    }

    // Moves the triangle's distinct corners to the front of the cache (a repeated corner is
    // inserted once) and puts triangles that no longer touch the cache back into the cold
    // queue. Scores follow from the cache positions, so nothing else needs rescoring.
    void updateCache(const uint32_t* c) {
        CacheEntry front[3];
        uint32_t count = 0;
        uint32_t hits[3];
        uint32_t numHits = 0;
        for (int j = 0; j < 3; ++j) {
            if ((j < 1 || c[j] != c[0]) && (j < 2 || c[j] != c[1])) {
                if (live_[c[j]].cachePos != kOutOfCache) {
                    hits[numHits++] = live_[c[j]].cachePos;
                }
                front[count++] = CacheEntry{c[j], cacheShare(vertex_[c[j]])};
            }
        }
        sortSmall(hits, numHits);
        // The rest of the cache keeps its order behind the new front, less the corners'
        // old places: the part after the h-th old place moves back by count - h (the part
        // before the first by count). Moved from the back, within the room the cache
        // has; what is pushed past its end leaves.
        uint32_t evicted[3];
        uint32_t numEvicted = 0;
        uint32_t end = cacheSize_;
        for (uint32_t h = numHits + 1; h-- > 0;) {
            const uint32_t begin = h == 0 ? 0 : hits[h - 1] + 1;
            const uint32_t shift = count - h;
            const uint32_t fits =
                std::max(begin, std::min(end, kVertexCacheSize - std::min(shift, kVertexCacheSize)));
            for (uint32_t i = fits; i < end; ++i) {
                evicted[numEvicted++] = cache_[i].vertex;
            }
            std::copy_backward(cache_ + begin, cache_ + fits, cache_ + fits + shift);
            end = begin == 0 ? 0 : begin - 1;
        }
        const uint32_t size = std::min(cacheSize_ + count - numHits, kVertexCacheSize);
        cacheSize_ = size;
        for (uint32_t j = 0; j < count; ++j) {
            cache_[j] = front[j];
        }
        // Locals, so that the stores below need not reload the members.
        const float* table = tables_.cache;
        const CacheEntry* cache = cache_;
        float* scores = cacheScore_;
        Live* live = live_.data();
        for (uint32_t i = 0; i < size; ++i) {
            scores[i] = table[i] + cache[i].share;
            live[cache[i].vertex] = Live{scores[i], i};
        }
        for (uint32_t e = 0; e < numEvicted; ++e) {
            live_[evicted[e]] = Live{remainingShare(vertex_[evicted[e]]), kOutOfCache};
        }
        for (uint32_t e = 0; e < numEvicted; ++e) {
            forLiveTriangles(vertex_[evicted[e]], [this](uint32_t t) {
                if (!isHot(t)) {
                    cold_.push(choiceKey(triangleScore(t), t));
                }
            });
        }
    }

    const uint32_t numTriangles_;
    const uint32_t firstVertex_;
    const Index* input_;
    const ScoreTables& tables_;
    std::vector<Vertex> vertex_;
    std::vector<Live> live_;
    std::unique_ptr<uint32_t[]> adj_; // each vertex's triangles; filled in full by initialise
    // Per triangle: kEmitted once emitted, else the last selection step that scored it.
    std::vector<uint32_t> state_;
    uint32_t step_ = 0;
    // A cached vertex and its cacheShare, most recently used first.
    struct CacheEntry {
        uint32_t vertex;
        float share;
    };
    CacheEntry cache_[kVertexCacheSize] = {};
    alignas(
        16) float cacheScore_[kVertexCacheSize] = {}; // each one's score (minus infinity: no live triangle)
    uint32_t cacheSize_ = 0;
    ColdQueue cold_;
};

template <class Index>
void reorder(uint32_t numTriangles, uint32_t firstVertex, uint32_t numVertices, const Index* input,
             Index* output) {
    VertexCacheReorder<Index>(numTriangles, firstVertex, numVertices, input).run(output);
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
