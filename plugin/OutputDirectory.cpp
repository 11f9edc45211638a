#include "plugin/OutputDirectory.h"

#include <unistd.h>

#include <vector>

bool currentWorkingDirectory(std::string& directory) {
    std::vector<char> buffer(4096);
    if (!getcwd(buffer.data(), buffer.size())) {
        return false;
    }
    directory = buffer.data();
    return true;
}

void registerOutputDirectoryLoader(const std::string&) {}
