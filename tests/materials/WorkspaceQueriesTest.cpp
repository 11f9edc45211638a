// The host's answers to the workspace queries: the project of the open
// scene, found upward from the scene's folder, and its source-images rule.

#include "support/ExportHarness.h"

#include <maya/MGlobal.h>

#include <filesystem>

using namespace orvex_test;

namespace {

const char kRoot[] = "workspace -expandName \"\"";
const char kRule[] = "workspace -rte \"sourceImages\"";

class WorkspaceQueries : public ExportTest {
protected:
    // The answer, or "(failed)".
    static std::string ask(const char* command) {
        MString result;
        return MGlobal::executeCommand(command, result, false, false) ? result.asChar() : "(failed)";
    }
};

} // namespace

TEST_F(WorkspaceQueries, TheNearestProjectAboveTheSceneAnswers) {
    writeFileBytes(workDir() + "/outer/workspace.mel", "workspace -fr \"sourceImages\" \"outerImages\";\n");
    writeFileBytes(
        workDir() + "/outer/inner/workspace.mel",
        "// comment\nworkspace -fr \"images\" \"x\";\n"
        "workspace -fr \"sourceImages\" \"first\";\nworkspace -fr \"sourceImages\" \"source images\";\n");
    orvex_host::setSceneName(workDir() + "/outer/inner/scenes/deep/level.ma");
    EXPECT_EQ(ask(kRoot), workDir() + "/outer/inner/");
    EXPECT_EQ(ask(kRule), "source images");

    orvex_host::setSceneName(workDir() + "\\outer\\level.mb");
    EXPECT_EQ(ask(kRoot), workDir() + "/outer/");
    EXPECT_EQ(ask(kRule), "outerImages");
}

TEST_F(WorkspaceQueries, WithoutAProjectBothQueriesFail) {
    EXPECT_EQ(ask(kRoot), "(failed)"); // untitled
    EXPECT_EQ(ask(kRule), "(failed)");
    orvex_host::setSceneName(workDir() + "/scenes/level.ma");
    EXPECT_EQ(ask(kRoot), "(failed)");
    // A folder named like the file is no project.
    std::filesystem::create_directories(workDir() + "/scenes/workspace.mel");
    EXPECT_EQ(ask(kRule), "(failed)");
    // A scene in the working directory finds a project there.
    writeFileBytes(workDir() + "/workspace.mel", "");
    orvex_host::setSceneName("level.ma");
    EXPECT_EQ(ask(kRoot), "./");
    EXPECT_EQ(ask(kRule), "sourceimages");
}
