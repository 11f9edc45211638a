// Light and Camera elements.

#include "export/AttributeHelpers.h"
#include "export/SceneExporter.h"
#include "export/SceneText.h"

#include <maya/MFnCamera.h>
#include <maya/MFnLight.h>
#include <maya/MFnNonExtendedLight.h>
#include <maya/MFnSpotLight.h>
#include <maya/MPlugArray.h>

namespace {

const char* lightTypeName(MFn::Type type) {
    switch (type) {
    case MFn::kAmbientLight:
        return "ambient";
    case MFn::kAreaLight:
        return "area";
    case MFn::kDirectionalLight:
        return "directional";
    case MFn::kPointLight:
        return "point";
    case MFn::kSpotLight:
        return "spot";
    default:
        return "unknown";
    }
}

void writeColor(std::ostream& out, const MColor& color) {
    out << static_cast<double>(color.r) << " " << static_cast<double>(color.g) << " "
        << static_cast<double>(color.b);
}

// Depth-map shadows and decay rate of the lights with the non-extended light
// function set: directional, point, spot, area and volume lights.
void writeNonExtendedSettings(const MObject& lightNode, std::ostream& out) {
    MFnNonExtendedLight light(lightNode);
    if (light.useDepthMapShadows()) {
        out << "\" castShadowMap=\"true\" depthMapBias=\"" << static_cast<double>(light.depthMapBias())
            << "\" depthMapResolution=\"" << light.depthMapResolution();
    }
    out << "\" decayRate=\"" << light.decayRate();
}

// Cone, drop-off and the file texture the spot light projects, if any.
void writeSpotSettings(const MObject& lightNode, IdTable& fileIds, std::ostream& out) {
    MFnSpotLight spot(lightNode);
    out << "\" coneAngle=\"" << radiansToDegrees(spot.coneAngle()) << "\" dropOff=\"" << spot.dropOff();
    MPlugArray sources;
    if (getConnectedSources(spot, "color", sources)) {
        const MObject texture = sources[0].node();
        if (texture.hasFn(MFn::kFileTexture)) {
            out << "\" projTextureId=\"" << fileIds.idOf(MFnDependencyNode(texture).name().asChar());
        }
    }
}

} // namespace

// Each attribute after type is opened by a fragment that first closes the
// value before it; one final quote closes the last.
void SceneExporter::writeLight(MFnTransform& transform, IdTable& fileIds, MFnLight& light,
                               SceneNodeTable& sceneNodes, std::ostream& out) {
    out << "<Light";
    writeTransformAttributes(transform, sceneNodes, out, true, false);
    const bool diffuse = light.lightDiffuse();
    const bool specular = light.lightSpecular();
    const float intensity = light.intensity();
    const MColor color = light.color();
    const MObject lightNode = light.object();

    out << " type=\"" << lightTypeName(lightNode.apiType());
    out << "\" diffuseColor=\"";
    writeColor(out, color);
    out << "\" emitDiffuse=\"" << boolText(diffuse);
    out << "\" specularColor=\"";
    writeColor(out, color);
    out << "\" emitSpecular=\"" << boolText(specular);
    if (lightNode.hasFn(MFn::kNonExtendedLight)) {
        writeNonExtendedSettings(lightNode, out);
    }
    out << "\" range=\"" << static_cast<double>(intensity);
    if (lightNode.hasFn(MFn::kSpotLight)) {
        writeSpotSettings(lightNode, fileIds, out);
    }
    uint32_t affectedLightMasks = 0;
    if (getHexAttribute(transform, "Orvex_affectedLightMasks", affectedLightMasks) &&
        affectedLightMasks != 0) {
        out << "\" affectedLightMasks=\"" << static_cast<int32_t>(affectedLightMasks);
    }
    out << "\"";
}

// A Camera never carries visibility; its clip planes are lengths and take
// the unit scale.
void SceneExporter::writeCamera(MFnTransform& transform, MFnCamera& camera, SceneNodeTable& sceneNodes,
                                std::ostream& out) {
    out << "<Camera";
    writeTransformAttributes(transform, sceneNodes, out, false, false);
    out << " fov=\"" << radiansToDegrees(camera.horizontalFieldOfView()) << "\" nearClip=\""
        << camera.nearClippingPlane() * unitScale << "\" farClip=\"" << camera.farClippingPlane() * unitScale
        << "\"";
}
