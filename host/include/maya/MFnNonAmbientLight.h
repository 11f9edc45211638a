#pragma once
// Function set for lights with a position or direction (every light kind but
// the ambient one).

#include <maya/MFnLight.h>

class MFnNonAmbientLight : public MFnLight {
public:
    MFnNonAmbientLight() = default;
    MFnNonAmbientLight(const MObject& object, MStatus* status = NULL);
    MFnNonAmbientLight(const MDagPath& path, MStatus* status = NULL);
    MFn::Type type() const override;

    // 0 none, 1 linear, 2 quadratic, 3 cubic.
    short decayRate(MStatus* status = NULL) const;
};
