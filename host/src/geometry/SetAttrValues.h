#pragma once
// Helpers for setAttr hooks: element ranges and runs of numbers.

#include "scenefile/SetAttrRequest.h"

#include <cstddef>
#include <string>

namespace orvex_host {

// The elements a path step names: [first, first + count). A step without
// an index (or with "[*]") starts at 0 with an open count: as many elements
// as the values hold.
struct ElementRange {
    size_t first = 0;
    size_t count = 0;
    bool open = false;
};

ElementRange elementRange(const AttrPathPart& part);

// True when `name` is the long or the short name.
inline bool named(const AttrPathPart& part, const char* longName, const char* shortName) {
    return part.name == longName || part.name == shortName;
}

// Elements may lie at most this far beyond an array's current end: a scene
// file that names a huge index gets an error instead of a huge allocation.
constexpr size_t kMaxElementGap = size_t(1) << 24;

// Whether element `index` may be stored in an array of `size` elements;
// the elements it leaves out in front of it are taken from the scene file's
// ElementGapBudget.
inline bool elementFits(size_t index, size_t size) {
    if (index <= size) {
        return true;
    }
    return index < size + kMaxElementGap && ElementGapBudget::spend(index - size);
}

// Reads `width` numbers for each element of the range and calls
// store(element, values), which returns false for an element it cannot
// take. An open range takes whole groups until the values end. False with
// request.error set when the values do not fit the range.
template <class Store>
bool readNumberGroups(SetAttrRequest& request, const ElementRange& range, size_t width, Store store) {
    double values[8];
    for (size_t i = 0; range.open || i < range.count; ++i) {
        if (range.open && request.values.atEnd()) {
            return true;
        }
        for (size_t k = 0; k < width; ++k) {
            if (!request.values.nextDouble(values[k])) {
                request.error = "expected " + std::to_string(width) + " numbers for element " +
                                std::to_string(range.first + i);
                return false;
            }
        }
        if (!store(range.first + i, values)) {
            request.error = "element " + std::to_string(range.first + i) + " lies too far beyond the array";
            return false;
        }
    }
    if (!request.values.atEnd()) {
        request.error = "more values than the " + std::to_string(range.count) + " elements named";
        return false;
    }
    return true;
}

// Reads one integer (also written as a decimal with no fraction, or as a
// boolean word); like the cursor's readers, consumes nothing when it fails.
bool readInteger(ValueCursor& values, long long& out);

// The host writes the elements of an array whose child is itself a sparse
// array (".wl[0:99].w", the weights of a skin cluster's vertices) as, per
// element, the number of children it sets and that many pairs of child
// index and value. A long list is split over several statements, and so may
// be one element: the next statement's range starts at that element again
// with its remaining children, which add to those read before.
//
// Reads the count and the indices of one element, and calls readChild(index)
// for each pair to read its value; false with `error` set when a count or an
// index is missing or malformed (element() names the element: ".wl[3].w"),
// or when readChild returns false (having set `error`).
template <class Name, class ReadChild>
bool readSparseElement(ValueCursor& values, Name element, std::string& error, ReadChild readChild) {
    long long count = 0;
    if (!readInteger(values, count) || count < 0) {
        error = "expected the number of values set in \"" + element() + "\"";
        return false;
    }
    for (long long i = 0; i < count; ++i) {
        long long index = 0;
        if (!readInteger(values, index) || index < 0 || index > 0xffffffffLL) {
            error =
                "expected " + std::to_string(count) + " pairs of index and value for \"" + element() + "\"";
            return false;
        }
        if (!readChild(static_cast<unsigned>(index))) {
            return false;
        }
    }
    return true;
}

} // namespace orvex_host
