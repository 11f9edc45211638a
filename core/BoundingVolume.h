#pragma once

#include <cstdint>
#include <memory>

// Something outside the core library that can test itself against a bounding sphere
// (BoundingVolume::testWith hands it the sphere). Nothing in the exporter implements it.
// The operations keep this order: code built elsewhere against the interface finds the
// sphere test as the third operation, after the destructor and the point test.
class VolumeTestTarget {
public:
    virtual ~VolumeTestTarget() = default;
    virtual bool testPoint(const float point[3]) = 0;
    virtual bool testSphere(const float center[3], float radius) = 0;
};

// Volume kinds stored in BoundingVolume::volumeType.
enum BoundingVolumeType : uint32_t {
    VolumeSphere = 0,
    VolumeOther = 1, // a second kind, to which a sphere hands the overlap test
};

// A bounding volume. Points, directions and centres are 3 consecutive floats; a matrix is
// 16 floats stored column by column (elements 3, 7, 11 and 15 are not read).
class BoundingVolume {
public:
    explicit BoundingVolume(uint32_t type) : volumeType(type) {}
    BoundingVolume(const BoundingVolume&) = default;
    BoundingVolume& operator=(const BoundingVolume&) = default;

    virtual ~BoundingVolume() = default;
    virtual void copyFrom(const BoundingVolume& other) = 0;
    virtual void reset() = 0;
    // Grows this volume to hold other, first mapped through matrix when it is not null.
    virtual void merge(const BoundingVolume& other, const float* matrix) = 0;
    virtual bool overlaps(const BoundingVolume& other) const = 0;
    virtual bool testWith(VolumeTestTarget& target) const = 0;
    // Ray tests; the direction must be of unit length.
    virtual bool rayHits(const float origin[3], const float direction[3]) const = 0;
    virtual bool rayIntersect(const float origin[3], const float direction[3], float& t) const = 0;
    virtual bool contains(const float point[3]) const = 0;
    // Applies matrix to the volume and returns its new radius.
    virtual float transform(const float matrix[16]) = 0;
    virtual std::unique_ptr<BoundingVolume> clone() const = 0;

    uint32_t volumeType;
};
