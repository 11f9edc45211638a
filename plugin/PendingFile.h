#pragma once
// An output file written beside its target under a new temporary name and
// moved into place only when the whole export has succeeded, so that a
// failed run changes nothing on disk and two runs never share a temporary.
// Where no temporary can be made beside the target, the target itself is
// written. Every call is checked, and every failure keeps a reason that
// names what went wrong.

#include "plugin/OutputTarget.h"

#include <cstdint>
#include <string>

class PendingFile {
public:
    explicit PendingFile(std::string targetPath);
    // Closes the file, removes a temporary that was not moved into place and
    // the second name of a kept previous file.
    ~PendingFile();
    PendingFile(const PendingFile&) = delete;
    PendingFile& operator=(const PendingFile&) = delete;

    const std::string& targetPath() const { return target_.path(); }
    // Why the last step failed, in words ("its folder does not exist").
    const std::string& failure() const { return failure_; }

    // Looks at what stands at the target: false unless it is nothing yet, or
    // a regular file (or a link to one) that may be written.
    bool examine() { return target_.examine(failure_); }
    bool isSameFileAs(const PendingFile& other) const { return target_.isSameFileAs(other.target_); }

    // Creates the file the bytes go to: a temporary created exclusively
    // beside the target, or, when none can be made there, the target itself.
    bool create();
    // Writes all bytes; false (and stays false) on a failed or short write.
    bool write(const void* bytes, uint64_t size);
    bool writeText(const std::string& text) { return write(text.data(), text.size()); }
    // Closes the file; false when any write failed.
    bool close();

    // Keeps the file that commit will replace under a second name, so that
    // rollBack can put it back; without one, rollBack cannot.
    void keepPrevious();
    // Moves the closed temporary over the target (nothing to do in place).
    bool commit();
    // Undoes a commit: puts back the kept previous file, or removes the new
    // file where there was none before. False when that is not possible.
    bool rollBack();

private:
    bool open(const std::string& name, uint32_t disposition);
    bool createTemporary();

    OutputTarget target_;
    UniqueHandle handle_;
    std::string temporary_; // the temporary's name once it exists; empty in place
    std::string previous_;  // the second name of the replaced file, once kept
    std::string failure_;
    bool failed_ = false;
    bool closed_ = false;
    bool committed_ = false;
};
