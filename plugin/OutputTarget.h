#pragma once
// What stands at an output file's name, looked at before anything is
// written: nothing yet, or a regular file (links followed) that the export
// may replace. Directories, devices, pipes, links to nothing and files that
// cannot be opened for writing are refused with the reason.

#include "plugin/UniqueHandle.h"

#include <cstdint>
#include <string>

class OutputTarget {
public:
    explicit OutputTarget(std::string path);
    ~OutputTarget();
    OutputTarget(const OutputTarget&) = delete;
    OutputTarget& operator=(const OutputTarget&) = delete;

    // The path as the export was given it.
    const std::string& path() const { return path_; }
    // False with `failure` set when the export may not write there.
    bool examine(std::string& failure);

    bool exists() const { return exists_; }
    // The name that the new file takes: the given path, or for an existing
    // file its full path with every link resolved, so that a link keeps
    // pointing at the file that receives the new contents.
    const std::string& replacedName() const { return replacedName_; }
    // Both name one existing file, through links or hard links.
    bool isSameFileAs(const OutputTarget& other) const;
    // An open query handle on the existing file (null when there is none),
    // whose permissions a new file takes.
    void* templateHandle() const { return query_.get(); }

private:
    bool examineExisting(std::string& failure);

    std::string path_;
    std::string replacedName_;
    UniqueHandle query_;
    bool exists_ = false;
    uint32_t volume_ = 0;
    uint64_t index_ = 0;
};
