#pragma once
// The shape pass: turns every exported mesh and NURBS curve into a shape
// blob for the shapes side file.

#include "export/IdTable.h"
#include "shapes/ShapeBlob.h"

#include <maya/MStatus.h>

#include <memory>
#include <vector>

class IndexedTriangleSet;
class MFnMesh;
class MFnSkinCluster;
class MObject;
class MString;

class ShapeExportContext {
public:
    ShapeExportContext(bool normals, bool colors, bool uvs, bool skinWeights, bool nurbsCurves, bool verbose);

    // Appends one blob per exported shape, in the host's node order. Fails
    // when the node iterator cannot be created, when a curve's control points
    // cannot be read, or when a blob would not fit the side file's 32-bit
    // sizes; blobs appended before stay in shapeBlobs.
    MStatus exportShapes(const IdTable& shapeIds, std::vector<ShapeBlob>& shapeBlobs);

    // Exports one mesh, or skips it when it is an intermediate object or its
    // partial path has no shape id. A skinned mesh is read with its skin
    // cluster's envelope at 0 (with the skin-weights switch); the envelope
    // gets its value back on every path out.
    MStatus exportMesh(const IdTable& shapeIds, MFnMesh& mesh, std::vector<ShapeBlob>& shapeBlobs);

    // Exports one NURBS curve with a shape id as a closed spline.
    MStatus exportNurbsCurve(const MObject& curveObject, const IdTable& shapeIds,
                             std::vector<ShapeBlob>& shapeBlobs);

    // Reads a mesh into a new welded triangle set: positions, and as the
    // switches and the mesh allow normals, up to four UV sets, colours and
    // four skin weights per vertex, one material subset per shader.
    std::unique_ptr<IndexedTriangleSet> buildTriangleSet(MFnMesh& mesh, MFnSkinCluster& skinCluster,
                                                         bool hasSkinCluster);

private:
    // A blob that would not fit the side file's 32-bit sizes fails the pass.
    static MStatus refuseTooLarge(const MString& path);

    bool normals;
    bool colors;
    bool uvs;
    bool skinWeights;
    bool nurbsCurves;
    bool verbose;
    double unitScale;
};
