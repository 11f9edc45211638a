#include "FaultState.h"

#include <cerrno>
#include <cstring>
#include <orvex_platform/Paths.h>
#include <unistd.h>

namespace orvex_platform {

char* currentDirectory(char* buffer, std::size_t size) {
    if (detail::workingDirectoryFails()) {
        errno = ENOENT;
        return nullptr;
    }
    const std::optional<std::string> text = detail::workingDirectoryOverride();
    if (!text) {
        return ::getcwd(buffer, size);
    }
    if (buffer == nullptr || text->size() >= size) {
        errno = buffer == nullptr ? EINVAL : ERANGE;
        return nullptr;
    }
    std::memcpy(buffer, text->c_str(), text->size() + 1);
    return buffer;
}

} // namespace orvex_platform
