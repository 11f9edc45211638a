// How Windows-style names find their files: separators, drive prefixes,
// case-insensitive lookup, file searches and the working-directory stand-in.
#include "support/TempDirectory.h"

#include <cstring>
#include <gtest/gtest.h>
#include <orvex_platform/Faults.h>
#include <orvex_platform/Paths.h>
#include <string>
#include <unistd.h>
#include <windows.h>

namespace {

using orvex_platform::nativePath;
using orvex_test::readFileBytes;
using orvex_test::writeFileBytes;

class NameLookup : public ::testing::Test {
protected:
    void TearDown() override { orvex_platform::clearFaults(); }

    // The on-disk name and attributes that a search reports; "" when it fails.
    static std::string search(const std::string& pattern, DWORD* attributes = nullptr) {
        WIN32_FIND_DATAA found{};
        const HANDLE handle = FindFirstFileA(pattern.c_str(), &found);
        if (handle == INVALID_HANDLE_VALUE) {
            return "";
        }
        EXPECT_TRUE(FindClose(handle));
        if (attributes != nullptr) {
            *attributes = found.dwFileAttributes;
        }
        return found.cFileName;
    }

    orvex_test::TempDirectory dir;
};

TEST_F(NameLookup, BackslashesBecomeSlashesAndNothingElseChanges) {
    EXPECT_EQ(nativePath("D:\\out\\level.xml"), "D:/out/level.xml");
    EXPECT_EQ(nativePath("\\\\server\\share\\a"), "//server/share/a");
    EXPECT_EQ(nativePath("/no/such/Dir/"), "/no/such/Dir/");
    EXPECT_EQ(nativePath(nullptr), "");
}

TEST_F(NameLookup, MissingSpellingsResolveWithoutCase) {
    writeFileBytes(dir / "Data/Sub/file.TXT", "x");
    EXPECT_EQ(nativePath((dir / "data\\SUB/File.txt").c_str()), dir / "Data/Sub/file.TXT");
    // From the first component that matches nothing, the rest stays as given.
    EXPECT_EQ(nativePath((dir / "DATA/new/File.txt").c_str()), dir / "Data/new/File.txt");
    EXPECT_EQ(nativePath((dir / "data/./SUB/../sub").c_str()), dir / "Data/./Sub/../Sub");
}

TEST_F(NameLookup, ExactSpellingWinsThenByteOrder) {
    writeFileBytes(dir / "abc", "lower");
    writeFileBytes(dir / "ABC", "upper");
    EXPECT_EQ(nativePath((dir / "abc").c_str()), dir / "abc");
    EXPECT_EQ(nativePath((dir / "Abc").c_str()), dir / "ABC");
}

TEST_F(NameLookup, DriveNamesLiveBelowTheWorkingDirectory) {
    const orvex_test::ScopedWorkingDirectory inDir(dir.path());
    writeFileBytes(dir / "D:/out/keep.txt", "");
    const HANDLE file = CreateFileA("d:\\OUT\\level.xml", GENERIC_WRITE, FILE_SHARE_WRITE, nullptr,
                                    CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    WriteFile(file, "xml", 3, &written, nullptr);
    CloseHandle(file);
    EXPECT_EQ(readFileBytes(dir / "D:/out/level.xml"), "xml");
}

TEST_F(NameLookup, SearchReportsTheSpellingOnDisk) {
    writeFileBytes(dir / "Out/Level.XML", "x");
    DWORD attributes = 0;
    EXPECT_EQ(search(dir / "out", &attributes), "Out");
    EXPECT_EQ(attributes, FILE_ATTRIBUTE_DIRECTORY);
    EXPECT_EQ(search(dir / "OUT\\level.xml", &attributes), "Level.XML");
    EXPECT_EQ(attributes, FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(search(dir / "out/."), ".");
}

TEST_F(NameLookup, SearchFailures) {
    writeFileBytes(dir / "out/a.xml", "x");
    EXPECT_EQ(search(dir / "out/"), ""); // a trailing separator names no entry
    EXPECT_EQ(GetLastError(), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(search(dir / "out/b.xml"), "");
    EXPECT_EQ(GetLastError(), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(search(dir / "in/a.xml"), "");
    EXPECT_EQ(GetLastError(), ERROR_PATH_NOT_FOUND);
    WIN32_FIND_DATAA found{};
    EXPECT_EQ(FindFirstFileA(nullptr, &found), INVALID_HANDLE_VALUE);
    EXPECT_FALSE(FindClose(INVALID_HANDLE_VALUE));
}

TEST_F(NameLookup, WildcardsTakeTheFirstHitInByteOrder) {
    writeFileBytes(dir / "b2.png", "");
    writeFileBytes(dir / "a1.txt", "");
    writeFileBytes(dir / "B1.png", "");
    EXPECT_EQ(search(dir / "*"), "B1.png");
    EXPECT_EQ(search(dir / "b?.PNG"), "B1.png");
    EXPECT_EQ(search(dir / "*.txt"), "a1.txt");
    EXPECT_EQ(search(dir / "*.jpg"), "");
}

TEST_F(NameLookup, FakedAndSpecialAttributes) {
    writeFileBytes(dir / "sys.dat", "");
    ASSERT_TRUE(orvex_platform::addFileAttributes((dir / "SYS.DAT").c_str(), FILE_ATTRIBUTE_SYSTEM));
    DWORD attributes = 0;
    search(dir / "sys.dat", &attributes);
    EXPECT_EQ(attributes, FILE_ATTRIBUTE_SYSTEM);
    EXPECT_FALSE(orvex_platform::addFileAttributes((dir / "missing").c_str(), FILE_ATTRIBUTE_SYSTEM));
    // A device node has no ordinary-file counterpart on Windows.
    search("/dev/full", &attributes);
    EXPECT_EQ(attributes, FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_DEVICE);
    orvex_platform::clearFaults();
    search(dir / "sys.dat", &attributes);
    EXPECT_EQ(attributes, FILE_ATTRIBUTE_NORMAL);
}

TEST_F(NameLookup, WorkingDirectoryStandIn) {
    char real[4096];
    char buffer[4096];
    ASSERT_NE(::getcwd(real, sizeof real), nullptr);
    ASSERT_EQ(orvex_platform::currentDirectory(buffer, sizeof buffer), buffer);
    EXPECT_STREQ(buffer, real);

    orvex_platform::overrideWorkingDirectory("D:\\work");
    ASSERT_EQ(orvex_platform::currentDirectory(buffer, sizeof buffer), buffer);
    EXPECT_STREQ(buffer, "D:\\work");
    char tooSmall[7]; // the text needs 8 bytes with its terminating zero
    EXPECT_EQ(orvex_platform::currentDirectory(tooSmall, sizeof tooSmall), nullptr);

    orvex_platform::failWorkingDirectory(true);
    EXPECT_EQ(orvex_platform::currentDirectory(buffer, sizeof buffer), nullptr);
}

} // namespace
