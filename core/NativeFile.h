// A File backed by one Windows file handle.
#ifndef ORVEX_CORE_NATIVE_FILE_H
#define ORVEX_CORE_NATIVE_FILE_H

#include "core/File.h"

#include <windows.h>

class NativeFile : public File {
public:
    // A new file is closed.
    NativeFile() = default;
    ~NativeFile() override;

    NativeFile(const NativeFile&) = delete;
    NativeFile& operator=(const NativeFile&) = delete;

    // Opens name with mode 0 or 2 (read an existing file) or 1 (write: create
    // the file or empty an existing one); any other mode fails.  When a name
    // component's letter case differs from the disk, the file still opens and
    // a warning naming it goes to the process log.
    bool open(const std::string& name, int mode);

    bool isOpen() const override;
    std::int32_t read(void* buffer, std::uint32_t count) override;
    std::int32_t write(const void* buffer, std::uint32_t count) override;
    bool seek(std::uint32_t position) override;
    std::int32_t size() const override;
    bool isEof() const override;
    // Looks at the path, so it answers for a closed file too.
    std::uint64_t modificationTime() const override;
    bool isMemoryResident() const override { return false; }
    std::int32_t tell() const override;
    // Reads at once; readResult then gives what read returned.
    bool beginRead(void* buffer, std::uint32_t count) override;
    bool readResult(std::int32_t* result) override;
    bool isAsynchronous() const override { return false; }
    // Sets offset and length to 0 and returns false: a native file is a file
    // of its own.
    bool storedRange(std::string* container, std::uint32_t* offset, std::string* entry,
                     std::uint32_t* length) const override;

private:
    void close();

    HANDLE handle = INVALID_HANDLE_VALUE;
    bool eof = false;
    std::string path;
    // -1 until the first beginRead, so a result asked for too early reads as
    // a failed read.
    std::int32_t deferredReadResult = -1;
};

#endif
