#pragma once

#include <cstdint>
#include <memory>

// One serialised shape for the shapes side file: its kind (ShapeBlobKind), the big-endian
// blob and its size in bytes. The blob owns its buffer.
struct ShapeBlob {
    int32_t kind = 0;
    std::unique_ptr<uint8_t[]> bytes;
    uint32_t size = 0;
};
