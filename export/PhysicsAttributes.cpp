#include "export/AttributeHelpers.h"
#include "export/SceneExporter.h"
#include "export/SceneText.h"

namespace {

constexpr AttributeSpec boolEntry(const char* maya, const char* xml, bool def) {
    return {AttributeSpec::Bool, def, 0.0f, 0, "", maya, xml};
}

constexpr AttributeSpec floatEntry(const char* maya, const char* xml, float def) {
    return {AttributeSpec::Float, false, def, 0, "", maya, xml};
}

constexpr AttributeSpec intEntry(const char* maya, const char* xml, int32_t def) {
    return {AttributeSpec::Int, false, 0.0f, def, "", maya, xml};
}

void writeEntry(const MFnDependencyNode& node, const AttributeSpec& entry, std::ostream& out) {
    switch (entry.kind) {
    case AttributeSpec::Bool: {
        bool value = entry.boolDefault;
        getBoolAttribute(node, entry.mayaAttribute, value, false);
        // Only the opposite of the default is written.
        if (value != entry.boolDefault) {
            out << " " << entry.xmlAttribute << "=\"" << boolText(value) << "\"";
        }
        break;
    }
    case AttributeSpec::Float: {
        float value = entry.floatDefault;
        getFloatAttribute(node, entry.mayaAttribute, value);
        if (value != entry.floatDefault) { // a NaN differs too
            out << " " << entry.xmlAttribute << "=\"" << static_cast<double>(value) << "\"";
        }
        break;
    }
    case AttributeSpec::Int: {
        int32_t value = entry.intDefault;
        getIntAttribute(node, entry.mayaAttribute, value);
        if (value != entry.intDefault) {
            out << " " << entry.xmlAttribute << "=\"" << value << "\"";
        }
        break;
    }
    case AttributeSpec::String: {
        MString value(entry.stringDefault);
        getStringAttribute(node, entry.mayaAttribute, value);
        if (value != entry.stringDefault) {
            out << " " << entry.xmlAttribute << "=\"";
            writeEscaped(out, value);
            out << "\"";
        }
        break;
    }
    default:
        break;
    }
}

} // namespace

const AttributeSpec kTransformGroupAttributes[] = {
    boolEntry("Orvex_compound", "compound", false),
    boolEntry("Orvex_static", "static", false),
    boolEntry("Orvex_dynamic", "dynamic", false),
    boolEntry("Orvex_kinematic", "kinematic", false),
    boolEntry("Orvex_collision", "collision", true),
    boolEntry("Orvex_ccd", "ccd", false),
    boolEntry("Orvex_trigger", "trigger", false),
    floatEntry("Orvex_restitution", "restitution", 0.0f),
    floatEntry("Orvex_staticFriction", "staticFriction", 0.5f),
    floatEntry("Orvex_dynamicFriction", "dynamicFriction", 0.5f),
    floatEntry("Orvex_linearDamping", "linearDamping", 0.5f),
    floatEntry("Orvex_angularDamping", "angularDamping", 0.5f),
    floatEntry("Orvex_skinWidth", "skinWidth", 0.05f),
    floatEntry("Orvex_density", "density", 1.0f),
    intEntry("Orvex_collisionMask", "collisionMask", 255),
    intEntry("Orvex_solverIterationCount", "solverIterationCount", 4),
};
const size_t kTransformGroupAttributeCount = sizeof(kTransformGroupAttributes) / sizeof(AttributeSpec);

const AttributeSpec kShapePhysicsAttributes[] = {
    boolEntry("Orvex_compoundChild", "compoundChild", false),
    boolEntry("Orvex_compound", "compound", false),
    boolEntry("Orvex_collision", "collision", true),
    boolEntry("Orvex_ccd", "ccd", false),
    boolEntry("Orvex_trigger", "trigger", false),
    floatEntry("Orvex_restitution", "restitution", 0.0f),
    floatEntry("Orvex_staticFriction", "staticFriction", 0.5f),
    floatEntry("Orvex_dynamicFriction", "dynamicFriction", 0.5f),
    floatEntry("Orvex_linearDamping", "linearDamping", 0.5f),
    floatEntry("Orvex_angularDamping", "angularDamping", 0.5f),
    floatEntry("Orvex_skinWidth", "skinWidth", 0.05f),
    floatEntry("Orvex_density", "density", 1.0f),
    intEntry("Orvex_collisionMask", "collisionMask", 255),
    intEntry("Orvex_solverIterationCount", "solverIterationCount", 4),
};
const size_t kShapePhysicsAttributeCount = sizeof(kShapePhysicsAttributes) / sizeof(AttributeSpec);

const AttributeSpec kJointAttributes[] = {
    boolEntry("Orvex_projection", "projection", false),
    boolEntry("Orvex_xAxisDrive", "xAxisDrive", false),
    boolEntry("Orvex_yAxisDrive", "yAxisDrive", false),
    boolEntry("Orvex_zAxisDrive", "zAxisDrive", false),
    boolEntry("Orvex_drivePos", "drivePos", false),
    floatEntry("Orvex_projDistance", "projDistance", 0.01f),
    floatEntry("Orvex_driveForceLimit", "driveForceLimit", 100000.0f),
    floatEntry("Orvex_driveSpring", "driveSpring", 1.0f),
    floatEntry("Orvex_driveDamping", "driveDamping", 0.01f),
    boolEntry("Orvex_breakableJoint", "breakableJoint", false),
    floatEntry("Orvex_jointBreakForce", "jointBreakForce", 0.0f),
    floatEntry("Orvex_jointBreakTorque", "jointBreakTorque", 0.0f),
};
const size_t kJointAttributeCount = sizeof(kJointAttributes) / sizeof(AttributeSpec);

void SceneExporter::writeAttributeTable(const MFnDependencyNode& node, const AttributeSpec* table,
                                        size_t count, std::ostream& out) const {
    for (size_t i = 0; i < count; ++i) {
        if (hasAttribute(node, table[i].mayaAttribute)) {
            writeEntry(node, table[i], out);
        }
    }
}
