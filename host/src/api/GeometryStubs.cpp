// Placeholders for the geometry function sets and iterators until the mesh,
// curve and skin-cluster payloads are read from scene files: every call
// reports failure and returns empty values.

#include "api/Access.h"

#include <maya/MFnMesh.h>
#include <maya/MFnNurbsCurve.h>
#include <maya/MFnSkinCluster.h>
#include <maya/MItDependencyGraph.h>
#include <maya/MItGeometry.h>
#include <maya/MItMeshPolygon.h>

namespace {

void fail(MStatus* status) {
    if (status) {
        *status = MS::kFailure;
    }
}

} // namespace

MFnMesh::MFnMesh(const MObject& object, MStatus* status) {
    MStatus s = setObject(object);
    if (status) {
        *status = s;
    }
}
MFnMesh::MFnMesh(const MDagPath& path, MStatus* status) {
    MStatus s = setObject(path);
    if (status) {
        *status = s;
    }
}
int MFnMesh::numVertices(MStatus* status) const {
    return fail(status), 0;
}
int MFnMesh::numPolygons(MStatus* status) const {
    return fail(status), 0;
}
int MFnMesh::numFaceVertices(MStatus* status) const {
    return fail(status), 0;
}
MStatus MFnMesh::getPoints(MPointArray&, MSpace::Space) const {
    return MS::kFailure;
}
MStatus MFnMesh::getNormals(MFloatVectorArray&, MSpace::Space) const {
    return MS::kFailure;
}
MStatus MFnMesh::getPolygonVertices(int, MIntArray&) const {
    return MS::kFailure;
}
int MFnMesh::numUVSets(MStatus* status) const {
    return fail(status), 0;
}
MStatus MFnMesh::getUVSetNames(MStringArray&) const {
    return MS::kFailure;
}
MStatus MFnMesh::getConnectedShaders(unsigned int, MObjectArray& shaders, MIntArray& indices) const {
    shaders.clear();
    indices.clear();
    return MS::kFailure;
}
MStatus MFnMesh::getFaceVertexColors(MColorArray&, const MString*, const MColor*) const {
    return MS::kFailure;
}

MItMeshPolygon::MItMeshPolygon(const MObject&, MStatus* status) {
    fail(status);
}
MItMeshPolygon::MItMeshPolygon(const MDagPath&, const MObject&, MStatus* status) {
    fail(status);
}
bool MItMeshPolygon::isDone(MStatus*) {
    return true;
}
MStatus MItMeshPolygon::next() {
    return MS::kFailure;
}
MStatus MItMeshPolygon::reset() {
    return MS::kFailure;
}
unsigned int MItMeshPolygon::index(MStatus* status) {
    return fail(status), 0;
}
unsigned int MItMeshPolygon::polygonVertexCount(MStatus* status) {
    return fail(status), 0;
}
int MItMeshPolygon::vertexIndex(int, MStatus* status) {
    return fail(status), 0;
}
MStatus MItMeshPolygon::getVertices(MIntArray&) {
    return MS::kFailure;
}
MStatus MItMeshPolygon::numTriangles(int&) const {
    return MS::kFailure;
}
MStatus MItMeshPolygon::getTriangle(int, MPointArray&, MIntArray&, MSpace::Space) {
    return MS::kFailure;
}
int MItMeshPolygon::normalIndex(int, MStatus* status) const {
    return fail(status), 0;
}
MStatus MItMeshPolygon::getUV(int, float2&, const MString*) const {
    return MS::kFailure;
}
MStatus MItMeshPolygon::getColorIndex(int, int&, const MString*) {
    return MS::kFailure;
}

MFnNurbsCurve::MFnNurbsCurve(const MObject& object, MStatus* status) {
    MStatus s = setObject(object);
    if (status) {
        *status = s;
    }
}
MFnNurbsCurve::MFnNurbsCurve(const MDagPath& path, MStatus* status) {
    MStatus s = setObject(path);
    if (status) {
        *status = s;
    }
}
int MFnNurbsCurve::degree(MStatus* status) const {
    return fail(status), 0;
}
MFnNurbsCurve::Form MFnNurbsCurve::form(MStatus* status) const {
    return fail(status), kInvalid;
}
int MFnNurbsCurve::numCVs(MStatus* status) const {
    return fail(status), 0;
}
MStatus MFnNurbsCurve::getCVs(MPointArray&, MSpace::Space) const {
    return MS::kFailure;
}

MFnGeometryFilter::MFnGeometryFilter(const MObject& object, MStatus* status) {
    MStatus s = setObject(object);
    if (status) {
        *status = s;
    }
}
unsigned int MFnGeometryFilter::indexForOutputShape(const MObject&, MStatus* status) const {
    return fail(status), 0;
}
MStatus MFnGeometryFilter::getPathAtIndex(unsigned int, MDagPath&) const {
    return MS::kFailure;
}
float MFnGeometryFilter::envelope(MStatus* status) const {
    return fail(status), 0.0f;
}

MFnSkinCluster::MFnSkinCluster(const MObject& object, MStatus* status) {
    MStatus s = setObject(object);
    if (status) {
        *status = s;
    }
}
MStatus MFnSkinCluster::getWeights(const MDagPath&, const MObject&, MDoubleArray&, unsigned int&) const {
    return MS::kFailure;
}

MItDependencyGraph::MItDependencyGraph(MPlug&, MFn::Type, Direction, Traversal, Level, MStatus* status) {
    fail(status);
}
MItDependencyGraph::MItDependencyGraph(MObject&, MFn::Type, Direction, Traversal, Level, MStatus* status) {
    fail(status);
}
bool MItDependencyGraph::isDone(MStatus*) const {
    return true;
}
MStatus MItDependencyGraph::next() {
    return MS::kFailure;
}
MStatus MItDependencyGraph::reset() {
    return MS::kFailure;
}
MObject MItDependencyGraph::thisNode(MStatus* status) const {
    return fail(status), MObject();
}
MStatus MItDependencyGraph::disablePruningOnFilter() {
    return MS::kSuccess;
}
MStatus MItDependencyGraph::enablePruningOnFilter() {
    return MS::kSuccess;
}

MItGeometry::MItGeometry(MDagPath&, MStatus* status) {
    fail(status);
}
bool MItGeometry::isDone(MStatus*) const {
    return true;
}
MStatus MItGeometry::next() {
    return MS::kFailure;
}
MStatus MItGeometry::reset() {
    return MS::kFailure;
}
int MItGeometry::index(MStatus* status) const {
    return fail(status), 0;
}
int MItGeometry::count(MStatus* status) const {
    return fail(status), 0;
}
MObject MItGeometry::component(MStatus* status) {
    return fail(status), MObject();
}
MPoint MItGeometry::position(MSpace::Space, MStatus* status) const {
    return fail(status), MPoint();
}
