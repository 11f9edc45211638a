#include "plugin/ShapesSideFile.h"

#include "core/PathHelpers.h"
#include "plugin/XmlEscape.h"

#include <cstdint>

namespace {

// The first word of every side file, chosen to mark the file as ours ("OX").
const uint16_t kHeaderWord = 0x4F58;
const uint16_t kFormatWord = 2;

void putBigEndian32(uint8_t* out, uint32_t value) {
    out[0] = static_cast<uint8_t>(value >> 24);
    out[1] = static_cast<uint8_t>(value >> 16);
    out[2] = static_cast<uint8_t>(value >> 8);
    out[3] = static_cast<uint8_t>(value);
}

// The registry takes a path as it stands when its second character is ':'
// or it begins with two backslashes; other paths get each loader's base
// directory in front of them.
bool registryCountsAbsolute(const std::string& path) {
    return !path.empty() &&
           ((path.size() > 1 && path[1] == ':') || (path[0] == '\\' && path.size() > 1 && path[1] == '\\'));
}

bool writeRecord(PendingFile& file, const ShapeBlob& blob) {
    uint8_t head[8];
    putBigEndian32(head, static_cast<uint32_t>(blob.kind));
    putBigEndian32(head + 4, blob.size);
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

SideFileResult writeShapesSideFile(PendingFile& file, std::vector<ShapeBlob>& blobs) {
    // A path the registry would put behind a loader's base directory (every
    // POSIX absolute path, or a relative one) is created beside the document
    // under the name the attribute gives.
    bool opened = registryCountsAbsolute(file.targetPath()) ? file.createThroughRegistry() : file.create();
    if (!opened) {
        return SideFileResult::CannotOpen;
    }
    uint8_t header[8] = {static_cast<uint8_t>(kHeaderWord >> 8), static_cast<uint8_t>(kHeaderWord & 0xff),
                         static_cast<uint8_t>(kFormatWord >> 8), static_cast<uint8_t>(kFormatWord & 0xff)};
    putBigEndian32(header + 4, static_cast<uint32_t>(blobs.size()));
    bool ok = file.write(header, sizeof header);
    for (ShapeBlob& blob : blobs) {
        ok = ok && writeRecord(file, blob);
        blob.bytes.reset();
    }
    ok = file.close() && ok;
    return ok ? SideFileResult::Written : SideFileResult::WriteFailed;
}
