#pragma once
// The whole text of a scene file, for the reader to work on in place.

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

namespace orvex_host {

// The file is read in one piece into a buffer of its size, followed by a zero byte; the
// buffer is not zero-filled first and, where the system has them, sits on large pages.
class SceneFileText {
public:
    // False with `error` naming the file when it is missing, not a regular file, too big
    // or unreadable.
    bool open(const std::string& path, std::string& error);
    std::string_view text() const { return {buffer_ ? buffer_.get() : "", size_}; }

private:
    std::unique_ptr<char[]> buffer_;
    size_t size_ = 0;
};

} // namespace orvex_host
