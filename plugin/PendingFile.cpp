#include "plugin/PendingFile.h"

#include <cstdio>
#include <fstream>

namespace {

const char kTemporarySuffix[] = ".orvex-partial";

} // namespace

std::string nativeFileName(const std::string& path) {
    std::string name = path;
    for (char& c : name) {
        if (c == '\\') {
            c = '/';
        }
    }
    return name;
}

PendingFile::PendingFile(std::string targetPath)
    : target_(std::move(targetPath)), temporary_(target_ + kTemporarySuffix) {}

PendingFile::~PendingFile() {
    if (!committed_) {
        std::remove(temporaryNativePath().c_str());
    }
}

std::string PendingFile::temporaryNativePath() const {
    return nativeFileName(temporary_);
}

bool PendingFile::create() {
    std::ofstream out(temporaryNativePath(), std::ios::binary | std::ios::trunc);
    return static_cast<bool>(out);
}

bool PendingFile::writeAndClose(const std::string& bytes) {
    std::ofstream out(temporaryNativePath(), std::ios::binary | std::ios::trunc);
    if (!out) {
        return false;
    }
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.flush();
    bool ok = static_cast<bool>(out);
    out.close();
    written_ = ok && !out.fail();
    return written_;
}

bool PendingFile::commit() {
    if (!written_) {
        return false;
    }
    if (std::rename(temporaryNativePath().c_str(), nativeFileName(target_).c_str()) != 0) {
        return false;
    }
    committed_ = true;
    return true;
}
