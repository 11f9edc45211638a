// The Files section: one File element per file that another section refers
// to by a file id.

#include "core/PathHelpers.h"
#include "export/AsciiLower.h"
#include "export/AttributeHelpers.h"
#include "export/CustomShaderSettings.h"
#include "export/FileExportContext.h"
#include "export/PathStart.h"
#include "export/XmlEscape.h"

#include <maya/MGlobal.h>
#include <maya/MItDependencyNodes.h>

namespace {

// The project's source-images directory, ending in '/'; empty when the
// workspace cannot say.
std::string sourceImagesDirectory() {
    MString root;
    if (!MGlobal::executeCommand("workspace -expandName \"\"", root, false, false)) {
        return std::string();
    }
    MString entry;
    if (!MGlobal::executeCommand("workspace -rte \"sourceImages\"", entry, false, false)) {
        return std::string();
    }
    MString directory = root + entry;
    const int last = static_cast<int>(directory.length()) - 1;
    if (directory.substring(last, last) != "/") {
        directory += "/";
    }
    return directory.asChar();
}

} // namespace

bool FileExportContext::writeFiles(const IdTable& fileIds, const IdTable& extraFileIds, std::ostream& out) {
    const std::string sourceImages = sourceImagesDirectory();
    out << "\n  <Files>\n";
    for (MItDependencyNodes it(MFn::kFileTexture); !it.isDone(); it.next()) {
        MFnDependencyNode texture(it.item());
        const MString name = texture.name();
        uint32_t fileId = 0;
        if (!fileIds.find(name.asChar(), fileId)) {
            continue;
        }
        if (verbose) {
            MGlobal::displayInfo(MString("Texture: ") + name);
        }
        MString path;
        getStringAttribute(texture, "fileTextureName", path);
        writeFileEntry(path.asChar(), fileId, sourceImages, out);
    }
    // Custom-shader files and maps are named relative to the scene, unless
    // their path begins with a drive or a separator.
    for (const auto& [path, fileId] : extraFileIds) {
        const std::string scenePath = startsWithDrive(path) || startsAtRoot(path) ? path : sceneDir + path;
        writeFileEntry(scenePath, fileId, sourceImages, out);
        // A path used both as a custom shader and as a custom map has a
        // second id, which its material writes too: list the file under
        // that id as well, so that no id in the document lacks its file.
        for (const char* prefix : {kCustomShaderFileKey, kCustomShaderTextureKey}) {
            uint32_t otherId = 0;
            if (fileIds.find(prefix + path, otherId) && otherId != fileId) {
                writeFileEntry(scenePath, otherId, sourceImages, out);
            }
        }
    }
    out << "  </Files>\n\n";
    return true;
}

bool FileExportContext::writeFileEntry(std::string path, uint32_t fileId, const std::string& sourceImagesDir,
                                       std::ostream& out) {
    // On this host a path that begins with a separator is absolute too: it
    // gets no directory put in front of it, like a path with a drive.
    if (path.find(':') == std::string::npos && !startsAtRoot(path)) {
        path = sourceImagesDir + path;
    }
    for (char& c : path) {
        if (c == '\\') {
            c = '/';
        }
    }
    bool relative = false;
    if (relativePaths) {
        const std::string lowered = lowerAscii(path);
        if (!sceneDirLower.empty() && lowered.compare(0, sceneDirLower.size(), sceneDirLower) == 0) {
            path.erase(0, sceneDir.size());
            relative = true;
        } else {
            relative = makeRelativePath(outputDirLower, lowered, path, path);
        }
    }
    out << "    <File fileId=\"" << fileId << "\" filename=\"" << escapeAttribute(path)
        << "\" relativePath=\"" << (relative ? "true" : "false") << "\"/>\n";
    return true;
}
