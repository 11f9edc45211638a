#include "shapes/ShapeExportContext.h"

#include "core/TriangleSet.h"
#include "export/AttributeHelpers.h"
#include "shapes/ShapeBlobWriter.h"
#include "shapes/SkinEnvelopeGuard.h"

#include <maya/MDistance.h>
#include <maya/MFnMesh.h>
#include <maya/MFnSkinCluster.h>
#include <maya/MGlobal.h>
#include <maya/MItDependencyNodes.h>

ShapeExportContext::ShapeExportContext(bool normalsFlag, bool colorsFlag, bool uvsFlag, bool skinWeightsFlag,
                                       bool nurbsCurvesFlag, bool verboseFlag)
    : normals(normalsFlag), colors(colorsFlag), uvs(uvsFlag), skinWeights(skinWeightsFlag),
      nurbsCurves(nurbsCurvesFlag), verbose(verboseFlag), unitScale(1.0 / MDistance::uiToInternal(1.0)) {}

MStatus ShapeExportContext::refuseTooLarge(const MString& path) {
    MGlobal::displayWarning(MString("orvexExport: Shape too large for the shapes file (") + path + ")");
    return MS::kFailure;
}

MStatus ShapeExportContext::exportShapes(const IdTable& shapeIds, std::vector<ShapeBlob>& shapeBlobs) {
    MStatus status;
    MItDependencyNodes nodes(MFn::kInvalid, &status);
    if (status != MS::kSuccess) {
        return MS::kFailure;
    }
    for (; !nodes.isDone(); nodes.next()) {
        MObject node = nodes.item();
        if (node.apiType() == MFn::kMesh) {
            MFnMesh mesh(node);
            if (exportMesh(shapeIds, mesh, shapeBlobs) != MS::kSuccess) {
                return MS::kFailure;
            }
        }
        if (node.apiType() == MFn::kNurbsCurve && nurbsCurves) {
            if (exportNurbsCurve(node, shapeIds, shapeBlobs) != MS::kSuccess) {
                return MS::kFailure;
            }
        }
    }
    return MS::kSuccess;
}

MStatus ShapeExportContext::exportMesh(const IdTable& shapeIds, MFnMesh& mesh,
                                       std::vector<ShapeBlob>& shapeBlobs) {
    if (mesh.isIntermediateObject()) {
        return MS::kSuccess;
    }
    const MString path = mesh.partialPathName();
    uint32_t shapeId = 0;
    if (!shapeIds.find(path.asChar(), shapeId)) {
        return MS::kSuccess;
    }
    if (verbose) {
        MGlobal::displayInfo(MString("IndexedFaceSet: ") + mesh.name());
    }

    MFnSkinCluster skinCluster;
    SkinEnvelopeGuard envelope;
    bool hasSkinCluster = false;
    if (skinWeights && findSkinCluster(mesh, skinCluster)) {
        hasSkinCluster = true;
        envelope.lower(skinCluster);
    }

    ShapeBlob blob;
    {
        std::unique_ptr<IndexedTriangleSet> set = buildTriangleSet(mesh, skinCluster, hasSkinCluster);
        set->optimize();
        std::unique_ptr<BoundingSphere> sphere = set->boundingSphere();
        blob.kind = serializeMeshShape(path.asChar(), shapeId, sphere->center, sphere->radius, *set,
                                       blob.bytes, blob.size);
    }
    envelope.restore();

    if (blob.kind == ShapeBlobNone) {
        return refuseTooLarge(path);
    }
    shapeBlobs.push_back(std::move(blob));
    return MS::kSuccess;
}
