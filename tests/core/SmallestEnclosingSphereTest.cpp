#include "core/SmallestEnclosingSphere.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <optional>
#include <random>
#include <vector>

namespace {

using Vec = std::array<double, 3>;

struct Ball {
    Vec centre;
    double radius;
};

double distance(const Vec& a, const Vec& b) {
    return std::sqrt((a[0] - b[0]) * (a[0] - b[0]) + (a[1] - b[1]) * (a[1] - b[1]) +
                     (a[2] - b[2]) * (a[2] - b[2]));
}

// The smallest sphere with all of `support` on its surface (centre in their affine hull),
// in double precision; none when the points are degenerate.
std::optional<Ball> circumsphere(const std::vector<Vec>& support) {
    const Vec& q = support[0];
    const size_t k = support.size() - 1;
    if (k == 0) {
        return Ball{q, 0.0};
    }
    // Centre = q + sum a_i v_i with 2 v_j . (sum a_i v_i) = |v_j|^2.
    double m[3][4] = {};
    std::vector<Vec> v(k);
    for (size_t i = 0; i < k; ++i) {
        for (int c = 0; c < 3; ++c) {
            v[i][c] = support[i + 1][c] - q[c];
        }
    }
    for (size_t j = 0; j < k; ++j) {
        for (size_t i = 0; i < k; ++i) {
            m[j][i] = 2 * (v[j][0] * v[i][0] + v[j][1] * v[i][1] + v[j][2] * v[i][2]);
        }
        m[j][k] = v[j][0] * v[j][0] + v[j][1] * v[j][1] + v[j][2] * v[j][2];
    }
    for (size_t col = 0; col < k; ++col) {
        size_t pivot = col;
        for (size_t r = col + 1; r < k; ++r) {
            if (std::fabs(m[r][col]) > std::fabs(m[pivot][col])) {
                pivot = r;
            }
        }
        if (std::fabs(m[pivot][col]) < 1e-9) {
            return std::nullopt;
        }
        std::swap(m[col], m[pivot]);
        for (size_t r = 0; r < k; ++r) {
            if (r != col) {
                const double f = m[r][col] / m[col][col];
                for (size_t c = col; c <= k; ++c) {
                    m[r][c] -= f * m[col][c];
                }
            }
        }
    }
    Vec centre = q;
    for (size_t i = 0; i < k; ++i) {
        const double a = m[i][k] / m[i][i];
        for (int c = 0; c < 3; ++c) {
            centre[c] += a * v[i][c];
        }
    }
    return Ball{centre, distance(centre, q)};
}

// The smallest enclosing sphere by trying every support set of up to four points.
double bruteForceRadius(const std::vector<Vec>& points) {
    double best = INFINITY;
    const size_t n = points.size();
    auto consider = [&](const std::vector<Vec>& support) {
        const auto ball = circumsphere(support);
        if (!ball || ball->radius >= best) {
            return;
        }
        for (const Vec& p : points) {
            if (distance(p, ball->centre) > ball->radius * (1 + 1e-9) + 1e-9) {
                return;
            }
        }
        best = ball->radius;
    };
    for (size_t a = 0; a < n; ++a) {
        consider({points[a]});
        for (size_t b = a + 1; b < n; ++b) {
            consider({points[a], points[b]});
            for (size_t c = b + 1; c < n; ++c) {
                consider({points[a], points[b], points[c]});
                for (size_t d = c + 1; d < n; ++d) {
                    consider({points[a], points[b], points[c], points[d]});
                }
            }
        }
    }
    return best;
}

std::unique_ptr<BoundingSphere> sphereOf(const std::vector<float>& coordinates) {
    return smallestEnclosingSphere(coordinates.data(), uint32_t(coordinates.size() / 3));
}

} // namespace

TEST(SmallestEnclosingSphere, NoPointsGivesTheEmptySphereAtTheOrigin) {
    const auto sphere = smallestEnclosingSphere(nullptr, 0);
    EXPECT_EQ(sphere->center[0], 0.0f);
    EXPECT_EQ(sphere->center[1], 0.0f);
    EXPECT_EQ(sphere->center[2], 0.0f);
    EXPECT_EQ(sphere->radius, 0.0f);
}

TEST(SmallestEnclosingSphere, OnePointOrCopiesOfIt) {
    for (int copies : {1, 2, 5}) {
        std::vector<float> points;
        for (int i = 0; i < copies; ++i) {
            points.insert(points.end(), {1.5f, -2, 7});
        }
        const auto sphere = sphereOf(points);
        EXPECT_EQ(sphere->center[0], 1.5f);
        EXPECT_EQ(sphere->center[1], -2.0f);
        EXPECT_EQ(sphere->center[2], 7.0f);
        EXPECT_EQ(sphere->radius, 0.0f);
    }
}

TEST(SmallestEnclosingSphere, TwoPointsGiveTheirMidpoint) {
    const auto sphere = sphereOf({1, 1, 1, 5, 4, 1});
    EXPECT_FLOAT_EQ(sphere->center[0], 3.0f);
    EXPECT_FLOAT_EQ(sphere->center[1], 2.5f);
    EXPECT_FLOAT_EQ(sphere->center[2], 1.0f);
    EXPECT_FLOAT_EQ(sphere->radius, 2.5f);
}

TEST(SmallestEnclosingSphere, ThreePoints) {
    // An obtuse triangle is bounded by the sphere over its longest edge.
    const auto obtuse = sphereOf({-2, 0, 0, 2, 0, 0, 0, 0.5f, 0});
    EXPECT_NEAR(obtuse->center[0], 0.0f, 1e-6f);
    EXPECT_NEAR(obtuse->center[1], 0.0f, 1e-6f);
    EXPECT_FLOAT_EQ(obtuse->radius, 2.0f);
    // An equilateral one by its circumcircle.
    const float h = std::sqrt(3.0f);
    const auto equilateral = sphereOf({-1, 0, 0, 1, 0, 0, 0, h, 0});
    EXPECT_NEAR(equilateral->center[1], h / 3, 1e-6f);
    EXPECT_NEAR(equilateral->radius, 2 * h / 3, 1e-6f);
}

TEST(SmallestEnclosingSphere, TetrahedronAndPointsInside) {
    std::vector<float> points = {1, 1, 1, 1, -1, -1, -1, 1, -1, -1, -1, 1};
    const auto tetrahedron = sphereOf(points);
    EXPECT_NEAR(tetrahedron->center[0], 0.0f, 1e-6f);
    EXPECT_NEAR(tetrahedron->center[1], 0.0f, 1e-6f);
    EXPECT_NEAR(tetrahedron->center[2], 0.0f, 1e-6f);
    EXPECT_NEAR(tetrahedron->radius, std::sqrt(3.0f), 1e-6f);
    // Points inside, before and after, change nothing.
    points.insert(points.begin(), {0.1f, 0.2f, -0.3f, 0.5f, 0.5f, 0.5f});
    points.insert(points.end(), {-0.4f, 0.0f, 0.9f});
    EXPECT_NEAR(sphereOf(points)->radius, std::sqrt(3.0f), 1e-6f);
}

TEST(SmallestEnclosingSphere, MatchesBruteForceOnRandomSets) {
    std::mt19937 random(2024);
    std::uniform_real_distribution<float> coordinate(-10.0f, 10.0f);
    for (int trial = 0; trial < 60; ++trial) {
        const int count = 2 + trial % 11;
        std::vector<float> points;
        std::vector<Vec> exact;
        for (int i = 0; i < count; ++i) {
            const float p[3] = {coordinate(random), coordinate(random),
                                trial % 3 == 0 ? 0.0f : coordinate(random)};
            points.insert(points.end(), p, p + 3);
            exact.push_back({p[0], p[1], p[2]});
        }
        const auto sphere = sphereOf(points);
        const double expected = bruteForceRadius(exact);
        EXPECT_NEAR(sphere->radius, expected, 1e-4 * expected) << "trial " << trial;
        const Vec centre = {sphere->center[0], sphere->center[1], sphere->center[2]};
        for (const Vec& p : exact) {
            EXPECT_LE(distance(p, centre), sphere->radius * (1 + 1e-4)) << "trial " << trial;
        }
    }
}

TEST(SmallestEnclosingSphere, HoldsEveryPointOfALargeSet) {
    std::mt19937 random(99);
    std::normal_distribution<float> gauss(5.0f, 3.0f);
    std::vector<float> points(3 * 20000);
    for (float& c : points) {
        c = gauss(random);
    }
    const auto sphere = sphereOf(points);
    const Vec centre = {sphere->center[0], sphere->center[1], sphere->center[2]};
    double farthest = 0.0;
    for (size_t i = 0; i < points.size(); i += 3) {
        farthest = std::max(farthest, distance({points[i], points[i + 1], points[i + 2]}, centre));
    }
    EXPECT_LE(farthest, sphere->radius * (1 + 1e-4));
    EXPECT_GE(farthest, sphere->radius * (1 - 1e-4)); // and it is tight
}

TEST(SmallestEnclosingSphere, HoldsEveryPointOfCoSphericalSets) {
    // Points on one sphere in general position: single precision alone can stop with
    // points far outside. Each set must be held, and tightly.
    std::mt19937 random(7);
    std::normal_distribution<float> gauss(0.0f, 1.0f);
    for (int trial = 0; trial < 400; ++trial) {
        const Vec centre = {trial % 5 - 2.0, 0.5 * (trial % 3), 1.0};
        const double scale = trial % 2 == 0 ? 1.0 : 37.5;
        const int count = trial < 100 ? 12 : 20;
        std::vector<float> points;
        for (int i = 0; i < count; ++i) {
            const double d[3] = {gauss(random), gauss(random), gauss(random)};
            const double length = std::sqrt(d[0] * d[0] + d[1] * d[1] + d[2] * d[2]);
            for (int c = 0; c < 3; ++c) {
                points.push_back(float(centre[c] + scale * d[c] / length));
            }
        }
        const auto sphere = sphereOf(points);
        const Vec found = {sphere->center[0], sphere->center[1], sphere->center[2]};
        for (size_t i = 0; i < points.size(); i += 3) {
            ASSERT_LE(distance({points[i], points[i + 1], points[i + 2]}, found), sphere->radius * (1 + 1e-6))
                << "trial " << trial << ", point " << i / 3;
        }
        EXPECT_LE(sphere->radius, scale * (1 + 1e-5)) << "trial " << trial;
    }
}
