// The physics and joint attribute tables on TransformGroup elements.

#include "scene/SceneFixture.h"

#include <cmath>

using namespace orvex_test;
using orvex_host::AttrType;

namespace {

class PhysicsTables : public SceneFixture {
protected:
    // The attributes of the first element after its name.
    std::string attributesOf(const std::string& section) {
        size_t start = section.find("\" ") + 2;
        return section.substr(start, section.find(" nodeId=") - start);
    }
};

} // namespace

TEST_F(PhysicsTables, OnlyValuesOtherThanTheDefaultsAreWritten) {
    Node* body = create("transform", "body");
    // Added out of table order, and a few at their defaults.
    addAttr(body, "Orvex_collisionMask", AttrType::Int, -3LL);
    addAttr(body, "Orvex_density", AttrType::Float, 2.5);
    addAttr(body, "Orvex_skinWidth", AttrType::Double, 0.05); // the same float as the default
    addAttr(body, "Orvex_staticFriction", AttrType::Float, 0.5);
    addAttr(body, "Orvex_collision", AttrType::Bool, false);
    addAttr(body, "Orvex_static", AttrType::Bool, true);
    addAttr(body, "Orvex_ccd", AttrType::Bool, false);
    addAttr(body, "Orvex_solverIterationCount", AttrType::Int, 4LL);
    addAttr(body, "Orvex_restitution", AttrType::Float, std::nan(""));
    EXPECT_EQ(attributesOf(exportScene("")),
              "static=\"true\" collision=\"false\" restitution=\"nan\" density=\"2.5\" collisionMask=\"-3\"");
}

TEST_F(PhysicsTables, ABoolWithATrueDefaultIsWrittenOnlyWhenFalse) {
    Node* on = create("transform", "on");
    addAttr(on, "Orvex_collision", AttrType::Bool, true);
    Node* numeric = create("transform", "numeric");
    addAttr(numeric, "Orvex_collision", AttrType::Int, 0LL); // numeric kinds read as bools
    EXPECT_EQ(exportScene(""), "    <TransformGroup name=\"on\" nodeId=\"1\"/>\n"
                               "    <TransformGroup name=\"numeric\" collision=\"false\" nodeId=\"2\"/>\n");
}

TEST_F(PhysicsTables, JointTableForJointsOnly) {
    Node* joint = create("transform", "joint");
    addAttr(joint, "Orvex_joint", AttrType::Bool, true);
    addAttr(joint, "Orvex_density", AttrType::Float, 3.0);
    addAttr(joint, "Orvex_driveForceLimit", AttrType::Float, 200000.0);
    addAttr(joint, "Orvex_driveSpring", AttrType::Float, 1.0);
    addAttr(joint, "Orvex_projDistance", AttrType::Double, 0.01);
    addAttr(joint, "Orvex_jointBreakTorque", AttrType::Float, 1e6);
    addAttr(joint, "Orvex_breakableJoint", AttrType::Bool, true);
    Node* plain = create("transform", "plain");
    addAttr(plain, "Orvex_driveForceLimit", AttrType::Float, 200000.0);
    addAttr(plain, "Orvex_dynamic", AttrType::Bool, true);
    std::string section = exportScene("");
    EXPECT_EQ(section, "    <TransformGroup name=\"joint\" joint=\"true\" driveForceLimit=\"200000\" "
                       "breakableJoint=\"true\" jointBreakTorque=\"1e+06\" nodeId=\"1\"/>\n"
                       "    <TransformGroup name=\"plain\" dynamic=\"true\" nodeId=\"2\"/>\n");
}
