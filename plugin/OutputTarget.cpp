#include "plugin/OutputTarget.h"

#include <filesystem>
#include <system_error>
#include <windows.h>

namespace fs = std::filesystem;

namespace {

// More links than this in a row are taken for a loop; opening fails then.
const int kMostLinks = 40;

// Opens the existing file for writing without truncating it, to learn
// whether the export may change it.
bool canOpenForWriting(const std::string& path) {
    HANDLE handle = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        return false;
    }
    CloseHandle(handle);
    return true;
}

} // namespace

OutputTarget examineOutputTarget(const std::string& nativePath) {
    OutputTarget target;
    fs::path path(nativePath);
    std::error_code error;
    for (int hop = 0; hop < kMostLinks && fs::is_symlink(fs::symlink_status(path, error)); ++hop) {
        const fs::path next = fs::read_symlink(path, error);
        if (error) {
            break;
        }
        path = next.is_absolute() ? next : path.parent_path() / next;
        target.followedLink = true;
    }
    target.path = path.string();
    switch (fs::symlink_status(path, error).type()) {
    case fs::file_type::not_found:
        target.kind = OutputTarget::Kind::Replaceable;
        break;
    case fs::file_type::regular:
        target.kind =
            canOpenForWriting(target.path) ? OutputTarget::Kind::Replaceable : OutputTarget::Kind::Unwritable;
        break;
    default:
        target.kind = OutputTarget::Kind::InPlace;
        break;
    }
    return target;
}
