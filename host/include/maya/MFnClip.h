#pragma once
// Function set for animation clips.

#include <maya/MFnDependencyNode.h>
#include <maya/MTime.h>

class MObjectArray;
class MPlugArray;

class MFnClip : public MFnDependencyNode {
public:
    MFnClip() = default;
    MFnClip(const MObject& object, MStatus* status = NULL);
    MFn::Type type() const override;

    // The clip's member curves and, in parallel, the attribute each one is
    // associated with.
    MStatus getMemberAnimCurves(MObjectArray& curves, MPlugArray& associatedAttrs);
    // In the scene's UI time unit.
    MTime getSourceStart(MStatus* status = NULL) const;
    MTime getSourceDuration(MStatus* status = NULL) const;
    bool isInstancedClip(MStatus* status = NULL) const;
};
