// Evaluation of an animation curve between and beyond its keys.
//
// Between two keys the left key's out-tangent decides: a stepped one holds
// the left key's value, "step next" takes the right key's value, and any
// other kind gives a cubic through the left key's out-tangent and the right
// key's in-tangent: a Hermite cubic on unweighted curves, a Bezier curve with
// handles a third of each tangent long on weighted ones. Before the first and
// after the last key the curve follows its pre- and post-infinity: constant
// (the end key's value), linear (along the end key's outer tangent), cycle
// (the curve repeated), cycle with offset (repeated, each repetition shifted
// by the difference between the last and first values) or oscillate
// (repeated forwards and backwards in turn).

#include "types/AnimCurveEvaluation.h"

#include <algorithm>
#include <cmath>

namespace orvex_host {

namespace {

// Hermite cubic in the time since the segment's start, with the end slopes
// m0 and m1 (value units per millisecond).
double hermite(const CurveKey& a, double m0, const CurveKey& b, double m1, double time) {
    const double span = b.time - a.time;
    const double rise = b.value - a.value;
    const double c3 = (span * (m0 + m1) - 2.0 * rise) / (span * span * span);
    const double c2 = (3.0 * rise - span * (2.0 * m0 + m1)) / (span * span);
    const double u = time - a.time;
    return ((c3 * u + c2) * u + m0) * u + a.value;
}

double bernstein(double p0, double p1, double p2, double p3, double u) {
    const double v = 1.0 - u;
    return v * v * v * p0 + 3.0 * v * v * u * p1 + 3.0 * v * u * u * p2 + u * u * u * p3;
}

// A handle (offset from its key, time part `dx` as a fraction of the
// segment) shortened along its own direction until it ends inside the
// segment's time span, which keeps the curve's time monotonic.
void keepInside(double& dx, double& dy) {
    if (dx > 1.0) {
        dy /= dx;
        dx = 1.0;
    } else if (dx < 0.0) {
        dx = 0.0;
        dy = 0.0;
    }
}

// The Bezier parameter at which the curve's time reaches `s` (a fraction of
// the segment): X(u) rises monotonically from 0 to 1.
double bezierParameter(double x1, double x2, double s) {
    // Handles at a third and two thirds make X(u) = u, as they are for
    // every computed tangent.
    if (std::fabs(x1 - 1.0 / 3.0) <= 1e-6 && std::fabs(x2 - 2.0 / 3.0) <= 1e-6) {
        return s;
    }
    double low = 0.0, high = 1.0;
    for (int i = 0; i < 64 && low < high; ++i) {
        const double mid = 0.5 * (low + high);
        (bernstein(0.0, x1, x2, 1.0, mid) < s ? low : high) = mid;
    }
    return 0.5 * (low + high);
}

double bezier(const CurveKey& a, TangentVector out, const CurveKey& b, TangentVector in, double time) {
    const double span = b.time - a.time;
    // Handles: a + out/3 and b - in/3, their time parts as fractions of the
    // segment.
    double outX = out.x / (3.0 * span), outY = out.y / 3.0;
    double inX = in.x / (3.0 * span), inY = in.y / 3.0;
    keepInside(outX, outY);
    keepInside(inX, inY);
    const double u = bezierParameter(outX, 1.0 - inX, (time - a.time) / span);
    return bernstein(a.value, a.value + outY, b.value - inY, b.value, u);
}

double segment(const CurveKeys& keys, const CurveSettings& settings, size_t left, double time) {
    const CurveKey a = keys.at(left);
    const CurveKey b = keys.at(left + 1);
    if (a.outType == MFnAnimCurve::kTangentStep) {
        return a.value;
    }
    if (a.outType == MFnAnimCurve::kTangentStepNext) {
        return b.value;
    }
    const TangentVector out = keyTangent(keys, left, false);
    const TangentVector in = keyTangent(keys, left + 1, true);
    return settings.weighted ? bezier(a, out, b, in, time) : hermite(a, out.slope(), b, in.slope(), time);
}

// The value at a time within the keys' span.
double within(const CurveKeys& keys, const CurveSettings& settings, double time) {
    // The last key not later than `time`: among keys at one time, the last.
    size_t low = 0, high = keys.size();
    while (high - low > 1) {
        const size_t mid = low + (high - low) / 2;
        (keys.at(mid).time <= time ? low : high) = mid;
    }
    const CurveKey left = keys.at(low);
    if (left.time >= time || low + 1 == keys.size()) {
        return left.value;
    }
    return segment(keys, settings, low, time);
}

// Beyond an end: `distance` (> 0) from the end key, `pre` for the time
// before the first key.
double beyond(const CurveKeys& keys, const CurveSettings& settings, bool pre, double distance) {
    const CurveKey first = keys.at(0);
    const CurveKey last = keys.at(keys.size() - 1);
    const MFnAnimCurve::InfinityType mode = pre ? settings.preInfinity : settings.postInfinity;
    const double period = last.time - first.time;
    if (mode == MFnAnimCurve::kLinear) {
        const double slope = keyTangent(keys, pre ? 0 : keys.size() - 1, pre).slope();
        return pre ? first.value - distance * slope : last.value + distance * slope;
    }
    if (mode == MFnAnimCurve::kConstant || !(period > 0.0)) {
        return pre ? first.value : last.value;
    }
    // Whole periods past the end, and how far into the next one.
    const double whole = std::floor(distance / period);
    const double rest = std::min(std::max(distance - whole * period, 0.0), period);
    const double cycles = whole + 1.0;
    // An oscillation runs backwards in its odd repetitions, counted away
    // from the keys.
    const bool backwards = mode == MFnAnimCurve::kOscillate && std::fmod(cycles, 2.0) != 0.0;
    const bool fromFirst = pre ? backwards : !backwards;
    double value = within(keys, settings, fromFirst ? first.time + rest : last.time - rest);
    if (mode == MFnAnimCurve::kCycleRelative) {
        value += (pre ? -cycles : cycles) * (last.value - first.value);
    }
    return value;
}

} // namespace

double evaluateCurve(const CurveKeys& keys, const CurveSettings& settings, double time) {
    const double first = keys.at(0).time;
    const double last = keys.at(keys.size() - 1).time;
    if (time < first) {
        return beyond(keys, settings, true, first - time);
    }
    if (time > last) {
        return beyond(keys, settings, false, time - last);
    }
    return within(keys, settings, time);
}

} // namespace orvex_host
