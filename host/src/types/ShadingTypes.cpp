// Node types for shading groups and surface materials.

#include "graph/NodeType.h"

namespace orvex_host {

namespace {

void addColor(NodeTypeBuilder& b, const std::string& longName, const std::string& shortName, double def) {
    b.triple(longName, shortName, {longName + "R", longName + "G", longName + "B"},
             {shortName + "r", shortName + "g", shortName + "b"}, AttrType::Float, def);
}

} // namespace

void registerShadingTypes(TypeRegistry& registry) {
    NodeTypeBuilder sg(registry.define("shadingEngine", MFn::kShadingEngine, "objectSet", false));
    addColor(sg, "surfaceShader", "ss", 0.0);
    addColor(sg, "volumeShader", "vs", 0.0);
    addColor(sg, "displacementShader", "ds", 0.0);

    NodeTypeBuilder lambert(registry.define("lambert", MFn::kLambert, "", false));
    addColor(lambert, "color", "c", 0.5);
    addColor(lambert, "transparency", "it", 0.0);
    addColor(lambert, "ambientColor", "ambc", 0.0);
    addColor(lambert, "incandescence", "ic", 0.0);
    lambert.attr("diffuse", "dc", AttrType::Float, 0.8);
    lambert.attr("translucence", "tc", AttrType::Float, 0.0);
    lambert.attr("glowIntensity", "gi", AttrType::Float, 0.0);
    lambert.attr("refractiveIndex", "rfi", AttrType::Float, 1.0);
    lambert.attr("refractions", "rfn", AttrType::Bool, false);
    lambert.attr("lightAbsorbance", "la", AttrType::Float, 0.0);
    lambert.triple("normalCamera", "n", {"normalCameraX", "normalCameraY", "normalCameraZ"},
                   {"nx", "ny", "nz"}, AttrType::Float, 0.0);
    addColor(lambert, "outColor", "oc", 0.0);
    addColor(lambert, "outTransparency", "ot", 0.0);
}

} // namespace orvex_host
