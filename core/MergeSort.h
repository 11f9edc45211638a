#pragma once

#include <algorithm>
#include <cstddef>
#include <vector>

// Sorts items so that no item is preceded by one that `before` puts after it, as far as a
// comparison that need not be a strict weak ordering allows. The loop bounds depend only
// on the item count, never on the comparator's answers, so any comparator is safe: the
// result is always a permutation of the input. Stable for a consistent comparator.
template <class T, class Before> void mergeSort(std::vector<T>& items, Before before) {
    constexpr size_t kRun = 16;
    const size_t n = items.size();
    // Insertion sort of short runs.
    for (size_t start = 0; start < n; start += kRun) {
        const size_t end = std::min(start + kRun, n);
        for (size_t i = start + 1; i < end; ++i) {
            T item = items[i];
            size_t j = i;
            while (j > start && before(item, items[j - 1])) {
                items[j] = items[j - 1];
                --j;
            }
            items[j] = item;
        }
    }
    // Bottom-up merges, alternating between the two buffers.
    std::vector<T> buffer(n);
    std::vector<T>* from = &items;
    std::vector<T>* to = &buffer;
    for (size_t width = kRun; width < n; width *= 2) {
        for (size_t left = 0; left < n; left += 2 * width) {
            const size_t middle = std::min(left + width, n);
            const size_t right = std::min(left + 2 * width, n);
            size_t i = left;
            size_t j = middle;
            size_t k = left;
            while (i < middle && j < right) {
                (*to)[k++] = before((*from)[j], (*from)[i]) ? (*from)[j++] : (*from)[i++];
            }
            while (i < middle) {
                (*to)[k++] = (*from)[i++];
            }
            while (j < right) {
                (*to)[k++] = (*from)[j++];
            }
        }
        std::swap(from, to);
    }
    if (from != &items) {
        items.swap(buffer);
    }
}
