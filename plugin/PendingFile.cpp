#include "plugin/PendingFile.h"

#include "core/FileLoaderRegistry.h"
#include "core/NativeFile.h"
#include "plugin/OutputTarget.h"

#include <orvex_platform/Paths.h>

#include <cstdio>
#include <filesystem>
#include <system_error>

namespace {

const char kTemporarySuffix[] = ".orvex-partial";
const int kWriteMode = 1;
// Large buffers are written in pieces that a 32-bit count can carry.
const uint64_t kLargestWrite = 1u << 30;

File* openNative(const std::string& name) {
    auto file = std::make_unique<NativeFile>();
    return file->open(name, kWriteMode) ? file.release() : nullptr;
}

// The new file gets the permissions of the one it replaces, as writing into
// that file would have kept them.
void keepPermissions(const std::string& replaced, const std::string& temporary) {
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::file_status old = fs::status(replaced, error);
    if (!error && fs::exists(old)) {
        fs::permissions(temporary, old.permissions(), error);
    }
}

} // namespace

PendingFile::PendingFile(std::string targetPath) : target_(std::move(targetPath)) {}

PendingFile::~PendingFile() {
    file_.reset();
    // Only a temporary this file created is removed, never what stood in
    // its way.
    if (!temporary_.empty() && !committed_) {
        std::remove(temporary_.c_str());
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

bool PendingFile::open(Route route) {
    const OutputTarget target = examineOutputTarget(orvex_platform::nativePath(target_.c_str()));
    switch (target.kind) {
    case OutputTarget::Kind::Unwritable:
        return false;
    case OutputTarget::Kind::InPlace:
        writtenName_ = target_;
        break;
    case OutputTarget::Kind::Replaceable:
        replaced_ = target.path;
        if (target.followedLink) {
            // Beside the linked file, so that the rename stays on its disk;
            // the name is already the native one.
            writtenName_ = target.path + kTemporarySuffix;
            route = Route::Direct;
        } else {
            writtenName_ = target_ + kTemporarySuffix;
        }
        break;
    }
    File* file = route == Route::Registry ? FileLoaderRegistry::instance().openFile(writtenName_, kWriteMode)
                                          : openNative(writtenName_);
    if (!adopt(file)) {
        return false;
    }
    if (!replaced_.empty()) {
        temporary_ = orvex_platform::nativePath(writtenName_.c_str());
        keepPermissions(replaced_, temporary_);
    }
    return true;
}

bool PendingFile::create() {
    return open(Route::Direct);
}

bool PendingFile::createThroughRegistry() {
    return open(Route::Registry);
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
    if (!replaced_.empty() && std::rename(temporary_.c_str(), replaced_.c_str()) != 0) {
        return false;
    }
    committed_ = true;
    return true;
}
