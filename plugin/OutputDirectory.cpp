#include "plugin/OutputDirectory.h"

#include "core/FileLoaderRegistry.h"
#include "core/NativeFileLoader.h"
#include "core/PathHelpers.h"

#include <orvex_platform/Paths.h>

#include <memory>
#include <vector>

namespace {

// Priority of the loader each export registers for its output directory.
const uint32_t kOutputLoaderPriority = 10;

} // namespace

bool currentWorkingDirectory(std::string& directory) {
    std::vector<char> buffer(4096);
    if (!orvex_platform::currentDirectory(buffer.data(), buffer.size())) {
        return false;
    }
    directory = buffer.data();
    return true;
}

void registerOutputDirectoryLoader(const std::string& outputPath) {
    std::string directory;
    directoryOf(outputPath, directory);
    FileLoaderRegistry::instance().addLoader(
        std::make_unique<NativeFileLoader>(directory, kOutputLoaderPriority));
}
