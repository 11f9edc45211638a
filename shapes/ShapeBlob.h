#pragma once
// One serialised shape: its kind (1 mesh, 2 NURBS curve) and the big-endian
// blob. The record owns its buffer.

#include <cstdint>
#include <memory>

struct ShapeBlob {
    int32_t kind = 0;
    std::unique_ptr<uint8_t[]> bytes;
    uint32_t size = 0;
};
