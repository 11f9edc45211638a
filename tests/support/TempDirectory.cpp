#include "support/TempDirectory.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <vector>

namespace orvex_test {

namespace fs = std::filesystem;

TempDirectory::TempDirectory() {
    std::string pattern = (fs::temp_directory_path() / "orvex-test-XXXXXX").string();
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back('\0');
    if (::mkdtemp(buffer.data()) == nullptr) {
        throw std::runtime_error("cannot create a temporary directory");
    }
    root = buffer.data();
}

TempDirectory::~TempDirectory() {
    std::error_code ignored;
    fs::remove_all(root, ignored);
}

ScopedWorkingDirectory::ScopedWorkingDirectory(const std::string& directory)
    : previous(fs::current_path().string()) {
    fs::current_path(directory);
}

ScopedWorkingDirectory::~ScopedWorkingDirectory() {
    std::error_code ignored;
    fs::current_path(previous, ignored);
}

void writeFileBytes(const std::string& path, const std::string& bytes) {
    const fs::path target(path);
    if (target.has_parent_path()) {
        fs::create_directories(target.parent_path());
    }
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
    if (!out) {
        throw std::runtime_error("cannot write " + path);
    }
}

std::string readFileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

} // namespace orvex_test
