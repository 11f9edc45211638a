// What the export does to the files already at its output names: links are
// written through, devices and directories are never replaced, files that
// cannot be written stay as they are, and kept files keep their permissions.

#include "support/DocumentRuns.h"
#include "support/ExportHarness.h"

#include <orvex_platform/Faults.h>

#include <fcntl.h>
#include <filesystem>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

using orvex_host::MessageKind;
using namespace orvex_test;
namespace fs = std::filesystem;

namespace {

MStatus writeWithOneBlob(const std::string& path) {
    std::vector<ShapeBlob> blobs;
    blobs.push_back(makeBlob(1, 6, 0x5a));
    return writeDocument(documentAt(path), blobs);
}

bool noTemporaryIn(const std::string& directory) {
    for (const auto& entry : fs::directory_iterator(directory)) {
        if (entry.path().filename().string().find("partial") != std::string::npos) {
            return false;
        }
    }
    return true;
}

// Marks a file immutable, so that not even the superuser may open it for
// writing or replace it; undone when the object goes away. Skips the test
// where the file system or the process cannot do that.
class ImmutableFile {
public:
    explicit ImmutableFile(const std::string& path) : path_(path) { ok_ = setFlag(true); }
    ~ImmutableFile() {
        if (ok_) {
            setFlag(false);
        }
    }
    bool ok() const { return ok_; }

private:
    bool setFlag(bool on) {
        int fd = ::open(path_.c_str(), O_RDONLY);
        if (fd < 0) {
            return false;
        }
        int flags = 0;
        bool done = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
        flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
        done = done && ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
        ::close(fd);
        return done;
    }
    std::string path_;
    bool ok_ = false;
};

} // namespace

class OutputFiles : public ExportTest {};

TEST_F(OutputFiles, LinkedDocumentAndSideFileAreWrittenThroughTheirLinks) {
    const std::string real = workDir() + "/real";
    fs::create_directories(real);
    const std::string path = workDir() + "/level.xml";
    writeFileBytes(real + "/level.xml", "old document");
    writeFileBytes(real + "/level.xml.shapes", "old side file");
    fs::create_symlink(real + "/level.xml", path);
    fs::create_symlink("real/level.xml.shapes", path + ".shapes"); // relative to the link's directory

    ASSERT_EQ(writeWithOneBlob(path), MS::kSuccess);
    EXPECT_TRUE(fs::is_symlink(path));
    EXPECT_TRUE(fs::is_symlink(path + ".shapes"));
    EXPECT_NE(readFile(real + "/level.xml").find("externalShapesFile=\"level.xml.shapes\""),
              std::string::npos);
    EXPECT_EQ(readFile(real + "/level.xml.shapes").size(), 8u + 8 + 6);
    EXPECT_TRUE(noTemporaryIn(workDir()));
    EXPECT_TRUE(noTemporaryIn(real));
}

TEST_F(OutputFiles, DocumentLinkedToAFullDeviceFailsNamingTheFile) {
    const std::string path = workDir() + "/full.xml";
    fs::create_symlink("/dev/full", path);
    EXPECT_EQ(exportWith("-f " + path), MS::kFailure);
    EXPECT_EQ(messagesOf(MessageKind::Error),
              (std::vector<std::string>{"orvexExport: Failed to write file (" + path + ")"}));
    EXPECT_EQ(messagesOf(MessageKind::Info), (std::vector<std::string>{"Export scene to: " + path}));
    EXPECT_TRUE(fs::is_symlink(path));
    EXPECT_TRUE(fs::is_character_file("/dev/full"));
    EXPECT_TRUE(noTemporaryIn(workDir()));
}

TEST_F(OutputFiles, DirectoryInTheWayOfTheDocumentChangesNothing) {
    const std::string path = workDir() + "/level.xml";
    fs::create_directories(path);
    writeFileBytes(path + ".shapes", "previous side file");
    EXPECT_EQ(writeWithOneBlob(path), MS::kFailure);
    EXPECT_TRUE(orvex_host::messages().empty()); // the document cannot be opened: no message
    EXPECT_EQ(readFile(path + ".shapes"), "previous side file");
    EXPECT_TRUE(fs::is_empty(path));
    EXPECT_TRUE(noTemporaryIn(workDir()));
}

TEST_F(OutputFiles, DirectoryInTheWayOfTheSideFileChangesNothing) {
    const std::string path = workDir() + "/level.xml";
    writeFileBytes(path, "previous document");
    fs::create_directories(path + ".shapes");
    EXPECT_EQ(writeWithOneBlob(path), MS::kFailure);
    EXPECT_TRUE(orvex_host::messages().empty()); // the side file cannot be opened: no message
    EXPECT_EQ(readFile(path), "previous document");
    EXPECT_TRUE(fs::is_directory(path + ".shapes"));
    EXPECT_TRUE(noTemporaryIn(workDir()));
}

TEST_F(OutputFiles, WhatBlocksATemporaryNameIsLeftAlone) {
    const std::string path = workDir() + "/level.xml";
    fs::create_directories(path + ".orvex-partial");
    EXPECT_EQ(writeWithOneBlob(path), MS::kFailure);
    EXPECT_TRUE(fs::is_directory(path + ".orvex-partial"));
    EXPECT_FALSE(fileExists(path));
    EXPECT_FALSE(fileExists(path + ".shapes"));
}

TEST_F(OutputFiles, DocumentThatCannotBeOpenedForWritingStaysWithItsSideFile) {
    const std::string path = workDir() + "/level.xml";
    writeFileBytes(path, "protected document");
    writeFileBytes(path + ".shapes", "previous side file");
    fs::permissions(path, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    ImmutableFile immutable(path); // read-only alone does not stop the superuser
    if (::geteuid() == 0 && !immutable.ok()) {
        GTEST_SKIP() << "cannot make a file unwritable for this user here";
    }
    EXPECT_EQ(writeWithOneBlob(path), MS::kFailure);
    EXPECT_TRUE(orvex_host::messages().empty());
    EXPECT_EQ(readFile(path), "protected document");
    EXPECT_EQ(readFile(path + ".shapes"), "previous side file");
    EXPECT_TRUE(noTemporaryIn(workDir()));
}

TEST_F(OutputFiles, ReplacedFilesKeepTheirPermissions) {
    const std::string path = workDir() + "/level.xml";
    writeFileBytes(path, "old");
    writeFileBytes(path + ".shapes", "old");
    const fs::perms shared =
        fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read | fs::perms::group_write;
    fs::permissions(path, shared);
    fs::permissions(path + ".shapes", fs::perms::owner_read | fs::perms::owner_write);
    ASSERT_EQ(writeWithOneBlob(path), MS::kSuccess);
    EXPECT_EQ(fs::status(path).permissions(), shared);
    EXPECT_EQ(fs::status(path + ".shapes").permissions(), fs::perms::owner_read | fs::perms::owner_write);
}
