#include "plugin/ShapesSideFile.h"

#include "core/BigEndian.h"
#include "core/PathHelpers.h"
#include "export/XmlEscape.h"

#include <cstdint>

namespace {

// The first word of every side file, chosen to mark the file as ours ("OX").
const uint16_t kHeaderWord = 0x4F58;
const uint16_t kFormatWord = 2;

bool writeRecord(PendingFile& file, const ShapeBlob& blob) {
    uint8_t head[8];
    putU32(head, static_cast<uint32_t>(blob.kind));
    putU32(head + 4, blob.size);
    return file.write(head, sizeof head) && file.write(blob.bytes.get(), blob.size);
}

} // namespace

std::string sideFilePath(const std::string& documentPath) {
    return documentPath + ".shapes";
}

std::string shapesFileAttribute(const std::string& sidePath) {
    std::string name;
    fileNameOf(sidePath, name);
    return " externalShapesFile=\"" + escapeAttribute(name) + "\"";
}

bool writeShapesSideFile(PendingFile& file, std::vector<ShapeBlob>& blobs) {
    uint8_t header[8];
    putU32(putU16(putU16(header, kHeaderWord), kFormatWord), static_cast<uint32_t>(blobs.size()));
    bool ok = file.write(header, sizeof header);
    for (ShapeBlob& blob : blobs) {
        ok = ok && writeRecord(file, blob);
        blob.bytes.reset();
    }
    return file.close() && ok;
}
