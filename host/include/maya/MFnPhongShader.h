#pragma once
// Function set for phong materials.

#include <maya/MFnReflectShader.h>

class MFnPhongShader : public MFnReflectShader {
public:
    MFnPhongShader() = default;
    MFnPhongShader(const MObject& object, MStatus* status = NULL);
    MFn::Type type() const override;

    float cosPower(MStatus* status = NULL) const;
};
