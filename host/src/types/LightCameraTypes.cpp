// Node types for lights and cameras. The light types follow the host's
// family tree: every light has a colour and an intensity; all but the
// ambient light have emit switches, a decay rate and depth-map shadows
// (directional, point, spot and area lights derive from the non-extended
// light, and the volume light from the point light), so all of them answer
// to the non-extended light's function set.

#include "graph/NodeType.h"

namespace orvex_host {

namespace {

void addLightAttributes(NodeTypeBuilder& b) {
    b.triple("color", "cl", {"colorR", "colorG", "colorB"}, {"cr", "cg", "cb"}, AttrType::Float, 1.0);
    b.attr("intensity", "in", AttrType::Float, 1.0);
    b.attr("useRayTraceShadows", "urs", AttrType::Bool, false);
    b.color("shadowColor", "sc", 0.0);
    b.attr("centerOfIllumination", "col", AttrType::Distance, 5.0);
    b.attr("locatorScale", "lls", AttrType::Double, 1.0);
    // What the light hands to the renderer's light list (an output).
    b.compound(
        "lightData", "ltd",
        {makeAttr("lightDirection", "ld", AttrType::Float3),
         makeAttr("lightIntensity", "li", AttrType::Float3), makeAttr("lightAmbient", "la", AttrType::Bool),
         makeAttr("lightDiffuse", "ldf", AttrType::Bool), makeAttr("lightSpecular", "ls", AttrType::Bool),
         makeAttr("lightShadowFraction", "lsf", AttrType::Float),
         makeAttr("preShadowIntensity", "psi", AttrType::Float)});
}

void addNonAmbientAttributes(NodeTypeBuilder& b) {
    b.attr("emitDiffuse", "ed", AttrType::Bool, true);
    b.attr("emitSpecular", "sn", AttrType::Bool, true);
    b.attr("decayRate", "de", AttrType::Enum, 0LL);
}

void addShadowMapAttributes(NodeTypeBuilder& b) {
    b.attr("useDepthMapShadows", "dms", AttrType::Bool, false);
    b.attr("dmapResolution", "dr", AttrType::Short, 512LL);
    b.attr("dmapBias", "db", AttrType::Float, 0.001);
    b.attr("dmapFilterSize", "df", AttrType::Short, 1LL);
    b.attr("useMidDistDmap", "umd", AttrType::Bool, true);
    b.attr("useDmapAutoFocus", "uaf", AttrType::Bool, true);
    b.attr("shadowRays", "shr", AttrType::Short, 1LL);
    b.attr("rayDepthLimit", "rdl", AttrType::Short, 1LL);
}

void defineLights(TypeRegistry& registry) {
    // Abstract bases: scenes create only the concrete types below.
    NodeTypeBuilder light(registry.define("light", Kind::Light, "shape", true));
    addLightAttributes(light);
    NodeTypeBuilder nonAmbient(
        registry.define("nonAmbientLightShapeNode", Kind::NonAmbientLight, "light", true));
    addNonAmbientAttributes(nonAmbient);
    NodeTypeBuilder nonExtended(registry.define("nonExtendedLightShapeNode", Kind::NonExtendedLight,
                                                "nonAmbientLightShapeNode", true));
    addShadowMapAttributes(nonExtended);

    NodeTypeBuilder ambient(registry.define("ambientLight", Kind::AmbientLight, "light", true));
    ambient.attr("ambientShade", "as", AttrType::Float, 0.45);

    registry.define("areaLight", Kind::AreaLight, "nonExtendedLightShapeNode", true);

    NodeTypeBuilder directional(
        registry.define("directionalLight", Kind::DirectionalLight, "nonExtendedLightShapeNode", true));
    directional.attr("lightAngle", "lang", AttrType::Angle, 0.0);

    NodeTypeBuilder point(registry.define("pointLight", Kind::PointLight, "nonExtendedLightShapeNode", true));
    point.attr("lightRadius", "lr", AttrType::Distance, 0.0);

    NodeTypeBuilder spot(registry.define("spotLight", Kind::SpotLight, "nonExtendedLightShapeNode", true));
    spot.attr("coneAngle", "ca", AttrType::Angle, 40.0 * kRadiansPerDegree);
    spot.attr("penumbraAngle", "pa", AttrType::Angle, 0.0);
    spot.attr("dropoff", "dro", AttrType::Double, 0.0);
    spot.attr("barnDoors", "bd", AttrType::Bool, false);
    spot.attr("lightRadius", "lr", AttrType::Distance, 0.0);

    // A light kind the exporter's type table does not name. Its node type
    // derives from the point light, but it is not of the point-light kind.
    NodeTypeBuilder volume(registry.define("volumeLight", Kind::VolumeLight, "pointLight", true));
    volume.attr("lightShape", "lis", AttrType::Enum, 0LL);
    volume.attr("volumeLightDir", "vld", AttrType::Enum, 0LL);
    volume.attr("arc", "ac", AttrType::Angle, 360.0 * kRadiansPerDegree);
}

void defineCamera(TypeRegistry& registry) {
    NodeTypeBuilder camera(registry.define("camera", Kind::Camera, "shape", true));
    // The field of view follows from the film back (inches) and the focal
    // length (millimetres).
    camera.compound("cameraAperture", "cap",
                    {makeAttr("horizontalFilmAperture", "hfa", AttrType::Double, 1.41732),
                     makeAttr("verticalFilmAperture", "vfa", AttrType::Double, 0.94488)});
    camera.attr("focalLength", "fl", AttrType::Double, 35.0);
    camera.attr("lensSqueezeRatio", "lsr", AttrType::Double, 1.0);
    camera.attr("filmFit", "ff", AttrType::Enum, 1LL);
    camera.attr("nearClipPlane", "ncp", AttrType::Distance, 0.1);
    camera.attr("farClipPlane", "fcp", AttrType::Distance, 10000.0);
    camera.attr("orthographic", "o", AttrType::Bool, false);
    camera.attr("orthographicWidth", "ow", AttrType::Distance, 30.0);
    camera.attr("centerOfInterest", "coi", AttrType::Distance, 5.0);
    camera.attr("renderable", "rnd", AttrType::Bool, true);
    camera.attr("imageName", "imn", AttrType::String, std::string());
    camera.attr("depthName", "den", AttrType::String, std::string());
    camera.attr("maskName", "man", AttrType::String, std::string());
    camera.attr("homeCommand", "hc", AttrType::String, std::string());
    // The image planes attached to the camera (their shapes' messages).
    camera.attr("imagePlane", "ip", AttrType::Message, {}, true);
}

} // namespace

void registerLightCameraTypes(TypeRegistry& registry) {
    defineLights(registry);
    defineCamera(registry);
}

} // namespace orvex_host
