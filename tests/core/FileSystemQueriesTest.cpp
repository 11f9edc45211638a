#include "core/FileSystemQueries.h"
#include "support/TempDirectory.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <orvex_platform/Faults.h>
#include <sys/stat.h>

namespace {

class FileSystemQueries : public ::testing::Test {
protected:
    void TearDown() override { orvex_platform::clearFaults(); }
    orvex_test::TempDirectory dir;
};

TEST_F(FileSystemQueries, KindOfWhatIsThere) {
    orvex_test::writeFileBytes(dir / "a.txt", "x");
    EXPECT_EQ(fileKind(dir / "a.txt"), fileKindFile);
    EXPECT_EQ(fileKind(dir / "A.TXT"), fileKindFile);
    EXPECT_EQ(fileKind(dir.path()), fileKindDirectory);
    EXPECT_EQ(fileKind(dir / "missing"), fileKindNone);
    EXPECT_EQ(fileKind(dir / "*.txt"), fileKindFile);
}

TEST_F(FileSystemQueries, SystemTemporaryAndOfflineCountAsNothing) {
    for (const DWORD attribute : {FILE_ATTRIBUTE_SYSTEM, FILE_ATTRIBUTE_TEMPORARY, FILE_ATTRIBUTE_OFFLINE}) {
        const std::string file = dir / ("f" + std::to_string(attribute));
        const std::string folder = dir / ("d" + std::to_string(attribute));
        orvex_test::writeFileBytes(file, "x");
        ::mkdir(folder.c_str(), 0777);
        ASSERT_TRUE(orvex_platform::addFileAttributes(file.c_str(), attribute));
        ASSERT_TRUE(orvex_platform::addFileAttributes(folder.c_str(), attribute));
        EXPECT_EQ(fileKind(file), fileKindNone) << attribute;
        EXPECT_EQ(fileKind(folder), fileKindNone) << attribute;
    }
}

TEST_F(FileSystemQueries, ModificationTime) {
    const std::string path = dir / "a.txt";
    orvex_test::writeFileBytes(path, "x");
    const timespec times[2] = {{0, 0}, {1000000000, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
    EXPECT_EQ(fileModificationTime(path), 126444736000000000ull);
    ASSERT_EQ(::utimensat(AT_FDCWD, dir.path().c_str(), times, 0), 0);
    EXPECT_EQ(fileModificationTime(dir.path()), 126444736000000000ull); // directories open too
    EXPECT_EQ(fileModificationTime(dir / "missing"), 0u);
}

} // namespace
