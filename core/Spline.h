#pragma once

#include <cstdint>
#include <memory>

// A curve of the core library, evaluated by normalised arc length.
class Spline {
public:
    Spline() = default;
    Spline(const Spline&) = delete;
    Spline& operator=(const Spline&) = delete;

    // Builds the pad points and the length tables from the control points.
    virtual void compute() = 0;
    virtual ~Spline() = default;
    // Writes the point at parameter t (0 = start, 1 = end of the curve) to out.
    virtual void evaluate(float t, float out[3]) const = 0;
    // A new spline of the same kind and data, owned by the caller.
    virtual std::unique_ptr<Spline> clone() const = 0;

    int32_t closed = 0; // 0 open, 1 closed
    // Arc length from the curve's start to the start of each segment.
    std::unique_ptr<float[]> segmentStart;
    // Control points with their pad points, x, y, z per point.
    std::unique_ptr<float[]> points;
};
