// MFnMesh over the mesh payload (or the payload of the mesh at the start of
// a deformer chain).

#include "api/Access.h"
#include "geometry/MeshData.h"
#include "geometry/ShadingAssignment.h"
#include "session/GeometryQueries.h"

#include <orvex_host/Session.h>

#include <maya/MFnMesh.h>

using namespace orvex_host;

namespace {

const MeshData* geometryOf(const MObject& object) {
    Node* node = ObjectAccess::node(object);
    return node ? meshGeometry(currentScene(), node) : nullptr;
}

// The named colour set of the mesh (the current one when null); null for a
// mesh without colour sets or when the query is made to fail.
const ColorSetData* colorSetOf(const MObject& object, const MString* name, const char* query) {
    const MeshData* mesh = geometryOf(object);
    if (!mesh || queryFaulted(query)) {
        return nullptr;
    }
    const std::string wanted = name ? name->str() : std::string();
    return mesh->findColorSet(name ? &wanted : nullptr,
                              currentSetName(ObjectAccess::node(object), "currentColorSet"));
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
    const MeshData* mesh = geometryOf(obj());
    reportStatus(status, mesh != nullptr);
    return mesh ? static_cast<int>(mesh->pointCount()) : 0;
}

int MFnMesh::numPolygons(MStatus* status) const {
    const MeshData* mesh = geometryOf(obj());
    reportStatus(status, mesh != nullptr);
    return mesh ? static_cast<int>(mesh->faceCount()) : 0;
}

int MFnMesh::numFaceVertices(MStatus* status) const {
    const MeshData* mesh = geometryOf(obj());
    reportStatus(status, mesh != nullptr);
    return mesh ? static_cast<int>(mesh->cornerCount()) : 0;
}

MStatus MFnMesh::getPoints(MPointArray& points, MSpace::Space) const {
    notifyGeometryQuery("getPoints");
    const MeshData* mesh = geometryOf(obj());
    if (!mesh || queryFaulted("getPoints")) {
        return MS::kFailure;
    }
    // Filled in order: reserved, not zero-filled first (a big mesh has millions of points).
    auto& items = points.items();
    items.clear();
    items.reserve(mesh->pointCount());
    for (uint32_t v = 0; v < mesh->pointCount(); ++v) {
        double p[3];
        mesh->point(static_cast<int>(v), p);
        items.emplace_back(p[0], p[1], p[2]);
    }
    return MS::kSuccess;
}

MStatus MFnMesh::getNormals(MFloatVectorArray& normals, MSpace::Space) const {
    notifyGeometryQuery("getNormals");
    const MeshData* mesh = geometryOf(obj());
    if (!mesh || queryFaulted("getNormals")) {
        return MS::kFailure;
    }
    // The mesh keeps its normals: the array shares them instead of copying them.
    // A deformed mesh computes them from its original's geometry with its own
    // normal method.
    normals.share(mesh->cornerNormals(normalWeighting(ObjectAccess::node(obj()))));
    return MS::kSuccess;
}

MStatus MFnMesh::getPolygonVertices(int polygonId, MIntArray& vertexList) const {
    const MeshData* mesh = geometryOf(obj());
    if (!mesh || polygonId < 0 || static_cast<uint32_t>(polygonId) >= mesh->faceCount()) {
        return MS::kFailure;
    }
    auto begin = mesh->cornerVertex.begin() + mesh->faceStart[polygonId];
    vertexList.items().assign(begin, begin + mesh->faceSize(static_cast<uint32_t>(polygonId)));
    return MS::kSuccess;
}

int MFnMesh::numUVSets(MStatus* status) const {
    const MeshData* mesh = geometryOf(obj());
    reportStatus(status, mesh != nullptr);
    return mesh ? static_cast<int>(mesh->uvSets.size()) : 0;
}

MStatus MFnMesh::getUVSetNames(MStringArray& setNames) const {
    notifyGeometryQuery("getUVSetNames");
    const MeshData* mesh = geometryOf(obj());
    if (!mesh || queryFaulted("getUVSetNames")) {
        return MS::kFailure;
    }
    setNames.clear();
    for (const auto& entry : mesh->uvSets) {
        setNames.append(MString(entry.second.name));
    }
    return MS::kSuccess;
}

MStatus MFnMesh::getConnectedShaders(unsigned int instanceNumber, MObjectArray& shaders,
                                     MIntArray& indices) const {
    notifyGeometryQuery("getConnectedShaders");
    shaders.clear();
    indices.clear();
    Node* node = ObjectAccess::node(obj());
    if (!node || queryFaulted("getConnectedShaders")) {
        return MS::kFailure;
    }
    std::vector<Node*> groups;
    if (!shadingAssignment(currentScene(), node, instanceNumber, groups, indices.items())) {
        return MS::kFailure;
    }
    for (Node* group : groups) {
        shaders.append(ObjectAccess::fromNode(group));
    }
    return MS::kSuccess;
}

MStatus MFnMesh::getFaceVertexColors(MColorArray& colors, const MString* colorSet,
                                     const MColor* defaultUnsetColor) const {
    notifyGeometryQuery("getFaceVertexColors");
    const MeshData* mesh = geometryOf(obj());
    const ColorSetData* set = colorSetOf(obj(), colorSet, "getFaceVertexColors");
    if (!set) {
        return MS::kFailure;
    }
    const MColor unset = defaultUnsetColor ? *defaultUnsetColor : MColor(-1.0f, -1.0f, -1.0f, -1.0f);
    auto& items = colors.items();
    items.assign(mesh->cornerCount(), unset);
    for (uint32_t c = 0; c < mesh->cornerCount(); ++c) {
        const int id = set->corners.at(c);
        if (id >= 0 && static_cast<size_t>(id) < set->colorCount()) {
            items[c] = set->color(static_cast<size_t>(id));
        }
    }
    return MS::kSuccess;
}

MStatus MFnMesh::getColors(MColorArray& colors, const MString* colorSet) const {
    notifyGeometryQuery("getColors");
    const ColorSetData* set = colorSetOf(obj(), colorSet, "getColors");
    if (!set) {
        return MS::kFailure;
    }
    auto& items = colors.items();
    items.clear();
    items.reserve(set->colorCount());
    for (size_t id = 0; id < set->colorCount(); ++id) {
        items.push_back(set->color(id));
    }
    return MS::kSuccess;
}
