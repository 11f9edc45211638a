// Function sets of the lambert family: each value is the stored value of the
// attribute that backs it (or the attribute's default).

#include <maya/MFnBlinnShader.h>
#include <maya/MFnPhongShader.h>

namespace {

void report(MStatus* status, const MStatus& result) {
    if (status) {
        *status = result;
    }
}

float readFloat(const MFnDependencyNode& node, const char* attrName, MStatus* status) {
    MStatus found;
    MPlug plug = node.findPlug(attrName, &found);
    float value = 0.0f;
    report(status, found ? plug.getValue(value) : found);
    return value;
}

// A colour attribute is a compound of three float children.
MColor readColor(const MFnDependencyNode& node, const char* attrName, MStatus* status) {
    MStatus found;
    MPlug plug = node.findPlug(attrName, &found);
    float rgb[3] = {0.0f, 0.0f, 0.0f};
    MStatus result = found;
    if (found && plug.numChildren() == 3) {
        for (unsigned int i = 0; i < 3 && result; ++i) {
            result = plug.child(i).getValue(rgb[i]);
        }
    } else if (found) {
        result = MS::kFailure;
    }
    report(status, result);
    return result ? MColor(rgb[0], rgb[1], rgb[2], 1.0f) : MColor();
}

template <class FunctionSet> void attachTo(FunctionSet& set, const MObject& object, MStatus* status) {
    report(status, set.setObject(object));
}

} // namespace

MFnLambertShader::MFnLambertShader(const MObject& object, MStatus* status) {
    attachTo(*this, object, status);
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
    attachTo(*this, object, status);
}
MColor MFnReflectShader::specularColor(MStatus* status) const {
    return readColor(*this, "specularColor", status);
}

MFnPhongShader::MFnPhongShader(const MObject& object, MStatus* status) {
    attachTo(*this, object, status);
}
float MFnPhongShader::cosPower(MStatus* status) const {
    return readFloat(*this, "cosinePower", status);
}

MFnBlinnShader::MFnBlinnShader(const MObject& object, MStatus* status) {
    attachTo(*this, object, status);
}
float MFnBlinnShader::eccentricity(MStatus* status) const {
    return readFloat(*this, "eccentricity", status);
}
float MFnBlinnShader::specularRollOff(MStatus* status) const {
    return readFloat(*this, "specularRollOff", status);
}
