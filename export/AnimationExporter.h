#pragma once
// The Animation pass: one animation set per character that has source clips,
// one clip per source clip that has member curves, and in each clip one list
// of keyframes per transform that the clip's curves drive.

#include "export/AnimationKeyframes.h"
#include "export/SceneNodeTable.h"

#include <maya/MObjectArray.h>
#include <maya/MPlugArray.h>
#include <maya/MTime.h>

#include <ostream>
#include <string>

class MFnCharacter;
class MFnClip;
class MString;

class AnimationExporter {
public:
    AnimationExporter(const SceneNodeTable& nodes, bool verbose);

    // Writes the whole section; false, writing nothing, when the characters
    // cannot be listed.
    bool writeAnimation(std::ostream& out);
    void writeAnimationSet(const MFnCharacter& character, std::ostream& out);
    void writeClip(MFnClip& clip, std::ostream& out);

    // The member-curve index that drives exactly this attribute, or -1.
    static int findChannelCurve(const AnimatedNode& node, const char* attributeName);
    // Records the channel's curve and merges all its keys into the table.
    static void collectChannelKeys(int channel, int curveIndex, const MObjectArray& curves,
                                   KeyframeTable& keyframes, ChannelCurves& channelCurve);
    // Fills the channels that have a curve but no key at the record's time.
    static void evaluateMissingChannels(const ChannelCurves& channelCurve, KeyframeRecord& record,
                                        const MObjectArray& curves);
    // The group's linear-tangent attributes (in before out), or nothing.
    static std::string tangentAttributes(int firstChannel, int channelCount, const char* prefix,
                                         const KeyframeRecord& record);

private:
    // Adds the transform attribute that member curve `index` drives.
    static void traceMemberCurve(int index, const MPlug& plug, const MString& clipName,
                                 AnimatedNodeTable& animatedNodes);
    void writeKeyframes(const AnimatedNode& node, const MObjectArray& curves, const MTime& sourceStart,
                        std::ostream& out) const;
    void writeKeyframe(const KeyframeRecord& record, const ChannelCurves& channelCurve,
                       const RotationCorrection& rotation, const MTime& sourceStart, std::ostream& out) const;

    bool verbose; // this section writes no progress lines
    double unitScale;
    const SceneNodeTable* nodes;
};
