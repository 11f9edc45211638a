#pragma once
// Settings of the Files and Materials sections, and the two passes: the
// Materials pass numbers the textures and custom-shader files it meets, the
// Files pass then lists them.

#include "export/IdTable.h"

#include <maya/MFnLambertShader.h>
#include <maya/MObject.h>

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

// Which element a texture reached from a material input becomes.
enum class TextureKind { Texture = 0, Normalmap = 1, Emissivemap = 2, Glossmap = 3, Reflectionmap = 4 };

class FileExportContext {
public:
    FileExportContext(bool relativePaths, bool verbose, bool floatEpsilon, const std::string& sceneDir,
                      const std::string& outputDir);

    // Runs the Materials pass, then the Files pass, and appends the Files
    // text followed by the Materials text; false, appending nothing, when a
    // pass fails. With `onlyUsed` only materials that already have an id
    // are written.
    bool writeFilesAndMaterials(IdTable& fileIds, IdTable& extraFileIds, IdTable& materialIds, bool onlyUsed,
                                std::ostream& out);

    // The Materials section; always true.
    bool writeMaterials(IdTable& materialIds, bool onlyUsed, IdTable& fileIds, IdTable& extraFileIds,
                        std::ostream& out);
    // The Files section; always true.
    bool writeFiles(const IdTable& fileIds, const IdTable& extraFileIds, std::ostream& out);
    // One File element for `path` as the material or texture gives it.
    bool writeFileEntry(std::string path, uint32_t fileId, const std::string& sourceImagesDir,
                        std::ostream& out);

    // One texture element for a file texture node; 1 when written, 0 (and no
    // id given) when the node is not exactly a file texture.
    int writeTextureElement(const MObject& texture, IdTable& fileIds, TextureKind kind, bool hasBumpDepth,
                            float bumpDepth, float refractiveIndex, std::ostream& out);
    // The texture elements reached from `source`, the node connected to one
    // input of `material`: file textures directly, through an environment
    // sphere, a bump node or the layers of layered textures. Returns how
    // many it wrote.
    int resolveTextureSource(const MFnLambertShader& material, const MObject& source, IdTable& fileIds,
                             std::ostream& out, TextureKind kind);
    // The texture elements for the node connected to a named input of the
    // material; 0 when nothing is connected.
    int writeConnectedTexture(const MFnLambertShader& material, IdTable& fileIds, const char* attributeName,
                              std::ostream& out, TextureKind kind);

private:
    // The layered textures being followed, outermost first: a layer that
    // leads back to one of them adds nothing.
    using LayerPath = std::vector<MObject>;
    int resolveTextureSource(const MFnLambertShader& material, const MObject& source, IdTable& fileIds,
                             std::ostream& out, TextureKind kind, LayerPath& layerPath);
    int resolveLayers(const MFnLambertShader& material, const MObject& layered, IdTable& fileIds,
                      std::ostream& out, LayerPath& layerPath);

    bool relativePaths;
    bool verbose;
    bool floatEpsilon;
    std::string sceneDir;
    std::string outputDir;
    std::string sceneDirLower;
    std::string outputDirLower;
};
