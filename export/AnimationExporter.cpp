// The Animation section's frame, its animation sets and clips, and the trace
// from each member curve to the transform attribute it drives.

#include "export/AnimationExporter.h"

#include "export/XmlEscape.h"

#include <maya/MDistance.h>
#include <maya/MFnAttribute.h>
#include <maya/MFnCharacter.h>
#include <maya/MFnClip.h>
#include <maya/MFnTransform.h>
#include <maya/MGlobal.h>
#include <maya/MItDependencyNodes.h>

AnimationExporter::AnimationExporter(const SceneNodeTable& sceneNodes, bool verboseFlag)
    : verbose(verboseFlag), unitScale(1.0 / MDistance::uiToInternal(1.0)), nodes(&sceneNodes) {}

bool AnimationExporter::writeAnimation(std::ostream& out) {
    MStatus status;
    MItDependencyNodes characters(MFn::kCharacter, &status);
    if (status != MS::kSuccess) {
        return false;
    }
    out << "  <Animation>\n"
        << "    <AnimationSets>\n";
    for (; !characters.isDone(); characters.next()) {
        MFnCharacter character(characters.item());
        writeAnimationSet(character, out);
    }
    out << "    </AnimationSets>\n"
        << "  </Animation>\n";
    return true;
}

void AnimationExporter::writeAnimationSet(const MFnCharacter& character, std::ostream& out) {
    const int clipCount = character.getSourceClipCount();
    if (clipCount == 0) {
        return;
    }
    out << "      <AnimationSet name=\"" << escapeAttribute(character.name().asChar()) << "\">\n";
    for (int i = 0; i < clipCount; ++i) {
        MFnClip clip(character.getSourceClip(static_cast<unsigned int>(i)));
        writeClip(clip, out);
    }
    out << "      </AnimationSet>\n";
}

void AnimationExporter::writeClip(MFnClip& clip, std::ostream& out) {
    MObjectArray curves;
    MPlugArray plugs;
    clip.getMemberAnimCurves(curves, plugs);
    if (curves.length() == 0) {
        return;
    }
    const MString clipName = clip.name();
    MTime duration = clip.getSourceDuration();
    duration.setUnit(MTime::kMilliseconds);
    out << "        <Clip name=\"" << escapeAttribute(clipName.asChar()) << "\" duration=\""
        << duration.value() << "\">\n";

    AnimatedNodeTable animatedNodes;
    // The two arrays run in parallel; a curve without a plug beside it has
    // nothing to trace.
    for (unsigned int i = 0; i < curves.length() && i < plugs.length(); ++i) {
        traceMemberCurve(static_cast<int>(i), plugs[i], clipName, animatedNodes);
    }
    const MTime sourceStart = clip.getSourceStart();
    for (const auto& entry : animatedNodes) {
        writeKeyframes(entry.second, curves, sourceStart, out);
    }
    out << "        </Clip>\n";
}

void AnimationExporter::traceMemberCurve(int index, const MPlug& plug, const MString& clipName,
                                         AnimatedNodeTable& animatedNodes) {
    MPlugArray destinations;
    plug.connectedTo(destinations, false, true);
    if (destinations.length() == 0) {
        MGlobal::displayWarning("The animation curve " + plug.name() + " in clip " + clipName +
                                " does not seem to be connected");
        return;
    }
    // The first source of a fed plug that lies on a transform (joints
    // included) is the animated attribute.
    MPlug animated;
    bool found = false;
    for (unsigned int d = 0; d < destinations.length() && !found; ++d) {
        MPlugArray sources;
        destinations[d].connectedTo(sources, true, false);
        for (unsigned int s = 0; s < sources.length() && !found; ++s) {
            if (sources[s].node().hasFn(MFn::kTransform)) {
                animated = sources[s];
                found = true;
            }
        }
    }
    if (!found) {
        MGlobal::displayWarning("Failed to find the animated object for the animation curve " + plug.name() +
                                " in clip " + clipName);
        return;
    }
    const std::string pathName = MFnTransform(animated.node()).partialPathName().asChar();
    const std::string attributeName = MFnAttribute(animated.attribute()).name().asChar();
    AnimatedNode& node = animatedNodes[pathName];
    node.pathName = pathName;
    node.curveIndexByAttribute.emplace(attributeName, index); // the lowest index stays
}
