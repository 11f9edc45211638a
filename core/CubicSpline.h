#pragma once

#include "core/Spline.h"

#include <cstdint>
#include <memory>

// A uniform cubic B-spline over 3D control points, open or closed.
//
// `points` holds numPoints + 3 triples: a leading pad point, the data points and two
// trailing pad points; segment k is shaped by triples k to k + 3. `arcTable` holds, per
// segment, the arc length at 33 evenly spaced parameter values, so that the curve can be
// evaluated by arc length.
class CubicSpline : public Spline {
public:
    static constexpr uint32_t kArcSteps = 32;          // chord steps per segment
    static constexpr uint32_t kArcRow = kArcSteps + 1; // entries per arcTable row

    // Copies count data points (x, y, z each) from data. Throws std::invalid_argument
    // when count is 0: a spline needs at least one point.
    CubicSpline(uint32_t count, const float* data, int32_t closedFlag);

    void compute() override;
    void evaluate(float t, float out[3]) const override;
    std::unique_ptr<Spline> clone() const override;

    // Fills row k of arcTable and returns the length of segment k.
    float segmentLength(uint32_t k);
    // The point of segment k at parameter u in [0, 1].
    void evalSegment(uint32_t k, float u, float out[3]) const;

    // The first data point (numPoints triples follow).
    const float* dataPoints() const { return points.get() + 3 * leadPad; }

    uint32_t leadPad = 1;
    uint32_t tailPad = 2;
    uint32_t numPoints = 0;
    float totalLength = 0.0f;
    uint32_t numSearch = 0; // entries of segmentStart that evaluate searches
    std::unique_ptr<float[]> arcTable;

private:
    float wrapParameter(float t) const;
    void findSegment(float s, uint32_t& segment, float& u) const;
};
