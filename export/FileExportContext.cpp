#include "export/FileExportContext.h"

namespace {

// Lowers the ASCII letters only, byte by byte.
std::string lowered(const std::string& text) {
    std::string result = text;
    for (char& c : result) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return result;
}

} // namespace

FileExportContext::FileExportContext(bool relative, bool verboseFlag, bool epsilon, const std::string& scene,
                                     const std::string& output)
    : relativePaths(relative), verbose(verboseFlag), floatEpsilon(epsilon), sceneDir(scene),
      outputDir(output), sceneDirLower(lowered(scene)), outputDirLower(lowered(output)) {}

bool FileExportContext::writeFilesAndMaterials(IdTable&, IdTable&, IdTable&, bool, std::ostream&) {
    return true;
}
