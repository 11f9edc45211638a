// The light and camera function sets: readers over the stored attributes
// of light and camera shapes.

#include "api/Access.h"
#include "api/FnReads.h"

#include <maya/MFnCamera.h>
#include <maya/MFnLight.h>
#include <maya/MFnNonAmbientLight.h>
#include <maya/MFnNonExtendedLight.h>
#include <maya/MFnSpotLight.h>

#include <cmath>

using namespace orvex_host;

namespace {

const double kMillimetresPerInch = 25.4;

} // namespace

// ---- MFnLight ---------------------------------------------------------------

MFnLight::MFnLight(const MObject& object, MStatus* status) {
    attachFunctionSet(*this, object, status);
}

MFnLight::MFnLight(const MDagPath& path, MStatus* status) {
    attachFunctionSet(*this, path, status);
}

MColor MFnLight::color(MStatus* status) const {
    float rgb[3] = {1.0f, 1.0f, 1.0f};
    bool ok = readNamedTriple(*this, "color", rgb);
    reportStatus(status, ok);
    return MColor(rgb[0], rgb[1], rgb[2]);
}

float MFnLight::intensity(MStatus* status) const {
    return readNamedValue(*this, "intensity", 1.0f, status);
}

// Ambient lights have no emit switches: they light diffuse shading and never
// give specular highlights.
bool MFnLight::lightDiffuse(MStatus* status) const {
    reportStatus(status, attached());
    return readNamedValue(*this, "emitDiffuse", true, nullptr);
}

bool MFnLight::lightSpecular(MStatus* status) const {
    reportStatus(status, attached());
    bool ambient = ObjectAccess::kind(object()) == Kind::AmbientLight;
    return readNamedValue(*this, "emitSpecular", !ambient, nullptr);
}

// ---- MFnNonAmbientLight -----------------------------------------------------

MFnNonAmbientLight::MFnNonAmbientLight(const MObject& object, MStatus* status) {
    attachFunctionSet(*this, object, status);
}

MFnNonAmbientLight::MFnNonAmbientLight(const MDagPath& path, MStatus* status) {
    attachFunctionSet(*this, path, status);
}

short MFnNonAmbientLight::decayRate(MStatus* status) const {
    return readNamedValue<short>(*this, "decayRate", 0, status);
}

// ---- MFnNonExtendedLight ----------------------------------------------------

MFnNonExtendedLight::MFnNonExtendedLight(const MObject& object, MStatus* status) {
    attachFunctionSet(*this, object, status);
}

MFnNonExtendedLight::MFnNonExtendedLight(const MDagPath& path, MStatus* status) {
    attachFunctionSet(*this, path, status);
}

bool MFnNonExtendedLight::useDepthMapShadows(MStatus* status) const {
    return readNamedValue(*this, "useDepthMapShadows", false, status);
}

float MFnNonExtendedLight::depthMapBias(MStatus* status) const {
    return readNamedValue(*this, "dmapBias", 0.001f, status);
}

short MFnNonExtendedLight::depthMapResolution(MStatus* status) const {
    return readNamedValue<short>(*this, "dmapResolution", 512, status);
}

// ---- MFnSpotLight -----------------------------------------------------------

MFnSpotLight::MFnSpotLight(const MObject& object, MStatus* status) {
    attachFunctionSet(*this, object, status);
}

MFnSpotLight::MFnSpotLight(const MDagPath& path, MStatus* status) {
    attachFunctionSet(*this, path, status);
}

double MFnSpotLight::coneAngle(MStatus* status) const {
    return readNamedValue(*this, "coneAngle", 0.0, status);
}

double MFnSpotLight::penumbraAngle(MStatus* status) const {
    return readNamedValue(*this, "penumbraAngle", 0.0, status);
}

double MFnSpotLight::dropOff(MStatus* status) const {
    return readNamedValue(*this, "dropoff", 0.0, status);
}

// ---- MFnCamera --------------------------------------------------------------

MFnCamera::MFnCamera(const MObject& object, MStatus* status) {
    attachFunctionSet(*this, object, status);
}

MFnCamera::MFnCamera(const MDagPath& path, MStatus* status) {
    attachFunctionSet(*this, path, status);
}

// The host keeps no field of view of its own: it follows from the film
// back and the lens, as in a pinhole camera.
double MFnCamera::horizontalFieldOfView(MStatus* status) const {
    MStatus apertureStatus, focalStatus;
    double aperture = horizontalFilmAperture(&apertureStatus);
    double focal = focalLength(&focalStatus);
    bool ok = apertureStatus && focalStatus && focal > 0.0;
    reportStatus(status, ok);
    return ok ? 2.0 * std::atan(0.5 * aperture * kMillimetresPerInch / focal) : 0.0;
}

double MFnCamera::focalLength(MStatus* status) const {
    return readNamedValue(*this, "focalLength", 35.0, status);
}

double MFnCamera::horizontalFilmAperture(MStatus* status) const {
    return readNamedValue(*this, "horizontalFilmAperture", 1.41732, status);
}

double MFnCamera::nearClippingPlane(MStatus* status) const {
    return readNamedValue(*this, "nearClipPlane", 0.1, status);
}

double MFnCamera::farClippingPlane(MStatus* status) const {
    return readNamedValue(*this, "farClipPlane", 10000.0, status);
}

bool MFnCamera::isOrtho(MStatus* status) const {
    return readNamedValue(*this, "orthographic", false, status);
}
