#pragma once
// The output document: the XML frame around the section texts the passes
// produced, and the shapes side file named in its Shapes element.

#include "shapes/ShapeBlob.h"

#include <maya/MStatus.h>

#include <string>
#include <vector>

struct ExportDocument {
    std::string outputPath;
    std::string sceneName;
    std::string filesAndMaterials;
    std::string dynamics;
    std::string scene;
    std::string animation;
    std::string userAttributes;
    bool writeDynamics = false;
    bool writeAnimation = false;
    bool writeUserAttributes = false;
};

// Writes the document (and, with blobs, the side file) and shows "done.".
// Every blob buffer is freed, whatever happens. Nothing on disk changes
// unless the whole document and side file were written (except where no
// temporary could be made and a file was written in place); every failure
// shows an error naming the file and the reason.
MStatus writeDocument(const ExportDocument& document, std::vector<ShapeBlob>& shapeBlobs);
