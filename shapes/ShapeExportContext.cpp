#include "shapes/ShapeExportContext.h"

#include <maya/MDistance.h>

ShapeExportContext::ShapeExportContext(bool normalsFlag, bool colorsFlag, bool uvsFlag, bool skinWeightsFlag,
                                       bool nurbsCurvesFlag, bool verboseFlag)
    : normals(normalsFlag), colors(colorsFlag), uvs(uvsFlag), skinWeights(skinWeightsFlag),
      nurbsCurves(nurbsCurvesFlag), verbose(verboseFlag), unitScale(1.0 / MDistance::uiToInternal(1.0)) {}

MStatus ShapeExportContext::exportShapes(const IdTable&, std::vector<ShapeBlob>&) {
    return MS::kSuccess;
}
