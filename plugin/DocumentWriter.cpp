#include "plugin/DocumentWriter.h"

#include "export/XmlEscape.h"
#include "plugin/ExportPaths.h"
#include "plugin/PendingFile.h"
#include "plugin/ShapesSideFile.h"

#include <maya/MGlobal.h>

#include <memory>

namespace {

const char kSchemaInstanceNamespace[] = "http://www.w3.org/2001/XMLSchema-instance";
const char kSchemaLocation[] = "orvex-1.6.xsd";

MStatus reportFailure(const std::string& path, const std::string& reason) {
    MGlobal::displayError(MString("orvexExport: Failed to write file (") + path.c_str() +
                          "): " + reason.c_str());
    return MS::kFailure;
}

MStatus reportFailure(const PendingFile& file) {
    return reportFailure(file.targetPath(), file.failure());
}

std::string rootStartTag(const ExportDocument& document) {
    std::string name = sceneBaseName(document.sceneName);
    if (document.sceneName.empty()) {
        name = "untitled";
    }
    return "<?xml version=\"1.0\" encoding=\"iso-8859-1\"?>\n\n<Orvex name=\"" + escapeAttribute(name) +
           "\" version=\"1.6\" xmlns:xsi=\"" + kSchemaInstanceNamespace +
           "\" xsi:noNamespaceSchemaLocation=\"" + kSchemaLocation + "\">\n";
}

// A section's text and its closing line end, written only when switched on.
bool writeSection(PendingFile& file, bool on, const std::string& text) {
    return !on || (file.writeText(text) && file.writeText("\n"));
}

// The document written piece by piece, so that no piece is copied into a
// second text as big as the whole.
bool writeDocumentText(PendingFile& file, const ExportDocument& document,
                       const std::string& shapesAttribute) {
    return file.writeText(rootStartTag(document)) && writeSection(file, true, document.filesAndMaterials) &&
           file.writeText("  <Shapes ") && file.writeText(shapesAttribute) &&
           file.writeText(">\n  </Shapes>\n\n") &&
           writeSection(file, document.writeDynamics, document.dynamics) &&
           writeSection(file, true, document.scene) &&
           writeSection(file, document.writeAnimation, document.animation) &&
           writeSection(file, document.writeUserAttributes, document.userAttributes) &&
           file.writeText("</Orvex>\n") && file.close();
}

// Looks at both targets before anything is written.
MStatus examineTargets(PendingFile& documentFile, PendingFile* sideFile) {
    if (!documentFile.examine()) {
        return reportFailure(documentFile);
    }
    if (sideFile && !sideFile->examine()) {
        return reportFailure(*sideFile);
    }
    if (sideFile && sideFile->isSameFileAs(documentFile)) {
        return reportFailure(sideFile->targetPath(), "it is the document itself");
    }
    return MS::kSuccess;
}

// Moves both files into place, the side file first. When the document then
// cannot follow, the side file goes back to what it was, so that the old
// document keeps its old side file.
MStatus commitBoth(PendingFile& documentFile, PendingFile* sideFile) {
    if (sideFile) {
        sideFile->keepPrevious();
        if (!sideFile->commit()) {
            return reportFailure(*sideFile);
        }
    }
    if (!documentFile.commit()) {
        const MStatus status = reportFailure(documentFile);
        if (sideFile && !sideFile->rollBack()) {
            reportFailure(sideFile->targetPath(), "the previous side file could not be put back");
        }
        return status;
    }
    return MS::kSuccess;
}

} // namespace

MStatus writeDocument(const ExportDocument& document, std::vector<ShapeBlob>& shapeBlobs) {
    // The blobs are freed when this function returns, on every path.
    std::vector<ShapeBlob> blobs = std::move(shapeBlobs);
    shapeBlobs.clear();

    PendingFile documentFile(document.outputPath);
    std::unique_ptr<PendingFile> sideFile;
    if (!blobs.empty()) {
        sideFile = std::make_unique<PendingFile>(sideFilePath(document.outputPath));
    }
    if (!examineTargets(documentFile, sideFile.get())) {
        return MS::kFailure;
    }
    if (!documentFile.create()) {
        return reportFailure(documentFile);
    }
    std::string shapesAttribute;
    if (sideFile) {
        shapesAttribute = shapesFileAttribute(sideFile->targetPath());
        if (!sideFile->create()) {
            return reportFailure(*sideFile);
        }
        if (!writeShapesSideFile(*sideFile, blobs)) {
            return reportFailure(*sideFile);
        }
    }
    if (!writeDocumentText(documentFile, document, shapesAttribute)) {
        return reportFailure(documentFile);
    }
    if (!commitBoth(documentFile, sideFile.get())) {
        return MS::kFailure;
    }
    MGlobal::displayInfo("done.");
    return MS::kSuccess;
}
