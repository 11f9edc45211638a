// The Windows file calls of the stand-in: dispositions, reads and writes,
// positions, times, handles, the per-thread last error, and the calls on
// names (attributes, moves, deletes, hard links).
#include "support/TempDirectory.h"

#include <fcntl.h>
#include <filesystem>
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

TEST_F(FileCalls, CreateNewNeverOpensWhatStandsAtTheName) {
    const std::string victim = dir / "victim.txt";
    writeFileBytes(victim, "kept");
    std::filesystem::create_symlink(victim, dir / "link");
    std::filesystem::create_symlink(dir / "missing", dir / "dangling");
    for (const std::string name : {"victim.txt", "link", "dangling"}) {
        EXPECT_EQ(CreateFileA((dir / name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_NORMAL, nullptr),
                  INVALID_HANDLE_VALUE)
            << name;
        EXPECT_EQ(GetLastError(), ERROR_FILE_EXISTS);
    }
    EXPECT_EQ(readFileBytes(victim), "kept");
    EXPECT_FALSE(std::filesystem::exists(dir / "missing"));

    // A new file takes the permissions of its template.
    ::chmod(victim.c_str(), 0640);
    const HANDLE query = CreateFileA(victim.c_str(), 0, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    const HANDLE created = CreateFileA((dir / "new.txt").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                       FILE_ATTRIBUTE_NORMAL, query);
    ASSERT_NE(created, INVALID_HANDLE_VALUE);
    struct stat info {};
    ASSERT_EQ(::stat((dir / "new.txt").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
    CloseHandle(created);
    CloseHandle(query);
}

// A handle opened with no access only describes its file: links are
// followed, a pipe is not waited for, and the identity is that of the file.
TEST_F(FileCalls, QueryHandlesDescribeTheFileBehindLinks) {
    const std::string real = dir / "real.txt";
    writeFileBytes(real, "12345");
    std::filesystem::create_symlink("real.txt", dir / "link");
    std::filesystem::create_hard_link(real, dir / "second");
    ASSERT_EQ(::mkfifo((dir / "pipe").c_str(), 0644), 0);
    auto query = [](const std::string& name) {
        return CreateFileA(name.c_str(), 0, 0, nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    };
    auto describe = [&](const std::string& name) {
        BY_HANDLE_FILE_INFORMATION info{};
        const HANDLE handle = query(name);
        EXPECT_TRUE(GetFileInformationByHandle(handle, &info)) << name;
        CloseHandle(handle);
        return info;
    };
    const BY_HANDLE_FILE_INFORMATION viaLink = describe(dir / "link");
    const BY_HANDLE_FILE_INFORMATION viaSecond = describe(dir / "second");
    EXPECT_EQ(viaLink.dwFileAttributes, FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(viaLink.nFileSizeLow, 5u);
    EXPECT_EQ(viaLink.nNumberOfLinks, 2u);
    EXPECT_EQ(viaLink.nFileIndexLow, viaSecond.nFileIndexLow);
    EXPECT_EQ(viaLink.dwVolumeSerialNumber, viaSecond.dwVolumeSerialNumber);
    EXPECT_EQ(describe(dir / "pipe").dwFileAttributes & FILE_ATTRIBUTE_DEVICE, FILE_ATTRIBUTE_DEVICE);
    EXPECT_EQ(describe(dir.path()).dwFileAttributes, FILE_ATTRIBUTE_DIRECTORY);

    const HANDLE handle = query(dir / "link");
    char tooSmall[4];
    const DWORD needed = GetFinalPathNameByHandleA(handle, tooSmall, sizeof tooSmall, FILE_NAME_NORMALIZED);
    EXPECT_EQ(needed, std::filesystem::canonical(real).string().size() + 1);
    std::string path(needed, '\0');
    EXPECT_EQ(GetFinalPathNameByHandleA(handle, path.data(), needed, FILE_NAME_NORMALIZED), needed - 1);
    EXPECT_EQ(path.c_str(), std::filesystem::canonical(real).string());
    CloseHandle(handle);

    // Names: a link is reported as itself; a missing name has no attributes.
    EXPECT_EQ(GetFileAttributesA((dir / "link").c_str()), FILE_ATTRIBUTE_REPARSE_POINT);
    EXPECT_EQ(GetFileAttributesA(real.c_str()), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(GetFileAttributesA((dir / "missing").c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(GetLastError(), ERROR_FILE_NOT_FOUND);

    // Even a write open of a pipe without a reader returns at once.
    EXPECT_EQ(openForWrite(dir / "pipe"), INVALID_HANDLE_VALUE);
}

TEST_F(FileCalls, MovesReplaceOnlyWhenAskedAndDeletesRemoveFilesOnly) {
    writeFileBytes(dir / "a", "a");
    writeFileBytes(dir / "b", "b");
    EXPECT_FALSE(MoveFileExA((dir / "a").c_str(), (dir / "b").c_str(), 0));
    EXPECT_EQ(GetLastError(), ERROR_ALREADY_EXISTS);
    EXPECT_TRUE(MoveFileExA((dir / "a").c_str(), (dir / "b").c_str(), MOVEFILE_REPLACE_EXISTING));
    EXPECT_EQ(readFileBytes(dir / "b"), "a");
    EXPECT_FALSE(std::filesystem::exists(dir / "a"));
    EXPECT_TRUE(MoveFileExA((dir / "b").c_str(), (dir / "c").c_str(), 0));

    std::filesystem::create_directories(dir / "folder");
    EXPECT_FALSE(MoveFileExA((dir / "c").c_str(), (dir / "folder").c_str(), MOVEFILE_REPLACE_EXISTING));
    EXPECT_EQ(GetLastError(), ERROR_ACCESS_DENIED);
    orvex_platform::failMovesOnto((dir / "d").c_str(), ERROR_ACCESS_DENIED);
    EXPECT_FALSE(MoveFileExA((dir / "c").c_str(), (dir / "d").c_str(), MOVEFILE_REPLACE_EXISTING));
    EXPECT_EQ(GetLastError(), ERROR_ACCESS_DENIED);

    EXPECT_TRUE(CreateHardLinkA((dir / "e").c_str(), (dir / "c").c_str(), nullptr));
    EXPECT_FALSE(CreateHardLinkA((dir / "e").c_str(), (dir / "c").c_str(), nullptr));
    EXPECT_EQ(GetLastError(), ERROR_ALREADY_EXISTS);
    EXPECT_TRUE(DeleteFileA((dir / "c").c_str()));
    EXPECT_EQ(readFileBytes(dir / "e"), "a");
    EXPECT_FALSE(DeleteFileA((dir / "c").c_str()));
    EXPECT_EQ(GetLastError(), ERROR_FILE_NOT_FOUND);
    EXPECT_FALSE(DeleteFileA((dir / "folder").c_str()));
    EXPECT_EQ(GetLastError(), ERROR_ACCESS_DENIED);
}

} // namespace
