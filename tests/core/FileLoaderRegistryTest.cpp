#include "core/FileLoaderRegistry.h"
#include "core/NativeFile.h"
#include "core/NativeFileLoader.h"
#include "support/TempDirectory.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

using orvex_test::readFileBytes;
using orvex_test::writeFileBytes;

// What the recording loaders saw, shared by all loaders of one test.
struct LoaderJournal {
    std::vector<std::string> asked;   // "name:path:absolute" per openFile
    std::vector<std::string> deleted; // names in order of destruction
};

// A loader that records its calls; it hands out a (closed) file only for the
// path given as opens, and nothing when that is empty.
class RecordingLoader final : public IFileLoader {
public:
    RecordingLoader(std::string loaderName, std::uint32_t loaderPriority, LoaderJournal& log,
                    std::string opens = "")
        : IFileLoader(loaderPriority), name(std::move(loaderName)), journal(log),
          pathItOpens(std::move(opens)) {}
    ~RecordingLoader() override { journal.deleted.push_back(name); }

    File* openFile(const std::string& path, int, bool absolute) override {
        journal.asked.push_back(name + ":" + path + ":" + (absolute ? "abs" : "rel"));
        return !pathItOpens.empty() && path == pathItOpens ? new NativeFile() : nullptr;
    }
    void refresh() override {}
    bool fileExists(const std::string&, bool) override { return false; }
    void rebase(const std::string&, const std::string&) override {}
    bool isReadOnly() const override { return true; }

private:
    std::string name;
    LoaderJournal& journal;
    std::string pathItOpens;
};

TEST(FileLoaderRegistry, LowerPriorityIsAskedFirstInEitherOrder) {
    for (const bool tenFirst : {true, false}) {
        LoaderJournal journal;
        {
            FileLoaderRegistry registry;
            auto five = std::make_unique<RecordingLoader>("five", 5, journal);
            auto ten = std::make_unique<RecordingLoader>("ten", 10, journal, "wanted");
            registry.addLoader(tenFirst ? std::move(ten) : std::move(five));
            registry.addLoader(tenFirst ? std::move(five) : std::move(ten));
            registry.addLoader(nullptr); // ignored
            EXPECT_EQ(registry.loaderPriorities(), (std::vector<std::uint32_t>{5, 10}));
            EXPECT_EQ(std::unique_ptr<File>(registry.openFile("other", 0)), nullptr);
            const std::unique_ptr<File> found(registry.openFile("wanted", 0));
            EXPECT_NE(found, nullptr);
        }
        EXPECT_EQ(journal.asked, (std::vector<std::string>{"five:other:rel", "ten:other:rel",
                                                           "five:wanted:rel", "ten:wanted:rel"}));
        // The registry deletes its loaders in the order it asks them.
        EXPECT_EQ(journal.deleted, (std::vector<std::string>{"five", "ten"}));
    }
}

TEST(FileLoaderRegistry, EqualPrioritiesKeepTheirOrderAndFirstFileWins) {
    LoaderJournal journal;
    FileLoaderRegistry registry;
    registry.addLoader(std::make_unique<RecordingLoader>("first", 10, journal, "x"));
    registry.addLoader(std::make_unique<RecordingLoader>("second", 10, journal, "x"));
    const std::unique_ptr<File> file(registry.openFile("x", 1));
    EXPECT_NE(file, nullptr);
    EXPECT_EQ(journal.asked, (std::vector<std::string>{"first:x:rel"}));
    EXPECT_EQ(FileLoaderRegistry().openFile("x", 0), nullptr); // no loaders
}

TEST(FileLoaderRegistry, WhatCountsAbsolute) {
    LoaderJournal journal;
    FileLoaderRegistry registry;
    registry.addLoader(std::make_unique<RecordingLoader>("l", 1, journal));
    const std::pair<std::string, bool> cases[] = {
        {"D:/out/a.shapes", true},
        {"1:x", true},
        {"\\\\server\\share\\a", true},
        {"/out/a.shapes", false},
        {"out/a.shapes", false},
        {"\\out", false},
        {"", false},
        {":", false},
    };
    for (const auto& [path, absolute] : cases) {
        journal.asked.clear();
        EXPECT_EQ(std::unique_ptr<File>(registry.openFile(path, 0)), nullptr);
        ASSERT_EQ(journal.asked.size(), 1u);
        EXPECT_EQ(journal.asked[0], "l:" + path + (absolute ? ":abs" : ":rel"));
        EXPECT_EQ(FileLoaderRegistry::countsAbsolute(path), absolute) << path;
    }
}

class NativeFileLoaderTest : public ::testing::Test {
protected:
    orvex_test::TempDirectory dir;
    orvex_test::ScopedWorkingDirectory inDir{dir.path()};
};

TEST_F(NativeFileLoaderTest, BaseIsAPlainPrefixOfRelativePaths) {
    writeFileBytes(dir / "D:/out/a.xml", "out");
    writeFileBytes(dir / "D:/x/a.xml", "x");
    writeFileBytes(dir / "D:/outa.xml", "outa");
    writeFileBytes(dir / "D:/out/out/a.shapes", "nested");
    NativeFileLoader withSlash("D:/out/", 10);
    NativeFileLoader withoutSlash("D:/out", 10);
    const auto contentOf = [](File* opened) {
        const std::unique_ptr<File> file(opened);
        char buffer[16] = {};
        return file ? std::string(buffer, static_cast<std::size_t>(file->read(buffer, sizeof buffer)))
                    : "none";
    };
    EXPECT_EQ(contentOf(withSlash.openFile("a.xml", 0, false)), "out");
    EXPECT_EQ(contentOf(withSlash.openFile("D:/x/a.xml", 0, true)), "x");
    EXPECT_EQ(contentOf(withoutSlash.openFile("a.xml", 0, false)), "outa");
    // A leading '/' is not absolute to the registry, so the base goes in front.
    EXPECT_EQ(contentOf(withSlash.openFile("/out/a.shapes", 0, false)), "nested");
    EXPECT_EQ(contentOf(withSlash.openFile("missing.xml", 0, false)), "none");
}

TEST_F(NativeFileLoaderTest, FileExistsOnlyForRegularFiles) {
    writeFileBytes(dir / "D:/out/a.xml", "");
    writeFileBytes(dir / "D:/out/sub/keep", "");
    NativeFileLoader loader("D:/out/", 10);
    EXPECT_TRUE(loader.fileExists("a.xml", false));
    EXPECT_FALSE(loader.fileExists("sub", false));
    EXPECT_FALSE(loader.fileExists("b.xml", false));
    EXPECT_TRUE(loader.fileExists("D:/out/a.xml", true));
}

TEST_F(NativeFileLoaderTest, RebaseNeedsTheExactOldBase) {
    writeFileBytes(dir / "D:/new/a.xml", "");
    NativeFileLoader loader("D:/out/", 10);
    loader.rebase("D:/OUT/", "D:/new/");
    EXPECT_FALSE(loader.fileExists("a.xml", false));
    loader.rebase("D:/out/", "D:/new/");
    EXPECT_TRUE(loader.fileExists("a.xml", false));
}

TEST_F(NativeFileLoaderTest, WritingThroughTheRegistryCreatesOrTruncates) {
    writeFileBytes(dir / "D:/out/level.xml.shapes", "stale side file");
    FileLoaderRegistry registry;
    registry.addLoader(std::make_unique<NativeFileLoader>("D:/out/", 10));
    {
        const std::unique_ptr<File> file(registry.openFile("D:/out/level.xml.shapes", 1));
        ASSERT_NE(file, nullptr);
        EXPECT_TRUE(file->isOpen());
        EXPECT_EQ(file->write("\x12\x34\x00\x02", 4), 4);
    }
    EXPECT_EQ(readFileBytes(dir / "D:/out/level.xml.shapes"), std::string("\x12\x34\x00\x02", 4));
    const std::unique_ptr<File> created(registry.openFile("new.shapes", 1));
    ASSERT_NE(created, nullptr);
    EXPECT_EQ(readFileBytes(dir / "D:/out/new.shapes"), "");
}

} // namespace
