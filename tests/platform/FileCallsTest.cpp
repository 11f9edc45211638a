// The Windows file calls of the stand-in: dispositions, reads and writes,
// positions, times, handles and the per-thread last error.
#include "support/TempDirectory.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <orvex_platform/Faults.h>
#include <string>
#include <sys/stat.h>
#include <thread>
#include <windows.h>

namespace {

using orvex_test::readFileBytes;
using orvex_test::writeFileBytes;

class FileCalls : public ::testing::Test {
protected:
    void TearDown() override { orvex_platform::clearFaults(); }

    static HANDLE openForWrite(const std::string& path) {
        return CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_WRITE, nullptr, CREATE_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    }
    static HANDLE openForRead(const std::string& path, DWORD flags = FILE_ATTRIBUTE_NORMAL) {
        return CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, flags,
                           nullptr);
    }
    static BOOL writeText(HANDLE file, const std::string& text, DWORD& written) {
        return WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    }

    orvex_test::TempDirectory dir;
};

TEST_F(FileCalls, CreateAlwaysCreatesOrTruncates) {
    const std::string path = dir / "a.txt";
    writeFileBytes(path, "previous content");
    HANDLE file = openForWrite(path);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    EXPECT_EQ(readFileBytes(path), "");
    DWORD written = 0;
    EXPECT_TRUE(writeText(file, "new", written));
    EXPECT_EQ(written, 3u);
    EXPECT_TRUE(CloseHandle(file));
    EXPECT_EQ(readFileBytes(path), "new");

    file = openForWrite(dir / "created.txt");
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    CloseHandle(file);
    EXPECT_EQ(readFileBytes(dir / "created.txt"), "");
}

TEST_F(FileCalls, OpenFailuresSetWindowsErrors) {
    EXPECT_EQ(openForRead(dir / "missing.txt"), INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(openForWrite(dir / "no/such/dir/a.txt"), INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), ERROR_PATH_NOT_FOUND);

    // Disposition 0 is refused even for a file that exists.
    writeFileBytes(dir / "a.txt", "x");
    EXPECT_EQ(CreateFileA((dir / "a.txt").c_str(), 0, 0, nullptr, 0, FILE_ATTRIBUTE_NORMAL, nullptr),
              INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
}

TEST_F(FileCalls, DirectoryOpensOnlyWithBackupSemantics) {
    EXPECT_EQ(openForRead(dir.path()), INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), ERROR_ACCESS_DENIED);
    const HANDLE directory = openForRead(dir.path(), FILE_FLAG_BACKUP_SEMANTICS);
    ASSERT_NE(directory, INVALID_HANDLE_VALUE);
    EXPECT_TRUE(CloseHandle(directory));
}

TEST_F(FileCalls, ReadStopsAtEndWithoutError) {
    writeFileBytes(dir / "a.txt", "abcd");
    const HANDLE file = openForRead(dir / "a.txt");
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    char buffer[10] = {};
    DWORD got = 99;
    EXPECT_TRUE(ReadFile(file, buffer, sizeof buffer, &got, nullptr));
    EXPECT_EQ(got, 4u);
    EXPECT_EQ(std::string(buffer, got), "abcd");
    EXPECT_TRUE(ReadFile(file, buffer, sizeof buffer, &got, nullptr));
    EXPECT_EQ(got, 0u);
    CloseHandle(file);
}

TEST_F(FileCalls, HandlesOnlyDoWhatTheyWereOpenedFor) {
    const HANDLE writer = openForWrite(dir / "a.txt");
    char buffer[4];
    DWORD count = 0;
    EXPECT_FALSE(ReadFile(writer, buffer, sizeof buffer, &count, nullptr));
    EXPECT_EQ(GetLastError(), ERROR_ACCESS_DENIED);
    CloseHandle(writer);

    const HANDLE reader = openForRead(dir / "a.txt");
    EXPECT_FALSE(writeText(reader, "x", count));
    EXPECT_EQ(GetLastError(), ERROR_ACCESS_DENIED);
    CloseHandle(reader);
}

TEST_F(FileCalls, FilePointerAndSize) {
    writeFileBytes(dir / "a.txt", "0123456789");
    const HANDLE file = openForRead(dir / "a.txt");
    EXPECT_EQ(GetFileSize(file, nullptr), 10u);
    EXPECT_EQ(SetFilePointer(file, 4, nullptr, FILE_BEGIN), 4u);
    EXPECT_EQ(SetFilePointer(file, 2, nullptr, FILE_CURRENT), 6u);
    // Past the end is allowed; before the start is not and leaves the position.
    EXPECT_EQ(SetFilePointer(file, 50, nullptr, FILE_BEGIN), 50u);
    EXPECT_EQ(SetFilePointer(file, -1, nullptr, FILE_BEGIN), INVALID_SET_FILE_POINTER);
    EXPECT_EQ(GetLastError(), ERROR_NEGATIVE_SEEK);
    EXPECT_EQ(SetFilePointer(file, 0, nullptr, FILE_CURRENT), 50u);
    CloseHandle(file);
}

TEST_F(FileCalls, FullDiskIsErrorDiskFull) {
    const HANDLE full = openForWrite("/dev/full");
    ASSERT_NE(full, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    EXPECT_FALSE(writeText(full, "data", written));
    EXPECT_EQ(GetLastError(), ERROR_DISK_FULL);
    CloseHandle(full);

    const HANDLE file = openForWrite(dir / "a.txt");
    orvex_platform::failWrites(ERROR_DISK_FULL);
    EXPECT_FALSE(writeText(file, "data", written));
    EXPECT_EQ(GetLastError(), ERROR_DISK_FULL);
    EXPECT_EQ(written, 0u);
    orvex_platform::failWrites(0);
    EXPECT_TRUE(writeText(file, "ok", written));
    CloseHandle(file);
    EXPECT_EQ(readFileBytes(dir / "a.txt"), "ok");
}

TEST_F(FileCalls, ReadFaultHitsOnlyTheNextRead) {
    writeFileBytes(dir / "a.txt", "abc");
    const HANDLE file = openForRead(dir / "a.txt");
    char buffer[3];
    DWORD got = 0;
    orvex_platform::failNextRead(ERROR_FILE_CORRUPT);
    EXPECT_FALSE(ReadFile(file, buffer, sizeof buffer, &got, nullptr));
    EXPECT_EQ(GetLastError(), ERROR_FILE_CORRUPT);
    EXPECT_TRUE(ReadFile(file, buffer, sizeof buffer, &got, nullptr));
    EXPECT_EQ(got, 3u);
    CloseHandle(file);
}

TEST_F(FileCalls, LastWriteTimeCountsFrom1601) {
    const std::string path = dir / "a.txt";
    writeFileBytes(path, "x");
    const timespec times[2] = {{1000000000, 0}, {1000000000, 500000000}};
    ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
    const HANDLE file = openForRead(path);
    FILETIME written{};
    ASSERT_TRUE(GetFileTime(file, nullptr, nullptr, &written));
    CloseHandle(file);
    const std::uint64_t units =
        static_cast<std::uint64_t>(written.dwHighDateTime) << 32 | written.dwLowDateTime;
    // (10^9 s + 11644473600 s from 1601 to 1970) * 10^7 + 0.5 s in 100-ns units.
    EXPECT_EQ(units, 126444736005000000ull);
}

TEST_F(FileCalls, ClosedHandleIsInvalid) {
    const HANDLE file = openForWrite(dir / "a.txt");
    EXPECT_TRUE(CloseHandle(file));
    EXPECT_FALSE(CloseHandle(file));
    EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
    DWORD written = 0;
    EXPECT_FALSE(writeText(file, "x", written));
    EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
    EXPECT_FALSE(CloseHandle(INVALID_HANDLE_VALUE));
}

TEST_F(FileCalls, LastErrorBelongsToTheCallingThread) {
    EXPECT_EQ(openForRead(dir / "missing.txt"), INVALID_HANDLE_VALUE);
    DWORD seenByOtherThread = 12345;
    std::thread other([&] {
        EXPECT_FALSE(CloseHandle(INVALID_HANDLE_VALUE));
        seenByOtherThread = GetLastError();
    });
    other.join();
    EXPECT_EQ(seenByOtherThread, ERROR_INVALID_HANDLE);
    EXPECT_EQ(GetLastError(), ERROR_FILE_NOT_FOUND);
}

} // namespace
