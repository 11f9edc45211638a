// The texture elements of a material: one element per file texture reached
// from one of its inputs.

#include "export/AttributeHelpers.h"
#include "export/FileExportContext.h"

#include <maya/MPlugArray.h>

#include <algorithm>

namespace {

// Layered textures nested deeper than this add nothing; it keeps a network
// the guard against cycles does not see (a very long chain) off the stack.
const size_t kMaxLayerDepth = 64;

const char* elementName(TextureKind kind) {
    switch (kind) {
    case TextureKind::Normalmap:
        return "Normalmap";
    case TextureKind::Emissivemap:
        return "Emissivemap";
    case TextureKind::Glossmap:
        return "Glossmap";
    case TextureKind::Reflectionmap:
        return "Reflectionmap";
    case TextureKind::Texture:
        break;
    }
    return "Texture";
}

} // namespace

int FileExportContext::writeTextureElement(const MObject& texture, IdTable& fileIds, TextureKind kind,
                                           bool hasBumpDepth, float bumpDepth, float refractiveIndex,
                                           std::ostream& out) {
    if (texture.apiType() != MFn::kFileTexture) {
        return 0;
    }
    MFnDependencyNode node(texture);
    const uint32_t fileId = fileIds.idOf(node.name().asChar());
    out << "      <" << elementName(kind) << " fileId=\"" << fileId;
    if (hasBumpDepth) {
        out << "\" bumpDepth=\"" << bumpDepth;
    }
    if (kind == TextureKind::Reflectionmap) {
        out << "\" type=\"cube\" wrap=\"false\" refractiveIndex=\"" << refractiveIndex
            << "\" bumpScale=\"0.1";
    }
    out << "\"/>\n";
    return 1;
}

int FileExportContext::resolveTextureSource(const MFnLambertShader& material, const MObject& source,
                                            IdTable& fileIds, std::ostream& out, TextureKind kind) {
    LayerPath layerPath;
    return resolveTextureSource(material, source, fileIds, out, kind, layerPath);
}

int FileExportContext::resolveTextureSource(const MFnLambertShader& material, const MObject& source,
                                            IdTable& fileIds, std::ostream& out, TextureKind kind,
                                            LayerPath& layerPath) {
    const float refractiveIndex = material.refractiveIndex();
    if (source.hasFn(MFn::kFileTexture)) {
        return writeTextureElement(source, fileIds, kind, false, 1.0f, refractiveIndex, out);
    }
    if (source.hasFn(MFn::kEnvSphere)) {
        if (kind != TextureKind::Reflectionmap) {
            return 0;
        }
        MPlugArray images;
        getConnectedSources(MFnDependencyNode(source), "image", images);
        int written = 0;
        for (unsigned int i = 0; i < images.length(); ++i) {
            written +=
                writeTextureElement(images[i].node(), fileIds, kind, false, 1.0f, refractiveIndex, out);
        }
        return written;
    }
    if (source.hasFn(MFn::kBump)) {
        if (kind != TextureKind::Normalmap) {
            return 0;
        }
        MFnDependencyNode bump(source);
        float depth = 1.0f;
        const bool hasBumpDepth = getFloatAttribute(bump, "bumpDepth", depth) && depth != 1.0f;
        MPlugArray values;
        getConnectedSources(bump, "bumpValue", values);
        int written = 0;
        for (unsigned int i = 0; i < values.length(); ++i) {
            written += writeTextureElement(values[i].node(), fileIds, kind, hasBumpDepth, depth,
                                           refractiveIndex, out);
        }
        return written;
    }
    if (source.hasFn(MFn::kLayeredTexture) && kind == TextureKind::Texture) {
        return resolveLayers(material, source, fileIds, out, layerPath);
    }
    return 0;
}

int FileExportContext::resolveLayers(const MFnLambertShader& material, const MObject& layered,
                                     IdTable& fileIds, std::ostream& out, LayerPath& layerPath) {
    // A layer that leads back to a layered texture being followed would
    // recurse for ever; it contributes nothing instead.
    if (layerPath.size() >= kMaxLayerDepth ||
        std::find(layerPath.begin(), layerPath.end(), layered) != layerPath.end()) {
        return 0;
    }
    MStatus found;
    MPlug inputs = MFnDependencyNode(layered).findPlug("inputs", &found);
    if (!found) {
        return 0;
    }
    layerPath.push_back(layered);
    int written = 0;
    for (unsigned int i = 0; i < inputs.numElements(); ++i) {
        MPlug layer = inputs.elementByPhysicalIndex(i);
        if (!layer.isCompound()) {
            continue;
        }
        MPlugArray connected;
        layer.child(0).connectedTo(connected, true, true);
        for (unsigned int j = 0; j < connected.length(); ++j) {
            written += resolveTextureSource(material, connected[j].node(), fileIds, out, TextureKind::Texture,
                                            layerPath);
        }
    }
    layerPath.pop_back();
    return written;
}

int FileExportContext::writeConnectedTexture(const MFnLambertShader& material, IdTable& fileIds,
                                             const char* attributeName, std::ostream& out, TextureKind kind) {
    MPlugArray sources;
    if (!getConnectedSources(material, attributeName, sources)) {
        return 0;
    }
    return resolveTextureSource(material, sources[0].node(), fileIds, out, kind);
}
