#include "FaultState.h"
#include "NameLookup.h"

#include <map>
#include <mutex>
#include <orvex_platform/Faults.h>
#include <sys/stat.h>
#include <utility>

namespace orvex_platform {
namespace {

struct Switches {
    std::optional<DWORD> nextReadError;
    DWORD writeError = 0;
    std::map<std::string, DWORD> moveErrors;
    std::map<std::pair<dev_t, ino_t>, DWORD> attributes;
    std::optional<std::string> workingDirectory;
    bool workingDirectoryFails = false;
};

// The switches are read from any thread that uses the stand-in.
std::mutex switchesMutex;
Switches switches;

} // namespace

void failNextRead(DWORD error) {
    const std::lock_guard<std::mutex> lock(switchesMutex);
    switches.nextReadError = error;
}

void failWrites(DWORD error) {
    const std::lock_guard<std::mutex> lock(switchesMutex);
    switches.writeError = error;
}

void failMovesOnto(const char* name, DWORD error) {
    const std::string target = nativePath(name);
    const std::lock_guard<std::mutex> lock(switchesMutex);
    switches.moveErrors[target] = error;
}

bool addFileAttributes(const char* name, DWORD attributes) {
    struct stat info {};
    if (::stat(nativePath(name).c_str(), &info) != 0) {
        return false;
    }
    const std::lock_guard<std::mutex> lock(switchesMutex);
    switches.attributes[{info.st_dev, info.st_ino}] |= attributes;
    return true;
}

void overrideWorkingDirectory(const std::string& text) {
    const std::lock_guard<std::mutex> lock(switchesMutex);
    switches.workingDirectory = text;
}

void failWorkingDirectory(bool fail) {
    const std::lock_guard<std::mutex> lock(switchesMutex);
    switches.workingDirectoryFails = fail;
}

void clearFaults() {
    const std::lock_guard<std::mutex> lock(switchesMutex);
    switches = Switches{};
}

namespace detail {

std::optional<DWORD> takeReadFault() {
    const std::lock_guard<std::mutex> lock(switchesMutex);
    return std::exchange(switches.nextReadError, std::nullopt);
}

DWORD writeFault() {
    const std::lock_guard<std::mutex> lock(switchesMutex);
    return switches.writeError;
}

DWORD moveFault(const std::string& nativeTarget) {
    const std::lock_guard<std::mutex> lock(switchesMutex);
    const auto it = switches.moveErrors.find(nativeTarget);
    return it == switches.moveErrors.end() ? 0 : it->second;
}

DWORD extraAttributes(dev_t device, ino_t inode) {
    const std::lock_guard<std::mutex> lock(switchesMutex);
    const auto it = switches.attributes.find({device, inode});
    return it == switches.attributes.end() ? 0 : it->second;
}

std::optional<std::string> workingDirectoryOverride() {
    const std::lock_guard<std::mutex> lock(switchesMutex);
    return switches.workingDirectory;
}

bool workingDirectoryFails() {
    const std::lock_guard<std::mutex> lock(switchesMutex);
    return switches.workingDirectoryFails;
}

} // namespace detail
} // namespace orvex_platform
