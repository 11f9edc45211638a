#include "plugin/ExportPaths.h"

#include "export/PathStart.h"

std::string sceneBaseName(const std::string& path) {
    size_t slash = path.rfind('/');
    size_t start = slash == std::string::npos ? 0 : slash + 1;
    size_t dot = path.rfind('.');
    size_t end =
        (dot != std::string::npos && (slash == std::string::npos || dot > slash)) ? dot : path.size();
    return end > start ? path.substr(start, end - start) : std::string();
}

bool isAbsolutePath(const std::string& path) {
    return (!path.empty() && path[0] == '/') || startsWithDrive(path);
}

std::string directoryOrWhole(const std::string& path) {
    size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(0, slash + 1);
}
