#include "export/DynamicsExporter.h"

#include "export/AttributeHelpers.h"
#include "export/ParticleSystemElement.h"

#include <maya/MDistance.h>
#include <maya/MFnAirField.h>
#include <maya/MFnGravityField.h>
#include <maya/MFnMesh.h>
#include <maya/MFnParticleSystem.h>
#include <maya/MFnTransform.h>
#include <maya/MGlobal.h>
#include <maya/MItDag.h>

#include <string>

namespace {

void warn(const char* what, const MFnDagNode& particles) {
    MGlobal::displayWarning(MString("orvexExport: ") + what + " (" + particles.partialPathName() + ")\n");
}

std::string pathOf(const MFnDagNode& node) {
    return node.partialPathName().asChar();
}

MVector scaled(const MVector& v, double factor) {
    return MVector(v.x * factor, v.y * factor, v.z * factor);
}

} // namespace

DynamicsExporter::DynamicsExporter(bool, bool) : unitScale(1.0 / MDistance::uiToInternal(1.0)) {}

bool DynamicsExporter::writeDynamics(IdTable& shapeIds, IdTable& materialIds, IdTable& dynamicIds,
                                     std::ostream& out) {
    MStatus status;
    MItDag it(MItDag::kDepthFirst, MFn::kParticle, &status);
    if (status != MS::kSuccess) {
        return false;
    }
    out << "  <Dynamics>\n";
    for (; !it.isDone(); it.next()) {
        MFnParticleSystem particles(it.item());
        writeParticleSystem(particles, shapeIds, materialIds, dynamicIds, out);
    }
    out << "  </Dynamics>\n";
    return true;
}

void DynamicsExporter::writeParticleSystem(const MFnParticleSystem& particles, IdTable& shapeIds,
                                           IdTable& materialIds, IdTable& dynamicIds, std::ostream& out) {
    if (particles.renderType() != MFnParticleSystem::kSprites) {
        warn("ParticleSystem only Sprites supported", particles);
        return;
    }
    ParticleSystemElement element;

    // Fields are nodes that the particle shape feeds.
    MFnGravityField gravity;
    element.hasGravity = findConnectedNodeOfType(particles, gravity, MFn::kGravity, false, true, true);
    if (element.hasGravity) {
        element.gravityForce = scaled(scaled(gravity.direction(), gravity.magnitude()), unitScale);
    }
    MFnAirField air;
    element.hasAir = findConnectedNodeOfType(particles, air, MFn::kAir, false, true, true);
    if (element.hasAir) {
        element.airVelocity =
            scaled(scaled(scaled(air.direction(), air.magnitude()), air.speed()), unitScale);
    }

    // Only an emitter that emits from a mesh surface, through a geometry
    // connector, has an emitter mesh: emitter -> particles, connector ->
    // emitter, mesh -> connector.
    MFnTransform emitter;
    MFnDependencyNode connector;
    MFnMesh mesh;
    const bool hasEmitterMesh =
        findConnectedNodeOfType(particles, emitter, MFn::kEmitter, true, false, true) &&
        findConnectedNodeOfType(emitter, connector, MFn::kGeoConnector, true, false, true) &&
        findConnectedNodeOfType(connector, mesh, MFn::kMesh, true, false, true);

    // The particles feed their shading group; the material feeds the group.
    MFnDependencyNode shadingGroup;
    MFnDependencyNode material;
    const bool hasMaterial =
        hasEmitterMesh &&
        findConnectedNodeOfType(particles, shadingGroup, MFn::kShadingEngine, false, true, false) &&
        findConnectedNodeOfType(shadingGroup, material, MFn::kLambert, true, false, false);

    // An emitter that the Scene section did not write (left out by the
    // selection, or below a skipped transform) leaves no element and no
    // warning.
    element.emitterName = pathOf(emitter);
    if (hasMaterial && dynamicIds.find(element.emitterName, element.dynamicId)) {
        readParticleSettings(emitter, particles, unitScale, element);
        element.emitterShapeId = shapeIds.idOf(pathOf(mesh));
        element.materialId = materialIds.idOf(material.name().asChar());
        writeParticleSystemElement(element, out);
    }
    if (!hasEmitterMesh) {
        warn("Emitter Shape not found", particles);
    }
    if (!hasMaterial) {
        warn("Shader not found", particles);
    }
}
