#include "core/BoundingSphere.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

const float kOrigin[3] = {0, 0, 0};

// A volume of the second kind, which answers overlap tests itself.
class OtherVolume : public BoundingSphere {
public:
    explicit OtherVolume(uint32_t type, bool answer) : answer_(answer) { volumeType = type; }
    bool overlaps(const BoundingVolume&) const override { return answer_; }

private:
    bool answer_;
};

class RecordingTarget : public VolumeTestTarget {
public:
    bool testPoint(const float*) override {
        ++pointTests;
        return false;
    }
    bool testSphere(const float center[3], float radius) override {
        seenCenter = center;
        seenRadius = radius;
        return true;
    }
    const float* seenCenter = nullptr;
    float seenRadius = 0.0f;
    int pointTests = 0;
};

void expectSphere(const BoundingSphere& sphere, float x, float y, float z, float radius) {
    EXPECT_FLOAT_EQ(sphere.center[0], x);
    EXPECT_FLOAT_EQ(sphere.center[1], y);
    EXPECT_FLOAT_EQ(sphere.center[2], z);
    EXPECT_FLOAT_EQ(sphere.radius, radius);
}

} // namespace

TEST(BoundingSphere, OverlapCountsTouchingSpheres) {
    const float right[3] = {3, 0, 0};
    const BoundingSphere a(kOrigin, 1.0f);
    EXPECT_TRUE(a.overlaps(BoundingSphere(right, 2.0f)));
    EXPECT_FALSE(a.overlaps(BoundingSphere(right, 1.5f)));
    // The second kind of volume decides for itself; unknown kinds never overlap.
    EXPECT_TRUE(a.overlaps(OtherVolume(VolumeOther, true)));
    EXPECT_FALSE(a.overlaps(OtherVolume(VolumeOther, false)));
    EXPECT_FALSE(a.overlaps(OtherVolume(7, true)));
}

TEST(BoundingSphere, ContainsItsSurface) {
    const BoundingSphere sphere(kOrigin, 2.0f);
    const float surface[3] = {0, 2, 0};
    const float outside[3] = {0, 2.001f, 0};
    EXPECT_TRUE(sphere.contains(surface));
    EXPECT_FALSE(sphere.contains(outside));
}

TEST(BoundingSphere, RayTests) {
    const float centre[3] = {0, 0, 5};
    const BoundingSphere sphere(centre, 1.0f);
    const float forward[3] = {0, 0, 1};
    const float sideways[3] = {1, 0, 0};
    float t = 0.0f;
    EXPECT_TRUE(sphere.rayHits(kOrigin, forward));
    EXPECT_TRUE(sphere.rayIntersect(kOrigin, forward, t));
    EXPECT_FLOAT_EQ(t, 4.0f);
    EXPECT_FALSE(sphere.rayHits(kOrigin, sideways));
    EXPECT_FALSE(sphere.rayIntersect(kOrigin, sideways, t));
    EXPECT_EQ(t, std::numeric_limits<float>::infinity());
    // From the centre the smaller root lies behind the origin.
    EXPECT_TRUE(sphere.rayIntersect(centre, sideways, t));
    EXPECT_FLOAT_EQ(t, -1.0f);
}

TEST(BoundingSphere, GrowCoversBothSpheres) {
    const float far[3] = {4, 0, 0};
    BoundingSphere sphere(kOrigin, 1.0f);
    sphere.grow(far, 1.0f);
    expectSphere(sphere, 2, 0, 0, 3);

    const float inside[3] = {0.5f, 0, 0};
    BoundingSphere big(kOrigin, 3.0f);
    big.grow(inside, 1.0f);
    expectSphere(big, 0, 0, 0, 3);

    BoundingSphere small(inside, 1.0f);
    small.grow(kOrigin, 3.0f);
    expectSphere(small, 0, 0, 0, 3);

    BoundingSphere empty;
    empty.grow(far, 0.5f);
    expectSphere(empty, 4, 0, 0, 0.5f);
}

TEST(BoundingSphere, MergeMapsTheOtherSphereFirst) {
    // Column-major: scale x by 2, translate by (10, 0, 0).
    const float matrix[16] = {2, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 10, 0, 0, 1};
    BoundingSphere sphere;
    sphere.merge(BoundingSphere(kOrigin, 1.0f), matrix);
    expectSphere(sphere, 10, 0, 0, 2);
    sphere.merge(BoundingSphere(kOrigin, 1.0f), nullptr);
    expectSphere(sphere, 5.5f, 0, 0, 6.5f);

    const BoundingSphere before = sphere;
    sphere.merge(OtherVolume(VolumeOther, true), nullptr);
    sphere.copyFrom(OtherVolume(VolumeOther, true));
    expectSphere(sphere, before.center[0], before.center[1], before.center[2], before.radius);
    sphere.copyFrom(BoundingSphere(kOrigin, 9.0f));
    expectSphere(sphere, 0, 0, 0, 9);
    sphere.reset();
    expectSphere(sphere, 0, 0, 0, 0);
}

TEST(BoundingSphere, TransformScalesByTheLongestAxis) {
    const float scale[16] = {2, 0, 0, 0, 0, 3, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
    const float centre[3] = {1, 1, 1};
    BoundingSphere sphere(centre, 1.5f);
    EXPECT_FLOAT_EQ(sphere.transform(scale), 4.5f);
    expectSphere(sphere, 2, 3, 1, 4.5f);

    const float move[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 5, 6, 7, 1};
    EXPECT_FLOAT_EQ(sphere.transform(move), 4.5f);
    expectSphere(sphere, 7, 9, 8, 4.5f);

    float stored = 0.0f;
    EXPECT_FLOAT_EQ(scaleRadiusByMatrix(scale, 2.0f, stored), 6.0f);
    EXPECT_FLOAT_EQ(stored, 6.0f);
}

TEST(BoundingSphere, TestWithHandsOverCentreAndRadius) {
    const float centre[3] = {1, 2, 3};
    const BoundingSphere sphere(centre, 4.0f);
    RecordingTarget target;
    EXPECT_TRUE(sphere.testWith(target));
    EXPECT_EQ(target.seenCenter, sphere.center);
    EXPECT_EQ(target.seenRadius, 4.0f);
    EXPECT_EQ(target.pointTests, 0);
}
