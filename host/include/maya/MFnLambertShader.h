#pragma once
// Function set for lambert materials and every kind derived from them.

#include <maya/MColor.h>
#include <maya/MFnDependencyNode.h>

class MFnLambertShader : public MFnDependencyNode {
public:
    MFnLambertShader() = default;
    MFnLambertShader(const MObject& object, MStatus* status = NULL);
    MFn::Type type() const override;

    // Colours are read as red, green and blue with an alpha of 1.
    MColor color(MStatus* status = NULL) const;
    MColor ambientColor(MStatus* status = NULL) const;
    float glowIntensity(MStatus* status = NULL) const;
    float translucenceCoeff(MStatus* status = NULL) const;
    float refractiveIndex(MStatus* status = NULL) const;
};
