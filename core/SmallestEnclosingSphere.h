#pragma once

#include "core/BoundingSphere.h"

#include <cstdint>
#include <memory>

// The smallest sphere that holds count points (consecutive x, y, z triples), computed in
// single precision by the move-to-front method with pivoting. No points give the sphere
// at the origin with radius 0.
std::unique_ptr<BoundingSphere> smallestEnclosingSphere(const float* points, uint32_t count);
