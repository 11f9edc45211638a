#pragma once
// Function set for particle shapes.

#include <maya/MFnDagNode.h>

class MFnParticleSystem : public MFnDagNode {
public:
    // How the particles are drawn and rendered.
    enum RenderType {
        kCloud,
        kTube,
        kBlobby,
        kMultiPoint,
        kMultiStreak,
        kNumeric,
        kPoints,
        kSpheres,
        kSprites,
        kStreak
    };

    MFnParticleSystem() = default;
    MFnParticleSystem(const MObject& object, MStatus* status = NULL);
    MFnParticleSystem(const MDagPath& path, MStatus* status = NULL);
    MFn::Type type() const override;

    RenderType renderType(MStatus* status = NULL) const;
};
