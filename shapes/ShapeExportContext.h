#pragma once
// The shape pass: turns every exported mesh and NURBS curve into a shape
// blob for the shapes side file.

#include "export/IdTable.h"
#include "shapes/ShapeBlob.h"

#include <maya/MStatus.h>

#include <vector>

class ShapeExportContext {
public:
    ShapeExportContext(bool normals, bool colors, bool uvs, bool skinWeights, bool nurbsCurves, bool verbose);

    // Appends one blob per exported shape, in the host's node order.
    MStatus exportShapes(const IdTable& shapeIds, std::vector<ShapeBlob>& shapeBlobs);

private:
    bool normals;
    bool colors;
    bool uvs;
    bool skinWeights;
    bool nurbsCurves;
    bool verbose;
    double unitScale;
};
