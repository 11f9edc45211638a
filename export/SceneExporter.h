#pragma once
// The scene pass: writes the Scene section, one element per exported
// transform, nested as the DAG nests them.

#include "export/IdTable.h"
#include "export/SceneNodeTable.h"

#include <maya/MSelectionList.h>
#include <maya/MStatus.h>

#include <cstdint>
#include <ostream>

class SceneExporter {
public:
    SceneExporter(bool exportLights, bool exportCameras, bool exportDefaultCameras,
                  bool exportParticleSystems, bool exportShapes, bool exportSkinWeights,
                  bool exportNurbsCurves, bool exportIk, bool selectionOnly, bool verbose);

    // Writes the section; fails, writing nothing, when the DAG cannot be
    // walked.
    MStatus writeScene(IdTable& fileIds, IdTable& shapeIds, IdTable& materialIds, IdTable& dynamicIds,
                       SceneNodeTable& sceneNodes, std::ostream& out);

private:
    bool exportLights;
    bool exportCameras;
    bool exportDefaultCameras;
    bool exportParticleSystems;
    bool exportShapes;
    bool exportSkinWeights;
    bool exportNurbsCurves;
    bool exportIk;
    bool selectionOnly;
    bool verbose;
    MSelectionList selection;
    double unitScale;
    uint32_t nodeIdCounter;
};
