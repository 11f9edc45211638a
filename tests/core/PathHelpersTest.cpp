#include "core/PathHelpers.h"

#include <gtest/gtest.h>
#include <string>

namespace {

TEST(PathHelpers, DirectoryOf) {
    std::string directory;
    directoryOf("a/b/c.txt", directory);
    EXPECT_EQ(directory, "a/b/");
    directoryOf("D:/out/", directory);
    EXPECT_EQ(directory, "D:/out/");
    // Backslashes do not separate; without a '/' the output is left alone.
    std::string untouched = "kept";
    directoryOf("D:\\out\\level.xml", untouched);
    EXPECT_EQ(untouched, "kept");
}

TEST(PathHelpers, FileNameOf) {
    std::string name = "stale";
    fileNameOf("a/b/", name);
    EXPECT_EQ(name, "");
    fileNameOf("c.txt", name);
    EXPECT_EQ(name, "c.txt");
    fileNameOf("D:/out/level.xml.shapes", name);
    EXPECT_EQ(name, "level.xml.shapes");
    fileNameOf("D:\\out\\level.xml.shapes", name);
    EXPECT_EQ(name, "D:\\out\\level.xml.shapes");
}

struct RelativeCase {
    const char* base;
    const char* path; // lowered for the comparison by the test
    bool produced;
    const char* expected;
};

std::string lowered(std::string text) {
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return text;
}

TEST(PathHelpers, MakeRelativePathTable) {
    const RelativeCase cases[] = {
        {"c:/out/", "c:/out/tex/a.png", true, "tex/a.png"},
        {"c:/out/", "c:/data/a.png", true, "../data/a.png"},
        {"c:/a/bc/", "c:/a/b/x.png", true, "../b/x.png"},
        {"c:/out/deep/er/", "c:/out/a.png", true, "../../a.png"},
        {"c:/out/", "d:/a.png", false, "untouched"},
        {"/out/", "/data/a.png", false, "untouched"},
        {"", "any/thing.png", true, "any/thing.png"},
        {"c:/out/", "C:/Data/A.png", true, "../Data/A.png"},
        {"c:/out/", "C:/OUT/Tex/A.png", true, "Tex/A.png"},
    };
    for (const RelativeCase& c : cases) {
        std::string output = "untouched";
        EXPECT_EQ(makeRelativePath(c.base, lowered(c.path), c.path, output), c.produced)
            << c.base << " " << c.path;
        EXPECT_EQ(output, c.expected) << c.base << " " << c.path;
    }
}

TEST(PathHelpers, MakeRelativePathMayWriteOverItsInput) {
    std::string path = "C:/Data/A.png";
    EXPECT_TRUE(makeRelativePath("c:/out/", lowered(path), path, path));
    EXPECT_EQ(path, "../Data/A.png");
}

} // namespace
