#pragma once
// Function set for polygon meshes. A mesh whose input is fed through
// deformers (a skinned mesh) reads the geometry of the mesh at the start of
// the chain, undeformed.

#include <maya/MColorArray.h>
#include <maya/MFloatVectorArray.h>
#include <maya/MFnDagNode.h>
#include <maya/MIntArray.h>
#include <maya/MObjectArray.h>
#include <maya/MPointArray.h>
#include <maya/MSpace.h>
#include <maya/MStringArray.h>

class MFnMesh : public MFnDagNode {
public:
    MFnMesh() = default;
    MFnMesh(const MObject& object, MStatus* status = NULL);
    MFnMesh(const MDagPath& path, MStatus* status = NULL);
    MFn::Type type() const override;

    int numVertices(MStatus* status = NULL) const;
    int numPolygons(MStatus* status = NULL) const;
    int numFaceVertices(MStatus* status = NULL) const;
    MStatus getPoints(MPointArray& points, MSpace::Space space = MSpace::kObject) const;
    // One normal per face-vertex (face order, then corner order), indexed
    // through MItMeshPolygon::normalIndex: the file's locked normals where it
    // stores them, elsewhere computed from the faces across smooth edges.
    MStatus getNormals(MFloatVectorArray& normals, MSpace::Space space = MSpace::kObject) const;
    MStatus getPolygonVertices(int polygonId, MIntArray& vertexList) const;
    int numUVSets(MStatus* status = NULL) const;
    MStatus getUVSetNames(MStringArray& setNames) const;
    // Shading groups of one instance, and per polygon the index of its
    // group in that array (-1 for a polygon without one). Groups of face
    // sets come first, in the order of the sets, then the group of the whole
    // instance. Fails, with both arrays empty, for an instance the mesh does
    // not have.
    MStatus getConnectedShaders(unsigned int instanceNumber, MObjectArray& shaders, MIntArray& indices) const;
    // One colour per face-vertex, in face order, from the named colour set
    // (the current one when null); an unassigned face-vertex gives
    // defaultUnsetColor, or (-1, -1, -1, -1) without one. Fails for a mesh
    // without colour sets.
    MStatus getFaceVertexColors(MColorArray& colors, const MString* colorSet = NULL,
                                const MColor* defaultUnsetColor = NULL) const;
    // The colour list of the named colour set (the current one when null):
    // one colour per colour id, the list that MItMeshPolygon::getColorIndex
    // indexes. Fails for a mesh without colour sets.
    MStatus getColors(MColorArray& colors, const MString* colorSet = NULL) const;
};
