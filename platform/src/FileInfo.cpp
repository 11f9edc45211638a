#include "FileInfo.h"
#include "FaultState.h"

#include <algorithm>
#include <cstdint>

namespace orvex_platform::detail {

FILETIME fileTimeOf(const timespec& time) {
    // Seconds from 1601-01-01 to the POSIX epoch, 1970-01-01.
    constexpr std::int64_t secondsFrom1601To1970 = 11644473600;
    constexpr std::int64_t unitsPerSecond = 10000000;
    constexpr std::int64_t latestSeconds = INT64_MAX / unitsPerSecond - secondsFrom1601To1970 - 1;
    // Times before 1601 do not exist for Windows, and times past the year
    // 30000 do not fit; show them as the nearest time that does.
    const std::int64_t seconds = std::clamp<std::int64_t>(time.tv_sec, -secondsFrom1601To1970, latestSeconds);
    const std::int64_t units =
        (seconds + secondsFrom1601To1970) * unitsPerSecond + static_cast<std::int64_t>(time.tv_nsec) / 100;
    const std::uint64_t value = static_cast<std::uint64_t>(units);
    return FILETIME{static_cast<DWORD>(value & 0xFFFFFFFFu), static_cast<DWORD>(value >> 32)};
}

DWORD attributesOf(const struct stat& info) {
    DWORD attributes = FILE_ATTRIBUTE_NORMAL;
    if (S_ISDIR(info.st_mode)) {
        attributes = FILE_ATTRIBUTE_DIRECTORY;
    } else if (!S_ISREG(info.st_mode)) {
        attributes = FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_DEVICE;
    }
    const DWORD extra = extraAttributes(info.st_dev, info.st_ino);
    // Windows reports FILE_ATTRIBUTE_NORMAL only when no other attribute is set.
    if (extra != 0 && attributes == FILE_ATTRIBUTE_NORMAL) {
        attributes = 0;
    }
    return attributes | extra;
}

} // namespace orvex_platform::detail
