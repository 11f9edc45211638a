#pragma once
// How the host evaluates an animation curve: the tangent of every key from
// its type and its neighbours, each segment between two keys as a cubic
// through those tangents, and the curve before its first and after its last
// key by its infinity settings.

#include <maya/MFnAnimCurve.h>

#include <cstddef>

namespace orvex_host {

// One key as evaluation sees it.
struct CurveKey {
    double time = 0.0;  // milliseconds
    double value = 0.0; // internal units
    // Never kTangentGlobal: the caller resolves it to the curve's type.
    MFnAnimCurve::TangentType inType = MFnAnimCurve::kTangentClamped;
    MFnAnimCurve::TangentType outType = MFnAnimCurve::kTangentClamped;
    // The stored tangent directions, used by fixed tangents only: x in
    // seconds, y in internal units per that x. Both point forward in time.
    double inX = 1.0, inY = 0.0, outX = 1.0, outY = 0.0;
};

// The keys of one curve in ascending time, read one at a time so that an
// evaluation touches only the keys around the time it asks for.
class CurveKeys {
public:
    virtual ~CurveKeys() = default;
    virtual size_t size() const = 0;
    virtual CurveKey at(size_t index) const = 0;
};

struct CurveSettings {
    // Weighted curves evaluate each segment as a Bezier curve whose handles
    // are the tangents (their length counts); unweighted ones as a Hermite
    // cubic (only the slopes count).
    bool weighted = true;
    MFnAnimCurve::InfinityType preInfinity = MFnAnimCurve::kConstant;
    MFnAnimCurve::InfinityType postInfinity = MFnAnimCurve::kConstant;
};

// A tangent as a direction: x milliseconds forward, y value units.
struct TangentVector {
    double x = 1.0;
    double y = 0.0;
    // Value units per millisecond; a vertical tangent counts as flat.
    double slope() const { return x != 0.0 ? y / x : 0.0; }
};

// The in-tangent (`in` true) or out-tangent of key `index`.
TangentVector keyTangent(const CurveKeys& keys, size_t index, bool in);

// The curve's value at `time` (milliseconds); the keys must not be empty.
double evaluateCurve(const CurveKeys& keys, const CurveSettings& settings, double time);

} // namespace orvex_host
