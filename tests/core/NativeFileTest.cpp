#include "core/NativeFile.h"
#include "core/FileLoaderRegistry.h"
#include "core/ProcessLog.h"
#include "support/TempDirectory.h"

#include <gtest/gtest.h>
#include <orvex_platform/Faults.h>
#include <string>
#include <utility>
#include <vector>

namespace {

using orvex_test::readFileBytes;
using orvex_test::writeFileBytes;

// Collects what is written to the process log while it exists.
class LogRecorder final : public ProcessLogSink {
public:
    LogRecorder() { EXPECT_TRUE(ProcessLog::instance().addSink(this)); }
    ~LogRecorder() override { ProcessLog::instance().removeSink(this); }
    void write(const std::string& text) override { texts.push_back(text); }
    std::vector<std::string> texts;
};

// Collects the file errors of the process-wide registry while it exists.
class ErrorRecorder final : public IFileErrorListener {
public:
    ErrorRecorder() { FileLoaderRegistry::instance().addListener(this); }
    ~ErrorRecorder() { FileLoaderRegistry::instance().removeListener(this); }
    void fileError(const std::string& path, std::uint32_t kind) override { errors.emplace_back(path, kind); }
    std::vector<std::pair<std::string, std::uint32_t>> errors;
};

class NativeFileTest : public ::testing::Test {
protected:
    void TearDown() override { orvex_platform::clearFaults(); }
    orvex_test::TempDirectory dir;
};

TEST_F(NativeFileTest, ModesChooseReadWriteOrNothing) {
    const std::string path = dir / "a.bin";
    writeFileBytes(path, "old content");
    {
        NativeFile file;
        ASSERT_TRUE(file.open(path, 1));
        EXPECT_EQ(readFileBytes(path), ""); // emptied at once
        EXPECT_EQ(file.write("new", 3), 3);
    }
    EXPECT_EQ(readFileBytes(path), "new");
    for (const int readMode : {0, 2}) {
        NativeFile reader;
        EXPECT_TRUE(reader.open(path, readMode));
        EXPECT_EQ(reader.write("x", 1), -1); // opened for reading only
        NativeFile missing;
        EXPECT_FALSE(missing.open(dir / "missing.bin", readMode));
        EXPECT_FALSE(missing.isOpen());
    }
    NativeFile other;
    EXPECT_FALSE(other.open(path, 3));
    EXPECT_FALSE(other.open(path, -1));
    EXPECT_EQ(readFileBytes(path), "new");
}

TEST_F(NativeFileTest, NameWithZeroByteIsRefused) {
    writeFileBytes(dir / "a.bin", "keep");
    NativeFile file;
    EXPECT_FALSE(file.open(dir / std::string("a.bin\0.txt", 10), 1));
    EXPECT_EQ(readFileBytes(dir / "a.bin"), "keep");
}

TEST_F(NativeFileTest, WrongCaseOpensAndWarnsOnce) {
    const orvex_test::ScopedWorkingDirectory inDir(dir.path());
    writeFileBytes(dir / "D:/out/Level.xml", "");
    LogRecorder log;
    NativeFile file;
    ASSERT_TRUE(file.open("D:/Out/level.xml", 1));
    EXPECT_EQ(file.write("abc", 3), 3);
    EXPECT_EQ(log.texts, (std::vector<std::string>{
                             "Warning: Loading file with invalid case: ", "D:/Out/level.xml", "\n"}));
    EXPECT_EQ(readFileBytes(dir / "D:/out/Level.xml"), "abc");
}

TEST_F(NativeFileTest, CaseCheckSkipsDriveAndParentParts) {
    const orvex_test::ScopedWorkingDirectory inDir(dir.path());
    writeFileBytes(dir / "D:/out/a.xml", "");
    LogRecorder log;
    NativeFile exact;
    // The drive prefix "d:" is never looked up, so its case never warns.
    EXPECT_TRUE(exact.open("d:\\out\\a.xml", 0));
    NativeFile throughParent;
    EXPECT_TRUE(throughParent.open("D:/out/../out/a.xml", 0));
    EXPECT_TRUE(log.texts.empty());
    NativeFile wrongAfterParent;
    EXPECT_TRUE(wrongAfterParent.open("D:/out/../OUT/a.xml", 0));
    ASSERT_EQ(log.texts.size(), 3u);
    EXPECT_EQ(log.texts[1], "D:/out/../OUT/a.xml");
}

TEST_F(NativeFileTest, ShortReadSetsEofAndTheNextReadClearsIt) {
    writeFileBytes(dir / "a.bin", "abcd");
    NativeFile file;
    ASSERT_TRUE(file.open(dir / "a.bin", 0));
    char buffer[10] = {};
    EXPECT_EQ(file.read(buffer, 10), 4);
    EXPECT_EQ(std::string(buffer, 4), "abcd");
    EXPECT_TRUE(file.isEof());
    orvex_platform::failNextRead(ERROR_ACCESS_DENIED);
    EXPECT_EQ(file.read(buffer, 1), -1);
    EXPECT_FALSE(file.isEof());
    EXPECT_TRUE(file.seek(1));
    EXPECT_EQ(file.read(buffer, 2), 2);
    EXPECT_FALSE(file.isEof());
    EXPECT_EQ(file.tell(), 3);
    EXPECT_EQ(file.size(), 4);
}

TEST_F(NativeFileTest, SeekBeyond31BitsFails) {
    writeFileBytes(dir / "a.bin", "abcd");
    NativeFile file;
    ASSERT_TRUE(file.open(dir / "a.bin", 0));
    EXPECT_TRUE(file.seek(100));
    EXPECT_FALSE(file.isEof());
    EXPECT_EQ(file.tell(), 100);
    EXPECT_FALSE(file.seek(0x80000000u));
    EXPECT_EQ(file.tell(), 100);
}

TEST_F(NativeFileTest, ClosedFileAnswersWithoutTouchingDisk) {
    writeFileBytes(dir / "a.bin", "abcd");
    NativeFile neverOpened;
    NativeFile failedOpen;
    ASSERT_FALSE(failedOpen.open(dir / "missing.bin", 0));
    for (NativeFile* file : {&neverOpened, &failedOpen}) {
        char buffer[4];
        std::int32_t result = 7;
        EXPECT_FALSE(file->isOpen());
        EXPECT_EQ(file->read(buffer, 4), -1);
        EXPECT_EQ(file->write("x", 1), -1);
        EXPECT_EQ(file->size(), -1);
        EXPECT_EQ(file->tell(), -1);
        EXPECT_FALSE(file->seek(0));
        EXPECT_FALSE(file->isEof());
        EXPECT_FALSE(file->beginRead(buffer, 4));
        EXPECT_TRUE(file->readResult(&result));
        EXPECT_EQ(result, -1);
        EXPECT_EQ(file->modificationTime(), 0u);
    }
}

TEST_F(NativeFileTest, ModificationTimeLooksAtThePath) {
    writeFileBytes(dir / "a.bin", "abcd");
    NativeFile file;
    ASSERT_TRUE(file.open(dir / "a.bin", 0));
    EXPECT_NE(file.modificationTime(), 0u);
}

TEST_F(NativeFileTest, ReadResultMatchesTheReadBeganEarlier) {
    writeFileBytes(dir / "a.bin", "abcdef");
    NativeFile file;
    ASSERT_TRUE(file.open(dir / "a.bin", 0));
    std::int32_t result = 7;
    EXPECT_TRUE(file.readResult(&result));
    EXPECT_EQ(result, -1); // no read began yet
    char buffer[8] = {};
    EXPECT_TRUE(file.beginRead(buffer, 4));
    EXPECT_TRUE(file.readResult(&result));
    EXPECT_EQ(result, 4);
    EXPECT_EQ(std::string(buffer, 4), "abcd");
    EXPECT_TRUE(file.beginRead(buffer, 8));
    EXPECT_TRUE(file.readResult(&result));
    EXPECT_EQ(result, 2);
    EXPECT_TRUE(file.isEof());
}

TEST_F(NativeFileTest, FullDiskFailsTheWriteAndNotifiesKindOne) {
    ErrorRecorder listener;
    NativeFile device;
    ASSERT_TRUE(device.open("/dev/full", 1));
    EXPECT_EQ(device.write("abcd", 4), -1);

    const std::string path = dir / "a.bin";
    NativeFile file;
    ASSERT_TRUE(file.open(path, 1));
    orvex_platform::failWrites(ERROR_DISK_FULL);
    EXPECT_EQ(file.write("abcd", 4), -1);
    // Other write errors are not passed on.
    orvex_platform::failWrites(ERROR_ACCESS_DENIED);
    EXPECT_EQ(file.write("abcd", 4), -1);
    EXPECT_EQ(listener.errors,
              (std::vector<std::pair<std::string, std::uint32_t>>{{"/dev/full", IFileErrorListener::diskFull},
                                                                  {path, IFileErrorListener::diskFull}}));
}

TEST_F(NativeFileTest, CorruptReadFailsAndNotifiesKindZero) {
    const std::string path = dir / "a.bin";
    writeFileBytes(path, "abcd");
    ErrorRecorder listener;
    NativeFile file;
    ASSERT_TRUE(file.open(path, 0));
    char buffer[4];
    for (const DWORD error : {ERROR_FILE_CORRUPT, ERROR_DISK_CORRUPT, ERROR_ACCESS_DENIED}) {
        orvex_platform::failNextRead(error);
        EXPECT_EQ(file.read(buffer, 4), -1);
    }
    EXPECT_EQ(listener.errors,
              (std::vector<std::pair<std::string, std::uint32_t>>{{path, IFileErrorListener::readCorrupt},
                                                                  {path, IFileErrorListener::readCorrupt}}));
}

} // namespace
