#include "core/PathHelpers.h"

#include <algorithm>
#include <utility>

namespace {

// The path from position start on; empty when the path is shorter (the
// caller's lowered path and path are expected to have the same length).
std::string tailOf(const std::string& path, std::size_t start) {
    return start < path.size() ? path.substr(start) : std::string();
}

} // namespace

void directoryOf(const std::string& path, std::string& directory) {
    const std::size_t slash = path.rfind('/');
    if (slash != std::string::npos) {
        directory = path.substr(0, slash + 1);
    }
}

void fileNameOf(const std::string& path, std::string& fileName) {
    const std::size_t slash = path.rfind('/');
    fileName = slash == std::string::npos ? path : path.substr(slash + 1);
}

bool makeRelativePath(const std::string& base, const std::string& loweredPath, const std::string& path,
                      std::string& relative) {
    if (loweredPath.compare(0, base.size(), base) == 0) {
        relative = tailOf(path, base.size());
        return true;
    }
    const auto firstDifference =
        std::mismatch(loweredPath.begin(), loweredPath.end(), base.begin(), base.end());
    const auto common = static_cast<std::size_t>(firstDifference.first - loweredPath.begin());
    // The last directory both share ends at a '/' inside the common beginning;
    // a lone leading '/' is not enough to relate them.
    const std::size_t slash = common == 0 ? std::string::npos : loweredPath.rfind('/', common - 1);
    if (slash == std::string::npos || slash == 0) {
        return false;
    }
    const auto levelsUp = static_cast<std::size_t>(std::count(base.begin() + slash + 1, base.end(), '/'));
    std::string result;
    for (std::size_t level = 0; level < levelsUp; ++level) {
        result += "../";
    }
    result += tailOf(path, slash + 1);
    relative = std::move(result);
    return true;
}
