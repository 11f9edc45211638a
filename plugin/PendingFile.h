#pragma once
// An output file written beside its target under a temporary name and moved
// into place only when the whole export has succeeded, so that a failed run
// changes nothing on disk.

#include <string>

class PendingFile {
public:
    explicit PendingFile(std::string targetPath);
    ~PendingFile(); // removes the temporary file unless it was committed
    PendingFile(const PendingFile&) = delete;
    PendingFile& operator=(const PendingFile&) = delete;

    const std::string& targetPath() const { return target_; }
    const std::string& temporaryPath() const { return temporary_; }
    // The temporary file's name on this file system.
    std::string temporaryNativePath() const;

    // Creates (or truncates) the temporary file and writes `bytes` into it;
    // false when it cannot be created.
    bool create();
    // Writes the whole text and closes the file; false on any failed or
    // short write.
    bool writeAndClose(const std::string& bytes);
    // Marks an already written temporary file as complete.
    void markWritten() { written_ = true; }
    // Renames the temporary file over the target; false when that fails.
    bool commit();

private:
    std::string target_;
    std::string temporary_;
    bool written_ = false;
    bool committed_ = false;
};

// The name under which the file system knows a path written with '\' or '/'.
std::string nativeFileName(const std::string& path);
