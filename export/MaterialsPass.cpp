// The Materials section: one Material element for every lambert, phong and
// blinn node, with its colours, specular power, texture children and
// custom-shader settings.

#include "export/AttributeHelpers.h"
#include "export/CustomShaderSettings.h"
#include "export/FileExportContext.h"
#include "export/XmlEscape.h"

#include <maya/MFnBlinnShader.h>
#include <maya/MFnPhongShader.h>
#include <maya/MGlobal.h>
#include <maya/MItDependencyNodes.h>
#include <maya/MPlugArray.h>

#include <cmath>
#include <sstream>

namespace {

// What one material's element is built from.
struct MaterialValues {
    std::string name;
    uint32_t materialId = 0;
    bool isPhong = false;
    bool isBlinn = false;
    bool emissive = false;
    bool hasColour = false;
    MColor colour;
    float cosPower = 0.0f;
    MColor specular{0.0f, 0.0f, 0.0f};
    MColor ambient;
    bool alphaBlending = false;
    bool hasReflectionTexture = false;
    CustomShaderSettings custom;
    std::ostringstream textureText;
};

bool isSupportedKind(MFn::Type kind) {
    return kind == MFn::kPhong || kind == MFn::kLambert || kind == MFn::kBlinn;
}

// The blinn highlight as a phong power, computed in single precision.
float blinnCosPower(float eccentricity, float rollOff) {
    const float x = eccentricity * rollOff;
    return (1.0f / std::log(0.7f * x + 1.01f)) / x;
}

void writeRgb(std::ostream& out, const MColor& c) {
    out << c.r << " " << c.g << " " << c.b;
}

// The file id of a custom-shader file or map; the Files pass lists the path
// under the same id.
uint32_t customFileId(const char* keyPrefix, const std::string& path, IdTable& fileIds,
                      IdTable& extraFileIds) {
    const uint32_t id = fileIds.idOf(keyPrefix + path);
    extraFileIds.insert(path, id);
    return id;
}

void writeStartTag(MaterialValues& m, IdTable& fileIds, IdTable& extraFileIds, std::ostream& out) {
    out << "    <Material name=\"" << escapeAttribute(m.name) << "\" materialId=\"" << m.materialId;
    if (m.hasColour) {
        out << (m.emissive ? "\" emissiveColor=\"" : "\" diffuseColor=\"");
        writeRgb(out, m.colour);
        out << " " << m.colour.a;
    }
    if (m.isPhong || m.isBlinn) {
        out << "\" cosPower=\"" << m.cosPower;
    }
    out << "\" specularColor=\"";
    writeRgb(out, m.specular);
    out << "\" ambientColor=\"";
    writeRgb(out, m.ambient);
    if (m.alphaBlending) {
        out << "\" alphaBlending=\"true";
    }
    if (m.custom.hasShader) {
        out << "\" customShaderId=\""
            << customFileId(kCustomShaderFileKey, m.custom.shaderPath, fileIds, extraFileIds);
    }
    out << "\">\n";
}

void writeChildren(const MFnLambertShader& material, MaterialValues& m, IdTable& fileIds,
                   IdTable& extraFileIds, std::ostream& out) {
    const float refractiveIndex = material.refractiveIndex();
    if (!m.hasReflectionTexture && refractiveIndex != 1.0f) {
        out << "      <Reflectionmap type=\"planar\" refractiveIndex=\"" << refractiveIndex
            << "\" bumpScale=\"" << m.custom.reflectionBumpScale;
        if (m.custom.reflectionResolution != 512) {
            out << "\" resolution=\"" << m.custom.reflectionResolution;
        }
        out << "\"/>\n";
    }
    bool refractions = false;
    getBoolAttribute(material, "refractions", refractions, false);
    if (refractions) {
        float absorbance = 1.0f;
        getFloatAttribute(material, "lightAbsorbance", absorbance);
        out << "      <Refractionmap type=\"planar\" coeff=\"" << 1.0f - absorbance
            << "\" bumpScale=\"0.1\"/>\n";
    }
    if (m.custom.hasShader) {
        for (const auto& [name, value] : m.custom.parameters) {
            out << "      <CustomParameter name=\"" << escapeAttribute(name) << "\" value=\""
                << escapeAttribute(value) << "\"/>\n";
        }
        for (const auto& [name, path] : m.custom.textures) {
            const uint32_t id = customFileId(kCustomShaderTextureKey, path, fileIds, extraFileIds);
            out << "      <Custommap name=\"" << escapeAttribute(name) << "\" fileId=\"" << id << "\"/>\n";
        }
    }
    out << m.textureText.str();
}

// The specular part of a phong or blinn: its reflection texture, then its
// gloss map, which stands in for the specular colour.
void readReflectiveInputs(FileExportContext& context, const MFnLambertShader& material,
                          const MFnReflectShader& reflect, IdTable& fileIds, MaterialValues& m) {
    m.hasReflectionTexture = context.writeConnectedTexture(material, fileIds, "reflectedColor", m.textureText,
                                                           TextureKind::Reflectionmap) > 0;
    if (context.writeConnectedTexture(material, fileIds, "specularColor", m.textureText,
                                      TextureKind::Glossmap) > 0) {
        m.specular = MColor(1.0f, 1.0f, 1.0f);
    } else {
        const MColor specular = reflect.specularColor();
        m.specular = MColor(specular.r, specular.g, specular.b);
    }
}

// Colour (or colour texture), normal map and the specular part by kind.
void readShading(FileExportContext& context, const MFnLambertShader& material, IdTable& fileIds,
                 MaterialValues& m) {
    const MColor ambient = material.ambientColor();
    m.ambient =
        ambient.r == 0.0f && ambient.g == 0.0f && ambient.b == 0.0f ? MColor(1.0f, 1.0f, 1.0f) : ambient;
    m.emissive = material.glowIntensity() == 1.0f;

    // Each input gets an empty array of its own: a missing attribute leaves
    // the array as it was passed.
    MPlugArray colourSources;
    int colourTextures = 0;
    if (getConnectedSources(material, "color", colourSources)) {
        colourTextures =
            context.resolveTextureSource(material, colourSources[0].node(), fileIds, m.textureText,
                                         m.emissive ? TextureKind::Emissivemap : TextureKind::Texture);
    }
    if (colourTextures == 0) {
        m.hasColour = true;
        m.colour = material.color();
    }
    MPlugArray normalSources;
    if (getConnectedSources(material, "normalCamera", normalSources)) {
        context.resolveTextureSource(material, normalSources[0].node(), fileIds, m.textureText,
                                     TextureKind::Normalmap);
    }

    const MObject node = material.object();
    if (m.isBlinn) {
        MFnBlinnShader blinn(node);
        m.cosPower = blinnCosPower(blinn.eccentricity(), blinn.specularRollOff());
        readReflectiveInputs(context, material, blinn, fileIds, m);
        MGlobal::displayWarning(MString("Blinn shader type is not directly supported, approximating to phong "
                                        "shader (only lambert and phong supported): ") +
                                m.name.c_str());
    } else if (m.isPhong) {
        MFnPhongShader phong(node);
        m.cosPower = phong.cosPower();
        readReflectiveInputs(context, material, phong, fileIds, m);
    }
    m.alphaBlending = material.translucenceCoeff() != 0.0f;
}

} // namespace

bool FileExportContext::writeMaterials(IdTable& materialIds, bool onlyUsed, IdTable& fileIds,
                                       IdTable& extraFileIds, std::ostream& out) {
    out << "  <Materials>\n";
    for (MItDependencyNodes it(MFn::kLambert); !it.isDone(); it.next()) {
        const MObject node = it.item();
        MFnLambertShader material(node);
        MaterialValues m;
        m.name = material.name().asChar();
        if (!isSupportedKind(node.apiType())) {
            MGlobal::displayWarning(MString("Unsupported shader type (only lambert and phong supported): ") +
                                    m.name.c_str() + " is of type " + node.apiTypeStr());
            continue;
        }
        if (!materialIds.find(m.name, m.materialId)) {
            if (onlyUsed) {
                continue;
            }
            m.materialId = materialIds.idOf(m.name);
        }
        if (verbose) {
            MGlobal::displayInfo(MString("Shader: ") + m.name.c_str());
        }
        m.isPhong = node.apiType() == MFn::kPhong;
        m.isBlinn = node.apiType() == MFn::kBlinn;
        readShading(*this, material, fileIds, m);
        m.custom = readCustomShaderSettings(material);
        writeStartTag(m, fileIds, extraFileIds, out);
        writeChildren(material, m, fileIds, extraFileIds, out);
        out << "    </Material>\n";
    }
    out << "  </Materials>\n\n";
    return true;
}
