#pragma once
// Function set for blinn materials.

#include <maya/MFnReflectShader.h>

class MFnBlinnShader : public MFnReflectShader {
public:
    MFnBlinnShader() = default;
    MFnBlinnShader(const MObject& object, MStatus* status = NULL);
    MFn::Type type() const override;

    float eccentricity(MStatus* status = NULL) const;
    float specularRollOff(MStatus* status = NULL) const;
};
