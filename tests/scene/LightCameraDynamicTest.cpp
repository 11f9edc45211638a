// Light, Camera and Dynamic elements.

#include "scene/SceneFixture.h"

#include "export/SceneExporter.h"

#include <sstream>

using namespace orvex_test;
using orvex_host::AttrType;

namespace {

class LightCameraDynamic : public SceneFixture {
protected:
    Node* light(const std::string& type, const std::string& name) {
        return create(type, name + "Shape", create("transform", name));
    }
};

const char kWhite[] =
    " diffuseColor=\"1 1 1\" emitDiffuse=\"true\" specularColor=\"1 1 1\" emitSpecular=\"true\"";

} // namespace

TEST_F(LightCameraDynamic, LightKindsWriteTheSettingsOfTheirKind) {
    Node* ambient = light("ambientLight", "ambient");
    set3(ambient, "color", 1, 0.5, 0);
    set(ambient, "intensity", 0.25);
    // Area lights answer to the non-extended light's function set, so they
    // write their shadow-map settings and decay rate like point lights.
    Node* area = light("areaLight", "area");
    set(area, "useDepthMapShadows", true);
    set(area, "dmapResolution", 256LL);
    Node* point = light("pointLight", "point");
    set(point, "useDepthMapShadows", true);
    set(point, "dmapBias", 0.004);
    set(point, "dmapResolution", 1024LL);
    set(point, "decayRate", 2LL);
    Node* directional = light("directionalLight", "sun");
    set(directional, "emitSpecular", false);
    light("volumeLight", "volume");
    EXPECT_EQ(
        exportScene("-l"),
        "    <Light name=\"ambient\" type=\"ambient\" diffuseColor=\"1 0.5 0\" emitDiffuse=\"true\" "
        "specularColor=\"1 0.5 0\" emitSpecular=\"false\" range=\"0.25\" nodeId=\"1\"/>\n"
        "    <Light name=\"area\" type=\"area\"" +
            std::string(kWhite) +
            " castShadowMap=\"true\" depthMapBias=\"0.001\" depthMapResolution=\"256\" decayRate=\"0\" "
            "range=\"1\" nodeId=\"2\"/>\n"
            "    <Light name=\"point\" type=\"point\"" +
            kWhite +
            " castShadowMap=\"true\" depthMapBias=\"0.004\" depthMapResolution=\"1024\" decayRate=\"2\" "
            "range=\"1\" nodeId=\"3\"/>\n"
            "    <Light name=\"sun\" type=\"directional\" diffuseColor=\"1 1 1\" emitDiffuse=\"true\" "
            "specularColor=\"1 1 1\" emitSpecular=\"false\" decayRate=\"0\" range=\"1\" nodeId=\"4\"/>\n"
            "    <Light name=\"volume\" type=\"unknown\"" +
            kWhite + " decayRate=\"0\" range=\"1\" nodeId=\"5\"/>\n");
}

TEST_F(LightCameraDynamic, SpotLightsShareTheIdOfTheTextureTheyProject) {
    Node* texture = create("file", "slide");
    Node* first = light("spotLight", "first");
    set(first, "coneAngle", 0.7853981633974483);
    set(first, "dropoff", 2.5);
    connect(texture, "outColor", first, "color");
    Node* second = light("spotLight", "second");
    connect(texture, "outColor", second, "color");
    Node* third = light("spotLight", "third");
    connect(light("pointLight", "notATexture"), "color", third, "color");

    SceneExporter exporter(true, false, false, false, false, false, false, false, false, false);
    IdTable fileIds, shapeIds, materialIds, dynamicIds;
    fileIds.idOf("earlier");
    SceneNodeTable nodes;
    std::ostringstream out;
    exporter.writeScene(fileIds, shapeIds, materialIds, dynamicIds, nodes, out);
    const std::string section = out.str();
    EXPECT_NE(
        section.find("<Light name=\"first\" type=\"spot\"" + std::string(kWhite) +
                     " decayRate=\"0\" range=\"1\" coneAngle=\"45\" dropOff=\"2.5\" projTextureId=\"2\" "
                     "nodeId=\"1\"/>"),
        std::string::npos)
        << section;
    EXPECT_NE(section.find("coneAngle=\"40\" dropOff=\"0\" projTextureId=\"2\" nodeId=\"2\""),
              std::string::npos);
    EXPECT_NE(section.find("coneAngle=\"40\" dropOff=\"0\" nodeId=\"3\""), std::string::npos);
    EXPECT_EQ(fileIds.size(), 2u);
}

TEST_F(LightCameraDynamic, AffectedLightMasksAreSignedAndOnlyWhenSet) {
    const char* masks[] = {"", "0", "zz", "ff", "ffffffff"};
    light("ambientLight", "none");
    for (const char* text : masks) {
        Node* shape = light("ambientLight", std::string("m") + text);
        addAttr(shape->parents[0], "Orvex_affectedLightMasks", AttrType::String, std::string(text));
    }
    std::string section = exportScene("-l");
    size_t written = 0;
    for (size_t p = section.find("affectedLightMasks"); p != std::string::npos;
         p = section.find("affectedLightMasks", p + 1)) {
        ++written;
    }
    EXPECT_EQ(written, 2u) << section;
    EXPECT_NE(section.find("name=\"mff\" type=\"ambient\""), std::string::npos);
    EXPECT_NE(section.find("range=\"1\" affectedLightMasks=\"255\" nodeId=\"5\""), std::string::npos)
        << section;
    EXPECT_NE(section.find("range=\"1\" affectedLightMasks=\"-1\" nodeId=\"6\""), std::string::npos)
        << section;
}

TEST_F(LightCameraDynamic, CameraClipPlanesTakeTheUnitScaleAndNeverVisibility) {
    Node* cameraShape = create("camera", "shotShape", create("transform", "shot"));
    set(cameraShape, "nearClipPlane", 0.1);
    set(cameraShape, "farClipPlane", 1000.0);
    cameraShape->parents[0]->setValue({cameraShape->parents[0]->findAttribute("visibility"), {}}, false);
    EXPECT_EQ(exportScene("-cams"),
              "    <Camera name=\"shot\" fov=\"54.4321\" nearClip=\"0.1\" farClip=\"1000\" nodeId=\"1\"/>\n");
    scene().settings().linearUnitToCm = 100.0;
    set(cameraShape, "focalLength", 17.999964);
    EXPECT_EQ(exportScene("-cams"),
              "    <Camera name=\"shot\" fov=\"90\" nearClip=\"0.001\" farClip=\"10\" nodeId=\"1\"/>\n");
}

TEST_F(LightCameraDynamic, DynamicCarriesTheEmittersValuesAndTheTransformsMasks) {
    Node* holder = create("transform", "holder");
    set3(holder, "translate", 100, 0, 0);
    addAttr(holder, "Orvex_objectMask", AttrType::Int, 3LL);
    Node* emitter = create("pointEmitter", "emitter1", holder);
    set3(emitter, "translate", 0, 2, 0);
    set(emitter, "visibility", false);
    Node* second = create("transform", "second");
    create("pointEmitter", "emitter2", second);
    EXPECT_EQ(exportScene(""),
              "    <Dynamic name=\"emitter1\" translation=\"0 2 0\" visibility=\"false\" "
              "dynamicId=\"1\" castsShadows=\"false\" receiveShadows=\"false\" objectMask=\"3\" "
              "nodeId=\"1\"/>\n"
              "    <Dynamic name=\"emitter2\" dynamicId=\"2\" castsShadows=\"false\" "
              "receiveShadows=\"false\" nodeId=\"2\"/>\n");
}

TEST_F(LightCameraDynamic, DynamicCarriesOneClipDistance) {
    Node* both = create("transform", "both");
    addAttr(both, "Orvex_clipDistance", AttrType::Float, 5.0);
    Node* bothEmitter = create("pointEmitter", "bothEmitter", both);
    addAttr(bothEmitter, "Orvex_clipDistance", AttrType::Float, 7.0);
    addAttr(bothEmitter, "castsShadows", AttrType::Bool, true);
    Node* outer = create("transform", "outer");
    addAttr(outer, "Orvex_clipDistance", AttrType::Float, 5.0);
    create("pointEmitter", "plainEmitter", outer);
    EXPECT_EQ(exportScene(""), "    <Dynamic name=\"bothEmitter\" dynamicId=\"1\" castsShadows=\"true\" "
                               "receiveShadows=\"false\" clipDistance=\"7\" nodeId=\"1\"/>\n"
                               "    <Dynamic name=\"plainEmitter\" dynamicId=\"2\" castsShadows=\"false\" "
                               "receiveShadows=\"false\" clipDistance=\"5\" nodeId=\"2\"/>\n");
}
