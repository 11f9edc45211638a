#include "plugin/OutputTarget.h"

#include "plugin/FileErrorText.h"

#include <vector>
#include <windows.h>

namespace {

// Opens what a name leads to only to look at it: no access is asked for, so
// neither a pipe nor a device is really opened.
UniqueHandle openForQuery(const std::string& path) {
    return adoptHandle(CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                   nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
}

bool finalPathOf(void* handle, std::string& path) {
    std::vector<char> buffer(MAX_PATH);
    DWORD length = GetFinalPathNameByHandleA(handle, buffer.data(), static_cast<DWORD>(buffer.size()),
                                             FILE_NAME_NORMALIZED);
    if (length >= buffer.size()) {
        buffer.resize(length);
        length = GetFinalPathNameByHandleA(handle, buffer.data(), static_cast<DWORD>(buffer.size()),
                                           FILE_NAME_NORMALIZED);
    }
    if (length == 0 || length >= buffer.size()) {
        return false;
    }
    path.assign(buffer.data(), length);
    return true;
}

// Opening the existing file for writing, without changing it, tells whether
// the export may replace it.
bool canOpenForWriting(const std::string& path) {
    return adoptHandle(CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                   OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)) != nullptr;
}

} // namespace

OutputTarget::OutputTarget(std::string path) : path_(std::move(path)), replacedName_(path_) {}

OutputTarget::~OutputTarget() = default;

bool OutputTarget::examine(std::string& failure) {
    query_ = openForQuery(path_);
    if (query_) {
        exists_ = true;
        return examineExisting(failure);
    }
    const DWORD error = GetLastError();
    if (error != ERROR_FILE_NOT_FOUND) {
        failure = fileErrorText(error);
        return false;
    }
    // Nothing to open, but a link may stand at the name.
    if (GetFileAttributesA(path_.c_str()) != INVALID_FILE_ATTRIBUTES) {
        failure = "it is a link to a file that does not exist";
        return false;
    }
    return true;
}

bool OutputTarget::examineExisting(std::string& failure) {
    BY_HANDLE_FILE_INFORMATION info{};
    if (!GetFileInformationByHandle(query_.get(), &info) || !finalPathOf(query_.get(), replacedName_)) {
        failure = fileErrorText(GetLastError());
        return false;
    }
    if ((info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        failure = "it is a directory";
        return false;
    }
    if ((info.dwFileAttributes & FILE_ATTRIBUTE_DEVICE) != 0) {
        failure = "it is not a regular file (a device, pipe or socket)";
        return false;
    }
    volume_ = info.dwVolumeSerialNumber;
    index_ = static_cast<uint64_t>(info.nFileIndexHigh) << 32 | info.nFileIndexLow;
    if (!canOpenForWriting(replacedName_)) {
        failure = fileErrorText(GetLastError());
        return false;
    }
    return true;
}

bool OutputTarget::isSameFileAs(const OutputTarget& other) const {
    return exists_ && other.exists_ && volume_ == other.volume_ && index_ == other.index_;
}
