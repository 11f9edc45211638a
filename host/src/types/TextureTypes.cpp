// Node types for file and procedural textures, bump, environment and
// layered textures, with the names, short names and defaults of the host's
// scene files.

#include "graph/NodeType.h"

namespace orvex_host {

namespace {

void addTextureOutputs(NodeTypeBuilder& b) {
    b.color("outColor", "oc", 0.0);
    b.attr("outAlpha", "oa", AttrType::Float, 0.0);
}

// What every 2D texture has: its placement input, colour balance and
// outputs.
void add2dTextureAttributes(NodeTypeBuilder& b) {
    b.compound(
        "uvCoord", "uv",
        {makeAttr("uCoord", "u", AttrType::Float, 0.0), makeAttr("vCoord", "v", AttrType::Float, 0.0)});
    b.color("defaultColor", "dc", 0.5);
    b.color("colorGain", "cg", 1.0);
    b.color("colorOffset", "co", 0.0);
    b.attr("alphaGain", "ag", AttrType::Float, 1.0);
    b.attr("alphaOffset", "ao", AttrType::Float, 0.0);
    b.attr("alphaIsLuminance", "ail", AttrType::Bool, false);
    b.attr("invert", "i", AttrType::Bool, false);
    addTextureOutputs(b);
}

void defineFileTextures(TypeRegistry& registry) {
    NodeTypeBuilder file(registry.define("file", Kind::FileTexture, "", false));
    add2dTextureAttributes(file);
    file.attr("fileTextureName", "ftn", AttrType::String, std::string());
    file.attr("filterType", "ft", AttrType::Enum, 3LL);
    file.attr("useFrameExtension", "ufe", AttrType::Bool, false);
    file.attr("frameExtension", "fe", AttrType::Int, 1LL);
    file.color("outTransparency", "ot", 0.0);

    // A kind derived from the file texture: it has the file texture's
    // function set but is not exactly a file texture.
    NodeTypeBuilder psd(registry.define("psdFileTex", Kind::PsdFileTexture, "file", false));
    psd.attr("layerSetName", "lsn", AttrType::String, std::string());
}

void defineLayeredTexture(TypeRegistry& registry) {
    NodeTypeBuilder b(registry.define("layeredTexture", Kind::LayeredTexture, "", false));
    // One compound element per layer; its first child is the layer's colour.
    int inputs = b.attr("inputs", "cs", AttrType::Compound, {}, true);
    b.color("color", "c", 0.0, inputs);
    b.attr("alpha", "a", AttrType::Float, 1.0, false, inputs);
    b.attr("blendMode", "bm", AttrType::Enum, 1LL, false, inputs);
    b.attr("isVisible", "iv", AttrType::Bool, true, false, inputs);
    b.attr("alphaIsLuminance", "ail", AttrType::Bool, false);
    addTextureOutputs(b);
    b.color("outTransparency", "ot", 0.0);
}

} // namespace

void registerTextureTypes(TypeRegistry& registry) {
    defineFileTextures(registry);

    NodeTypeBuilder checker(registry.define("checker", Kind::Checker, "", false));
    add2dTextureAttributes(checker);
    checker.color("color1", "c1", 1.0);
    checker.color("color2", "c2", 0.0);
    checker.attr("contrast", "ct", AttrType::Float, 1.0);

    NodeTypeBuilder sphere(registry.define("envSphere", Kind::EnvSphere, "", false));
    sphere.color("image", "so", 0.0);
    sphere.compound(
        "shearUV", "suv",
        {makeAttr("shearU", "su", AttrType::Float, 0.0), makeAttr("shearV", "sv", AttrType::Float, 0.0)});
    sphere.attr("flip", "fl", AttrType::Bool, false);
    addTextureOutputs(sphere);

    NodeTypeBuilder bump(registry.define("bump2d", Kind::Bump, "", false));
    bump.attr("bumpValue", "bv", AttrType::Float, 0.0);
    bump.attr("bumpDepth", "bd", AttrType::Float, 1.0);
    bump.attr("bumpInterp", "bi", AttrType::Enum, 0LL);
    bump.attr("bumpFilter", "bf", AttrType::Float, 1.0);
    bump.attr("bumpFilterOffset", "bfo", AttrType::Float, 0.0);
    bump.triple("normalCamera", "n", {"normalCameraX", "normalCameraY", "normalCameraZ"}, {"nx", "ny", "nz"},
                AttrType::Float, 0.0);
    bump.triple("outNormal", "o", {"outNormalX", "outNormalY", "outNormalZ"}, {"ox", "oy", "oz"},
                AttrType::Float, 0.0);

    defineLayeredTexture(registry);
}

} // namespace orvex_host
