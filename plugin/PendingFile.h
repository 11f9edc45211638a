#pragma once
// An output file written beside its target under a temporary name and moved
// into place only when the whole export has succeeded, so that a failed run
// changes nothing on disk. Every write is checked.

#include "core/File.h"

#include <cstdint>
#include <memory>
#include <string>

class PendingFile {
public:
    explicit PendingFile(std::string targetPath);
    ~PendingFile(); // closes and removes the temporary file unless committed
    PendingFile(const PendingFile&) = delete;
    PendingFile& operator=(const PendingFile&) = delete;

    const std::string& targetPath() const { return target_; }

    // Creates (or truncates) the temporary file directly; false when the
    // target cannot be written (as when it could not be opened for writing).
    bool create();
    // Creates it through the process-wide file loader registry, which the
    // side file is opened through.
    bool createThroughRegistry();
    // Writes all bytes; false (and stays false) on a failed or short write.
    bool write(const void* bytes, uint64_t size);
    bool writeText(const std::string& text) { return write(text.data(), text.size()); }
    // Closes the file; false when any write failed.
    bool close();
    // Renames the closed temporary file over the target.
    bool commit();

private:
    enum class Route { Direct, Registry };
    bool open(Route route);
    bool adopt(File* file);

    std::string target_;
    // The name the bytes are written under: a temporary beside the file
    // that is replaced, or the target itself when that is no file to
    // replace (a device such as a full disk's).
    std::string writtenName_;
    // The native path that the temporary replaces; empty when the bytes go
    // straight to the target.
    std::string replaced_;
    std::string temporary_; // native path of the temporary once it exists
    std::unique_ptr<File> file_;
    bool failed_ = false;
    bool closed_ = false;
    bool committed_ = false;
};
