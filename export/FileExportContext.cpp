#include "export/FileExportContext.h"

#include "export/AsciiLower.h"

#include <sstream>

FileExportContext::FileExportContext(bool relative, bool verboseFlag, bool epsilon, const std::string& scene,
                                     const std::string& output)
    : relativePaths(relative), verbose(verboseFlag), floatEpsilon(epsilon), sceneDir(scene),
      outputDir(output), sceneDirLower(lowerAscii(scene)), outputDirLower(lowerAscii(output)) {}

bool FileExportContext::writeFilesAndMaterials(IdTable& fileIds, IdTable& extraFileIds, IdTable& materialIds,
                                               bool onlyUsed, std::ostream& out) {
    // The Materials pass runs first because it numbers the files that the
    // Files section lists; the Files text still comes first.
    std::ostringstream materials;
    if (!writeMaterials(materialIds, onlyUsed, fileIds, extraFileIds, materials)) {
        return false;
    }
    std::ostringstream files;
    if (!writeFiles(fileIds, extraFileIds, files)) {
        return false;
    }
    out << files.str() << materials.str();
    return true;
}
