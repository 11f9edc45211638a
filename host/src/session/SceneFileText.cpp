#include "session/SceneFileText.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <system_error>

#ifdef __linux__
#include <sys/mman.h>
#endif

namespace orvex_host {

namespace {

// Asks for large pages under a big buffer before it is first written. Every fresh page costs
// the system a fault when it is first touched; a scene of 150 MB in 4 KB pages takes 37,000
// of them, in 2 MB pages 75. Only advice: without it the buffer is as good.
void adviseLargePages(char* buffer, size_t size) {
#ifdef __linux__
    constexpr uintptr_t kPage = 4096;
    const uintptr_t begin = (reinterpret_cast<uintptr_t>(buffer) + kPage - 1) & ~(kPage - 1);
    const uintptr_t end = (reinterpret_cast<uintptr_t>(buffer) + size) & ~(kPage - 1);
    if (end > begin) {
        madvise(reinterpret_cast<void*>(begin), end - begin, MADV_HUGEPAGE);
    }
#else
    (void)buffer;
    (void)size;
#endif
}

} // namespace

bool SceneFileText::open(const std::string& path, std::string& error) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) {
        error = path + ": " + (std::filesystem::exists(path, ec) ? "not a scene file" : "no such scene file");
        return false;
    }
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
    adviseLargePages(buffer_.get(), static_cast<size_t>(size) + 1);
    buffer_[static_cast<size_t>(size)] = '\0';
    if (!in.read(buffer_.get(), static_cast<std::streamsize>(size)) ||
        in.gcount() != static_cast<std::streamsize>(size)) {
        error = path + ": cannot read the scene file";
        return false;
    }
    size_ = static_cast<size_t>(size);
    return true;
}

} // namespace orvex_host
