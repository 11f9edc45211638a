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

void setStatus(MStatus* status, bool ok) {
    if (status) {
        *status = ok ? MS::kSuccess : MS::kFailure;
    }
}

const MeshData* geometryOf(const MObject& object) {
    Node* node = ObjectAccess::node(object);
    return node ? meshGeometry(currentScene(), node) : nullptr;
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
    setStatus(status, mesh != nullptr);
    return mesh ? static_cast<int>(mesh->pointCount()) : 0;
}

int MFnMesh::numPolygons(MStatus* status) const {
    const MeshData* mesh = geometryOf(obj());
    setStatus(status, mesh != nullptr);
    return mesh ? static_cast<int>(mesh->faceCount()) : 0;
}

int MFnMesh::numFaceVertices(MStatus* status) const {
    const MeshData* mesh = geometryOf(obj());
    setStatus(status, mesh != nullptr);
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
    normals.share(mesh->cornerNormals());
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
    setStatus(status, mesh != nullptr);
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
    Node* node = ObjectAccess::node(obj());
    const MeshData* mesh = geometryOf(obj());
    if (!mesh || queryFaulted("getFaceVertexColors")) {
        return MS::kFailure;
    }
    std::string wanted = colorSet ? colorSet->str() : std::string();
    const ColorSetData* set =
        mesh->findColorSet(colorSet ? &wanted : nullptr, currentSetName(node, "currentColorSet"));
    if (!set) {
        return MS::kFailure;
    }
    const MColor unset = defaultUnsetColor ? *defaultUnsetColor : MColor(-1.0f, -1.0f, -1.0f, -1.0f);
    auto& items = colors.items();
    items.assign(mesh->cornerCount(), unset);
    for (uint32_t c = 0; c < mesh->cornerCount(); ++c) {
        int id = set->corners.at(c);
        size_t at = 4 * static_cast<size_t>(id);
        if (id >= 0 && at + 3 < set->rgba.size()) {
            items[c] = MColor(set->rgba[at], set->rgba[at + 1], set->rgba[at + 2], set->rgba[at + 3]);
        }
    }
    return MS::kSuccess;
}
