#include "NameLookup.h"

#include <algorithm>
#include <dirent.h>
#include <memory>
#include <sys/stat.h>

namespace orvex_platform {
namespace detail {
namespace {

char lowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool equalIgnoringCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](char x, char y) { return lowerAscii(x) == lowerAscii(y); });
}

bool exists(const std::string& path) {
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0;
}

// A component that names itself or its parent has no spelling to look up.
bool isSpecialComponent(const std::string& component) {
    return component.empty() || component == "." || component == "..";
}

} // namespace

std::string withForwardSlashes(const char* name) {
    std::string text = name == nullptr ? std::string() : std::string(name);
    std::replace(text.begin(), text.end(), '\\', '/');
    return text;
}

std::vector<std::string> sortedEntries(const std::string& directory) {
    std::vector<std::string> names;
    const std::unique_ptr<DIR, int (*)(DIR*)> stream(::opendir(directory.empty() ? "." : directory.c_str()),
                                                     &::closedir);
    if (!stream) {
        return names;
    }
    while (const dirent* entry = ::readdir(stream.get())) {
        const std::string name = entry->d_name;
        if (name != "." && name != "..") {
            names.push_back(name);
        }
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::optional<std::string> entryIgnoringCase(const std::string& directory, const std::string& name) {
    for (const std::string& entry : sortedEntries(directory)) {
        if (equalIgnoringCase(entry, name)) {
            return entry;
        }
    }
    return std::nullopt;
}

bool matchesWildcard(const std::string& pattern, const std::string& name) {
    // Greedy matching with one backtrack point: the last '*' seen.
    std::size_t p = 0;
    std::size_t n = 0;
    std::size_t starPattern = std::string::npos;
    std::size_t starName = 0;
    while (n < name.size()) {
        if (p < pattern.size() && (pattern[p] == '?' || lowerAscii(pattern[p]) == lowerAscii(name[n]))) {
            ++p;
            ++n;
        } else if (p < pattern.size() && pattern[p] == '*') {
            starPattern = p++;
            starName = n;
        } else if (starPattern != std::string::npos) {
            p = starPattern + 1;
            n = ++starName;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*') {
        ++p;
    }
    return p == pattern.size();
}

std::string joinPath(const std::string& directory, const std::string& name) {
    if (directory.empty()) {
        return name;
    }
    return directory.back() == '/' ? directory + name : directory + '/' + name;
}

} // namespace detail

std::string nativePath(const char* name) {
    const std::string path = detail::withForwardSlashes(name);
    std::string resolved;
    bool resolving = true;
    std::size_t start = 0;
    while (true) {
        const std::size_t slash = path.find('/', start);
        const std::size_t end = slash == std::string::npos ? path.size() : slash;
        std::string component = path.substr(start, end - start);
        if (resolving && !detail::isSpecialComponent(component) && !detail::exists(resolved + component)) {
            // resolved is empty or ends in '/', so it names the directory to search.
            const std::optional<std::string> onDisk = detail::entryIgnoringCase(resolved, component);
            if (onDisk) {
                component = *onDisk;
            } else {
                resolving = false; // nothing below a missing component can exist
            }
        }
        resolved += component;
        if (slash == std::string::npos) {
            return resolved;
        }
        resolved += '/';
        start = slash + 1;
    }
}

} // namespace orvex_platform
