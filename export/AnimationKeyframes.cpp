// The keyframes of one animated transform: channel curves, merged keys,
// evaluated gaps, units, rotation correction and linear tangents.

#include "export/AnimationExporter.h"

#include "export/AttributeHelpers.h"

#include <maya/MFnAnimCurve.h>

const std::array<const char*, kChannelCount> kChannelAttributes = {
    "translateX", "translateY", "translateZ", "rotateX", "rotateY",
    "rotateZ",    "scaleX",     "scaleY",     "scaleZ",  "visibility",
};

namespace {

// A group of channels is present when every one of them has a curve.
bool groupPresent(const ChannelCurves& channelCurve, int first, int count) {
    for (int c = first; c < first + count; ++c) {
        if (channelCurve[c] == -1) {
            return false;
        }
    }
    return true;
}

void writeTriple(std::ostream& out, const char* attribute, double x, double y, double z) {
    out << " " << attribute << "=\"" << x << " " << y << " " << z << "\"";
}

} // namespace

int AnimationExporter::findChannelCurve(const AnimatedNode& node, const char* attributeName) {
    auto it = node.curveIndexByAttribute.find(attributeName);
    return it == node.curveIndexByAttribute.end() ? -1 : it->second;
}

void AnimationExporter::collectChannelKeys(int channel, int curveIndex, const MObjectArray& curves,
                                           KeyframeTable& keyframes, ChannelCurves& channelCurve) {
    if (curveIndex == -1) {
        return;
    }
    channelCurve[channel] = curveIndex;
    MFnAnimCurve curve(curves[static_cast<unsigned int>(curveIndex)]);
    const unsigned int keyCount = curve.numKeys();
    for (unsigned int k = 0; k < keyCount; ++k) {
        MTime time = curve.time(k);
        time.setUnit(MTime::kMilliseconds);
        const double t = time.value();
        KeyframeRecord& record = keyframes[t]; // a new record has no channel keyed
        record.timeMs = t;
        record.value[channel] = curve.value(k);
        record.hasKey[channel] = true;
        record.inTangentType[channel] = curve.inTangentType(k);
        record.outTangentType[channel] = curve.outTangentType(k);
    }
}

void AnimationExporter::evaluateMissingChannels(const ChannelCurves& channelCurve, KeyframeRecord& record,
                                                const MObjectArray& curves) {
    for (int c = 0; c < kChannelCount; ++c) {
        if (record.hasKey[c] || channelCurve[c] == -1) {
            continue;
        }
        MFnAnimCurve curve(curves[static_cast<unsigned int>(channelCurve[c])]);
        record.value[c] = curve.evaluate(MTime(record.timeMs, MTime::kMilliseconds));
    }
}

std::string AnimationExporter::tangentAttributes(int firstChannel, int channelCount, const char* prefix,
                                                 const KeyframeRecord& record) {
    bool linearIn = false;
    bool linearOut = false;
    for (int c = firstChannel; c < firstChannel + channelCount; ++c) {
        linearIn = linearIn || record.inTangentType[c] == MFnAnimCurve::kTangentLinear;
        linearOut = linearOut || record.outTangentType[c] == MFnAnimCurve::kTangentLinear;
    }
    std::string text;
    if (linearIn) {
        text += std::string(" ip") + prefix + "in=\"linear\"";
    }
    if (linearOut) {
        text += std::string(" ip") + prefix + "out=\"linear\"";
    }
    return text;
}

void AnimationExporter::writeKeyframes(const AnimatedNode& node, const MObjectArray& curves,
                                       const MTime& sourceStart, std::ostream& out) const {
    // A transform the scene pass did not write keeps node id 0 and no
    // rotation correction.
    RotationCorrection rotation;
    uint32_t nodeId = 0;
    auto record = nodes->find(node.pathName);
    if (record != nodes->end()) {
        rotation = record->second.rotation;
        nodeId = record->second.nodeId;
    }

    KeyframeTable keyframes;
    ChannelCurves channelCurve;
    channelCurve.fill(-1);
    for (int c = 0; c < kChannelCount; ++c) {
        collectChannelKeys(c, findChannelCurve(node, kChannelAttributes[c]), curves, keyframes, channelCurve);
    }

    out << "          <Keyframes nodeId=\"" << nodeId << "\">\n";
    // The table is ordered by time: each time once, ascending.
    for (auto& entry : keyframes) {
        evaluateMissingChannels(channelCurve, entry.second, curves);
        writeKeyframe(entry.second, channelCurve, rotation, sourceStart, out);
    }
    out << "          </Keyframes>\n";
}

void AnimationExporter::writeKeyframe(const KeyframeRecord& record, const ChannelCurves& channelCurve,
                                      const RotationCorrection& rotation, const MTime& sourceStart,
                                      std::ostream& out) const {
    // Relative to the clip's source start, so keys before it are negative.
    MTime time = MTime(record.timeMs, MTime::kMilliseconds) - sourceStart;
    time.setUnit(MTime::kMilliseconds);
    out << "            <Keyframe time=\"" << time.value() << "\"";

    const auto& v = record.value;
    if (groupPresent(channelCurve, kTranslateChannel, kChannelsPerGroup)) {
        writeTriple(out, "translation", unitScale * v[0], unitScale * v[1], unitScale * v[2]);
        out << tangentAttributes(kTranslateChannel, kChannelsPerGroup, "t", record);
    }
    if (groupPresent(channelCurve, kRotateChannel, kChannelsPerGroup)) {
        double x = v[3], y = v[4], z = v[5];
        rotation.apply(x, y, z);
        writeTriple(out, "rotation", radiansToDegrees(x), radiansToDegrees(y), radiansToDegrees(z));
        out << tangentAttributes(kRotateChannel, kChannelsPerGroup, "r", record);
    }
    if (groupPresent(channelCurve, kScaleChannel, kChannelsPerGroup)) {
        writeTriple(out, "scale", v[6], v[7], v[8]);
        out << tangentAttributes(kScaleChannel, kChannelsPerGroup, "s", record);
    }
    if (channelCurve[kVisibilityChannel] != -1) {
        out << " visibility=\"" << (v[kVisibilityChannel] == 1.0 ? "true" : "false") << "\"";
    }
    out << "/>\n";
}
