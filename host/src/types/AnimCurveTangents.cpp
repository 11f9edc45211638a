// The tangent of a key, computed from its type and its neighbours as the host
// computes it.
//
//   fixed         the direction the file stores (.kix .kiy / .kox .koy)
//   linear        towards the neighbouring key on that side
//   flat, step,   level
//   step next
//   spline        parallel to the line through both neighbours (slow and
//                 fast, obsolete kinds, count as spline)
//   clamped       spline, except that the side facing a neighbour of (very
//                 nearly) the same value is linear, so that the segment
//                 between two such keys is straight and does not overshoot
//   plateau,      spline, but level at a local minimum or maximum and at the
//   auto          first and last key, and never so steep that the segment
//                 would leave the range of its two keys
//
// A key with a neighbour on one side only takes that side's segment where
// the rule needs both (spline, and linear on the missing side): the curve
// leaves its end keys in the direction of the end segments, so that linear
// infinity extends them.
//
// The length of a computed tangent, which only weighted curves use, is the
// length in time of its side's segment (the other side's at an end key): its
// Bezier handle then lies a third of the way along the segment.

#include "types/AnimCurveEvaluation.h"

#include <algorithm>
#include <cmath>

namespace orvex_host {

namespace {

// Two values count as "very nearly the same" for clamped tangents when they
// differ by no more than this (in internal units). The host documents the
// rule but not its tolerance; this is the tolerance its evaluation has been
// seen to use.
constexpr double kClampedTolerance = 0.05;

double secant(const CurveKey& a, const CurveKey& b) {
    const double span = b.time - a.time;
    return span > 0.0 ? (b.value - a.value) / span : 0.0;
}

// The keys around one key and the slopes of the segments beside it.
struct Neighbourhood {
    CurveKey key;
    CurveKey prev, next;
    bool hasPrev = false, hasNext = false;

    double inSecant() const { return hasPrev ? secant(prev, key) : hasNext ? secant(key, next) : 0.0; }
    double outSecant() const { return hasNext ? secant(key, next) : hasPrev ? secant(prev, key) : 0.0; }
    double spline() const {
        return hasPrev && hasNext ? secant(prev, next) : hasPrev ? inSecant() : outSecant();
    }
    // The time span of the segment on one side, or of the other side's at
    // an end key; 1 ms for a lone key, whose tangent only gives a slope.
    double span(bool in) const {
        if (hasPrev && (in || !hasNext)) {
            return key.time - prev.time;
        }
        return hasNext ? next.time - key.time : 1.0;
    }
};

Neighbourhood around(const CurveKeys& keys, size_t index) {
    Neighbourhood n;
    n.key = keys.at(index);
    n.hasPrev = index > 0;
    n.hasNext = index + 1 < keys.size();
    if (n.hasPrev) {
        n.prev = keys.at(index - 1);
    }
    if (n.hasNext) {
        n.next = keys.at(index + 1);
    }
    return n;
}

double clampedSlope(const Neighbourhood& n, bool in) {
    const bool close = in ? n.hasPrev && std::fabs(n.prev.value - n.key.value) <= kClampedTolerance
                          : n.hasNext && std::fabs(n.next.value - n.key.value) <= kClampedTolerance;
    return close ? (in ? n.inSecant() : n.outSecant()) : n.spline();
}

// The spline slope, made level at extremes and ends and limited to three
// times each neighbouring segment's slope: a Hermite segment whose end
// slopes stay within that limit keeps between its two values.
double plateauSlope(const Neighbourhood& n) {
    if (!n.hasPrev || !n.hasNext) {
        return 0.0;
    }
    const double target = n.spline();
    const double before = 3.0 * secant(n.prev, n.key);
    const double after = 3.0 * secant(n.key, n.next);
    const bool rising = after >= 0.0;
    if ((before >= 0.0) != rising || (target >= 0.0) != rising) {
        return 0.0;
    }
    return rising ? std::min({target, before, after}) : std::max({target, before, after});
}

double computedSlope(const Neighbourhood& n, MFnAnimCurve::TangentType type, bool in) {
    switch (type) {
    case MFnAnimCurve::kTangentLinear:
        return in ? n.inSecant() : n.outSecant();
    case MFnAnimCurve::kTangentFlat:
    case MFnAnimCurve::kTangentStep:
    case MFnAnimCurve::kTangentStepNext:
        return 0.0;
    case MFnAnimCurve::kTangentClamped:
        return clampedSlope(n, in);
    case MFnAnimCurve::kTangentPlateau:
    case MFnAnimCurve::kTangentAuto:
        return plateauSlope(n);
    default: // spline, slow, fast
        return n.spline();
    }
}

} // namespace

TangentVector keyTangent(const CurveKeys& keys, size_t index, bool in) {
    const Neighbourhood n = around(keys, index);
    const MFnAnimCurve::TangentType type = in ? n.key.inType : n.key.outType;
    if (type == MFnAnimCurve::kTangentFixed) {
        // Stored x is in seconds.
        return in ? TangentVector{n.key.inX * 1000.0, n.key.inY}
                  : TangentVector{n.key.outX * 1000.0, n.key.outY};
    }
    const double span = n.span(in);
    return {span, computedSlope(n, type, in) * span};
}

} // namespace orvex_host
