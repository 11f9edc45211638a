// A source of files: opens paths for the FileLoaderRegistry, which asks its
// loaders in ascending order of priority.
#ifndef ORVEX_CORE_I_FILE_LOADER_H
#define ORVEX_CORE_I_FILE_LOADER_H

#include "core/File.h"

#include <cstdint>
#include <string>

// The operations are declared in a fixed order that loader implementations
// rely on; new ones go at the end.
class IFileLoader {
public:
    explicit IFileLoader(std::uint32_t loaderPriority) : priority(loaderPriority) {}
    virtual ~IFileLoader() = default;

    IFileLoader(const IFileLoader&) = delete;
    IFileLoader& operator=(const IFileLoader&) = delete;

    // Opens path with mode 0 or 2 (read) or 1 (write); absolute says whether
    // the registry counts the path absolute.  A new File that the caller owns,
    // or null.
    virtual File* openFile(const std::string& path, int mode, bool absolute) = 0;

    // Drops whatever the loader remembers about its source, so that it is
    // read afresh.  Nothing in the system calls it.
    virtual void refresh() = 0;

    // Whether path names a regular file for this loader.
    virtual bool fileExists(const std::string& path, bool absolute) = 0;

    // Moves the loader from oldBase to newBase when oldBase is its base.
    virtual void rebase(const std::string& oldBase, const std::string& newBase) = 0;

    // Whether the loader can only read.  Nothing in the system calls it.
    virtual bool isReadOnly() const = 0;

    // Lower values are asked first.
    const std::uint32_t priority;
};

#endif
