#include "core/CubicSpline.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

CubicSpline::CubicSpline(uint32_t count, const float* data, int32_t closedFlag) {
    if (count == 0) {
        throw std::invalid_argument("CubicSpline: a spline needs at least one data point");
    }
    closed = closedFlag;
    numPoints = count;
    points.reset(new float[3 * (size_t(count) + 3)]());
    std::copy(data, data + 3 * size_t(count), points.get() + 3 * leadPad);
    compute();
}

void CubicSpline::compute() {
    const uint32_t n = numPoints;
    float* p = points.get();
    auto at = [p](uint32_t triple, int c) -> float& { return p[3 * size_t(triple) + c]; };
    for (int c = 0; c < 3; ++c) {
        if (n < 2) {
            at(0, c) = 0.0f;
            at(n + 1, c) = 0.0f;
            at(n + 2, c) = 0.0f;
        } else if (closed != 0) {
            // Wrap around: the curve closes through the last, first and second points.
            at(0, c) = at(n, c);
            at(n + 1, c) = at(1, c);
            at(n + 2, c) = at(2, c);
        } else {
            // Mirror the neighbours at the ends so the curve starts and ends on the data.
            at(0, c) = 2.0f * at(1, c) - at(2, c);
            at(n + 1, c) = 2.0f * at(n, c) - at(n - 1, c);
            at(n + 2, c) = 0.0f;
        }
    }

    segmentStart.reset(new float[size_t(n) + 1]());
    arcTable.reset(new float[kArcRow * (size_t(n) + 1)]());
    segmentStart[0] = 0.0f;
    for (uint32_t k = 1; k < n; ++k) {
        segmentStart[k] = segmentStart[k - 1] + segmentLength(k - 1);
    }
    if (closed == 0) {
        totalLength = segmentStart[n - 1];
        numSearch = n;
        std::fill_n(arcTable.get() + kArcRow * size_t(n - 1), kArcRow, 0.0f);
    } else {
        segmentStart[n] = segmentStart[n - 1] + segmentLength(n - 1);
        totalLength = segmentStart[n];
        numSearch = n + 1;
    }
}

float CubicSpline::segmentLength(uint32_t k) {
    float* row = arcTable.get() + kArcRow * size_t(k);
    float previous[3];
    evalSegment(k, 0.0f, previous);
    row[0] = 0.0f;
    float sum = 0.0f;
    for (uint32_t i = 1; i <= kArcSteps; ++i) {
        float current[3];
        evalSegment(k, float(i) * 0.03125f, current);
        const float dx = current[0] - previous[0];
        const float dy = current[1] - previous[1];
        const float dz = current[2] - previous[2];
        sum += std::sqrt(dx * dx + dy * dy + dz * dz);
        row[i] = sum;
        std::copy(current, current + 3, previous);
    }
    return sum;
}

void CubicSpline::evalSegment(uint32_t k, float u, float out[3]) const {
    const float b0 = (((3.0f - u) * u - 3.0f) * u + 1.0f) / 6.0f;
    const float b1 = ((3.0f * u - 6.0f) * u * u + 4.0f) / 6.0f;
    const float b2 = (((3.0f - 3.0f * u) * u + 3.0f) * u + 1.0f) / 6.0f;
    const float b3 = u * u * u / 6.0f;
    const float* p = points.get() + 3 * size_t(k);
    for (int c = 0; c < 3; ++c) {
        out[c] = b0 * p[c] + b1 * p[3 + c] + b2 * p[6 + c] + b3 * p[9 + c];
    }
}

// Brings t into the curve's parameter range. An open curve is clamped to [0, 1]. A closed
// curve repeats with period 1: values above 1 are reduced into (0, 1], negative values into
// [0, 1). This is the same value that subtracting or adding 1 step by step gives, computed
// in one step so that huge values do not loop for ever; a non-finite t counts as 0.
float CubicSpline::wrapParameter(float t) const {
    if (closed == 0) {
        return t < 0.0f ? 0.0f : (t > 1.0f ? 1.0f : t);
    }
    if (!std::isfinite(t)) {
        return 0.0f;
    }
    if (t > 1.0f) {
        const float wrapped = t - std::floor(t);
        return wrapped == 0.0f ? 1.0f : wrapped; // whole numbers stay at the end, 1
    }
    if (t < 0.0f) {
        return t - std::floor(t);
    }
    return t;
}

namespace {

// Bisection over ascending values[lo .. hi): narrows [lo, hi) until lo is the last entry
// that is not above s (or the first, when all are).
void bisect(const float* values, float s, uint32_t& lo, uint32_t& hi) {
    while (hi - lo > 1) {
        const uint32_t mid = (lo + hi) / 2;
        if (values[mid] > s) {
            hi = mid;
        } else {
            lo = mid;
        }
    }
}

} // namespace

// Finds the segment that holds arc length s and the parameter u within it.
void CubicSpline::findSegment(float s, uint32_t& segment, float& u) const {
    uint32_t lo = 0;
    uint32_t hi = numSearch;
    bisect(segmentStart.get(), s, lo, hi);
    segment = lo;
    s = s - segmentStart[lo];

    if (lo == numSearch - 1) {
        if (closed == 0) {
            u = 0.0f; // the very end of an open curve: row n - 1 is all zero
        } else {
            // Past the last segment of a closed curve (t = 1, or a curve of length 0):
            // take the end of the last segment, which is where the curve closes.
            segment = numPoints - 1;
            u = 1.0f;
        }
        return;
    }

    const float* row = arcTable.get() + kArcRow * size_t(lo);
    uint32_t lo2 = 0;
    uint32_t hi2 = kArcRow;
    bisect(row, s, lo2, hi2);
    if (hi2 == kArcRow) {
        u = 1.0f;
        return;
    }
    const float a = row[lo2];
    const float b = row[hi2];
    if (b - a > 0.0f) {
        u = (float(lo2) + (s - a) / (b - a)) / 32.0f;
    } else {
        u = float(lo2) / 32.0f;
    }
}

void CubicSpline::evaluate(float t, float out[3]) const {
    const float s = wrapParameter(t) * totalLength;
    uint32_t segment = 0;
    float u = 0.0f;
    findSegment(s, segment, u);
    evalSegment(segment, u, out);
}

std::unique_ptr<Spline> CubicSpline::clone() const {
    return std::make_unique<CubicSpline>(numPoints, dataPoints(), closed);
}
