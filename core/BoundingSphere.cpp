#include "core/BoundingSphere.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

float squaredDistance(const float a[3], const float b[3]) {
    const float dx = a[0] - b[0];
    const float dy = a[1] - b[1];
    const float dz = a[2] - b[2];
    return dx * dx + dy * dy + dz * dz;
}

// b and c of the ray-sphere equation t^2 + 2bt + c = 0 for a unit direction.
void rayTerms(const float center[3], float radius, const float origin[3], const float direction[3], float& b,
              float& c) {
    const float d[3] = {origin[0] - center[0], origin[1] - center[1], origin[2] - center[2]};
    b = d[0] * direction[0] + d[1] * direction[1] + d[2] * direction[2];
    c = d[0] * d[0] + d[1] * d[1] + d[2] * d[2] - radius * radius;
}

// Maps point p through matrix m, translation included; out may be p.
void transformPoint(const float m[16], const float p[3], float out[3]) {
    const float x = m[0] * p[0] + m[4] * p[1] + m[8] * p[2] + m[12];
    const float y = m[1] * p[0] + m[5] * p[1] + m[9] * p[2] + m[13];
    const float z = m[2] * p[0] + m[6] * p[1] + m[10] * p[2] + m[14];
    out[0] = x;
    out[1] = y;
    out[2] = z;
}

} // namespace

float scaleRadiusByMatrix(const float m[16], float r, float& result) {
    float largest = 0.0f;
    for (int axis = 0; axis < 3; ++axis) {
        const float v[3] = {axis == 0 ? r : 0.0f, axis == 1 ? r : 0.0f, axis == 2 ? r : 0.0f};
        const float x = m[0] * v[0] + m[4] * v[1] + m[8] * v[2];
        const float y = m[1] * v[0] + m[5] * v[1] + m[9] * v[2];
        const float z = m[2] * v[0] + m[6] * v[1] + m[10] * v[2];
        const float lengthSquared = x * x + y * y + z * z;
        if (axis == 0 || lengthSquared > largest) {
            largest = lengthSquared;
        }
    }
    result = std::sqrt(largest);
    return result;
}

BoundingSphere::BoundingSphere(const float centre[3], float sphereRadius) : BoundingVolume(VolumeSphere) {
    std::copy(centre, centre + 3, center);
    radius = sphereRadius;
}

void BoundingSphere::copyFrom(const BoundingVolume& other) {
    if (other.volumeType != VolumeSphere) {
        return;
    }
    const auto& sphere = static_cast<const BoundingSphere&>(other);
    std::copy(sphere.center, sphere.center + 3, center);
    radius = sphere.radius;
}

void BoundingSphere::reset() {
    std::fill(center, center + 3, 0.0f);
    radius = 0.0f;
}

void BoundingSphere::merge(const BoundingVolume& other, const float* matrix) {
    if (other.volumeType != VolumeSphere) {
        return;
    }
    const auto& sphere = static_cast<const BoundingSphere&>(other);
    float centre[3] = {sphere.center[0], sphere.center[1], sphere.center[2]};
    float otherRadius = sphere.radius;
    if (matrix != nullptr) {
        transformPoint(matrix, sphere.center, centre);
        scaleRadiusByMatrix(matrix, sphere.radius, otherRadius);
    }
    grow(centre, otherRadius);
}

bool BoundingSphere::overlaps(const BoundingVolume& other) const {
    if (other.volumeType == VolumeSphere) {
        const auto& sphere = static_cast<const BoundingSphere&>(other);
        const float reach = sphere.radius + radius;
        return reach * reach >= squaredDistance(center, sphere.center);
    }
    if (other.volumeType == VolumeOther) {
        return other.overlaps(*this);
    }
    return false;
}

bool BoundingSphere::testWith(VolumeTestTarget& target) const {
    return target.testSphere(center, radius);
}

bool BoundingSphere::rayHits(const float origin[3], const float direction[3]) const {
    float b = 0.0f;
    float c = 0.0f;
    rayTerms(center, radius, origin, direction, b, c);
    return b * b - c >= 0.0f;
}

bool BoundingSphere::rayIntersect(const float origin[3], const float direction[3], float& t) const {
    float b = 0.0f;
    float c = 0.0f;
    rayTerms(center, radius, origin, direction, b, c);
    const float discriminant = b * b - c;
    if (discriminant >= 0.0f) {
        t = -b - std::sqrt(discriminant);
        return true;
    }
    t = std::numeric_limits<float>::infinity();
    return false;
}

bool BoundingSphere::contains(const float point[3]) const {
    return radius * radius >= squaredDistance(point, center);
}

float BoundingSphere::transform(const float matrix[16]) {
    transformPoint(matrix, center, center);
    return scaleRadiusByMatrix(matrix, radius, radius);
}

std::unique_ptr<BoundingVolume> BoundingSphere::clone() const {
    return std::make_unique<BoundingSphere>(center, radius);
}

void BoundingSphere::grow(const float p[3], float x) {
    const float r = radius;
    if (r == 0.0f) {
        std::copy(p, p + 3, center);
        radius = x;
        return;
    }
    const float d[3] = {center[0] - p[0], center[1] - p[1], center[2] - p[2]};
    const float distSquared = d[0] * d[0] + d[1] * d[1] + d[2] * d[2];
    const float gap = r - x;
    if (distSquared > gap * gap) {
        // Neither sphere holds the other: the new sphere touches both far sides.
        const float dist = std::sqrt(distSquared);
        const float e = (r + dist - x) / (2.0f * dist);
        for (int c = 0; c < 3; ++c) {
            center[c] = p[c] + d[c] * e;
        }
        radius = (dist + r + x) * 0.5f;
    } else if (gap < 0.0f) {
        std::copy(p, p + 3, center);
        radius = x;
    }
}
