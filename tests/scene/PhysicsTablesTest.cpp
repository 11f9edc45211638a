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

// One row of an attribute table: the document's attribute, whose node
// attribute is "Orvex_" followed by its name, its kind, its default, a value
// away from the default and how that value is written.
struct Row {
    const char* name;
    AttrType type;
    orvex_host::Value atDefault;
    orvex_host::Value away;
    const char* written;
};

std::vector<Row> joined(std::vector<Row> first, const std::vector<Row>& second) {
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

// The three tables, in their order, with the defaults the format gives them.
// The TransformGroup and Shape tables end in the same numeric rows.
const std::vector<Row> kNumericRows = {
    {"restitution", AttrType::Float, 0.0, 0.25, "0.25"},
    {"staticFriction", AttrType::Float, 0.5, 0.75, "0.75"},
    {"dynamicFriction", AttrType::Float, 0.5, 0.125, "0.125"},
    {"linearDamping", AttrType::Float, 0.5, 2.0, "2"},
    {"angularDamping", AttrType::Float, 0.5, 3.5, "3.5"},
    {"skinWidth", AttrType::Float, 0.05, 0.1, "0.1"},
    {"density", AttrType::Float, 1.0, 2.5, "2.5"},
    {"collisionMask", AttrType::Int, 255LL, -7LL, "-7"},
    {"solverIterationCount", AttrType::Int, 4LL, 16LL, "16"},
};

const std::vector<Row> kTransformGroupRows = joined(
    {
        {"compound", AttrType::Bool, false, true, "true"},
        {"static", AttrType::Bool, false, true, "true"},
        {"dynamic", AttrType::Bool, false, true, "true"},
        {"kinematic", AttrType::Bool, false, true, "true"},
        {"collision", AttrType::Bool, true, false, "false"},
        {"ccd", AttrType::Bool, false, true, "true"},
        {"trigger", AttrType::Bool, false, true, "true"},
    },
    kNumericRows);

const std::vector<Row> kShapeRows = joined(
    {
        {"compoundChild", AttrType::Bool, false, true, "true"},
        {"compound", AttrType::Bool, false, true, "true"},
        {"collision", AttrType::Bool, true, false, "false"},
        {"ccd", AttrType::Bool, false, true, "true"},
        {"trigger", AttrType::Bool, false, true, "true"},
    },
    kNumericRows);

const std::vector<Row> kJointRows = {
    {"projection", AttrType::Bool, false, true, "true"},
    {"xAxisDrive", AttrType::Bool, false, true, "true"},
    {"yAxisDrive", AttrType::Bool, false, true, "true"},
    {"zAxisDrive", AttrType::Bool, false, true, "true"},
    {"drivePos", AttrType::Bool, false, true, "true"},
    {"projDistance", AttrType::Float, 0.01, 0.5, "0.5"},
    {"driveForceLimit", AttrType::Float, 100000.0, 2500000.0, "2.5e+06"},
    {"driveSpring", AttrType::Float, 1.0, 4.0, "4"},
    {"driveDamping", AttrType::Float, 0.01, 0.02, "0.02"},
    {"breakableJoint", AttrType::Bool, false, true, "true"},
    {"jointBreakForce", AttrType::Float, 0.0, 50.0, "50"},
    {"jointBreakTorque", AttrType::Float, 0.0, -1.5, "-1.5"},
};

// The attributes a table writes for its rows away from their defaults.
std::string writtenAway(const std::vector<Row>& rows) {
    std::string text;
    for (const Row& row : rows) {
        text += std::string(" ") + row.name + "=\"" + row.written + "\"";
    }
    return text;
}

} // namespace

TEST_F(PhysicsTables, EveryRowOfTheTransformGroupAndJointTables) {
    // Each node gets its rows in reverse table order, all at the default or
    // all away from it, and the other table's rows away from their defaults.
    auto withRows = [&](const std::string& name, bool joint, bool away) {
        Node* node = create("transform", name);
        if (joint) {
            addAttr(node, "Orvex_joint", AttrType::Bool, true);
        }
        const std::vector<Row>& own = joint ? kJointRows : kTransformGroupRows;
        const std::vector<Row>& other = joint ? kTransformGroupRows : kJointRows;
        for (auto row = own.rbegin(); row != own.rend(); ++row) {
            addAttr(node, std::string("Orvex_") + row->name, row->type, away ? row->away : row->atDefault);
        }
        for (const Row& row : other) {
            addAttr(node, std::string("Orvex_") + row.name, row.type, row.away);
        }
    };
    withRows("plainDefaults", false, false);
    withRows("plainAway", false, true);
    withRows("jointDefaults", true, false);
    withRows("jointAway", true, true);
    EXPECT_EQ(exportScene(""),
              "    <TransformGroup name=\"plainDefaults\" nodeId=\"1\"/>\n"
              "    <TransformGroup name=\"plainAway\"" +
                  writtenAway(kTransformGroupRows) +
                  " nodeId=\"2\"/>\n"
                  "    <TransformGroup name=\"jointDefaults\" joint=\"true\" nodeId=\"3\"/>\n"
                  "    <TransformGroup name=\"jointAway\" joint=\"true\"" +
                  writtenAway(kJointRows) + " nodeId=\"4\"/>\n");
}

TEST_F(PhysicsTables, EveryRowOfTheShapeTable) {
    // A compound child writes no physics mode but the whole table.
    for (bool away : {false, true}) {
        Node* transform = shapeUnder("mesh", away ? "away" : "defaults")->parents.at(0);
        for (auto row = kShapeRows.rbegin(); row != kShapeRows.rend(); ++row) {
            addAttr(transform, std::string("Orvex_") + row->name, row->type,
                    away ? row->away : row->atDefault);
        }
    }
    const std::string section = exportScene("-shap");
    auto physicsOf = [&](const std::string& name, const std::string& shapeId) {
        const size_t element = section.find("<Shape name=\"" + name + "\"");
        const std::string start = " shapeId=\"" + shapeId + "\"";
        const size_t from = section.find(start, element) + start.size();
        return section.substr(from, section.find(" castsShadows=", from) - from);
    };
    EXPECT_EQ(physicsOf("defaults", "1"), " static=\"true\"");
    EXPECT_EQ(physicsOf("away", "2"), writtenAway(kShapeRows));
}

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
