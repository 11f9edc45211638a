#pragma once
// Function set for directional, point and spot lights: the kinds with
// depth-map shadows.

#include <maya/MFnNonAmbientLight.h>

class MFnNonExtendedLight : public MFnNonAmbientLight {
public:
    MFnNonExtendedLight() = default;
    MFnNonExtendedLight(const MObject& object, MStatus* status = NULL);
    MFnNonExtendedLight(const MDagPath& path, MStatus* status = NULL);
    MFn::Type type() const override;

    bool useDepthMapShadows(MStatus* status = NULL) const;
    float depthMapBias(MStatus* status = NULL) const;
    short depthMapResolution(MStatus* status = NULL) const;
};
