// Function sets of the lambert family: each value is the stored value of the
// attribute that backs it (or the attribute's default).

#include "api/FnReads.h"

#include <maya/MFnBlinnShader.h>
#include <maya/MFnPhongShader.h>

using namespace orvex_host;

namespace {

float readFloat(const MFnDependencyNode& node, const char* attrName, MStatus* status) {
    return readNamedValue(node, attrName, 0.0f, status);
}

// A colour attribute is a compound of three float children.
MColor readColor(const MFnDependencyNode& node, const char* attrName, MStatus* status) {
    float rgb[3] = {0.0f, 0.0f, 0.0f};
    const bool ok = readNamedTriple(node, attrName, rgb);
    reportStatus(status, ok);
    return MColor(rgb[0], rgb[1], rgb[2], 1.0f);
}

} // namespace

MFnLambertShader::MFnLambertShader(const MObject& object, MStatus* status) {
    attachFunctionSet(*this, object, status);
}
MColor MFnLambertShader::color(MStatus* status) const {
    return readColor(*this, "color", status);
}
MColor MFnLambertShader::ambientColor(MStatus* status) const {
    return readColor(*this, "ambientColor", status);
}
float MFnLambertShader::glowIntensity(MStatus* status) const {
    return readFloat(*this, "glowIntensity", status);
}
float MFnLambertShader::translucenceCoeff(MStatus* status) const {
    return readFloat(*this, "translucence", status);
}
float MFnLambertShader::refractiveIndex(MStatus* status) const {
    return readFloat(*this, "refractiveIndex", status);
}

MFnReflectShader::MFnReflectShader(const MObject& object, MStatus* status) {
    attachFunctionSet(*this, object, status);
}
MColor MFnReflectShader::specularColor(MStatus* status) const {
    return readColor(*this, "specularColor", status);
}

MFnPhongShader::MFnPhongShader(const MObject& object, MStatus* status) {
    attachFunctionSet(*this, object, status);
}
float MFnPhongShader::cosPower(MStatus* status) const {
    return readFloat(*this, "cosinePower", status);
}

MFnBlinnShader::MFnBlinnShader(const MObject& object, MStatus* status) {
    attachFunctionSet(*this, object, status);
}
float MFnBlinnShader::eccentricity(MStatus* status) const {
    return readFloat(*this, "eccentricity", status);
}
float MFnBlinnShader::specularRollOff(MStatus* status) const {
    return readFloat(*this, "specularRollOff", status);
}
