// The Dynamics section written straight from scenes built in the host graph,
// with the emitter ids the Scene section would have handed out.

#include "export/DynamicsExporter.h"
#include "support/ExportHarness.h"
#include "support/SceneBuilder.h"

#include <maya/MFnParticleSystem.h>

#include <gtest/gtest.h>

#include <sstream>

using namespace orvex_host;
using orvex_test::messagesOf;

namespace {

class DynamicsSection : public ::testing::Test {
protected:
    void SetUp() override {
        newScene(false);
        clearMessages();
        clearFaults();
    }
    void TearDown() override { clearFaults(); }

    // A sprite particle system emitted from the surface of a plane and shaded
    // with a blinn, without fields.
    void buildSurfaceEmission() {
        Node* plane = b.create("transform", "pPlane1");
        b.create("mesh", "pPlaneShape1", plane);
        emitter = b.create("pointEmitter", "emitter1", plane);
        b.set(emitter, "emitterType", 2LL);
        particles = b.create("particle", "particleShape1", b.create("transform", "particle1"));
        b.set(particles, "particleRenderType", 5LL);
        b.create("geoConnector", "geoConnector1");
        b.connect("emitter1.output[0]", "particleShape1.newParticles[0]");
        b.connect("pPlaneShape1.worldMatrix[0]", "geoConnector1.worldMatrix");
        b.connect("geoConnector1.sweptGeometry", "emitter1.sweptGeometry");
        shadeWith("blinn", "blinn1");
    }
    void shadeWith(const char* type, const char* material) {
        b.create(type, material);
        b.create("shadingEngine", std::string(material) + "SG");
        b.connect(std::string(material) + ".outColor", std::string(material) + "SG.surfaceShader");
        b.connect("particleShape1.instObjGroups[0]", std::string(material) + "SG.dagSetMembers[0]");
    }
    void addField(const char* type, const char* name, unsigned index) {
        b.create(type, name);
        const std::string i = std::to_string(index);
        b.connect("particleShape1.fieldData", std::string(name) + ".inputData[0]");
        b.connect(std::string(name) + ".outputForce[0]", "particleShape1.inputForce[" + i + "]");
    }

    std::string write() {
        std::ostringstream out;
        DynamicsExporter exporter(true, false);
        EXPECT_TRUE(exporter.writeDynamics(shapeIds, materialIds, dynamicIds, out));
        return out.str();
    }
    // The element line(s) alone, between the section's own lines.
    std::string element() {
        const std::string text = write();
        const std::string open = "  <Dynamics>\n", close = "  </Dynamics>\n";
        EXPECT_EQ(text.compare(0, open.size(), open), 0) << text;
        EXPECT_GE(text.size(), open.size() + close.size()) << text;
        return text.substr(open.size(), text.size() - open.size() - close.size());
    }

    orvex_test::SceneBuilder b;
    Node* emitter = nullptr;
    Node* particles = nullptr;
    IdTable shapeIds, materialIds, dynamicIds;
};

const std::string kDefaultsLine =
    "    <ParticleSystem name=\"emitter1\" dynamicId=\"1\" type=\"sprite\" rate=\"0.1\" "
    "lifespanInfinite=\"true\" speed=\"0.001\" speedRandom=\"0\" tangentSpeed=\"0\" "
    "normalSpeed=\"1\" lifespan=\"1000\" maxCount=\"100\" spriteScaleX=\"1\" "
    "spriteScaleY=\"1\" depthSort=\"false\" emitterShapeId=\"1\" materialId=\"1\"/>\n";

} // namespace

TEST_F(DynamicsSection, WithoutParticleSystemsOnlyTheSectionLines) {
    b.create("pointEmitter", "emitter1");
    EXPECT_EQ(write(), "  <Dynamics>\n  </Dynamics>\n");
    EXPECT_TRUE(messages().empty());
}

TEST_F(DynamicsSection, FailsWritingNothingWhenTheParticlesCannotBeListed) {
    buildSurfaceEmission();
    dynamicIds.idOf("emitter1");
    setFault("MItDag");
    std::ostringstream out;
    EXPECT_FALSE(DynamicsExporter(true, false).writeDynamics(shapeIds, materialIds, dynamicIds, out));
    EXPECT_EQ(out.str(), "");
    EXPECT_TRUE(shapeIds.empty());
}

TEST_F(DynamicsSection, SurfaceEmittedSpritesWithTheHostsDefaults) {
    buildSurfaceEmission();
    dynamicIds.idOf("emitter1");
    EXPECT_EQ(element(), kDefaultsLine);
    EXPECT_TRUE(messages().empty());
    uint32_t id = 0;
    EXPECT_TRUE(shapeIds.find("pPlaneShape1", id));
    EXPECT_TRUE(materialIds.find("blinn1", id));
}

TEST_F(DynamicsSection, IdsFollowThoseTheSceneHandedOut) {
    buildSurfaceEmission();
    // The scene wrote two emitters, two meshes and a material before.
    dynamicIds.idOf("otherEmitter");
    dynamicIds.idOf("emitter1");
    shapeIds.idOf("pCubeShape1");
    shapeIds.idOf("pSphereShape1");
    materialIds.idOf("lambert1");
    std::string line = element();
    EXPECT_NE(line.find(" dynamicId=\"2\" "), std::string::npos) << line;
    EXPECT_NE(line.find(" emitterShapeId=\"3\" materialId=\"2\""), std::string::npos) << line;

    // A mesh and material the scene already numbered keep their ids.
    IdTable shapes, materials;
    shapes.idOf("pPlaneShape1");
    shapes.idOf("pCubeShape1");
    materials.idOf("blinn1");
    shapeIds = shapes;
    materialIds = materials;
    line = element();
    EXPECT_NE(line.find(" emitterShapeId=\"1\" materialId=\"1\""), std::string::npos) << line;
    EXPECT_EQ(shapeIds.size(), 2u);
    EXPECT_EQ(materialIds.size(), 1u);
}

TEST_F(DynamicsSection, ValuesInTheSectionsUnits) {
    buildSurfaceEmission();
    dynamicIds.idOf("emitter1");
    b.set(emitter, "rate", 250.0);
    b.set(emitter, "speed", 5.0);
    b.set(emitter, "speedRandom", 5.0);
    b.set(emitter, "tangentSpeed", 0.25);
    b.set(emitter, "normalSpeed", 3.0);
    b.set(particles, "lifespanMode", 1LL);
    b.set(particles, "maxCount", 1LL);
    b.set(particles, "depthSort", true);
    // The lifespan and the sprite settings are attributes the host adds to
    // the shape.
    b.addAttribute(particles, "lifespan", AttrType::Double);
    b.set(particles, "lifespan", 2.0);
    b.addAttribute(particles, "spriteScaleX", AttrType::Double);
    b.addAttribute(particles, "spriteScaleY", AttrType::Double);
    b.set(particles, "spriteScaleX", 0.5);
    b.set(particles, "spriteScaleY", 2.0);
    EXPECT_EQ(element(),
              "    <ParticleSystem name=\"emitter1\" dynamicId=\"1\" type=\"sprite\" rate=\"0.25\" "
              "lifespanInfinite=\"false\" speed=\"0.005\" speedRandom=\"5\" tangentSpeed=\"0.25\" "
              "normalSpeed=\"3\" lifespan=\"2000\" maxCount=\"1\" spriteScaleX=\"0.5\" "
              "spriteScaleY=\"2\" depthSort=\"true\" emitterShapeId=\"1\" materialId=\"1\"/>\n");
}

TEST_F(DynamicsSection, MaxCountBelowOneBecomesAHundred) {
    buildSurfaceEmission();
    dynamicIds.idOf("emitter1");
    for (long long count : {-1LL, 0LL}) {
        b.set(particles, "maxCount", count);
        EXPECT_NE(element().find(" maxCount=\"100\" "), std::string::npos) << count;
    }
    b.set(particles, "maxCount", 7LL);
    EXPECT_NE(element().find(" maxCount=\"7\" "), std::string::npos);
}

TEST_F(DynamicsSection, GravityAndAirFieldsBecomeChildren) {
    buildSurfaceEmission();
    dynamicIds.idOf("emitter1");
    addField("gravityField", "gravityField1", 0);
    const std::string open = kDefaultsLine.substr(0, kDefaultsLine.size() - 3) + ">\n";
    EXPECT_EQ(element(), open + "      <Gravity force=\"0 -9.8 0\"/>\n    </ParticleSystem>\n");

    Node* air = b.create("airField", "airField1");
    b.set(air, "directionX", 1.0);
    b.set(air, "directionY", 0.0);
    b.set(air, "magnitude", 4.0);
    b.set(air, "speed", 0.5);
    b.connect("particleShape1.fieldData", "airField1.inputData[0]");
    EXPECT_EQ(element(), open + "      <Gravity force=\"0 -9.8 0\"/>\n      <Air velocity=\"2 0 0\"/>\n"
                                "    </ParticleSystem>\n");
}

TEST_F(DynamicsSection, AirFieldAloneGivesOneAirChild) {
    buildSurfaceEmission();
    dynamicIds.idOf("emitter1");
    addField("airField", "airField1", 0);
    const std::string open = kDefaultsLine.substr(0, kDefaultsLine.size() - 3) + ">\n";
    // The host's air defaults: direction (0, 1, 0), magnitude 4, speed 5.
    EXPECT_EQ(element(), open + "      <Air velocity=\"0 20 0\"/>\n    </ParticleSystem>\n");
}

TEST_F(DynamicsSection, AFieldThatOnlyPushesTheParticlesIsNotTheirs) {
    // A field is found from the connection the particles feed it; one that
    // only feeds the particles' force input does not count.
    buildSurfaceEmission();
    dynamicIds.idOf("emitter1");
    b.create("gravityField", "gravityField1");
    b.connect("gravityField1.outputForce[0]", "particleShape1.inputForce[0]");
    EXPECT_EQ(element(), kDefaultsLine);
}

TEST_F(DynamicsSection, NonSpriteParticlesOnlyWarn) {
    buildSurfaceEmission();
    dynamicIds.idOf("emitter1");
    b.set(particles, "particleRenderType", 3LL); // points
    EXPECT_EQ(element(), "");
    EXPECT_EQ(
        messagesOf(MessageKind::Warning),
        std::vector<std::string>{"orvexExport: ParticleSystem only Sprites supported (particleShape1)\n"});
    EXPECT_TRUE(shapeIds.empty());
    EXPECT_TRUE(materialIds.empty());
}

TEST_F(DynamicsSection, OmniEmitterWarnsAboutShapeAndShader) {
    Node* omni = b.create("pointEmitter", "emitter1");
    b.set(omni, "emitterType", 1LL);
    particles = b.create("particle", "particleShape1", b.create("transform", "particle1"));
    b.set(particles, "particleRenderType", 5LL);
    b.connect("emitter1.output[0]", "particleShape1.newParticles[0]");
    shadeWith("blinn", "blinn1");
    dynamicIds.idOf("emitter1");
    EXPECT_EQ(element(), "");
    EXPECT_EQ(messagesOf(MessageKind::Warning),
              (std::vector<std::string>{"orvexExport: Emitter Shape not found (particleShape1)\n",
                                        "orvexExport: Shader not found (particleShape1)\n"}));
    EXPECT_TRUE(materialIds.empty());
}

TEST_F(DynamicsSection, ParticlesWithoutAnEmitterWarnTwice) {
    particles = b.create("particle", "particleShape1", b.create("transform", "particle1"));
    b.set(particles, "particleRenderType", 5LL);
    EXPECT_EQ(element(), "");
    EXPECT_EQ(messagesOf(MessageKind::Warning).size(), 2u);
}

TEST_F(DynamicsSection, MissingShaderWarnsOnce) {
    buildSurfaceEmission();
    dynamicIds.idOf("emitter1");
    // A shading group without a material.
    b.disconnect("blinn1.outColor", "blinn1SG.surfaceShader");
    EXPECT_EQ(element(), "");
    EXPECT_EQ(messagesOf(MessageKind::Warning),
              std::vector<std::string>{"orvexExport: Shader not found (particleShape1)\n"});
    EXPECT_TRUE(shapeIds.empty());

    // No shading group at all.
    clearMessages();
    b.disconnect("particleShape1.instObjGroups[0]", "blinn1SG.dagSetMembers[0]");
    EXPECT_EQ(element(), "");
    EXPECT_EQ(messagesOf(MessageKind::Warning),
              std::vector<std::string>{"orvexExport: Shader not found (particleShape1)\n"});
}

TEST_F(DynamicsSection, AnyLambertKindShadesTheParticles) {
    buildSurfaceEmission();
    dynamicIds.idOf("emitter1");
    b.disconnect("particleShape1.instObjGroups[0]", "blinn1SG.dagSetMembers[0]");
    shadeWith("lambert", "lambert2");
    element();
    uint32_t id = 0;
    EXPECT_TRUE(materialIds.find("lambert2", id));
    EXPECT_FALSE(materialIds.contains("blinn1"));
}

TEST_F(DynamicsSection, EmitterTheSceneDidNotWriteLeavesNoTrace) {
    buildSurfaceEmission();
    dynamicIds.idOf("someOtherEmitter");
    EXPECT_EQ(element(), "");
    EXPECT_TRUE(messages().empty());
    EXPECT_TRUE(shapeIds.empty());
    EXPECT_TRUE(materialIds.empty());
}

TEST_F(DynamicsSection, EmitterIsNamedByItsPartialPath) {
    buildSurfaceEmission();
    // A second emitter1 elsewhere makes the name ambiguous.
    b.create("pointEmitter", "emitter1", b.create("transform", "group1"));
    dynamicIds.idOf("pPlane1|emitter1");
    EXPECT_NE(element().find("<ParticleSystem name=\"pPlane1|emitter1\" dynamicId=\"1\""), std::string::npos);
}

TEST_F(DynamicsSection, ParticleSystemsInDagOrder) {
    // A points system that comes first in the DAG warns before the sprites
    // are written.
    b.create("particle", "pointsShape", b.create("transform", "points"));
    buildSurfaceEmission();
    dynamicIds.idOf("emitter1");
    EXPECT_EQ(element(), kDefaultsLine);
    EXPECT_EQ(messagesOf(MessageKind::Warning),
              std::vector<std::string>{"orvexExport: ParticleSystem only Sprites supported (pointsShape)\n"});
}

TEST_F(DynamicsSection, MissingSettingsTakeTheHostsDefaults) {
    // An emitter and a particle shape whose types lack every setting.
    TypeRegistry& registry = TypeRegistry::instance();
    if (!registry.find("bareEmitter")) {
        registry.define("bareEmitter", MFn::kEmitter, "transform", true);
    }
    if (!registry.find("bareParticle")) {
        NodeTypeBuilder bareParticles(registry.define("bareParticle", MFn::kParticle, "shape", true));
        bareParticles.attr("particleRenderType", "prt", AttrType::Enum, 5LL);
        bareParticles.attr("newParticles", "npt", AttrType::Generic, {}, true);
    }
    Node* plane = b.create("transform", "pPlane1");
    b.create("mesh", "pPlaneShape1", plane);
    Node* bare = b.create("bareEmitter", "emitter1", plane);
    b.addAttribute(bare, "output", AttrType::Generic, "ot");
    b.addAttribute(bare, "sweptGeometry", AttrType::Generic, "swge");
    particles = b.create("bareParticle", "particleShape1", b.create("transform", "particle1"));
    b.create("geoConnector", "geoConnector1");
    b.connect("emitter1.output", "particleShape1.newParticles[0]");
    b.connect("pPlaneShape1.worldMatrix[0]", "geoConnector1.worldMatrix");
    b.connect("geoConnector1.sweptGeometry", "emitter1.sweptGeometry");
    shadeWith("blinn", "blinn1");
    dynamicIds.idOf("emitter1");
    EXPECT_EQ(element(), kDefaultsLine);
}
