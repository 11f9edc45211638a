// The attributes every Scene element starts with (name, translation,
// rotation, scale, visibility, level of detail), the bind pose of joints,
// and node ids.

#include "export/AttributeHelpers.h"
#include "export/SceneExporter.h"
#include "export/SceneText.h"

#include <maya/MFnIkJoint.h>
#include <maya/MFnMatrixData.h>
#include <maya/MGlobal.h>
#include <maya/MPlugArray.h>

#include <cmath>
#include <cstdlib>

namespace {

struct LocalValues {
    MVector translation;
    double rotation[3] = {0.0, 0.0, 0.0};
    double scale[3] = {1.0, 1.0, 1.0};
};

LocalValues readLocalValues(const MFnTransform& transform) {
    LocalValues v;
    v.translation = transform.translation(MSpace::kTransform);
    MTransformationMatrix::RotationOrder order;
    transform.getRotation(v.rotation, order);
    transform.getScale(v.scale);
    return v;
}

// A joint in a bind pose is written as it stands in that pose.
bool readBindPose(const MFnIkJoint& joint, LocalValues& v) {
    MObject poseData;
    if (!getBindPoseMatrix(joint, poseData)) {
        return false;
    }
    MTransformationMatrix pose = MFnMatrixData(poseData).transformation();
    v.translation = pose.translation(MSpace::kTransform);
    MTransformationMatrix::RotationOrder order;
    pose.getRotation(v.rotation, order);
    pose.getScale(v.scale, MSpace::kTransform);
    return true;
}

// A value that is not a number counts as different from any start value.
bool differs(double value, double reference) {
    return !(value == reference);
}

void writeTriple(std::ostream& out, const char* attribute, double x, double y, double z) {
    out << " " << attribute << "=\"" << x << " " << y << " " << z << "\"";
}

size_t digitsFrom(const std::string& text, size_t i) {
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
        ++i;
    }
    return i;
}

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// The longest prefix of text from `start` on that reads as a decimal number,
// after leading blanks: an optional sign, digits with an optional point (at
// least one digit), an optional exponent. Empty when nothing reads; so a
// hexadecimal number reads as its leading "0", and "inf" and "nan" not at all.
std::string decimalPrefix(const std::string& text, size_t start) {
    size_t i = start;
    while (i < text.size() && isBlank(text[i])) {
        ++i;
    }
    const size_t begin = i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        ++i;
    }
    size_t end = digitsFrom(text, i);
    size_t digits = end - i;
    if (end < text.size() && text[end] == '.') {
        const size_t fractionEnd = digitsFrom(text, end + 1);
        digits += fractionEnd - (end + 1);
        end = fractionEnd;
    }
    if (digits == 0) {
        return std::string();
    }
    if (end < text.size() && (text[end] == 'e' || text[end] == 'E')) {
        size_t exponent = end + 1;
        if (exponent < text.size() && (text[exponent] == '+' || text[exponent] == '-')) {
            ++exponent;
        }
        const size_t exponentEnd = digitsFrom(text, exponent);
        if (exponentEnd > exponent) {
            end = exponentEnd;
        }
    }
    return text.substr(begin, end - begin);
}

// "lod_" names carry the distance: the decimal number after the prefix (100
// when nothing reads, or when what reads is too large for a float).
void writeNameLevelOfDetail(const std::string& name, std::ostream& out) {
    float distance = 100.0f;
    const std::string number = decimalPrefix(name, 4);
    if (!number.empty()) {
        const float read = std::strtof(number.c_str(), nullptr);
        if (std::isfinite(read)) {
            distance = read;
        }
    }
    out << " lodDistance=\"0 " << static_cast<double>(distance * 0.5f) << "\"";
}

void writeAttributeLevelOfDetail(const MFnDependencyNode& node, std::ostream& out) {
    bool enabled = true;
    getBoolAttribute(node, "Orvex_lod", enabled, false);
    if (!enabled) {
        return;
    }
    float distances[3] = {0.0f, 0.0f, 0.0f};
    getFloatAttribute(node, "Orvex_lod1", distances[0]);
    getFloatAttribute(node, "Orvex_lod2", distances[1]);
    getFloatAttribute(node, "Orvex_lod3", distances[2]);
    if (distances[0] == 0.0f) {
        return;
    }
    out << " lodDistance=\"0 " << static_cast<double>(distances[0]);
    // Each further distance counts only while the ones before it are set.
    for (int i = 1; i < 3 && distances[i] != 0.0f; ++i) {
        out << " " << static_cast<double>(distances[i]);
    }
    out << "\"";
}

void writeLevelOfDetail(const MFnDependencyNode& node, std::ostream& out) {
    const std::string name = node.name().asChar();
    if (name.compare(0, 4, "lod_") == 0) {
        writeNameLevelOfDetail(name, out);
    } else {
        writeAttributeLevelOfDetail(node, out);
    }
}

} // namespace

bool getBindPoseMatrix(const MFnDependencyNode& joint, MObject& poseData) {
    MPlug bindPose = joint.findPlug("bindPose");
    MPlugArray targets;
    bindPose.connectedTo(targets, false, true);
    if (targets.length() != 1) {
        return false;
    }
    MFnDependencyNode pose(targets[0].node());
    MObject xformMatrix = pose.attribute("xformMatrix");
    MPlug element(targets[0].node(), xformMatrix);
    element.selectAncestorLogicalIndex(targets[0].logicalIndex(), xformMatrix);
    element.getValue(poseData, MDGContext::fsNormal);
    return true;
}

void SceneExporter::writeTransformAttributes(MFnTransform& transform, SceneNodeTable& sceneNodes,
                                             std::ostream& out, bool visibility, bool levelOfDetail) {
    LocalValues v = readLocalValues(transform);
    RotationCorrection correction;
    MQuaternion rotateOrientation = transform.rotateOrientation(MSpace::kTransform);
    if (rotateOrientation != MQuaternion::identity) {
        correction.hasPreRotation = true;
        correction.preRotation = rotateOrientation;
    }
    const MObject node = transform.object();
    if (node.hasFn(MFn::kJoint)) {
        MFnIkJoint joint(node);
        if (!readBindPose(joint, v)) {
            MGlobal::displayWarning(
                MString("orvexExport: Joint without bind pose found. Using current rotation (") +
                joint.partialPathName() + ").\n");
        }
        MQuaternion orientation;
        joint.getOrientation(orientation);
        if (orientation != MQuaternion::identity) {
            correction.hasPostRotation = true;
            correction.postRotation = orientation;
        }
        correction.apply(v.rotation[0], v.rotation[1], v.rotation[2]);
    }
    SceneNodeRecord record;
    record.rotation = correction;
    sceneNodes.emplace(transform.partialPathName().asChar(), record);

    out << " name=\"";
    writeEscaped(out, transform.name());
    out << "\"";
    const MVector& t = v.translation;
    if (differs(t.x, 0.0) || differs(t.y, 0.0) || differs(t.z, 0.0)) {
        writeTriple(out, "translation", t.x * unitScale, t.y * unitScale, t.z * unitScale);
    }
    const double* r = v.rotation;
    if (differs(r[0], 0.0) || differs(r[1], 0.0) || differs(r[2], 0.0)) {
        writeTriple(out, "rotation", radiansToDegrees(r[0]), radiansToDegrees(r[1]), radiansToDegrees(r[2]));
    }
    const double* s = v.scale;
    if (differs(s[0], 1.0) || differs(s[1], 1.0) || differs(s[2], 1.0)) {
        writeTriple(out, "scale", s[0], s[1], s[2]);
    }
    if (visibility) {
        bool visible = true;
        getBoolAttribute(transform, "visibility", visible, false);
        if (!visible) {
            out << " visibility=\"false\"";
        }
    }
    if (levelOfDetail) {
        writeLevelOfDetail(transform, out);
    }
}

void SceneExporter::writeNodeId(MFnTransform& transform, SceneNodeTable& sceneNodes, std::ostream& out) {
    const uint32_t nodeId = ++nodeIdCounter;
    // Inserts a record with no rotation correction when there is none yet.
    sceneNodes[transform.partialPathName().asChar()].nodeId = nodeId;
    out << " nodeId=\"" << nodeId << "\"";
}
