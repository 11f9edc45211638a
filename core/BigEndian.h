#pragma once
// Big-endian stores for the shapes side file and its blobs: each writes the
// value at `out` and returns the position after it.

#include <cstdint>

inline uint8_t* putU32(uint8_t* out, uint32_t value) {
    out[0] = static_cast<uint8_t>(value >> 24);
    out[1] = static_cast<uint8_t>(value >> 16);
    out[2] = static_cast<uint8_t>(value >> 8);
    out[3] = static_cast<uint8_t>(value);
    return out + 4;
}

inline uint8_t* putU16(uint8_t* out, uint16_t value) {
    out[0] = static_cast<uint8_t>(value >> 8);
    out[1] = static_cast<uint8_t>(value);
    return out + 2;
}
