#include "support/SideFileReader.h"

#include <cstring>

namespace orvex_test {

namespace {

// Reads big-endian values from a byte range and remembers the first error.
class Reader {
public:
    Reader(const uint8_t* bytes, size_t size) : p_(bytes), end_(bytes + size) {}

    bool ok() const { return error_.empty(); }
    const std::string& error() const { return error_; }
    size_t left() const { return static_cast<size_t>(end_ - p_); }
    void fail(const std::string& message) {
        if (error_.empty()) {
            error_ = message;
        }
    }

    bool take(size_t count, const char* what) {
        if (!ok()) {
            return false;
        }
        if (left() < count) {
            fail(std::string("truncated at ") + what);
            return false;
        }
        return true;
    }
    uint32_t u32(const char* what) {
        if (!take(4, what)) {
            return 0;
        }
        uint32_t v = uint32_t(p_[0]) << 24 | uint32_t(p_[1]) << 16 | uint32_t(p_[2]) << 8 | p_[3];
        p_ += 4;
        return v;
    }
    uint16_t u16(const char* what) {
        if (!take(2, what)) {
            return 0;
        }
        uint16_t v = static_cast<uint16_t>(p_[0] << 8 | p_[1]);
        p_ += 2;
        return v;
    }
    float f32(const char* what) {
        uint32_t bits = u32(what);
        float f;
        std::memcpy(&f, &bits, 4);
        return f;
    }
    std::vector<float> floats(size_t count, const char* what) {
        std::vector<float> values;
        if (take(4 * count, what)) {
            values.resize(count);
            for (float& f : values) {
                f = f32(what);
            }
        }
        return values;
    }
    std::vector<uint8_t> bytes(size_t count, const char* what) {
        std::vector<uint8_t> values;
        if (take(count, what)) {
            values.assign(p_, p_ + count);
            p_ += count;
        }
        return values;
    }

private:
    const uint8_t* p_;
    const uint8_t* end_;
    std::string error_;
};

void readHeader(Reader& r, ParsedShape& shape) {
    uint32_t length = r.u32("name length");
    std::vector<uint8_t> name = r.bytes(length, "name");
    shape.name.assign(name.begin(), name.end());
    size_t padding = ((length + 3) & ~size_t(3)) - length;
    for (uint8_t b : r.bytes(padding, "name padding")) {
        if (b != 0) {
            r.fail("non-zero name padding");
        }
    }
    shape.shapeId = r.u32("shape id");
}

void readTriangleSet(Reader& r, ParsedTriangleSet& set) {
    set.numIndices = r.u32("index count");
    set.numSubsets = r.u32("subset count");
    set.numVertices = r.u32("vertex count");
    set.flags = r.u32("flags");
    if (!r.take(16 * size_t(set.numSubsets), "subsets")) {
        return;
    }
    for (uint32_t s = 0; s < set.numSubsets; ++s) {
        ParsedSubset subset;
        subset.firstVertex = r.u32("subset");
        subset.numVertices = r.u32("subset");
        subset.firstIndex = r.u32("subset");
        subset.numIndices = r.u32("subset");
        set.subsets.push_back(subset);
    }
    set.wideIndices = set.numVertices > 65536;
    if (!r.take((set.wideIndices ? 4 : 2) * size_t(set.numIndices), "indices")) {
        return;
    }
    for (uint32_t i = 0; i < set.numIndices; ++i) {
        set.indices.push_back(set.wideIndices ? r.u32("indices") : r.u16("indices"));
    }
    if (!set.wideIndices && set.numIndices % 2 == 1 && r.u16("index padding") != 0) {
        r.fail("non-zero index padding");
    }
    const size_t v = set.numVertices;
    set.positions = r.floats(3 * v, "positions");
    if (set.flags & 0x01) {
        set.normals = r.floats(3 * v, "normals");
    }
    for (int k = 0; k < 4; ++k) {
        if (set.flags & (0x02u << k)) {
            set.uv[k] = r.floats(2 * v, "UVs");
        }
    }
    if (set.flags & 0x20) {
        set.colors = r.floats(3 * v, "colours");
    }
    if (set.flags & 0x40) {
        set.skinWeights = r.floats(4 * v, "skin weights");
        set.skinIndices = r.bytes(4 * v, "skin indices");
    }
}

} // namespace

bool parseShapeBlob(uint32_t kind, const uint8_t* bytes, size_t size, ParsedShape& shape,
                    std::string& error) {
    Reader r(bytes, size);
    shape = ParsedShape();
    shape.kind = kind;
    readHeader(r, shape);
    if (kind == 1) {
        for (float& c : shape.center) {
            c = r.f32("sphere");
        }
        shape.radius = r.f32("sphere");
        readTriangleSet(r, shape.set);
        shape.attachments = r.u32("attachment count");
    } else if (kind == 2) {
        shape.closed = r.u32("closed flag");
        uint32_t count = r.u32("point count");
        if (r.take(12 * size_t(count), "points")) {
            shape.points = r.floats(3 * size_t(count), "points");
        }
    } else {
        r.fail("unknown kind " + std::to_string(kind));
    }
    if (r.ok() && r.left() != 0) {
        r.fail(std::to_string(r.left()) + " bytes after the blob");
    }
    error = r.error();
    return r.ok();
}

bool parseSideFile(const std::string& text, ParsedSideFile& file, std::string& error) {
    const auto* bytes = reinterpret_cast<const uint8_t*>(text.data());
    Reader r(bytes, text.size());
    file = ParsedSideFile();
    file.headerWord = r.u16("header word");
    file.formatWord = r.u16("format word");
    uint32_t count = r.u32("record count");
    for (uint32_t i = 0; i < count && r.ok(); ++i) {
        uint32_t kind = r.u32("record kind");
        uint32_t size = r.u32("record size");
        std::vector<uint8_t> blob = r.bytes(size, "record blob");
        if (!r.ok()) {
            break;
        }
        ParsedShape shape;
        std::string blobError;
        if (!parseShapeBlob(kind, blob.data(), blob.size(), shape, blobError)) {
            r.fail("record " + std::to_string(i) + ": " + blobError);
            break;
        }
        file.shapes.push_back(std::move(shape));
    }
    if (r.ok() && r.left() != 0) {
        r.fail(std::to_string(r.left()) + " bytes after the last record");
    }
    error = r.error();
    return r.ok();
}

} // namespace orvex_test
