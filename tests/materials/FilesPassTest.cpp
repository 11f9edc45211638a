// The Files section: which texture and custom-shader files are listed, in
// which order, and how their paths are written.

#include "materials/ShadingFixture.h"

using orvex_host::MessageKind;
using namespace orvex_test;

namespace {

const char kProjectFile[] = "//Maya 2014 Project Definition\n\n"
                            "workspace -fr \"scene\" \"scenes\";\n"
                            "workspace -fr \"sourceImages\" \"images\";\n";

class FilesPass : public ShadingTest {
protected:
    // A saved scene inside a project whose workspace file says `project`.
    void openProject(const std::string& project) {
        writeFileBytes(workDir() + "/proj/workspace.mel", project);
        orvex_host::setSceneName(workDir() + "/proj/scenes/level.ma");
    }
    // Textures with these paths, each numbered in the order given.
    void textures(const std::vector<std::string>& paths) {
        for (size_t i = 0; i < paths.size(); ++i) {
            const std::string name = "file" + std::to_string(i + 1);
            fileTexture(name, paths[i]);
            fileIds.idOf(name);
        }
    }
    // The Files section alone.
    std::string filesSection(bool relativePaths = false, const std::string& sceneDir = "",
                             const std::string& outputDir = "") {
        std::string all = filesAndMaterials(false, relativePaths, sceneDir, outputDir);
        return all.substr(0, all.find("  <Materials>"));
    }
    static std::string entry(int id, const std::string& path, bool relative = false) {
        return "    <File fileId=\"" + std::to_string(id) + "\" filename=\"" + path + "\" relativePath=\"" +
               (relative ? "true" : "false") + "\"/>\n";
    }
    static std::string section(const std::string& entries) {
        return "\n  <Files>\n" + entries + "  </Files>\n\n";
    }
};

} // namespace

TEST_F(FilesPass, TexturesAreListedInNodeOrderWhenTheyHaveAnId) {
    fileTexture("file1", "a.png");
    fileTexture("file2", "b.png");
    fileTexture("unused", "c.png");
    fileIds.idOf("file2");       // projected by a light
    fileIds.idOf("notATexture"); // names no file texture
    fileIds.idOf("file1");
    EXPECT_EQ(filesAndMaterials(false, false, "", "", true),
              section(entry(3, "a.png") + entry(1, "b.png")) + materialsSection(""));
    EXPECT_EQ(messagesOf(MessageKind::Info), (std::vector<std::string>{"Texture: file1", "Texture: file2"}));
}

TEST_F(FilesPass, PathsWithoutDriveGetTheSourceImagesDirectory) {
    openProject(kProjectFile);
    textures({"tex/a.png", "D:\\maps\\a.png", "/abs/a.png", "\\\\server\\share\\a.png", "C:relative.png"});
    const std::string images = workDir() + "/proj/images/";
    EXPECT_EQ(filesSection(),
              section(entry(1, images + "tex/a.png") + entry(2, "D:/maps/a.png") + entry(3, "/abs/a.png") +
                      entry(4, "//server/share/a.png") + entry(5, "C:relative.png")));
    // The queries run without echo.
    EXPECT_TRUE(messagesOf(MessageKind::Echo).empty());
}

TEST_F(FilesPass, TheSourceImagesRuleDefaultsAndGetsOneClosingSlash) {
    openProject("workspace -fr \"scene\" \"scenes\";\n");
    textures({"a.png"});
    EXPECT_EQ(filesSection(), section(entry(1, workDir() + "/proj/sourceimages/a.png")));
    openProject("workspace -fileRule \"sourceImages\" \"art/\";\n");
    EXPECT_EQ(filesSection(), section(entry(1, workDir() + "/proj/art/a.png")));
}

TEST_F(FilesPass, WithoutAWorkspacePathsStayAsTheyAre) {
    textures({"tex\\a.png"});
    EXPECT_EQ(filesSection(), section(entry(1, "tex/a.png"))); // untitled scene
    orvex_host::setSceneName(workDir() + "/loose/level.ma");   // no project above it
    EXPECT_EQ(filesSection(), section(entry(1, "tex/a.png")));
    openProject(kProjectFile);
    orvex_host::setFault("executeCommand:workspace -rte \"sourceImages\"");
    EXPECT_EQ(filesSection(), section(entry(1, "tex/a.png")));
    orvex_host::clearFaults();
    orvex_host::setFault("executeCommand:workspace -expandName \"\"");
    EXPECT_EQ(filesSection(), section(entry(1, "tex/a.png")));
}

TEST_F(FilesPass, RelativePathsFromTheSceneThenFromTheOutputDirectory) {
    textures({"c:/proj/scenes/Tex/A.png", "C:/Proj/maps/b.png", "D:/maps/c.png", "C:\\Proj\\Out\\d.png"});
    const std::string sceneDir = "C:/Proj/Scenes/", outputDir = "C:/Proj/Out/xml/";
    EXPECT_EQ(filesSection(true, sceneDir, outputDir),
              section(entry(1, "Tex/A.png", true) + entry(2, "../../maps/b.png", true) +
                      entry(3, "D:/maps/c.png") + entry(4, "../d.png", true)));
    EXPECT_EQ(filesSection(false, sceneDir, outputDir),
              section(entry(1, "c:/proj/scenes/Tex/A.png") + entry(2, "C:/Proj/maps/b.png") +
                      entry(3, "D:/maps/c.png") + entry(4, "C:/Proj/Out/d.png")));
    // An unsaved scene sends every path to the output-directory rule.
    EXPECT_EQ(filesSection(true, "", outputDir),
              section(entry(1, "../../scenes/Tex/A.png", true) + entry(2, "../../maps/b.png", true) +
                      entry(3, "D:/maps/c.png") + entry(4, "../d.png", true)));
}

TEST_F(FilesPass, CustomShaderFilesFollowInPathOrderBesideTheScene) {
    fileTexture("file1", "z.png");
    fileIds.idOf("file1");
    extraFileIds.insert("shaders/x.fx", 4);
    extraFileIds.insert("Shaders/y.fx", 3);
    extraFileIds.insert("/abs/z.fx", 2);
    // Paths with a drive are used as they stand, like those from the root.
    extraFileIds.insert("C:\\t\\a.png", 5);
    extraFileIds.insert("D:\\fx\\b.fx", 6);
    EXPECT_EQ(filesSection(false, "C:/proj/scenes/"),
              section(entry(1, "z.png") + entry(2, "/abs/z.fx") + entry(5, "C:/t/a.png") +
                      entry(6, "D:/fx/b.fx") + entry(3, "C:/proj/scenes/Shaders/y.fx") +
                      entry(4, "C:/proj/scenes/shaders/x.fx")));
    // With relative paths one on the output directory's drive is made
    // relative to that directory; one on another drive stays absolute.
    EXPECT_EQ(filesSection(true, "C:/proj/scenes/", "C:/proj/out/"),
              section(entry(1, "z.png") + entry(2, "/abs/z.fx") + entry(5, "../../t/a.png", true) +
                      entry(6, "D:/fx/b.fx") + entry(3, "Shaders/y.fx", true) +
                      entry(4, "shaders/x.fx", true)));
}

TEST_F(FilesPass, AnUnsavedSceneGivesCustomShaderFilesTheSourceImagesDirectory) {
    openProject(kProjectFile);
    extraFileIds.insert("x.fx", 1);
    EXPECT_EQ(filesSection(false, ""), section(entry(1, workDir() + "/proj/images/x.fx")));
}

TEST_F(FilesPass, PathsAreEscapedInTheDocument) {
    textures({"C:/R&D/\"new\" <1>.png", "C:/a&amp;b.png", "C:/x&#1;y&#x1F;z&#120;.png"});
    EXPECT_EQ(filesSection(),
              section(entry(1, "C:/R&amp;D/&quot;new&quot; &lt;1>.png") + entry(2, "C:/a&amp;b.png") +
                      entry(3, "C:/x&amp;#1;y&amp;#x1F;z&#120;.png")));
}
