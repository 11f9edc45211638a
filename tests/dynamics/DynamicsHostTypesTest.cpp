// The host's particle, emitter and field types as the exporter reads them:
// kinds, the defaults the host writes, and the function sets over them.

#include "graph/Scene.h"

#include <orvex_host/Session.h>

#include <maya/MFnAirField.h>
#include <maya/MFnGravityField.h>
#include <maya/MFnParticleSystem.h>
#include <maya/MItDag.h>

#include <gtest/gtest.h>

#include "api/Access.h"

using namespace orvex_host;

namespace {

class DynamicsHostTypes : public ::testing::Test {
protected:
    void SetUp() override { newScene(false); }
    Node* create(const char* type, const std::string& name, Node* parent = nullptr) {
        const NodeType* t = TypeRegistry::instance().find(type);
        EXPECT_NE(t, nullptr) << type;
        return currentScene().createNode(*t, name, parent);
    }
    static MObject object(Node* n) { return ObjectAccess::fromNode(n); }
    static void set(Node* n, const char* attr, double value) {
        MPlug plug = MFnDependencyNode(object(n)).findPlug(attr);
        ASSERT_FALSE(plug.isNull()) << attr;
        ASSERT_EQ(plug.setValue(value), MS::kSuccess) << attr;
    }
};

} // namespace

TEST_F(DynamicsHostTypes, EmittersAndFieldsAreTransformsAndParticlesAreShapes) {
    MObject emitter = object(create("pointEmitter", "emitter1"));
    MObject gravity = object(create("gravityField", "gravityField1"));
    MObject air = object(create("airField", "airField1"));
    MObject particle = object(create("particle", "particleShape1", create("transform", "particle1")));
    MObject connector = object(create("geoConnector", "geoConnector1"));

    EXPECT_EQ(emitter.apiType(), MFn::kEmitter);
    EXPECT_TRUE(emitter.hasFn(MFn::kTransform));
    EXPECT_EQ(gravity.apiType(), MFn::kGravity);
    EXPECT_EQ(air.apiType(), MFn::kAir);
    EXPECT_TRUE(gravity.hasFn(MFn::kField) && air.hasFn(MFn::kField) && air.hasFn(MFn::kTransform));
    EXPECT_EQ(particle.apiType(), MFn::kParticle);
    EXPECT_TRUE(particle.hasFn(MFn::kShape));
    EXPECT_FALSE(particle.hasFn(MFn::kTransform));
    EXPECT_EQ(connector.apiType(), MFn::kGeoConnector);
    EXPECT_FALSE(connector.hasFn(MFn::kDagNode));

    // Each set attaches to its own kind only.
    MStatus status;
    MFnField onParticle(particle, &status);
    EXPECT_NE(status, MS::kSuccess);
    MFnGravityField onAir(air, &status);
    EXPECT_NE(status, MS::kSuccess);
    MFnField onAirAsField(air, &status);
    EXPECT_EQ(status, MS::kSuccess);
    MFnParticleSystem onEmitter(emitter, &status);
    EXPECT_NE(status, MS::kSuccess);
    EXPECT_EQ(onEmitter.renderType(&status), MFnParticleSystem::kPoints);
    EXPECT_NE(status, MS::kSuccess);
}

TEST_F(DynamicsHostTypes, DefaultsAreTheHostsOwn) {
    Node* particle = create("particle", "particleShape1", create("transform", "particle1"));
    Node* emitter = create("pointEmitter", "emitter1");
    MFnDependencyNode p(object(particle)), e(object(emitter));

    MFnParticleSystem system(object(particle));
    EXPECT_EQ(system.renderType(), MFnParticleSystem::kPoints);
    EXPECT_EQ(p.findPlug("lifespanMode").asInt(), 0);
    EXPECT_EQ(p.findPlug("maxCount").asInt(), -1);
    EXPECT_FALSE(p.findPlug("depthSort").asBool());
    // The lifespan and the sprite settings are added per shape, never by the type.
    EXPECT_FALSE(p.hasAttribute("lifespan"));
    EXPECT_FALSE(p.hasAttribute("spriteScaleX"));

    EXPECT_EQ(e.findPlug("rate").asDouble(), 100.0);
    EXPECT_EQ(e.findPlug("spd").asDouble(), 1.0);
    EXPECT_EQ(e.findPlug("speedRandom").asDouble(), 0.0);
    EXPECT_EQ(e.findPlug("tangentSpeed").asDouble(), 0.0);
    EXPECT_EQ(e.findPlug("normalSpeed").asDouble(), 1.0);
    EXPECT_EQ(e.findPlug("translateX").asDouble(), 0.0); // a transform's own attributes

    MFnGravityField gravity(object(create("gravityField", "gravityField1")));
    EXPECT_EQ(gravity.magnitude(), 9.8);
    MVector down = gravity.direction();
    EXPECT_EQ(down.x, 0.0);
    EXPECT_EQ(down.y, -1.0);
    EXPECT_EQ(down.z, 0.0);

    MFnAirField air(object(create("airField", "airField1")));
    EXPECT_EQ(air.magnitude(), 4.0);
    EXPECT_EQ(air.speed(), 5.0);
    EXPECT_EQ(air.direction().y, 1.0);
}

TEST_F(DynamicsHostTypes, FunctionSetsReadStoredValues) {
    Node* particle = create("particle", "particleShape1", create("transform", "particle1"));
    set(particle, "particleRenderType", 5);
    EXPECT_EQ(MFnParticleSystem(object(particle)).renderType(), MFnParticleSystem::kSprites);
    set(particle, "prt", 8);
    EXPECT_EQ(MFnParticleSystem(object(particle)).renderType(), MFnParticleSystem::kCloud);

    Node* air = create("airField", "airField1");
    set(air, "directionX", 1);
    set(air, "dy", 0);
    set(air, "magnitude", 4);
    set(air, "spd", 0.5);
    MFnAirField fn(object(air));
    MStatus status;
    MVector d = fn.direction(&status);
    EXPECT_EQ(status, MS::kSuccess);
    EXPECT_EQ(d.x, 1.0);
    EXPECT_EQ(d.y, 0.0);
    EXPECT_EQ(fn.speed(), 0.5);
}

TEST_F(DynamicsHostTypes, ParticleIteratorYieldsParticleShapesInPreOrder) {
    Node* group = create("transform", "group1");
    create("particle", "particleShape2", create("transform", "particle2", group));
    create("pointEmitter", "emitter1", group);
    create("particle", "particleShape1", create("transform", "particle1"));
    std::vector<std::string> names;
    MStatus status;
    for (MItDag it(MItDag::kDepthFirst, MFn::kParticle, &status); !it.isDone(); it.next()) {
        names.push_back(MFnDependencyNode(it.item()).name().asChar());
    }
    EXPECT_EQ(status, MS::kSuccess);
    EXPECT_EQ(names, (std::vector<std::string>{"particleShape2", "particleShape1"}));
}
