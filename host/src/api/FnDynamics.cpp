// Function sets for particle shapes and fields. They read the values the
// node stores (the host does not simulate).

#include "api/Access.h"
#include "types/DynamicsValues.h"

#include <maya/MFnAirField.h>
#include <maya/MFnGravityField.h>
#include <maya/MFnParticleSystem.h>

using namespace orvex_host;

namespace {

void setStatus(MStatus* status, bool ok) {
    if (status) {
        *status = ok ? MS::kSuccess : MS::kFailure;
    }
}

// Reads a numeric attribute of the attached node; false on an unattached set
// or a node without the attribute.
template <class T> bool readValue(const MFnDependencyNode& node, const char* name, T& value) {
    MStatus found;
    MPlug plug = node.findPlug(MString(name), &found);
    return found && plug.getValue(value) == MS::kSuccess;
}

double readDouble(const MFnDependencyNode& node, const char* name, MStatus* status) {
    double value = 0.0;
    setStatus(status, readValue(node, name, value));
    return value;
}

MVector readDirection(const MFnDependencyNode& node, MStatus* status) {
    MVector v;
    bool ok = readValue(node, "directionX", v.x) && readValue(node, "directionY", v.y) &&
              readValue(node, "directionZ", v.z);
    setStatus(status, ok);
    return ok ? v : MVector();
}

MFnParticleSystem::RenderType renderTypeOf(long long value) {
    switch (value) {
    case kRenderMultiPoint:
        return MFnParticleSystem::kMultiPoint;
    case kRenderMultiStreak:
        return MFnParticleSystem::kMultiStreak;
    case kRenderNumeric:
        return MFnParticleSystem::kNumeric;
    case kRenderSpheres:
        return MFnParticleSystem::kSpheres;
    case kRenderSprites:
        return MFnParticleSystem::kSprites;
    case kRenderStreak:
        return MFnParticleSystem::kStreak;
    case kRenderBlobbySurface:
        return MFnParticleSystem::kBlobby;
    case kRenderCloud:
        return MFnParticleSystem::kCloud;
    case kRenderTube:
        return MFnParticleSystem::kTube;
    default:
        return MFnParticleSystem::kPoints;
    }
}

} // namespace

namespace {

// Attaches a set being constructed, reporting the outcome to the caller.
template <class Source> void attachSet(MFnDagNode& set, const Source& source, MStatus* status) {
    MStatus s = set.setObject(source);
    if (status) {
        *status = s;
    }
}

} // namespace

MFnParticleSystem::MFnParticleSystem(const MObject& object, MStatus* status) {
    attachSet(*this, object, status);
}
MFnParticleSystem::MFnParticleSystem(const MDagPath& path, MStatus* status) {
    attachSet(*this, path, status);
}
MFnField::MFnField(const MObject& object, MStatus* status) {
    attachSet(*this, object, status);
}
MFnField::MFnField(const MDagPath& path, MStatus* status) {
    attachSet(*this, path, status);
}
MFnGravityField::MFnGravityField(const MObject& object, MStatus* status) {
    attachSet(*this, object, status);
}
MFnGravityField::MFnGravityField(const MDagPath& path, MStatus* status) {
    attachSet(*this, path, status);
}
MFnAirField::MFnAirField(const MObject& object, MStatus* status) {
    attachSet(*this, object, status);
}
MFnAirField::MFnAirField(const MDagPath& path, MStatus* status) {
    attachSet(*this, path, status);
}

MFnParticleSystem::RenderType MFnParticleSystem::renderType(MStatus* status) const {
    int value = kRenderPoints;
    bool ok = readValue(*this, "particleRenderType", value);
    setStatus(status, ok);
    return renderTypeOf(value);
}

double MFnField::magnitude(MStatus* status) const {
    return readDouble(*this, "magnitude", status);
}

MVector MFnGravityField::direction(MStatus* status) const {
    return readDirection(*this, status);
}

MVector MFnAirField::direction(MStatus* status) const {
    return readDirection(*this, status);
}

double MFnAirField::speed(MStatus* status) const {
    return readDouble(*this, "speed", status);
}
