// Node types for shading groups and surface materials: the lambert family
// (lambert, phong, blinn, phongE) and the plain surface shader. Attribute
// names, short names and defaults are those the host writes in its scene
// files.

#include "graph/NodeType.h"

namespace orvex_host {

namespace {

// A colour whose children's short names are not the parent's short name
// followed by r, g and b (ambientColor "ambc" has "acr", "acg", "acb").
void colorNamed(NodeTypeBuilder& b, const std::string& longName, const std::string& shortName,
                const std::string& childPrefix, double def) {
    b.triple(longName, shortName, {longName + "R", longName + "G", longName + "B"},
             {childPrefix + "r", childPrefix + "g", childPrefix + "b"}, AttrType::Float, def);
}

// The colour outputs every surface material has.
void addSurfaceOutputs(NodeTypeBuilder& b) {
    b.color("outColor", "oc", 0.0);
    b.color("outTransparency", "ot", 0.0);
    colorNamed(b, "outGlowColor", "ogc", "og", 0.0);
    b.color("outMatteOpacity", "omo", 1.0);
}

void defineLambert(TypeRegistry& registry) {
    NodeTypeBuilder b(registry.define("lambert", Kind::Lambert, "", false));
    b.color("color", "c", 0.5);
    b.color("transparency", "it", 0.0);
    colorNamed(b, "ambientColor", "ambc", "ac", 0.0);
    colorNamed(b, "incandescence", "ic", "i", 0.0);
    b.attr("diffuse", "dc", AttrType::Float, 0.8);
    b.attr("translucence", "tc", AttrType::Float, 0.0);
    b.attr("translucenceDepth", "trsd", AttrType::Float, 0.5);
    b.attr("translucenceFocus", "tcf", AttrType::Float, 0.5);
    b.attr("glowIntensity", "gi", AttrType::Float, 0.0);
    b.attr("matteOpacityMode", "mom", AttrType::Enum, 2LL);
    b.attr("matteOpacity", "mog", AttrType::Float, 1.0);
    b.attr("refractions", "rfn", AttrType::Bool, false);
    b.attr("refractiveIndex", "rfi", AttrType::Float, 1.0);
    b.attr("refractionLimit", "rdl", AttrType::Short, 6LL);
    b.attr("lightAbsorbance", "la", AttrType::Float, 0.0);
    b.attr("surfaceThickness", "stk", AttrType::Float, 0.0);
    b.attr("shadowAttenuation", "sa", AttrType::Float, 0.5);
    b.attr("chromaticAberration", "crab", AttrType::Bool, false);
    b.triple("normalCamera", "n", {"normalCameraX", "normalCameraY", "normalCameraZ"}, {"nx", "ny", "nz"},
             AttrType::Float, 0.0);
    addSurfaceOutputs(b);
}

// A lambert kind with a specular highlight and reflections.
NodeTypeBuilder defineReflecting(TypeRegistry& registry, const std::string& name, Kind kind) {
    NodeTypeBuilder b(registry.define(name, kind, "lambert", false));
    colorNamed(b, "specularColor", "sc", "s", 0.5);
    b.attr("reflectivity", "rfl", AttrType::Float, 0.5);
    colorNamed(b, "reflectedColor", "rc", "r", 0.0);
    b.attr("reflectionSpecularity", "rsp", AttrType::Float, 1.0);
    return b;
}

} // namespace

void registerShadingTypes(TypeRegistry& registry) {
    NodeTypeBuilder sg(registry.define("shadingEngine", Kind::ShadingEngine, "objectSet", false));
    sg.color("surfaceShader", "ss", 0.0);
    sg.color("volumeShader", "vs", 0.0);
    sg.color("displacementShader", "ds", 0.0);

    defineLambert(registry);
    defineReflecting(registry, "phong", Kind::Phong).attr("cosinePower", "cp", AttrType::Float, 20.0);
    NodeTypeBuilder blinn = defineReflecting(registry, "blinn", Kind::Blinn);
    blinn.attr("eccentricity", "ec", AttrType::Float, 0.3);
    blinn.attr("specularRollOff", "sro", AttrType::Float, 0.7);
    NodeTypeBuilder phongE = defineReflecting(registry, "phongE", Kind::PhongExplorer);
    phongE.attr("roughness", "rgh", AttrType::Float, 0.5);
    phongE.attr("highlightSize", "hs", AttrType::Float, 0.5);
    phongE.color("whiteness", "wn", 0.5);

    // A material outside the lambert family: its colour is its output.
    NodeTypeBuilder surface(registry.define("surfaceShader", Kind::SurfaceShader, "", false));
    addSurfaceOutputs(surface);
}

} // namespace orvex_host
