// The Materials section: ids and their order, colours, specular parts,
// transparency, planar reflection and refraction, and the pass's messages.

#include "materials/ShadingFixture.h"

using orvex_host::MessageKind;
using namespace orvex_test;

namespace {

const char kUnsupported[] = "Unsupported shader type (only lambert and phong supported): ";
const char kBlinnWarning[] =
    "Blinn shader type is not directly supported, approximating to phong shader (only lambert and phong "
    "supported): ";

class MaterialsPass : public ShadingTest {
protected:
    // lambert1 with its defaults, a lambert with values of its own, and
    // kinds the pass does not write.
    void createLamberts() {
        create("lambert", "lambert1");
        create("phongE", "phongE1");
        Node* lambert2 = create("lambert", "lambert2");
        setColor(lambert2, "color", 0.2, 0.4, 0.6);
        setColor(lambert2, "ambientColor", 0.1, 0.2, 0.3);
        set(lambert2, "translucence", 0.5);
        create("surfaceShader", "surfaceShader1");
    }
};

const char kLambert1[] = "    <Material name=\"lambert1\" materialId=\"2\" diffuseColor=\"0.5 0.5 0.5 1\" "
                         "specularColor=\"0 0 0\" ambientColor=\"1 1 1\">\n    </Material>\n";
const char kLambert2[] = "    <Material name=\"lambert2\" materialId=\"1\" diffuseColor=\"0.2 0.4 0.6 1\" "
                         "specularColor=\"0 0 0\" ambientColor=\"0.1 0.2 0.3\" alphaBlending=\"true\">\n"
                         "    </Material>\n";

} // namespace

TEST_F(MaterialsPass, EveryLambertKindGetsAnIdButElementsFollowTheIteratorOrder) {
    createLamberts();
    materialIds.idOf("lambert2"); // shades a mesh of the scene pass
    EXPECT_EQ(filesAndMaterials(), kNoFiles + materialsSection(std::string(kLambert1) + kLambert2));
    EXPECT_EQ(materialIds.size(), 2u);
    EXPECT_FALSE(materialIds.contains("phongE1"));
    EXPECT_FALSE(materialIds.contains("surfaceShader1"));
    EXPECT_EQ(messagesOf(MessageKind::Warning),
              (std::vector<std::string>{kUnsupported + std::string("phongE1 is of type kPhongExplorer")}));
}

TEST_F(MaterialsPass, WithTheShapesFlagOnlyMaterialsWithAnIdAreWritten) {
    createLamberts();
    materialIds.idOf("lambert2");
    EXPECT_EQ(filesAndMaterials(true), kNoFiles + materialsSection(kLambert2));
    EXPECT_EQ(materialIds.size(), 1u);
    // The unsupported kind is reported whether or not anything uses it.
    EXPECT_EQ(messagesOf(MessageKind::Warning).size(), 1u);

    orvex_host::clearMessages();
    materialIds.idOf("lambert1"); // a mesh without shader refers to lambert1
    materialIds.idOf("phongE1");  // the scene pass numbers whatever shades a mesh
    EXPECT_EQ(filesAndMaterials(true), kNoFiles + materialsSection(std::string(kLambert1) + kLambert2));
    EXPECT_EQ(messagesOf(MessageKind::Warning).size(), 1u);
}

TEST_F(MaterialsPass, VerboseNamesEveryWrittenShader) {
    createLamberts();
    materialIds.idOf("lambert2");
    filesAndMaterials(true, false, "", "", true);
    EXPECT_EQ(messagesOf(MessageKind::Info), (std::vector<std::string>{"Shader: lambert2"}));
}

TEST_F(MaterialsPass, PhongAndBlinnWriteTheirSpecularPower) {
    Node* phong = create("phong", "phong1");
    set(phong, "cosinePower", 10.0);
    setColor(phong, "specularColor", 0.2, 0.3, 0.4);
    create("blinn", "blinn1"); // eccentricity 0.3, roll-off 0.7
    Node* flat = create("blinn", "blinn2");
    set(flat, "eccentricity", 0.0);
    // Small highlights tell the single-precision formula from a double one
    // (which gives 998040).
    Node* tight = create("blinn", "blinn3");
    set(tight, "eccentricity", 0.01);
    set(tight, "specularRollOff", 0.01);
    EXPECT_EQ(filesAndMaterials(),
              kNoFiles + materialsSection(
                             "    <Material name=\"phong1\" materialId=\"1\" diffuseColor=\"0.5 0.5 0.5 1\" "
                             "cosPower=\"10\" specularColor=\"0.2 0.3 0.4\" ambientColor=\"1 1 1\">\n"
                             "    </Material>\n"
                             "    <Material name=\"blinn1\" materialId=\"2\" diffuseColor=\"0.5 0.5 0.5 1\" "
                             "cosPower=\"32.6537\" specularColor=\"0.5 0.5 0.5\" ambientColor=\"1 1 1\">\n"
                             "    </Material>\n"
                             "    <Material name=\"blinn2\" materialId=\"3\" diffuseColor=\"0.5 0.5 0.5 1\" "
                             "cosPower=\"inf\" specularColor=\"0.5 0.5 0.5\" ambientColor=\"1 1 1\">\n"
                             "    </Material>\n"
                             "    <Material name=\"blinn3\" materialId=\"4\" diffuseColor=\"0.5 0.5 0.5 1\" "
                             "cosPower=\"998044\" specularColor=\"0.5 0.5 0.5\" ambientColor=\"1 1 1\">\n"
                             "    </Material>\n"));
    EXPECT_EQ(messagesOf(MessageKind::Warning),
              (std::vector<std::string>{kBlinnWarning + std::string("blinn1"),
                                        kBlinnWarning + std::string("blinn2"),
                                        kBlinnWarning + std::string("blinn3")}));
}

TEST_F(MaterialsPass, PlanarReflectionAndRefraction) {
    Node* glass = create("lambert", "glass");
    set(glass, "refractiveIndex", 1.5);
    set(glass, "refractions", true);
    set(glass, "lightAbsorbance", 0.25);
    addAttribute(glass, "reflectionMapBumpScale", "", orvex_host::AttrType::Float, 0.3);
    addAttribute(glass, "reflectionMapResolution", "", orvex_host::AttrType::Int, 256LL);
    Node* water = create("lambert", "water");
    set(water, "refractiveIndex", 1.33);
    set(water, "refractions", true); // absorbance 0: everything passes
    addAttribute(water, "reflectionMapResolution", "", orvex_host::AttrType::String, std::string("512"));
    Node* air = create("lambert", "air");
    addAttribute(air, "reflectionMapResolution", "", orvex_host::AttrType::Int,
                 256LL); // index 1: no reflection
    const std::string head =
        "\" diffuseColor=\"0.5 0.5 0.5 1\" specularColor=\"0 0 0\" ambientColor=\"1 1 1\">\n";
    EXPECT_EQ(filesAndMaterials(),
              kNoFiles +
                  materialsSection(
                      "    <Material name=\"glass\" materialId=\"1" + head +
                      "      <Reflectionmap type=\"planar\" refractiveIndex=\"1.5\" bumpScale=\"0.3\" "
                      "resolution=\"256\"/>\n"
                      "      <Refractionmap type=\"planar\" coeff=\"0.75\" bumpScale=\"0.1\"/>\n"
                      "    </Material>\n"
                      "    <Material name=\"water\" materialId=\"2" +
                      head +
                      "      <Reflectionmap type=\"planar\" refractiveIndex=\"1.33\" bumpScale=\"0.1\"/>\n"
                      "      <Refractionmap type=\"planar\" coeff=\"1\" bumpScale=\"0.1\"/>\n"
                      "    </Material>\n"
                      "    <Material name=\"air\" materialId=\"3" +
                      head + "    </Material>\n"));
}
