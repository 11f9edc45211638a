// The order in which welding visits the vertices: mergeSort's order, computed on
// 4-byte vertex numbers. A copy of each position beside its number would let most
// comparisons skip the vertex arrays, but for a big mesh it costs as much memory as
// the positions themselves; instead the positions are copied a block at a time, where
// a merge needs them.

#include "core/MergeSort.h"
#include "core/VertexWelding.h"

#include <algorithm>
#include <memory>

namespace {

// A vertex number with a copy of its position.
struct WeldKey {
    float position[3];
    uint32_t vertex;
};

class WeldKeys {
public:
    explicit WeldKeys(const VertexColumns& vertices) : comparison_(vertices) {}

    WeldKey of(uint32_t vertex) const {
        const float* p = comparison_.position(vertex);
        return WeldKey{{p[0], p[1], p[2]}, vertex};
    }

    // compareVertices(a, b) < 0, with the positions taken from the keys.
    bool before(const WeldKey& a, const WeldKey& b) const {
        for (int c = 0; c < 3; ++c) {
            if (const int order = compareWithTolerance(a.position[c], b.position[c])) {
                return order < 0;
            }
        }
        return comparison_.compareAttributes(a.vertex, b.vertex) < 0;
    }

private:
    WeldComparison comparison_;
};

void put(WeldKey*& out, const WeldKey& key) {
    *out++ = key;
}

void put(uint32_t*& out, const WeldKey& key) {
    *out++ = key.vertex;
}

// A sorted run of keys at hand.
class KeyRun {
public:
    KeyRun(const WeldKey* begin, const WeldKey* end) : at_(begin), end_(end) {}
    bool done() const { return at_ == end_; }
    const WeldKey& head() const { return *at_; }
    void pop() { ++at_; }
    WeldKey* drain(WeldKey* out) { return std::copy(at_, end_, out); }

private:
    const WeldKey* at_;
    const WeldKey* end_;
};

// A sorted run of vertex numbers whose keys are fetched a block at a time: the reads of
// the scattered positions in one short loop overlap, where one read per comparison would
// wait for each in turn.
class NumberRun {
public:
    NumberRun(const WeldKeys& keys, const uint32_t* begin, const uint32_t* end)
        : keys_(keys), next_(begin), end_(end) {}

    bool done() const { return at_ == count_ && next_ == end_; }
    const WeldKey& head() {
        if (at_ == count_) {
            refill();
        }
        return block_[at_];
    }
    void pop() { ++at_; }
    uint32_t* drain(uint32_t* out) {
        for (; at_ < count_; ++at_) {
            *out++ = block_[at_].vertex;
        }
        out = std::copy(next_, end_, out);
        next_ = end_;
        return out;
    }

private:
    static constexpr size_t kFetch = 256;

    void refill() {
        count_ = std::min(kFetch, size_t(end_ - next_));
        for (size_t b = 0; b < count_; ++b) {
            block_[b] = keys_.of(next_[b]);
        }
        next_ += count_;
        at_ = 0;
    }

    const WeldKeys& keys_;
    const uint32_t* next_;
    const uint32_t* end_;
    WeldKey block_[kFetch];
    size_t at_ = 0;
    size_t count_ = 0;
};

// One merge of mergeSort: the second run's head goes first only when it orders before
// the first run's head.
template <class Run, class Out> void mergeRuns(const WeldKeys& keys, Run first, Run second, Out out) {
    while (!first.done() && !second.done()) {
        const WeldKey& a = first.head();
        const WeldKey& b = second.head();
        if (keys.before(b, a)) {
            put(out, b);
            second.pop();
        } else {
            put(out, a);
            first.pop();
        }
    }
    out = first.drain(out);
    second.drain(out);
}

// Merges narrower than this many numbers stay inside aligned blocks of it, which are
// sorted that far with their keys copied out once (2 x 1 MB of keys).
constexpr size_t kBlock = kMergeSortRun << 12;

// Runs mergeSort's insertion sorts and its merges narrower than kBlock on the numbers of
// one block, exactly as mergeSort runs them on the whole list, in two buffers of a block
// of keys each.
void sortBlock(const WeldKeys& keys, uint32_t* numbers, size_t count, WeldKey* from, WeldKey* to) {
    for (size_t i = 0; i < count; ++i) {
        from[i] = keys.of(numbers[i]);
    }
    const auto before = [&keys](const WeldKey& a, const WeldKey& b) { return keys.before(a, b); };
    for (size_t start = 0; start < count; start += kMergeSortRun) {
        insertionSortRun(from + start, std::min(kMergeSortRun, count - start), before);
    }
    forEachMerge(
        count, kMergeSortRun,
        [&](size_t left, size_t middle, size_t right) {
            mergeRuns(keys, KeyRun(from + left, from + middle), KeyRun(from + middle, from + right),
                      to + left);
        },
        [&] { std::swap(from, to); });
    for (size_t i = 0; i < count; ++i) {
        numbers[i] = from[i].vertex;
    }
}

} // namespace

std::vector<uint32_t> sortedWeldOrder(const VertexColumns& vertices) {
    const WeldKeys keys(vertices);
    const size_t n = vertices.size();
    std::vector<uint32_t> order;
    order.reserve(n);
    for (uint32_t v = 0; v < n; ++v) {
        order.push_back(v);
    }
    {
        const size_t half = std::min(kBlock, n);
        const std::unique_ptr<WeldKey[]> scratch(new WeldKey[2 * half]);
        for (size_t begin = 0; begin < n; begin += kBlock) {
            sortBlock(keys, order.data() + begin, std::min(kBlock, n - begin), scratch.get(),
                      scratch.get() + half);
        }
    }
    mergeLevels(order, kBlock,
                [&](const uint32_t* from, uint32_t* to, size_t left, size_t middle, size_t right) {
                    mergeRuns(keys, NumberRun(keys, from + left, from + middle),
                              NumberRun(keys, from + middle, from + right), to + left);
                });
    return order;
}
