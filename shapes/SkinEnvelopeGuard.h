#pragma once
// Lowers a skin cluster's envelope to 0 while its mesh is read, so that the
// mesh is taken undeformed, and puts the former value back however the
// export leaves the mesh (also when an exception ends it).

#include <maya/MObject.h>

class MFnSkinCluster;

class SkinEnvelopeGuard {
public:
    SkinEnvelopeGuard() = default;
    ~SkinEnvelopeGuard();
    SkinEnvelopeGuard(const SkinEnvelopeGuard&) = delete;
    SkinEnvelopeGuard& operator=(const SkinEnvelopeGuard&) = delete;

    // Keeps the cluster's envelope ("en") and sets it to 0.
    void lower(const MFnSkinCluster& skinCluster);
    // Sets the kept value back, once; does nothing when nothing was lowered.
    void restore();

private:
    MObject cluster_;
    float saved_ = 0.0f;
    bool lowered_ = false;
};
