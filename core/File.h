// An open file: reading, writing, positioning and queries.  Files are not
// made by their users: FileLoaderRegistry::openFile hands out a new File that
// the caller owns and deletes, which closes it.
#ifndef ORVEX_CORE_FILE_H
#define ORVEX_CORE_FILE_H

#include <cstdint>
#include <string>

// The operations are declared in a fixed order that file implementations
// rely on; new ones go at the end.
class File {
public:
    virtual ~File() = default;

    virtual bool isOpen() const = 0;

    // Whether the bytes are stored compressed.  Nothing in the system calls it.
    virtual bool isCompressed() const { return false; }

    // Reads up to count bytes; the number read, or -1 on failure.
    virtual std::int32_t read(void* buffer, std::uint32_t count) = 0;

    // Writes up to count bytes; the number written (possibly fewer), or -1.
    virtual std::int32_t write(const void* buffer, std::uint32_t count) = 0;

    // Moves to a position counted from the start of the file.
    virtual bool seek(std::uint32_t position) = 0;

    // The size in bytes, or -1.
    virtual std::int32_t size() const = 0;

    // Whether the last read or seek came short of what it asked for.
    virtual bool isEof() const = 0;

    // The last-write time as a Windows file time; 0 when unknown.
    virtual std::uint64_t modificationTime() const = 0;

    // Whether the whole file is held in memory.  Nothing in the system calls it.
    virtual bool isMemoryResident() const = 0;

    // Whether the position can be moved.  Nothing in the system calls it.
    virtual bool isSeekable() const { return true; }

    // The position, or -1.
    virtual std::int32_t tell() const = 0;

    // Starts a read whose result readResult delivers; false when it cannot start.
    virtual bool beginRead(void* buffer, std::uint32_t count) = 0;

    // Stores the result of the last beginRead, as read would have returned it.
    virtual bool readResult(std::int32_t* result) = 0;

    // Whether beginRead may finish later than it returns.  Nothing in the
    // system calls it.
    virtual bool isAsynchronous() const = 0;

    // Where the bytes lie when the file is stored inside a container file:
    // the container's name, the offset of the bytes, the entry's name and its
    // length; false for a file of its own.  Nothing in the system calls it.
    virtual bool storedRange(std::string* container, std::uint32_t* offset, std::string* entry,
                             std::uint32_t* length) const = 0;
};

#endif
