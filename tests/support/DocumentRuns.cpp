#include "support/DocumentRuns.h"

#include "plugin/OutputDirectory.h"

#include <cstring>

namespace orvex_test {

ShapeBlob makeBlob(int32_t kind, uint32_t size, uint8_t fill) {
    ShapeBlob blob;
    blob.kind = kind;
    blob.size = size;
    blob.bytes.reset(new uint8_t[size]);
    std::memset(blob.bytes.get(), fill, size);
    return blob;
}

ExportDocument documentAt(const std::string& path) {
    registerOutputDirectoryLoader(path);
    ExportDocument document;
    document.outputPath = path;
    document.scene = "  <Scene>\n  </Scene>\n";
    return document;
}

} // namespace orvex_test
