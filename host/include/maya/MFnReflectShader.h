#pragma once
// Function set for lambert kinds with a specular highlight.

#include <maya/MFnLambertShader.h>

class MFnReflectShader : public MFnLambertShader {
public:
    MFnReflectShader() = default;
    MFnReflectShader(const MObject& object, MStatus* status = NULL);
    MFn::Type type() const override;

    MColor specularColor(MStatus* status = NULL) const;
};
