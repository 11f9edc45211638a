#include "session/SceneFileText.h"

#include <filesystem>
#include <fstream>
#include <system_error>

#if defined(__unix__) || defined(__APPLE__)
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>
#define ORVEX_MAP_SCENE_FILES 1
#endif

namespace orvex_host {

SceneFileText::~SceneFileText() {
#ifdef ORVEX_MAP_SCENE_FILES
    if (mapping_ != nullptr) {
        munmap(mapping_, mappingSize_);
    }
#endif
}

#ifdef ORVEX_MAP_SCENE_FILES
// The file's pages, then at least one zero byte: the bytes of its last page past its end
// are zero, and when it fills that page the anonymous page reserved after it follows.
bool SceneFileText::map(int fd, size_t size) {
    const auto page = static_cast<size_t>(sysconf(_SC_PAGESIZE));
    const size_t fileSpan = (size + page - 1) / page * page;
    void* region = mmap(nullptr, fileSpan + page, PROT_READ, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (region == MAP_FAILED) {
        return false;
    }
    int flags = MAP_PRIVATE | MAP_FIXED;
#ifdef MAP_POPULATE
    flags |= MAP_POPULATE; // every page at once rather than a fault per page
#endif
    if (mmap(region, size, PROT_READ, flags, fd, 0) == MAP_FAILED) {
        munmap(region, fileSpan + page);
        return false;
    }
    mapping_ = region;
    mappingSize_ = fileSpan + page;
    data_ = static_cast<const char*>(region);
    size_ = size;
    return true;
}
#endif

bool SceneFileText::open(const std::string& path, std::string& error) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) {
        error = path + ": " + (std::filesystem::exists(path, ec) ? "not a scene file" : "no such scene file");
        return false;
    }
#ifdef ORVEX_MAP_SCENE_FILES
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd >= 0) {
        struct stat info {};
        const bool mapped = fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_size > 0 &&
                            map(fd, static_cast<size_t>(info.st_size));
        close(fd);
        if (mapped) {
            return true;
        }
    }
#endif
    std::ifstream in(path, std::ios::binary);
    auto size = std::filesystem::file_size(path, ec);
    if (!in || ec) {
        error = path + ": cannot open the scene file";
        return false;
    }
    try {
        // Not zero-filled first: every byte but the closing zero is read over at once.
        buffer_.reset(new char[static_cast<size_t>(size) + 1]);
    } catch (const std::exception&) {
        error = path + ": the scene file is too big to read";
        return false;
    }
    buffer_[static_cast<size_t>(size)] = '\0';
    if (!in.read(buffer_.get(), static_cast<std::streamsize>(size)) ||
        in.gcount() != static_cast<std::streamsize>(size)) {
        error = path + ": cannot read the scene file";
        return false;
    }
    data_ = buffer_.get();
    size_ = static_cast<size_t>(size);
    return true;
}

} // namespace orvex_host
