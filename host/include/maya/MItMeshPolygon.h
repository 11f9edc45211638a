#pragma once
// Iterates over the polygons of a mesh in index order.

#include <maya/MDagPath.h>
#include <maya/MIntArray.h>
#include <maya/MObject.h>
#include <maya/MPointArray.h>
#include <maya/MSpace.h>
#include <maya/MStatus.h>
#include <maya/MString.h>

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
    MStatus getVertices(MIntArray& vertices);
    MStatus numTriangles(int& triCount) const;
    MStatus getTriangle(int localTriIndex, MPointArray& points, MIntArray& vertexList,
                        MSpace::Space space = MSpace::kObject);
    int normalIndex(int localVertexIndex, MStatus* status = NULL) const;
    MStatus getUV(int vertex, float2& uvPoint, const MString* uvSet = NULL) const;
    MStatus getColorIndex(int vertexIndex, int& colorIndex, const MString* colorSetName = NULL);

private:
    orvex_host::Node* mesh_ = nullptr;
    unsigned int polygon_ = 0;
};
