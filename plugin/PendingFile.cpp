#include "plugin/PendingFile.h"

#include "core/FileLoaderRegistry.h"
#include "core/IFileErrorListener.h"
#include "plugin/FileErrorText.h"

#include <atomic>
#include <windows.h>

namespace {

// Large buffers are written in pieces that a 32-bit count can carry.
const uint64_t kLargestWrite = 1u << 30;
// Names tried for one temporary before giving up on a temporary.
const int kTemporaryNameTries = 100;

// A name beside `name` that no other run of this or another process picks:
// the process id and a number counted up within the process.
std::string uniqueNameBeside(const std::string& name, const char* kind) {
    static std::atomic<unsigned> counter{0};
    return name + ".orvex-" + kind + "-" + std::to_string(GetCurrentProcessId()) + "-" +
           std::to_string(++counter);
}

} // namespace

PendingFile::PendingFile(std::string targetPath) : target_(std::move(targetPath)) {}

PendingFile::~PendingFile() {
    handle_.reset();
    // Only names this file created are removed, never what stood in their way.
    if (!temporary_.empty() && !committed_) {
        DeleteFileA(temporary_.c_str());
    }
    if (!previous_.empty()) {
        DeleteFileA(previous_.c_str());
    }
}

bool PendingFile::open(const std::string& name, uint32_t disposition) {
    handle_ = adoptHandle(CreateFileA(name.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, disposition,
                                      FILE_ATTRIBUTE_NORMAL, target_.templateHandle()));
    return handle_ != nullptr;
}

bool PendingFile::createTemporary() {
    for (int attempt = 0; attempt < kTemporaryNameTries; ++attempt) {
        const std::string name = uniqueNameBeside(target_.replacedName(), "partial");
        // Created new, never through anything (a link included) at the name.
        if (open(name, CREATE_NEW)) {
            temporary_ = name;
            return true;
        }
        if (GetLastError() != ERROR_FILE_EXISTS) {
            return false;
        }
    }
    return false;
}

bool PendingFile::create() {
    if (createTemporary()) {
        return true;
    }
    // A folder that takes no new file, or a name with no room for the
    // temporary's longer one: write the target itself.
    if (open(target_.replacedName(), CREATE_ALWAYS)) {
        return true;
    }
    failure_ = fileErrorText(GetLastError());
    return false;
}

bool PendingFile::write(const void* bytes, uint64_t size) {
    if (!handle_ || failed_) {
        failed_ = true;
        return false;
    }
    const auto* data = static_cast<const uint8_t*>(bytes);
    while (size > 0) {
        const DWORD piece = static_cast<DWORD>(size < kLargestWrite ? size : kLargestWrite);
        DWORD written = 0;
        if (!WriteFile(handle_.get(), data, piece, &written, nullptr) || written != piece) {
            const DWORD error = GetLastError();
            failure_ = fileErrorText(error);
            if (error == ERROR_DISK_FULL) {
                FileLoaderRegistry::instance().notifyError(
                    temporary_.empty() ? target_.replacedName() : temporary_, IFileErrorListener::diskFull);
            }
            failed_ = true;
            return false;
        }
        data += piece;
        size -= piece;
    }
    return true;
}

bool PendingFile::close() {
    handle_.reset();
    closed_ = true;
    return !failed_;
}

void PendingFile::keepPrevious() {
    if (temporary_.empty() || !target_.exists()) {
        return;
    }
    for (int attempt = 0; attempt < kTemporaryNameTries; ++attempt) {
        const std::string name = uniqueNameBeside(target_.replacedName(), "previous");
        if (CreateHardLinkA(name.c_str(), target_.replacedName().c_str(), nullptr)) {
            previous_ = name;
            return;
        }
        if (GetLastError() != ERROR_ALREADY_EXISTS) {
            return; // no second name here: the commit cannot be undone
        }
    }
}

bool PendingFile::commit() {
    if (!closed_ || failed_) {
        return false;
    }
    if (!temporary_.empty() &&
        !MoveFileExA(temporary_.c_str(), target_.replacedName().c_str(), MOVEFILE_REPLACE_EXISTING)) {
        failure_ = fileErrorText(GetLastError());
        return false;
    }
    committed_ = true;
    return true;
}

bool PendingFile::rollBack() {
    if (!committed_ || temporary_.empty()) {
        return false;
    }
    if (!previous_.empty()) {
        if (!MoveFileExA(previous_.c_str(), target_.replacedName().c_str(), MOVEFILE_REPLACE_EXISTING)) {
            return false;
        }
        previous_.clear();
        return true;
    }
    return !target_.exists() && DeleteFileA(target_.replacedName().c_str());
}
