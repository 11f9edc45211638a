#pragma once
// Iterates over the polygons of a mesh in index order.

#include <maya/MDagPath.h>
#include <maya/MIntArray.h>
#include <maya/MObject.h>
#include <maya/MPointArray.h>
#include <maya/MSpace.h>
#include <maya/MStatus.h>
#include <maya/MString.h>

#include <cstdint>
#include <string>
#include <vector>

namespace orvex_host {
struct MeshData;
}

class MItMeshPolygon {
public:
    MItMeshPolygon(const MObject& polyObject, MStatus* status = NULL);
    MItMeshPolygon(const MDagPath& polyObject, const MObject& component = MObject::kNullObj,
                   MStatus* status = NULL);

    bool isDone(MStatus* status = NULL);
    MStatus next();
    MStatus reset();
    unsigned int index(MStatus* status = NULL);
    unsigned int polygonVertexCount(MStatus* status = NULL);
    int vertexIndex(int index, MStatus* status = NULL);
    // Object-relative vertex ids of the polygon, in face order (outer loop,
    // then holes).
    MStatus getVertices(MIntArray& vertices);
    // Triangles of the polygon: n - 2 for an n-gon (two more per hole).
    MStatus numTriangles(int& triCount) const;
    // The object-relative vertex ids (and points) of one triangle, wound like
    // the polygon. Concave polygons are split inside their outline.
    MStatus getTriangle(int localTriIndex, MPointArray& points, MIntArray& vertexList,
                        MSpace::Space space = MSpace::kObject);
    // Index into MFnMesh::getNormals of a face-relative corner.
    int normalIndex(int localVertexIndex, MStatus* status = NULL) const;
    // UV of a face-relative corner in the named set (the current set when
    // null); fails, leaving uvPoint untouched, when the corner has none.
    MStatus getUV(int vertex, float2& uvPoint, const MString* uvSet = NULL) const;
    // Colour id of a face-relative corner in the named colour set (the
    // current set when null); fails, leaving colorIndex untouched, when the
    // corner has none.
    MStatus getColorIndex(int vertexIndex, int& colorIndex, const MString* colorSetName = NULL);

private:
    bool valid() const;
    const std::vector<int>& triangles() const;

    const orvex_host::MeshData* data_ = nullptr;
    unsigned int polygon_ = 0;
    std::string currentUvSet_, currentColorSet_;
    // Triangles of one polygon (three face-relative corners each), kept
    // until the iterator moves on.
    mutable long long triangulated_ = -1;
    mutable std::vector<int> triangles_;
    mutable std::vector<double> scratch_;
    mutable std::vector<uint32_t> loops_;
};
