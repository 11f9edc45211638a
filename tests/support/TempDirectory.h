// Test helpers for code that touches the file system: a fresh directory that
// is removed afterwards, a scoped change of the working directory, and whole
// file reads and writes.
#ifndef ORVEX_TESTS_TEMP_DIRECTORY_H
#define ORVEX_TESTS_TEMP_DIRECTORY_H

#include <string>

namespace orvex_test {

// A new, empty directory below the system's temporary directory; removed with
// everything in it when the object goes away.
class TempDirectory {
public:
    TempDirectory();
    ~TempDirectory();
    TempDirectory(const TempDirectory&) = delete;
    TempDirectory& operator=(const TempDirectory&) = delete;

    // The directory's absolute path, without a closing '/'.
    const std::string& path() const { return root; }
    // The absolute path of a name inside the directory.
    std::string operator/(const std::string& name) const { return root + '/' + name; }

private:
    std::string root;
};

// Makes a directory the working directory until the object goes away.
class ScopedWorkingDirectory {
public:
    explicit ScopedWorkingDirectory(const std::string& directory);
    ~ScopedWorkingDirectory();
    ScopedWorkingDirectory(const ScopedWorkingDirectory&) = delete;
    ScopedWorkingDirectory& operator=(const ScopedWorkingDirectory&) = delete;

private:
    std::string previous;
};

// Creates the file (and the directories above it) holding exactly bytes.
void writeFileBytes(const std::string& path, const std::string& bytes);
// The whole content of the file; empty when it cannot be read.
std::string readFileBytes(const std::string& path);

} // namespace orvex_test

#endif
