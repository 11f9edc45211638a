#include "plugin/ExportPaths.h"

std::string sceneBaseName(const std::string& path) {
    size_t slash = path.rfind('/');
    size_t start = slash == std::string::npos ? 0 : slash + 1;
    size_t dot = path.rfind('.');
    size_t end =
        (dot != std::string::npos && (slash == std::string::npos || dot > slash)) ? dot : path.size();
    return end > start ? path.substr(start, end - start) : std::string();
}

bool isAbsolutePath(const std::string& path) {
    if (!path.empty() && path[0] == '/') {
        return true;
    }
    // The letter test looks at the byte as unsigned and accepts only ASCII
    // letters, whatever the locale.
    if (path.size() >= 2 && path[1] == ':') {
        unsigned char first = static_cast<unsigned char>(path[0]);
        return (first >= 'a' && first <= 'z') || (first >= 'A' && first <= 'Z');
    }
    return false;
}

std::string directoryOrWhole(const std::string& path) {
    size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(0, slash + 1);
}
