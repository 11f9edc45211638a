// Files and Materials sections of a small textured scene file inside a
// project, exported through the command: byte-exact sections, a well-formed
// document, and a File element for every file id it writes.

#include "materials/FileReferences.h"
#include "support/DocumentSections.h"
#include "support/ExportHarness.h"

using orvex_host::MessageKind;
using namespace orvex_test;

namespace {

const char kTexturedScene[] = R"(//Maya ASCII 2014 scene
//Name: level.ma
requires maya "2014";
currentUnit -l centimeter -a degree -t film;
fileInfo "application" "maya";
createNode transform -n "spot1";
createNode spotLight -n "spotShape1" -p "spot1";
createNode lambert -n "lambert1";
createNode file -n "wood";
	setAttr ".ftn" -type "string" "tex/wood.png";
createNode file -n "slide";
	setAttr ".ftn" -type "string" "C:\\Proj\\Scenes\\Slides\\A.png";
createNode file -n "bumps";
	setAttr ".ftn" -type "string" "tex\\bumps.png";
createNode file -n "sky";
	setAttr ".ftn" -type "string" "D:/skies/sky.png";
createNode bump2d -n "bump2d1";
	setAttr ".bd" 0.4;
createNode envSphere -n "env1";
createNode blinn -n "metal";
	setAttr ".c" -type "float3" 0.2 0.3 0.4;
	setAttr ".ec" 0.5;
	setAttr ".sro" 0.25;
	setAttr ".sc" -type "float3" 0.8 0.8 0.8;
	setAttr ".ambc" -type "float3" 0.1 0.1 0.1;
	setAttr ".rfi" 1.2;
createNode layeredTexture -n "layered1";
	setAttr -s 2 ".cs";
	setAttr ".cs[3].a" 0.5;
createNode phong -n "glass";
	addAttr -ci true -sn "customShader" -ln "customShader" -dt "string";
	addAttr -ci true -sn "customParameter_ior" -ln "customParameter_ior" -dt "string";
	addAttr -ci true -sn "customTexture_noise" -ln "customTexture_noise" -dt "string";
	addAttr -ci true -sn "reflectionMapResolution" -ln "reflectionMapResolution" -at "long";
	setAttr ".customShader" -type "string" "shaders/glass.fx";
	setAttr ".customParameter_ior" -type "string" "R&D \"1.5\"";
	setAttr ".customTexture_noise" -type "string" "tex/noise.png";
	setAttr ".reflectionMapResolution" 256;
	setAttr ".rfi" 1.5;
	setAttr ".cp" 40;
	setAttr ".tc" 0.3;
createNode phongE -n "phongE1";
connectAttr "slide.oc" "spotShape1.cl";
connectAttr "wood.oc" "metal.c";
connectAttr "bumps.oa" "bump2d1.bv";
connectAttr "bump2d1.o" "metal.n";
connectAttr "sky.oc" "env1.so";
connectAttr "env1.oc" "metal.rc";
connectAttr "slide.oc" "layered1.cs[0].c";
connectAttr "wood.oc" "layered1.cs[3].c";
connectAttr "layered1.oc" "glass.c";
)";

// Two one-triangle meshes: one shaded by a textured phong, one without a
// shading group; a textured blinn shades nothing.
const char kMeshScene[] = R"(//Maya ASCII 2014 scene
requires maya "2014";
createNode transform -n "shaded";
createNode mesh -n "shadedShape" -p "shaded";
	setAttr -s 3 ".vt[0:2]" 0 0 0 1 0 0 0 1 0;
	setAttr -s 3 ".ed[0:2]" 0 1 0 1 2 0 2 0 0;
	setAttr -ch 3 ".fc[0]" -type "polyFaces" f 3 0 1 2;
createNode transform -n "bare";
createNode mesh -n "bareShape" -p "bare";
	setAttr -s 3 ".vt[0:2]" 0 0 0 1 0 0 0 1 0;
	setAttr -s 3 ".ed[0:2]" 0 1 0 1 2 0 2 0 0;
	setAttr -ch 3 ".fc[0]" -type "polyFaces" f 3 0 1 2;
createNode lambert -n "lambert1";
createNode blinn -n "unused";
createNode phong -n "used";
createNode shadingEngine -n "usedSG";
createNode file -n "wood";
	setAttr ".ftn" -type "string" "tex/wood.png";
createNode file -n "spare";
	setAttr ".ftn" -type "string" "tex/spare.png";
connectAttr "wood.oc" "used.c";
connectAttr "spare.oc" "unused.c";
connectAttr "used.oc" "usedSG.ss";
connectAttr "shadedShape.iog" "usedSG.dsm" -na;
)";

const char kPhongExplorerWarning[] =
    "Unsupported shader type (only lambert and phong supported): phongE1 is of type "
    "kPhongExplorer";

class MaterialSceneFiles : public ExportTest {
protected:
    // The scene saved as C:/Proj/Scenes/level.ma, and the document written
    // to C:/Proj/out/ with the given flags.
    std::string exportScene(const std::string& flags) {
        writeFileBytes(workDir() + "/C:/Proj/out/.keep", "");
        openScene(kTexturedScene, "C:/Proj/Scenes/level.ma");
        EXPECT_EQ(exportWith(flags + " -f C:/Proj/out/level.xml"), MS::kSuccess);
        return readFile(workDir() + "/C:/Proj/out/level.xml");
    }
    // The Files and Materials sections as the document holds them.
    static std::string filesAndMaterials(const std::string& document) {
        return documentSection(document, "Files") + "\n" + documentSection(document, "Materials") + "\n";
    }
};

} // namespace

TEST_F(MaterialSceneFiles, TexturedSceneInAProjectWithRelativePaths) {
    writeFileBytes(workDir() + "/C:/Proj/workspace.mel",
                   "workspace -fr \"sourceImages\" \"sourceimages\";\n");
    const std::string document = exportScene("-l -rp");
    // The light's projected texture is numbered first, by the scene pass.
    EXPECT_EQ(
        filesAndMaterials(document),
        "  <Files>\n"
        "    <File fileId=\"2\" filename=\"../sourceimages/tex/wood.png\" relativePath=\"true\"/>\n"
        "    <File fileId=\"1\" filename=\"Slides/A.png\" relativePath=\"true\"/>\n"
        "    <File fileId=\"3\" filename=\"../sourceimages/tex/bumps.png\" relativePath=\"true\"/>\n"
        "    <File fileId=\"4\" filename=\"D:/skies/sky.png\" relativePath=\"false\"/>\n"
        "    <File fileId=\"5\" filename=\"shaders/glass.fx\" relativePath=\"true\"/>\n"
        "    <File fileId=\"6\" filename=\"tex/noise.png\" relativePath=\"true\"/>\n"
        "  </Files>\n"
        "  <Materials>\n"
        "    <Material name=\"lambert1\" materialId=\"1\" diffuseColor=\"0.5 0.5 0.5 1\" "
        "specularColor=\"0 0 0\" ambientColor=\"1 1 1\">\n"
        "    </Material>\n"
        "    <Material name=\"metal\" materialId=\"2\" cosPower=\"85.9893\" specularColor=\"0.8 0.8 0.8\" "
        "ambientColor=\"0.1 0.1 0.1\">\n"
        "      <Texture fileId=\"2\"/>\n"
        "      <Normalmap fileId=\"3\" bumpDepth=\"0.4\"/>\n"
        "      <Reflectionmap fileId=\"4\" type=\"cube\" wrap=\"false\" refractiveIndex=\"1.2\" "
        "bumpScale=\"0.1\"/>\n"
        "    </Material>\n"
        "    <Material name=\"glass\" materialId=\"3\" cosPower=\"40\" specularColor=\"0.5 0.5 0.5\" "
        "ambientColor=\"1 1 1\" alphaBlending=\"true\" customShaderId=\"5\">\n"
        "      <Reflectionmap type=\"planar\" refractiveIndex=\"1.5\" bumpScale=\"0.1\" "
        "resolution=\"256\"/>\n"
        "      <CustomParameter name=\"ior\" value=\"R&amp;D &quot;1.5&quot;\"/>\n"
        "      <Custommap name=\"noise\" fileId=\"6\"/>\n"
        "      <Texture fileId=\"1\"/>\n"
        "      <Texture fileId=\"2\"/>\n"
        "    </Material>\n"
        "  </Materials>\n");
    EXPECT_EQ(messagesOf(MessageKind::Warning),
              (std::vector<std::string>{"Blinn shader type is not directly supported, approximating to phong "
                                        "shader (only lambert and phong supported): metal",
                                        kPhongExplorerWarning}));

    const FileReferences refs = fileReferences(document);
    ASSERT_TRUE(refs.wellFormed);
    EXPECT_EQ(refs.used, (std::set<std::string>{"1", "2", "3", "4", "5", "6"}));
    EXPECT_TRUE(unlistedIds(refs).empty());
}

TEST_F(MaterialSceneFiles, WithTheShapesFlagOnlyWhatTheSceneUsesIsWritten) {
    // No mesh uses a material; the light still lists its texture. Without a
    // project the path stays as the texture gives it.
    const std::string document = exportScene("-l -shap");
    EXPECT_EQ(filesAndMaterials(document),
              "  <Files>\n"
              "    <File fileId=\"1\" filename=\"C:/Proj/Scenes/Slides/A.png\" relativePath=\"false\"/>\n"
              "  </Files>\n"
              "  <Materials>\n"
              "  </Materials>\n");
    EXPECT_EQ(messagesOf(MessageKind::Warning), (std::vector<std::string>{kPhongExplorerWarning}));
    EXPECT_TRUE(unlistedIds(fileReferences(document)).empty());
}

TEST_F(MaterialSceneFiles, WithTheShapesFlagOnlyMaterialsOfExportedMeshesAreWritten) {
    openScene(kMeshScene, "");
    ASSERT_EQ(exportWith("-shap -f out.xml"), MS::kSuccess);
    // The scene pass numbers the phong first and lambert1 for the bare mesh;
    // the elements still follow the node order.
    EXPECT_EQ(filesAndMaterials(readFile(workDir() + "/out.xml")),
              "  <Files>\n"
              "    <File fileId=\"1\" filename=\"tex/wood.png\" relativePath=\"false\"/>\n"
              "  </Files>\n"
              "  <Materials>\n"
              "    <Material name=\"lambert1\" materialId=\"2\" diffuseColor=\"0.5 0.5 0.5 1\" "
              "specularColor=\"0 0 0\" ambientColor=\"1 1 1\">\n"
              "    </Material>\n"
              "    <Material name=\"used\" materialId=\"1\" cosPower=\"20\" specularColor=\"0.5 0.5 0.5\" "
              "ambientColor=\"1 1 1\">\n"
              "      <Texture fileId=\"1\"/>\n"
              "    </Material>\n"
              "  </Materials>\n");
    // The blinn is skipped before its approximation is reported.
    EXPECT_TRUE(messagesOf(MessageKind::Warning).empty());
}

TEST_F(MaterialSceneFiles, ColourChannelsAreReadByTheShortNamesTheHostWrites) {
    // Single channels of the material colours, as the host writes them when
    // one channel is set or keyed on its own.
    const char scene[] = R"(//Maya ASCII 2014 scene
requires maya "2014";
createNode phong -n "tinted";
	setAttr ".acr" 0.25;
	setAttr ".acg" 0.5;
	setAttr ".acb" 0.75;
	setAttr ".sr" 0.1;
	setAttr ".sg" 0.2;
	setAttr ".sb" 0.3;
	setAttr ".ir" 0.4;
	setAttr ".rr" 0.6;
	setAttr ".ogr" 0.7;
)";
    std::string error;
    ASSERT_TRUE(orvex_host::openSceneText(scene, "", error, false)) << error;
    EXPECT_TRUE(messagesOf(MessageKind::Notice).empty());
    orvex_host::clearMessages();
    ASSERT_EQ(exportWith("-f out.xml"), MS::kSuccess);
    EXPECT_EQ(documentSection(readFile(workDir() + "/out.xml"), "Materials") + "\n",
              "  <Materials>\n"
              "    <Material name=\"tinted\" materialId=\"1\" diffuseColor=\"0.5 0.5 0.5 1\" cosPower=\"20\" "
              "specularColor=\"0.1 0.2 0.3\" ambientColor=\"0.25 0.5 0.75\">\n"
              "    </Material>\n"
              "  </Materials>\n");
}
