#include "geometry/SetAttrValues.h"

#include <cmath>

namespace orvex_host {

ElementRange elementRange(const AttrPathPart& part) {
    ElementRange range;
    if (!part.indexed || part.all) {
        range.open = true;
        return range;
    }
    range.first = part.first;
    range.count = part.last >= part.first ? size_t(part.last) - part.first + 1 : 0;
    return range;
}

bool readInteger(ValueCursor& values, long long& out) {
    if (values.nextInt(out)) {
        return true;
    }
    const char* start = values.position();
    double d = 0.0;
    if (values.nextDouble(d)) {
        if (std::floor(d) == d && std::fabs(d) < 9e15) {
            out = static_cast<long long>(d);
            return true;
        }
        values.seek(start); // a fraction: no integer, and nothing consumed
        return false;
    }
    bool b = false;
    if (values.nextBool(b)) {
        out = b ? 1 : 0;
        return true;
    }
    return false;
}

} // namespace orvex_host
