#pragma once

#include "core/CubicSpline.h"
#include "core/TriangleSet.h"

#include <cstdint>
#include <memory>
#include <string>

// Writers of the big-endian mesh and curve blobs of the shapes side file. Every blob starts
// with a header: u32 name length, the name's bytes, zero padding to a multiple of 4 and the
// u32 shape id.

// Kinds returned by the serialisers and recorded in the side file; 0 means "not written".
enum ShapeBlobKind : int32_t {
    ShapeBlobNone = 0,
    ShapeBlobMesh = 1,
    ShapeBlobCurve = 2,
};

// Writes the header's length, name bytes and id at out, which must be zero-filled (the
// padding is not written), and returns the position just past the id.
uint8_t* writeShapeBlobHeader(const std::string& name, uint32_t shapeId, uint8_t* out);

// Size in bytes of the triangle-set blob of set. Computed in 64 bits: a set large enough
// gives a size that does not fit the blob's 32-bit size fields.
uint64_t triangleSetBlobSize(const IndexedTriangleSet& set);

// Writes the triangle-set blob of set at out and returns the position just past it.
uint8_t* writeTriangleSetBlob(const IndexedTriangleSet& set, uint8_t* out);

// Serialises a mesh: header, bounding sphere, triangle-set blob and a zero attachment
// count. Returns ShapeBlobMesh with the new buffer and its size. When the blob would be
// larger than 4,294,967,295 bytes nothing is allocated: it returns ShapeBlobNone with an
// empty buffer and size 0, and the caller reports the shape as too large.
int serializeMeshShape(const std::string& name, uint32_t shapeId, const float centre[3], float radius,
                       const IndexedTriangleSet& set, std::unique_ptr<uint8_t[]>& buffer, uint32_t& size);

// Serialises a curve: header, the spline's closed flag, its point count and its data points.
// Returns ShapeBlobCurve, or ShapeBlobNone as above when the blob would not fit in 32 bits.
int serializeCurveShape(const std::string& name, uint32_t shapeId, const CubicSpline& spline,
                        std::unique_ptr<uint8_t[]>& buffer, uint32_t& size);
