#include "core/CubicSpline.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <stdexcept>
#include <vector>

namespace {

struct Point {
    float x, y, z;
};

Point at(const CubicSpline& spline, float t) {
    float out[3];
    spline.evaluate(t, out);
    return {out[0], out[1], out[2]};
}

void expectNear(const Point& actual, const Point& expected, float tolerance = 1e-5f) {
    EXPECT_NEAR(actual.x, expected.x, tolerance);
    EXPECT_NEAR(actual.y, expected.y, tolerance);
    EXPECT_NEAR(actual.z, expected.z, tolerance);
}

void expectSame(const Point& actual, const Point& expected) {
    EXPECT_EQ(actual.x, expected.x);
    EXPECT_EQ(actual.y, expected.y);
    EXPECT_EQ(actual.z, expected.z);
}

const std::vector<float> kSquare = {0, 0, 0, 4, 0, 0, 4, 4, 0, 0, 4, 0, 0, 2, 3};

} // namespace

TEST(CubicSpline, OpenTwoPointsRunsFromFirstToLast) {
    const float points[] = {1, 2, 3, 4, 6, 3};
    const CubicSpline spline(2, points, 0);
    EXPECT_EQ(spline.leadPad, 1u);
    EXPECT_EQ(spline.tailPad, 2u);
    EXPECT_EQ(spline.numSearch, 2u);
    EXPECT_NEAR(spline.totalLength, 5.0f, 1e-5f);
    expectNear(at(spline, 0.0f), {1, 2, 3});
    expectNear(at(spline, 1.0f), {4, 6, 3});
    expectNear(at(spline, 0.5f), {2.5f, 4, 3});
    // Outside [0, 1] an open spline stays at its ends.
    expectSame(at(spline, -3.0f), at(spline, 0.0f));
    expectSame(at(spline, 7.0f), at(spline, 1.0f));
}

TEST(CubicSpline, EvaluatesByArcLength) {
    // Collinear points, unevenly spaced: the curve is still traversed at constant speed.
    const float points[] = {0, 0, 0, 1, 0, 0, 2, 0, 0, 3, 0, 0, 7, 0, 0};
    const CubicSpline spline(5, points, 0);
    for (float t = 0.0f; t <= 1.0f; t += 0.125f) {
        EXPECT_NEAR(at(spline, t).x, t * spline.totalLength, 2e-3f) << "t = " << t;
    }
    EXPECT_NEAR(spline.totalLength, 7.0f, 1e-4f);
}

TEST(CubicSpline, OnePointGivesTwoThirdsOfItEverywhere) {
    const float point[] = {3, -6, 1.5f};
    const CubicSpline open(1, point, 0);
    EXPECT_EQ(open.totalLength, 0.0f);
    for (float t : {0.0f, 0.3f, 1.0f, -2.0f}) {
        expectNear(at(open, t), {2, -4, 1});
    }
    // A closed curve of one point has a segment of its own; it must evaluate in bounds.
    const CubicSpline closed(1, point, 1);
    for (float t : {0.0f, 0.5f, 1.0f, 3.0f}) {
        const Point p = at(closed, t);
        EXPECT_TRUE(std::isfinite(p.x) && std::isfinite(p.y) && std::isfinite(p.z));
    }
}

TEST(CubicSpline, ClosedWrapsAroundWithPeriodOne) {
    const CubicSpline spline(5, kSquare.data(), 1);
    EXPECT_EQ(spline.numSearch, 6u);
    // At t = 0 the curve is at (last + 4 x first + second) / 6.
    expectNear(at(spline, 0.0f), {(0 + 0 + 4) / 6.0f, (2 + 0 + 0) / 6.0f, (3 + 0 + 0) / 6.0f});
    expectSame(at(spline, 1.25f), at(spline, 0.25f));
    expectSame(at(spline, 3.25f), at(spline, 0.25f));
    expectSame(at(spline, -0.25f), at(spline, 0.75f));
    expectSame(at(spline, -2.75f), at(spline, 0.25f));
}

TEST(CubicSpline, ClosedEndStaysInsideTheLastSegment) {
    // t = 1 searches past the last segment: it must give the closing point, not read past
    // the tables (the sanitizers watch this).
    const CubicSpline spline(5, kSquare.data(), 1);
    expectNear(at(spline, 1.0f), at(spline, 0.0f), 1e-4f);
    expectSame(at(spline, 2.0f), at(spline, 1.0f));
    // A closed curve of length 0 lands there for every t.
    const float origin[9] = {};
    const CubicSpline degenerate(3, origin, 1);
    EXPECT_EQ(degenerate.totalLength, 0.0f);
    expectSame(at(degenerate, 0.4f), {0, 0, 0});
}

TEST(CubicSpline, ClosedIgnoresParametersThatCannotBeWrapped) {
    // Huge and non-finite parameters must neither loop for ever nor leave the curve.
    const CubicSpline spline(5, kSquare.data(), 1);
    const Point start = at(spline, 0.0f);
    expectSame(at(spline, std::numeric_limits<float>::quiet_NaN()), start);
    expectSame(at(spline, std::numeric_limits<float>::infinity()), start);
    expectSame(at(spline, -std::numeric_limits<float>::infinity()), start);
    expectSame(at(spline, 1e30f), at(spline, 1.0f));
    expectSame(at(spline, -1e30f), start);
}

TEST(CubicSpline, CloneCopiesTheCurve) {
    const CubicSpline spline(5, kSquare.data(), 1);
    const std::unique_ptr<Spline> copy = spline.clone();
    const auto& clone = dynamic_cast<const CubicSpline&>(*copy);
    EXPECT_EQ(clone.closed, 1);
    EXPECT_EQ(clone.numPoints, 5u);
    EXPECT_EQ(clone.totalLength, spline.totalLength);
    for (uint32_t i = 0; i <= spline.numPoints; ++i) {
        EXPECT_EQ(clone.segmentStart[i], spline.segmentStart[i]);
    }
    for (uint32_t i = 0; i < 3 * (spline.numPoints + 3); ++i) {
        EXPECT_EQ(clone.points[i], spline.points[i]);
    }
    expectSame(at(clone, 0.6f), at(spline, 0.6f));
}

TEST(CubicSpline, RefusesAnEmptyPointList) {
    const float none[3] = {};
    EXPECT_THROW(CubicSpline(0, none, 1), std::invalid_argument);
}
