#include "plugin/PendingFile.h"

#include "core/FileLoaderRegistry.h"
#include "core/NativeFile.h"

#include <orvex_platform/Paths.h>

#include <cstdio>

namespace {

const char kTemporarySuffix[] = ".orvex-partial";
const int kWriteMode = 1;
// Large buffers are written in pieces that a 32-bit count can carry.
const uint64_t kLargestWrite = 1u << 30;

} // namespace

PendingFile::PendingFile(std::string targetPath)
    : target_(std::move(targetPath)), temporary_(target_ + kTemporarySuffix) {}

PendingFile::~PendingFile() {
    file_.reset();
    if (!committed_) {
        std::remove(orvex_platform::nativePath(temporary_.c_str()).c_str());
    }
}

bool PendingFile::adopt(File* file) {
    file_.reset(file); // a file that came back closed is deleted all the same
    if (!file_ || !file_->isOpen()) {
        file_.reset();
        return false;
    }
    return true;
}

bool PendingFile::create() {
    auto file = std::make_unique<NativeFile>();
    if (!file->open(temporary_, kWriteMode)) {
        return false;
    }
    return adopt(file.release());
}

bool PendingFile::createThroughRegistry() {
    return adopt(FileLoaderRegistry::instance().openFile(temporary_, kWriteMode));
}

bool PendingFile::write(const void* bytes, uint64_t size) {
    if (!file_ || failed_) {
        failed_ = true;
        return false;
    }
    const auto* data = static_cast<const uint8_t*>(bytes);
    while (size > 0) {
        uint32_t piece = static_cast<uint32_t>(size < kLargestWrite ? size : kLargestWrite);
        int32_t written = file_->write(data, piece);
        if (written != static_cast<int32_t>(piece)) {
            failed_ = true;
            return false;
        }
        data += piece;
        size -= piece;
    }
    return true;
}

bool PendingFile::close() {
    file_.reset();
    closed_ = true;
    return !failed_;
}

bool PendingFile::commit() {
    if (!closed_ || failed_) {
        return false;
    }
    std::string from = orvex_platform::nativePath(temporary_.c_str());
    std::string to = orvex_platform::nativePath(target_.c_str());
    if (std::rename(from.c_str(), to.c_str()) != 0) {
        return false;
    }
    committed_ = true;
    return true;
}
