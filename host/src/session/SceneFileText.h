#pragma once
// The whole text of a scene file, for the reader to work on in place.

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

namespace orvex_host {

// Where the system maps files into memory, the file's pages are mapped read-only: a scene
// of hundreds of megabytes then costs neither a copy nor as much fresh memory, whose pages
// the system would have to hand out one by one. Elsewhere, or when mapping fails, the file
// is read into a buffer of its size. Either way a zero byte follows the text.
class SceneFileText {
public:
    SceneFileText() = default;
    ~SceneFileText();
    SceneFileText(const SceneFileText&) = delete;
    SceneFileText& operator=(const SceneFileText&) = delete;

    // False with `error` naming the file when it is missing, not a regular file, too big
    // or unreadable.
    bool open(const std::string& path, std::string& error);
    std::string_view text() const { return {data_, size_}; }

private:
    bool map(int fd, size_t size);

    std::unique_ptr<char[]> buffer_; // the text when it was read rather than mapped
    void* mapping_ = nullptr;
    size_t mappingSize_ = 0;
    const char* data_ = "";
    size_t size_ = 0;
};

} // namespace orvex_host
