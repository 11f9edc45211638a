// Function sets for particle shapes and fields. They read the values the
// node stores (the host does not simulate).

#include "api/Access.h"
#include "api/FnReads.h"
#include "types/DynamicsValues.h"

#include <maya/MFnAirField.h>
#include <maya/MFnGravityField.h>
#include <maya/MFnParticleSystem.h>

using namespace orvex_host;

namespace {

MVector readDirection(const MFnDependencyNode& node, MStatus* status) {
    double d[3] = {0.0, 0.0, 0.0};
    const bool ok = readNamedTriple(node, "direction", d);
    reportStatus(status, ok);
    return MVector(d[0], d[1], d[2]);
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

MFnParticleSystem::MFnParticleSystem(const MObject& object, MStatus* status) {
    attachFunctionSet(*this, object, status);
}
MFnParticleSystem::MFnParticleSystem(const MDagPath& path, MStatus* status) {
    attachFunctionSet(*this, path, status);
}
MFnField::MFnField(const MObject& object, MStatus* status) {
    attachFunctionSet(*this, object, status);
}
MFnField::MFnField(const MDagPath& path, MStatus* status) {
    attachFunctionSet(*this, path, status);
}
MFnGravityField::MFnGravityField(const MObject& object, MStatus* status) {
    attachFunctionSet(*this, object, status);
}
MFnGravityField::MFnGravityField(const MDagPath& path, MStatus* status) {
    attachFunctionSet(*this, path, status);
}
MFnAirField::MFnAirField(const MObject& object, MStatus* status) {
    attachFunctionSet(*this, object, status);
}
MFnAirField::MFnAirField(const MDagPath& path, MStatus* status) {
    attachFunctionSet(*this, path, status);
}

MFnParticleSystem::RenderType MFnParticleSystem::renderType(MStatus* status) const {
    return renderTypeOf(readNamedValue<int>(*this, "particleRenderType", kRenderPoints, status));
}

double MFnField::magnitude(MStatus* status) const {
    return readNamedValue(*this, "magnitude", 0.0, status);
}

MVector MFnGravityField::direction(MStatus* status) const {
    return readDirection(*this, status);
}

MVector MFnAirField::direction(MStatus* status) const {
    return readDirection(*this, status);
}

double MFnAirField::speed(MStatus* status) const {
    return readNamedValue(*this, "speed", 0.0, status);
}
