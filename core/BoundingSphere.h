#pragma once

#include "core/BoundingVolume.h"

// A bounding sphere. A sphere of radius 0 counts as empty when another is merged into it.
class BoundingSphere : public BoundingVolume {
public:
    BoundingSphere() : BoundingVolume(VolumeSphere) {}
    BoundingSphere(const float centre[3], float sphereRadius);

    void copyFrom(const BoundingVolume& other) override;
    void reset() override;
    void merge(const BoundingVolume& other, const float* matrix) override;
    bool overlaps(const BoundingVolume& other) const override;
    bool testWith(VolumeTestTarget& target) const override;
    bool rayHits(const float origin[3], const float direction[3]) const override;
    bool rayIntersect(const float origin[3], const float direction[3], float& t) const override;
    bool contains(const float point[3]) const override;
    float transform(const float matrix[16]) override;
    std::unique_ptr<BoundingVolume> clone() const override;

    // Makes this the smallest sphere holding itself and the sphere (centre, otherRadius).
    void grow(const float centre[3], float otherRadius);

    float center[3] = {0.0f, 0.0f, 0.0f};
    float radius = 0.0f;
};

// The radius of a sphere of radius r after the linear part of matrix is applied: r times
// the length of the longest of the matrix's first three columns. Also stored in result.
float scaleRadiusByMatrix(const float matrix[16], float r, float& result);
