#pragma once

#include <algorithm>
#include <cstddef>
#include <memory>
#include <vector>

// Length of the runs that mergeSort sorts by insertion before merging them.
constexpr size_t kMergeSortRun = 16;

// The insertion sort of one short run of mergeSort.
template <class T, class Before> void insertionSortRun(T* run, size_t count, Before before) {
    for (size_t i = 1; i < count; ++i) {
        T item = run[i];
        size_t j = i;
        while (j > 0 && before(item, run[j - 1])) {
            run[j] = run[j - 1];
            --j;
        }
        run[j] = item;
    }
}

// The merges of a bottom-up merge sort of n items whose runs of `width` items are sorted:
// level by level, doubling the width, merge(left, middle, right) for every pair of
// neighbouring runs, then endLevel().
template <class Merge, class EndLevel>
void forEachMerge(size_t n, size_t width, Merge merge, EndLevel endLevel) {
    for (; width < n; width *= 2) {
        for (size_t left = 0; left < n; left += 2 * width) {
            merge(left, std::min(left + width, n), std::min(left + 2 * width, n));
        }
        endLevel();
    }
}

// The merge levels of a bottom-up merge sort of items whose runs of `width` items are
// sorted, alternating between items and a buffer: merge(from, to, left, middle, right)
// merges from[left, middle) and from[middle, right) into to[left, right).
// The buffer is not cleared (every level writes all of it).
template <class T, class Merge> void mergeLevels(std::vector<T>& items, size_t width, Merge merge) {
    if (width >= items.size()) {
        return;
    }
    const std::unique_ptr<T[]> buffer(new T[items.size()]);
    T* from = items.data();
    T* to = buffer.get();
    forEachMerge(
        items.size(), width,
        [&](size_t left, size_t middle, size_t right) { merge(from, to, left, middle, right); },
        [&] { std::swap(from, to); });
    if (from != items.data()) {
        std::copy_n(from, items.size(), items.data());
    }
}

// Sorts items so that no item is preceded by one that `before` puts after it, as far as a
// comparison that need not be a strict weak ordering allows. The loop bounds depend only
// on the item count, never on the comparator's answers, so any comparator is safe: the
// result is always a permutation of the input. Stable for a consistent comparator.
template <class T, class Before> void mergeSort(std::vector<T>& items, Before before) {
    const size_t n = items.size();
    for (size_t start = 0; start < n; start += kMergeSortRun) {
        insertionSortRun(items.data() + start, std::min(kMergeSortRun, n - start), before);
    }
    mergeLevels(items, kMergeSortRun, [&](const T* from, T* to, size_t left, size_t middle, size_t right) {
        size_t i = left;
        size_t j = middle;
        size_t k = left;
        while (i < middle && j < right) {
            to[k++] = before(from[j], from[i]) ? from[j++] : from[i++];
        }
        while (i < middle) {
            to[k++] = from[i++];
        }
        while (j < right) {
            to[k++] = from[j++];
        }
    });
}
