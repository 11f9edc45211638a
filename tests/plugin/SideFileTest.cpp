// The shapes side file beside the document: its framing, where it lands, and
// that a failed run changes nothing on disk.

#include "core/FileLoaderRegistry.h"
#include "support/DocumentRuns.h"
#include "support/ExportHarness.h"
#include "support/MeshStatements.h"

#include <orvex_platform/Faults.h>

#include <algorithm>
#include <filesystem>

using orvex_host::MessageKind;
using namespace orvex_test;

namespace {

std::string bytes(std::initializer_list<int> values) {
    std::string text;
    for (int v : values) {
        text += static_cast<char>(v);
    }
    return text;
}

} // namespace

class SideFile : public ExportTest {};

TEST_F(SideFile, OneHundredByteBlobMakesA116ByteFile) {
    std::filesystem::create_directories("D:/out");
    std::vector<ShapeBlob> blobs;
    blobs.push_back(makeBlob(1, 100, 0xab));
    ASSERT_EQ(writeDocument(documentAt("D:/out/level.xml"), blobs), MS::kSuccess);
    EXPECT_TRUE(blobs.empty());

    std::string side = readFile("D:/out/level.xml.shapes");
    ASSERT_EQ(side.size(), 116u);
    EXPECT_EQ(side.substr(2, 2), bytes({0, 2}));
    EXPECT_EQ(side.substr(4, 4), bytes({0, 0, 0, 1}));
    EXPECT_EQ(side.substr(8, 4), bytes({0, 0, 0, 1}));
    EXPECT_EQ(side.substr(12, 4), bytes({0, 0, 0, 100}));
    EXPECT_EQ(side.substr(16), std::string(100, '\xab'));

    std::string document = readFile("D:/out/level.xml");
    EXPECT_NE(document.find("\n  <Shapes  externalShapesFile=\"level.xml.shapes\">\n  </Shapes>\n\n"),
              std::string::npos);
    EXPECT_EQ(messagesOf(MessageKind::Info).back(), "done.");
}

TEST_F(SideFile, RecordsFollowTheOrderOfTheBlobs) {
    std::filesystem::create_directories("D:/out");
    std::vector<ShapeBlob> blobs;
    blobs.push_back(makeBlob(2, 3, 0x22));
    blobs.push_back(makeBlob(1, 5, 0x11));
    ASSERT_EQ(writeDocument(documentAt("D:/out/a.xml"), blobs), MS::kSuccess);
    std::string side = readFile("D:/out/a.xml.shapes");
    ASSERT_EQ(side.size(), 8u + 8 + 3 + 8 + 5);
    EXPECT_EQ(side.substr(4, 4), bytes({0, 0, 0, 2}));
    EXPECT_EQ(side.substr(8, 8), bytes({0, 0, 0, 2, 0, 0, 0, 3}));
    EXPECT_EQ(side.substr(16, 3), "\x22\x22\x22");
    EXPECT_EQ(side.substr(19, 8), bytes({0, 0, 0, 1, 0, 0, 0, 5}));
}

TEST_F(SideFile, BackslashPathNamesTheWholeSidePath) {
    std::filesystem::create_directories("D:/out");
    std::vector<ShapeBlob> blobs;
    blobs.push_back(makeBlob(1, 4, 0));
    ASSERT_EQ(writeDocument(documentAt("D:\\out\\level.xml"), blobs), MS::kSuccess);
    EXPECT_NE(readFile("D:/out/level.xml").find("externalShapesFile=\"D:\\out\\level.xml.shapes\""),
              std::string::npos);
    EXPECT_TRUE(fileExists("D:/out/level.xml.shapes"));
}

TEST_F(SideFile, TheSideFileNameIsEscapedInItsAttribute) {
    std::filesystem::create_directories("D:/out");
    std::vector<ShapeBlob> blobs;
    blobs.push_back(makeBlob(1, 4, 0));
    ASSERT_EQ(writeDocument(documentAt("D:/out/Tom & \"Jerry\" <1>.xml"), blobs), MS::kSuccess);
    EXPECT_NE(readFile("D:/out/Tom & \"Jerry\" <1>.xml")
                  .find("<Shapes  externalShapesFile=\"Tom &amp; &quot;Jerry&quot; &lt;1>.xml.shapes\">"),
              std::string::npos);
    EXPECT_EQ(readFile("D:/out/Tom & \"Jerry\" <1>.xml.shapes").size(), 20u);
}

TEST_F(SideFile, PosixAbsolutePathPutsTheSideFileBesideTheDocument) {
    std::string path = workDir() + "/deep/level.xml";
    std::filesystem::create_directories(workDir() + "/deep");
    std::vector<ShapeBlob> blobs;
    blobs.push_back(makeBlob(1, 4, 0));
    ASSERT_EQ(writeDocument(documentAt(path), blobs), MS::kSuccess);
    EXPECT_TRUE(fileExists(path + ".shapes"));
    EXPECT_EQ(readFile(path + ".shapes").size(), 20u);
}

TEST_F(SideFile, FullDiskFailsAndKeepsThePreviousFiles) {
    std::filesystem::create_directories("D:/out");
    std::vector<ShapeBlob> first;
    first.push_back(makeBlob(1, 10, 0x01));
    ASSERT_EQ(writeDocument(documentAt("D:/out/level.xml"), first), MS::kSuccess);
    const std::string oldDocument = readFile("D:/out/level.xml");
    const std::string oldSide = readFile("D:/out/level.xml.shapes");
    orvex_host::clearMessages();

    orvex_platform::failWrites(112); // the disk is full
    std::vector<ShapeBlob> second;
    second.push_back(makeBlob(1, 50, 0x02));
    EXPECT_EQ(writeDocument(documentAt("D:/out/level.xml"), second), MS::kFailure);
    EXPECT_TRUE(second.empty());

    EXPECT_EQ(readFile("D:/out/level.xml"), oldDocument);
    EXPECT_EQ(readFile("D:/out/level.xml.shapes"), oldSide);
    EXPECT_EQ(messagesOf(MessageKind::Error),
              (std::vector<std::string>{
                  "orvexExport: Failed to write file (D:/out/level.xml.shapes): the disk is full"}));
    EXPECT_TRUE(messagesOf(MessageKind::Info).empty());
    for (const auto& entry : std::filesystem::directory_iterator("D:/out")) {
        EXPECT_EQ(entry.path().filename().string().find(".orvex-"), std::string::npos) << entry.path();
    }
}

TEST_F(SideFile, FullDiskOnTheDocumentAloneFailsToo) {
    std::filesystem::create_directories("D:/out");
    orvex_platform::failWrites(112);
    std::vector<ShapeBlob> none;
    EXPECT_EQ(writeDocument(documentAt("D:/out/level.xml"), none), MS::kFailure);
    EXPECT_FALSE(fileExists("D:/out/level.xml"));
    EXPECT_EQ(
        messagesOf(MessageKind::Error),
        (std::vector<std::string>{"orvexExport: Failed to write file (D:/out/level.xml): the disk is full"}));
}

TEST_F(SideFile, EveryRunRegistersOneLoaderForItsOutputDirectory) {
    auto countTens = [] {
        auto priorities = FileLoaderRegistry::instance().loaderPriorities();
        return std::count(priorities.begin(), priorities.end(), 10u);
    };
    const auto before = countTens();
    ASSERT_EQ(exportWith("-f " + workDir() + "/a.xml"), MS::kSuccess);
    EXPECT_EQ(exportWith("-f " + workDir() + "/missing/b.xml"), MS::kFailure);
    EXPECT_EQ(countTens(), before + 2);
    EXPECT_EQ(exportWith("-v"), MS::kFailure); // no file flag: nothing registered
    EXPECT_EQ(countTens(), before + 2);
}

namespace {

// One triangle on a transform, as the host writes it.
std::string triangleScene() {
    MeshSpec triangle;
    triangle.points = {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}};
    triangle.faces = {{0, 1, 2}};
    return "createNode transform -n \"tri\";\ncreateNode mesh -n \"triShape\" -p \"tri\";\n" +
           sceneText(meshStatements(triangle));
}

} // namespace

TEST_F(SideFile, CommandPutsTheSideFileBesideAnAbsoluteOrRelativeDocument) {
    openScene(triangleScene());
    std::filesystem::create_directories(workDir() + "/abs");
    const std::string absolute = workDir() + "/abs/level.xml";
    ASSERT_EQ(exportWith("-shap -f \"" + absolute + "\""), MS::kSuccess);
    EXPECT_NE(readFile(absolute).find("<Shapes  externalShapesFile=\"level.xml.shapes\">"),
              std::string::npos);
    EXPECT_EQ(readFile(absolute + ".shapes").substr(4, 4), bytes({0, 0, 0, 1}));

    // Relative: joined to the working directory, which is a POSIX path here.
    std::filesystem::create_directories(workDir() + "/rel");
    ASSERT_EQ(exportWith("-shap -f \"rel/level.xml\""), MS::kSuccess);
    EXPECT_EQ(messagesOf(MessageKind::Info).at(2), "CWD: " + workDir() + "\n");
    EXPECT_EQ(readFile(workDir() + "/rel/level.xml.shapes"), readFile(absolute + ".shapes"));
    EXPECT_NE(readFile(workDir() + "/rel/level.xml").find("externalShapesFile=\"level.xml.shapes\""),
              std::string::npos);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(workDir() + "/rel"),
                            std::filesystem::directory_iterator()),
              2);
}

TEST_F(SideFile, AShapesRunThatFindsNothingLeavesAnEarlierSideFileUntouchedAndUnnamed) {
    openScene(triangleScene());
    const std::string path = workDir() + "/level.xml";
    ASSERT_EQ(exportWith("-shap -f " + path), MS::kSuccess);
    const std::string oldSide = readFile(path + ".shapes");
    const auto oldTime = std::filesystem::last_write_time(path + ".shapes");

    openScene("createNode transform -n \"empty\";\n");
    ASSERT_EQ(exportWith("-shap -f " + path), MS::kSuccess);
    const std::string document = readFile(path);
    EXPECT_NE(document.find("\n  <Shapes >\n  </Shapes>\n"), std::string::npos) << document;
    EXPECT_EQ(document.find("externalShapesFile"), std::string::npos) << document;
    EXPECT_EQ(readFile(path + ".shapes"), oldSide);
    EXPECT_EQ(std::filesystem::last_write_time(path + ".shapes"), oldTime);
    EXPECT_EQ(
        std::distance(std::filesystem::directory_iterator(workDir()), std::filesystem::directory_iterator()),
        2);
}

TEST_F(SideFile, CommandOnAFullDiskKeepsThePreviousDocumentAndSideFile) {
    openScene(triangleScene());
    const std::string path = workDir() + "/level.xml";
    ASSERT_EQ(exportWith("-shap -f " + path), MS::kSuccess);
    const std::string oldDocument = readFile(path);
    const std::string oldSide = readFile(path + ".shapes");
    orvex_host::clearMessages();

    orvex_platform::failWrites(112);
    EXPECT_EQ(exportWith("-shap -n -f " + path), MS::kFailure);
    EXPECT_EQ(messagesOf(MessageKind::Error),
              (std::vector<std::string>{"orvexExport: Failed to write file (" + path +
                                        ".shapes): the disk is full"}));
    EXPECT_EQ(messagesOf(MessageKind::Info), (std::vector<std::string>{"Export scene to: " + path}));
    EXPECT_EQ(readFile(path), oldDocument);
    EXPECT_EQ(readFile(path + ".shapes"), oldSide);
    EXPECT_EQ(
        std::distance(std::filesystem::directory_iterator(workDir()), std::filesystem::directory_iterator()),
        2);
}
