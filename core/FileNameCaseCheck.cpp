#include "core/FileNameCaseCheck.h"

#include "core/ProcessLog.h"

#include <algorithm>
#include <windows.h>

namespace {

// Leading parts longer than this are cut before they are looked up.
constexpr std::size_t longestLookup = MAX_PATH - 1;

bool isSeparator(char c) {
    return c == '/' || c == '\\';
}

std::size_t nextSeparator(const std::string& name, std::size_t from) {
    const std::size_t found = name.find_first_of("/\\", from);
    return found == std::string::npos ? name.size() : found;
}

// Where the lookups begin: after a drive prefix such as "D:", which is never
// looked up itself; npos when the name is only a drive prefix.
std::size_t checkStart(const std::string& name) {
    const bool hasDrive = name.size() >= 2 && name[1] == ':' && !isSeparator(name[0]);
    if (!hasDrive) {
        return 0;
    }
    return name.find_first_of("/\\");
}

// A part that ends in a ".." component names a parent; its spelling on disk
// is not the spelling in the name.
bool endsInParent(const std::string& part) {
    const std::size_t length = part.size();
    return length >= 2 && part.compare(length - 2, 2, "..") == 0 &&
           (length == 2 || isSeparator(part[length - 3]));
}

std::string lastComponent(const std::string& part) {
    const std::size_t separator = part.find_last_of("/\\");
    return separator == std::string::npos ? part : part.substr(separator + 1);
}

// Whether the part exists on disk under another spelling.
bool differsOnDisk(const std::string& part) {
    WIN32_FIND_DATAA found{};
    const HANDLE search = FindFirstFileA(part.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) {
        return false;
    }
    const bool differs = lastComponent(part) != found.cFileName;
    FindClose(search);
    return differs;
}

} // namespace

void warnOnCaseMismatch(const std::string& name) {
    std::size_t position = checkStart(name);
    while (position < name.size()) {
        position = nextSeparator(name, position + 1);
        const std::string part = name.substr(0, std::min(position, longestLookup));
        if (endsInParent(part) || !differsOnDisk(part)) {
            continue;
        }
        ProcessLog& log = ProcessLog::instance();
        log.write("Warning: Loading file with invalid case: ");
        log.write(name);
        log.write("\n");
        return;
    }
}
