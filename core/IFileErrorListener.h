// Receives the file errors that files report to the FileLoaderRegistry.
#ifndef ORVEX_CORE_I_FILE_ERROR_LISTENER_H
#define ORVEX_CORE_I_FILE_ERROR_LISTENER_H

#include <cstdint>
#include <string>

class IFileErrorListener {
public:
    // Kinds of file error.
    static constexpr std::uint32_t readCorrupt = 0; // a read failed: the file or disk is corrupt
    static constexpr std::uint32_t diskFull = 1;    // a write failed: the disk is full

    virtual void fileError(const std::string& path, std::uint32_t kind) = 0;

protected:
    // The registry does not own its listeners and never deletes them.
    ~IFileErrorListener() = default;
};

#endif
