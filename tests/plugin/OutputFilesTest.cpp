// What the export does to the files already at its output names: links are
// written through, anything but a regular file is refused with a reason,
// temporaries are never shared or written through a link, a locked folder
// gets its document written in place, and a failed move leaves the old
// document with its old side file.

#include "support/DocumentRuns.h"
#include "support/ExportHarness.h"

#include <orvex_platform/Faults.h>

#include "plugin/PendingFile.h"

#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

using orvex_host::MessageKind;
using namespace orvex_test;
namespace fs = std::filesystem;

namespace {

// No temporary and no kept previous file is left behind.
bool noTemporaryIn(const std::string& directory) {
    for (const auto& entry : fs::directory_iterator(directory)) {
        if (entry.path().filename().string().find(".orvex-") != std::string::npos) {
            return false;
        }
    }
    return true;
}

std::string failureOf(const std::string& path, const std::string& reason) {
    return "orvexExport: Failed to write file (" + path + "): " + reason;
}

std::vector<ShapeBlob> oneBlob(uint8_t fill) {
    std::vector<ShapeBlob> blobs;
    blobs.push_back(makeBlob(1, 6, fill));
    return blobs;
}

MStatus writeWithOneBlob(const std::string& path, uint8_t fill = 0x5a) {
    std::vector<ShapeBlob> blobs = oneBlob(fill);
    return writeDocument(documentAt(path), blobs);
}

// Marks a file immutable, so that not even the superuser may open it for
// writing or replace it (a directory: add or remove entries); undone when the
// object goes away. Skips the test
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

// Each output that cannot be written fails before anything is written, with
// an error that names the file and the reason; what stood there stays.
TEST_F(OutputFiles, EveryRefusedOutputNamesTheFileAndTheReason) {
    struct Case {
        const char* what;
        std::function<void(const std::string& path)> arrange; // path: the output that is refused
        const char* reason;
    };
    const std::string notRegular = "it is not a regular file (a device, pipe or socket)";
    const std::vector<Case> cases = {
        {"missing folder", [](const std::string&) {}, "its folder does not exist"},
        {"directory", [](const std::string& p) { fs::create_directories(p); }, "it is a directory"},
        {"link to a full device", [](const std::string& p) { fs::create_symlink("/dev/full", p); },
         notRegular.c_str()},
        {"link to nothing", [](const std::string& p) { fs::create_symlink("nowhere", p); },
         "it is a link to a file that does not exist"},
        {"name too long", [](const std::string&) {}, "the name is too long"},
    };
    for (const bool side : {false, true}) {
        for (const Case& c : cases) {
            if (side && std::string(c.what) == "missing folder") {
                continue; // the document, in the same folder, is refused first
            }
            SCOPED_TRACE(std::string(c.what) + (side ? " (side file)" : " (document)"));
            orvex_host::clearMessages();
            std::string folder = workDir() + "/" + c.what;
            std::string name =
                std::string(c.what) == "name too long" ? std::string(side ? 250 : 256, 'n') : "level";
            const std::string path = folder + "/" + name + ".xml";
            if (std::string(c.what) != "missing folder") {
                fs::create_directories(folder);
            }
            const std::string refused = side ? path + ".shapes" : path;
            c.arrange(refused);
            if (side && fs::is_directory(folder)) {
                writeFileBytes(path, "previous document");
            }
            EXPECT_EQ(writeWithOneBlob(path), MS::kFailure);
            EXPECT_EQ(messagesOf(MessageKind::Error),
                      (std::vector<std::string>{failureOf(refused, c.reason)}));
            if (side && fs::is_directory(folder)) {
                EXPECT_EQ(readFile(path), "previous document");
                EXPECT_TRUE(noTemporaryIn(folder));
            }
            std::error_code ignored;
            fs::remove_all(folder, ignored);
        }
    }
    EXPECT_TRUE(fs::is_character_file("/dev/full"));
}

TEST_F(OutputFiles, APipeIsRefusedWithoutWaitingForIt) {
    const std::string path = workDir() + "/level.xml";
    ASSERT_EQ(::mkfifo(path.c_str(), 0644), 0);
    // A reader keeps the pipe open, so that writing into it would not wait.
    const int reader = ::open(path.c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    EXPECT_EQ(writeWithOneBlob(path), MS::kFailure);
    char byte = 0;
    EXPECT_LE(::read(reader, &byte, 1), 0); // nothing went into the pipe
    ::close(reader);
    EXPECT_EQ(
        messagesOf(MessageKind::Error),
        (std::vector<std::string>{failureOf(path, "it is not a regular file (a device, pipe or socket)")}));
    EXPECT_TRUE(fs::is_fifo(path));
    EXPECT_FALSE(fileExists(path + ".shapes"));
}

TEST_F(OutputFiles, ASideFileThatIsTheDocumentIsRefusedBeforeAnythingIsWritten) {
    const std::string path = workDir() + "/level.xml";
    writeFileBytes(path, "previous document");
    fs::create_symlink("level.xml", path + ".shapes");
    EXPECT_EQ(writeWithOneBlob(path), MS::kFailure);
    EXPECT_EQ(messagesOf(MessageKind::Error),
              (std::vector<std::string>{failureOf(path + ".shapes", "it is the document itself")}));
    EXPECT_EQ(readFile(path), "previous document");
    EXPECT_TRUE(fs::is_symlink(path + ".shapes"));
    EXPECT_TRUE(noTemporaryIn(workDir()));

    // A second name of the same file (a hard link) is the document too.
    fs::remove(path + ".shapes");
    fs::create_hard_link(path, path + ".shapes");
    EXPECT_EQ(writeWithOneBlob(path), MS::kFailure);
    EXPECT_EQ(readFile(path), "previous document");
}

TEST_F(OutputFiles, WhatStandsAtATemporaryNameIsLeftAlone) {
    const std::string path = workDir() + "/level.xml";
    const std::string victim = workDir() + "/victim";
    writeFileBytes(victim, "someone else's file");
    // A directory and links where a temporary of a fixed name would go.
    fs::create_directories(path + ".orvex-partial");
    fs::create_symlink(victim, path + ".shapes.orvex-partial");
    ASSERT_EQ(writeWithOneBlob(path), MS::kSuccess);
    EXPECT_TRUE(fs::is_directory(path + ".orvex-partial"));
    EXPECT_TRUE(fs::is_symlink(path + ".shapes.orvex-partial"));
    EXPECT_EQ(readFile(victim), "someone else's file");
    EXPECT_EQ(readFile(path + ".shapes").size(), 8u + 8 + 6);
}

TEST_F(OutputFiles, TwoWritersOfOneFileNeverMixTheirBytes) {
    const std::string path = workDir() + "/level.xml";
    PendingFile first(path);
    PendingFile second(path);
    ASSERT_TRUE(first.examine() && second.examine());
    ASSERT_TRUE(first.create() && second.create());
    const std::string long1(5000, '1');
    const std::string short2(10, '2');
    ASSERT_TRUE(first.writeText(long1) && second.writeText(short2));
    ASSERT_TRUE(first.close() && second.close());
    ASSERT_TRUE(second.commit());
    EXPECT_EQ(readFile(path), short2);
    ASSERT_TRUE(first.commit());
    EXPECT_EQ(readFile(path), long1);
    EXPECT_TRUE(noTemporaryIn(workDir()));
}

TEST_F(OutputFiles, ALockedFolderGetsItsFilesWrittenInPlace) {
    const std::string folder = workDir() + "/locked";
    fs::create_directories(folder);
    const std::string path = folder + "/level.xml";
    writeFileBytes(path, "previous document");
    writeFileBytes(path + ".shapes", "previous side file");
    {
        ImmutableFile locked(folder); // takes no new file, but its files stay writable
        if (!locked.ok()) {
            GTEST_SKIP() << "cannot lock a folder here";
        }
        ASSERT_EQ(writeWithOneBlob(path), MS::kSuccess)
            << (orvex_host::messages().empty() ? "" : orvex_host::messages().back().text);
        EXPECT_NE(readFile(path).find("externalShapesFile=\"level.xml.shapes\""), std::string::npos);
        EXPECT_EQ(readFile(path + ".shapes").size(), 8u + 8 + 6);

        // A file that is not there yet cannot be made in such a folder.
        const std::string fresh = folder + "/fresh.xml";
        EXPECT_EQ(writeWithOneBlob(fresh), MS::kFailure);
        EXPECT_EQ(messagesOf(MessageKind::Error).back(), failureOf(fresh, "it is not writable"));
    }
    EXPECT_TRUE(noTemporaryIn(folder));
}

// The side file moves into place first; when the document cannot follow,
// the side file goes back, so the old document keeps its old side file.
TEST_F(OutputFiles, AFailedMoveLeavesTheOldPair) {
    const std::string path = workDir() + "/level.xml";
    ASSERT_EQ(writeWithOneBlob(path, 0x11), MS::kSuccess);
    const std::string oldDocument = readFile(path);
    const std::string oldSide = readFile(path + ".shapes");
    orvex_host::clearMessages();
    orvex_platform::failMovesOnto(path.c_str(), 5);
    EXPECT_EQ(writeWithOneBlob(path, 0x22), MS::kFailure);
    EXPECT_EQ(messagesOf(MessageKind::Error),
              (std::vector<std::string>{failureOf(path, "it is not writable")}));
    EXPECT_EQ(readFile(path), oldDocument);
    EXPECT_EQ(readFile(path + ".shapes"), oldSide);
    EXPECT_TRUE(noTemporaryIn(workDir()));

    // Without an old side file, the new one is taken away again.
    const std::string fresh = workDir() + "/fresh.xml";
    writeFileBytes(fresh, "old document without shapes");
    orvex_platform::failMovesOnto(fresh.c_str(), 5);
    EXPECT_EQ(writeWithOneBlob(fresh), MS::kFailure);
    EXPECT_EQ(readFile(fresh), "old document without shapes");
    EXPECT_FALSE(fileExists(fresh + ".shapes"));
    EXPECT_TRUE(noTemporaryIn(workDir()));
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
    EXPECT_EQ(messagesOf(MessageKind::Error),
              (std::vector<std::string>{failureOf(path, "it is not writable")}));
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
