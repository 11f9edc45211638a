#pragma once
// Function set for character sets: the source clips that animate them.

#include <maya/MFnDependencyNode.h>

class MFnCharacter : public MFnDependencyNode {
public:
    MFnCharacter() = default;
    MFnCharacter(const MObject& object, MStatus* status = NULL);
    MFn::Type type() const override;

    int getSourceClipCount(MStatus* status = NULL) const;
    MObject getSourceClip(unsigned int index, MStatus* status = NULL) const;
};
