// The export command end to end: flags, output path, document frame.

#include "support/ExportHarness.h"

#include <orvex_platform/Faults.h>

#include <algorithm>
#include <filesystem>

using orvex_host::MessageKind;
using namespace orvex_test;

namespace {

const char kRootAttributes[] = "\" version=\"1.6\" xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" "
                               "xsi:noNamespaceSchemaLocation=\"orvex-1.6.xsd\">\n";

std::string frame(const std::string& name, const std::string& middle) {
    return "<?xml version=\"1.0\" encoding=\"iso-8859-1\"?>\n\n<Orvex name=\"" + name + kRootAttributes +
           middle + "</Orvex>\n";
}

const char kEmptyScene[] = "  <Scene>\n  </Scene>\n";
// Files and Materials of a scene without materials.
const std::string kEmptyFilesAndMaterials = "\n  <Files>\n  </Files>\n\n  <Materials>\n  </Materials>\n\n";

} // namespace

class ExportCommand : public ExportTest {};

TEST_F(ExportCommand, WithoutFileFlagFailsSilently) {
    EXPECT_EQ(exportWith("-v -shap"), MS::kFailure);
    EXPECT_TRUE(orvex_host::messages().empty());
    EXPECT_TRUE(std::filesystem::is_empty(workDir()));
}

TEST_F(ExportCommand, FileFlagAsLastArgumentFailsSilently) {
    EXPECT_EQ(exportWith("-v -f"), MS::kFailure);
    EXPECT_TRUE(orvex_host::messages().empty());
}

TEST_F(ExportCommand, UntitledSceneWritesTheBareFrame) {
    std::string path = workDir() + "/out.xml";
    ASSERT_EQ(exportWith("-f \"" + path + "\""), MS::kSuccess);
    EXPECT_EQ(readFile(path), frame("untitled", kEmptyFilesAndMaterials + "\n  <Shapes >\n  </Shapes>\n\n" +
                                                    std::string(kEmptyScene) + "\n"));
    EXPECT_EQ(messagesOf(MessageKind::Info), (std::vector<std::string>{"Export scene to: " + path, "done."}));
    EXPECT_FALSE(fileExists(path + ".orvex-partial"));
}

TEST_F(ExportCommand, DocumentIsNamedAfterTheSceneFile) {
    orvex_host::setSceneName("D:/maya/scenes/level1.mb");
    std::string path = workDir() + "/out.xml";
    ASSERT_EQ(exportWith("-f " + path), MS::kSuccess);
    EXPECT_NE(readFile(path).find("<Orvex name=\"level1\" version=\"1.6\""), std::string::npos);
}

TEST_F(ExportCommand, SceneNameIsEscapedInTheRootTag) {
    orvex_host::setSceneName("D:/maya/Tom & \"Jerry\" <1>.mb");
    std::string path = workDir() + "/out.xml";
    ASSERT_EQ(exportWith("-f " + path), MS::kSuccess);
    EXPECT_NE(readFile(path).find("<Orvex name=\"Tom &amp; &quot;Jerry&quot; &lt;1>\""), std::string::npos);
}

TEST_F(ExportCommand, SectionsKeepTheirOrderWhateverTheFlagOrder) {
    std::string path = workDir() + "/out.xml";
    ASSERT_EQ(exportWith("-ua -an -f " + path + " -ps -unknownFlag extra"), MS::kSuccess);
    // Dynamics, Scene, Animation, UserAttributes, each followed by a blank line.
    EXPECT_EQ(readFile(path),
              frame("untitled", kEmptyFilesAndMaterials +
                                    "\n  <Shapes >\n  </Shapes>\n\n  <Dynamics>\n  </Dynamics>\n\n" +
                                    std::string(kEmptyScene) +
                                    "\n  <Animation>\n    <AnimationSets>\n    </AnimationSets>\n"
                                    "  </Animation>\n\n  <UserAttributes>\n  </UserAttributes>\n"));
}

TEST_F(ExportCommand, DollarSignsBecomeSlashes) {
    std::filesystem::create_directories("D:/temp");
    ASSERT_EQ(exportWith("-f D:$temp$scene.xml"), MS::kSuccess);
    EXPECT_EQ(messagesOf(MessageKind::Info),
              (std::vector<std::string>{"Export scene to: D:/temp/scene.xml", "done."}));
    EXPECT_TRUE(fileExists("D:/temp/scene.xml"));

    // A leading '$' makes the path absolute: no working directory is joined.
    orvex_host::clearMessages();
    std::string dollars = workDir() + "/scene.xml";
    std::replace(dollars.begin(), dollars.end(), '/', '$');
    ASSERT_EQ(exportWith("-f " + dollars), MS::kSuccess);
    EXPECT_EQ(messagesOf(MessageKind::Info),
              (std::vector<std::string>{"Export scene to: " + workDir() + "/scene.xml", "done."}));
}

TEST_F(ExportCommand, RelativePathIsJoinedToTheWorkingDirectory) {
    ASSERT_EQ(exportWith("-f scene.xml"), MS::kSuccess);
    std::vector<std::string> info = messagesOf(MessageKind::Info);
    ASSERT_EQ(info.size(), 3u);
    EXPECT_EQ(info[0], "CWD: " + workDir() + "\n");
    EXPECT_EQ(info[1], "Export scene to: " + workDir() + "/scene.xml");
    EXPECT_TRUE(fileExists(workDir() + "/scene.xml"));
}

TEST_F(ExportCommand, WorkingDirectoryIsShownAsReportedThenJoinedWithSlashes) {
    std::filesystem::create_directories("D:/work");
    orvex_platform::overrideWorkingDirectory("D:\\work");
    ASSERT_EQ(exportWith("-f scene.xml"), MS::kSuccess);
    EXPECT_EQ(messagesOf(MessageKind::Info),
              (std::vector<std::string>{"CWD: D:\\work\n", "Export scene to: D:/work/scene.xml", "done."}));
    EXPECT_TRUE(fileExists("D:/work/scene.xml"));

    orvex_host::clearMessages();
    orvex_platform::overrideWorkingDirectory("D:\\");
    std::filesystem::create_directories("D:");
    ASSERT_EQ(exportWith("-f scene.xml"), MS::kSuccess);
    EXPECT_EQ(messagesOf(MessageKind::Info)[1], "Export scene to: D:/scene.xml");
}

TEST_F(ExportCommand, UnreadableWorkingDirectoryLeavesThePathAsItIs) {
    orvex_platform::failWorkingDirectory(true);
    ASSERT_EQ(exportWith("-f scene.xml"), MS::kSuccess);
    EXPECT_EQ(messagesOf(MessageKind::Info),
              (std::vector<std::string>{"Export scene to: scene.xml", "done."}));
    EXPECT_TRUE(fileExists(workDir() + "/scene.xml"));
}

TEST_F(ExportCommand, FileFlagTakesTheNextArgumentWhateverItIs) {
    ASSERT_EQ(exportWith("-f -v"), MS::kSuccess);
    EXPECT_EQ(messagesOf(MessageKind::Info)[1], "Export scene to: " + workDir() + "/-v");
}

TEST_F(ExportCommand, UnwritableOutputFailsAndLeavesNothing) {
    std::string path = workDir() + "/missing/dir/out.xml";
    EXPECT_EQ(exportWith("-f " + path), MS::kFailure);
    EXPECT_FALSE(fileExists(path));
    EXPECT_EQ(messagesOf(MessageKind::Error),
              (std::vector<std::string>{"orvexExport: Failed to write file (" + path +
                                        "): its folder does not exist"}));
    for (const auto& info : messagesOf(MessageKind::Info)) {
        EXPECT_NE(info, "done.");
    }
}

TEST_F(ExportCommand, FailingSceneIteratorStillWritesTheDocument) {
    // The command does not examine the scene pass's result.
    orvex_host::setFault("MItDag");
    std::string path = workDir() + "/out.xml";
    ASSERT_EQ(exportWith("-f " + path), MS::kSuccess);
    EXPECT_EQ(readFile(path),
              frame("untitled", kEmptyFilesAndMaterials + "\n  <Shapes >\n  </Shapes>\n\n\n"));
}

TEST_F(ExportCommand, VerboseEchoesTheSceneNameQuery) {
    orvex_host::setSceneName("D:/maya/scenes/level1.mb");
    ASSERT_EQ(exportWith("-v -f " + workDir() + "/out.xml"), MS::kSuccess);
    EXPECT_EQ(messagesOf(MessageKind::Echo),
              (std::vector<std::string>{"file -q -sceneName", "// Result: D:/maya/scenes/level1.mb //"}));
}

TEST_F(ExportCommand, RegisteringTwiceReportsRegisterCommand) {
    std::string error;
    auto plugin = orvex_host::Plugin::load(binPath("OrvexExporter2014-x64.mll"), error);
    ASSERT_TRUE(plugin) << error;
    EXPECT_NE(plugin->initialize(), MS::kSuccess);
    std::vector<std::string> perrors = messagesOf(MessageKind::Perror);
    ASSERT_EQ(perrors.size(), 1u);
    EXPECT_EQ(perrors[0].rfind("registerCommand", 0), 0u);
    EXPECT_EQ(plugin->vendor(), "Orvex");
    EXPECT_EQ(plugin->version(), "5.0.4");
    EXPECT_EQ(plugin->requiredApiVersion(), "Any");
    EXPECT_EQ(plugin->apiVersion(), "201400");
}

TEST_F(ExportCommand, EntryPointsTurnAnExceptionIntoAnErrorAndAFailure) {
    std::string error;
    auto plugin = orvex_host::Plugin::load(binPath("OrvexExporter2014-x64.mll"), error);
    ASSERT_TRUE(plugin) << error;
    orvex_host::setFault("throw:registerCommand");
    EXPECT_NE(plugin->initialize(), MS::kSuccess);
    orvex_host::setFault("throw:deregisterCommand");
    EXPECT_NE(plugin->uninitialize(), MS::kSuccess);
    EXPECT_EQ(messagesOf(MessageKind::Error),
              (std::vector<std::string>{"orvexExport: initializePlugin failed (std::bad_alloc)",
                                        "orvexExport: uninitializePlugin failed (std::bad_alloc)"}));
    EXPECT_TRUE(messagesOf(MessageKind::Perror).empty());
}
