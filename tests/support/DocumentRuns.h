#pragma once
// Runs of the document writer without a scene: blobs made in the test and a
// document whose output directory has its loader, as the command registers
// it before any pass runs.

#include "plugin/DocumentWriter.h"
#include "shapes/ShapeBlob.h"

#include <cstdint>
#include <string>

namespace orvex_test {

// A blob of `size` bytes, each `fill`.
ShapeBlob makeBlob(int32_t kind, uint32_t size, uint8_t fill);

// A document for the path with an empty Scene section; registers the loader
// for its directory.
ExportDocument documentAt(const std::string& path);

} // namespace orvex_test
