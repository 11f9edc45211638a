#pragma once
// Settings of the Files and Materials sections, and the two passes.

#include "export/IdTable.h"

#include <ostream>
#include <string>

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

private:
    bool relativePaths;
    bool verbose;
    bool floatEpsilon;
    std::string sceneDir;
    std::string outputDir;
    std::string sceneDirLower;
    std::string outputDirLower;
};
