#pragma once
// Function set for spot lights.

#include <maya/MFnNonExtendedLight.h>

class MFnSpotLight : public MFnNonExtendedLight {
public:
    MFnSpotLight() = default;
    MFnSpotLight(const MObject& object, MStatus* status = NULL);
    MFnSpotLight(const MDagPath& path, MStatus* status = NULL);
    MFn::Type type() const override;

    // Angles in radians.
    double coneAngle(MStatus* status = NULL) const;
    double penumbraAngle(MStatus* status = NULL) const;
    double dropOff(MStatus* status = NULL) const;
};
