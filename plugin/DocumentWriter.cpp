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

void reportWriteFailure(const std::string& path) {
    MGlobal::displayError(MString("orvexExport: Failed to write file (") + path.c_str() + ")");
}

std::string documentStart(const ExportDocument& document) {
    std::string name = sceneBaseName(document.sceneName);
    if (document.sceneName.empty()) {
        name = "untitled";
    }
    std::string text = "<?xml version=\"1.0\" encoding=\"iso-8859-1\"?>\n\n";
    text += "<Orvex name=\"" + escapeAttribute(name) + "\" version=\"1.6\" xmlns:xsi=\"" +
            kSchemaInstanceNamespace + "\" xsi:noNamespaceSchemaLocation=\"" + kSchemaLocation + "\">\n";
    text += document.filesAndMaterials + "\n";
    text += "  <Shapes ";
    return text;
}

std::string documentEnd(const ExportDocument& document) {
    std::string text = ">\n  </Shapes>\n\n";
    if (document.writeDynamics) {
        text += document.dynamics + "\n";
    }
    text += document.scene + "\n";
    if (document.writeAnimation) {
        text += document.animation + "\n";
    }
    if (document.writeUserAttributes) {
        text += document.userAttributes + "\n";
    }
    text += "</Orvex>\n";
    return text;
}

} // namespace

MStatus writeDocument(const ExportDocument& document, std::vector<ShapeBlob>& shapeBlobs) {
    // The blobs are freed when this function returns, on every path.
    std::vector<ShapeBlob> blobs = std::move(shapeBlobs);
    shapeBlobs.clear();

    PendingFile documentFile(document.outputPath);
    if (!documentFile.create()) {
        return MS::kFailure; // cannot be opened: no message, nothing changed
    }

    std::string text = documentStart(document);
    std::unique_ptr<PendingFile> sideFile;
    if (!blobs.empty()) {
        const std::string sidePath = sideFilePath(document.outputPath);
        text += shapesFileAttribute(sidePath);
        sideFile = std::make_unique<PendingFile>(sidePath);
        switch (writeShapesSideFile(*sideFile, blobs)) {
        case SideFileResult::CannotOpen:
            return MS::kFailure; // no message; neither file changes
        case SideFileResult::WriteFailed:
            reportWriteFailure(sidePath);
            return MS::kFailure;
        case SideFileResult::Written:
            break;
        }
    }
    text += documentEnd(document);

    if (!documentFile.writeText(text) || !documentFile.close()) {
        reportWriteFailure(document.outputPath);
        return MS::kFailure;
    }
    // Both files are complete: move them into place.
    if (sideFile && !sideFile->commit()) {
        reportWriteFailure(sideFile->targetPath());
        return MS::kFailure;
    }
    if (!documentFile.commit()) {
        reportWriteFailure(document.outputPath);
        return MS::kFailure;
    }
    MGlobal::displayInfo("done.");
    return MS::kSuccess;
}
