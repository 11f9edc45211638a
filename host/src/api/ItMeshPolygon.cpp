// MItMeshPolygon over the mesh payload.

#include "api/Access.h"
#include "geometry/MeshData.h"
#include "geometry/PolygonTriangulation.h"
#include "session/GeometryQueries.h"

#include <orvex_host/Session.h>

#include <maya/MItMeshPolygon.h>

using namespace orvex_host;

MItMeshPolygon::MItMeshPolygon(const MObject& polyObject, MStatus* status) {
    Node* node = ObjectAccess::node(polyObject);
    if (node && kindIs(node->kind(), Kind::Mesh) && !queryFaulted("MItMeshPolygon")) {
        data_ = meshGeometry(currentScene(), node);
        currentUvSet_ = currentSetName(node, "currentUVSet");
        currentColorSet_ = currentSetName(node, "currentColorSet");
    }
    reportStatus(status, data_ != nullptr);
}

MItMeshPolygon::MItMeshPolygon(const MDagPath& polyObject, const MObject&, MStatus* status)
    : MItMeshPolygon(polyObject.node(), status) {}

bool MItMeshPolygon::valid() const {
    return data_ && polygon_ < data_->faceCount();
}

bool MItMeshPolygon::isDone(MStatus* status) {
    reportStatus(status, data_ != nullptr);
    return !valid();
}

MStatus MItMeshPolygon::next() {
    if (!valid()) {
        return MS::kFailure;
    }
    ++polygon_;
    return MS::kSuccess;
}

MStatus MItMeshPolygon::reset() {
    polygon_ = 0;
    return data_ ? MS::kSuccess : MS::kFailure;
}

unsigned int MItMeshPolygon::index(MStatus* status) {
    reportStatus(status, valid());
    return polygon_;
}

unsigned int MItMeshPolygon::polygonVertexCount(MStatus* status) {
    reportStatus(status, valid());
    return valid() ? data_->faceSize(polygon_) : 0;
}

int MItMeshPolygon::vertexIndex(int index, MStatus* status) {
    bool ok = valid() && index >= 0 && static_cast<uint32_t>(index) < data_->faceSize(polygon_);
    reportStatus(status, ok);
    return ok ? data_->cornerVertex[data_->faceStart[polygon_] + index] : -1;
}

MStatus MItMeshPolygon::getVertices(MIntArray& vertices) {
    if (!valid()) {
        return MS::kFailure;
    }
    auto begin = data_->cornerVertex.begin() + data_->faceStart[polygon_];
    vertices.items().assign(begin, begin + data_->faceSize(polygon_));
    return MS::kSuccess;
}

const std::vector<int>& MItMeshPolygon::triangles() const {
    if (triangulated_ == static_cast<long long>(polygon_)) {
        return triangles_;
    }
    triangles_.clear();
    const uint32_t begin = data_->faceStart[polygon_];
    const uint32_t count = data_->faceSize(polygon_);
    data_->loopStarts(polygon_, loops_);
    if (count > 3 || loops_.size() > 1) { // a plain triangle needs no points to come out as itself
        scratch_.resize(3 * size_t(count));
        for (uint32_t c = 0; c < count; ++c) {
            data_->point(data_->cornerVertex[begin + c], &scratch_[3 * size_t(c)]);
        }
    }
    triangulatePolygon(scratch_.data(), count, loops_, triangles_);
    triangulated_ = polygon_;
    return triangles_;
}

MStatus MItMeshPolygon::numTriangles(int& triCount) const {
    if (!valid() || queryFaulted("numTriangles")) {
        return MS::kFailure;
    }
    // The count follows from the loops alone: a loop over the polygons that only counts
    // their triangles need not triangulate them.
    if (triangulated_ == static_cast<long long>(polygon_)) {
        triCount = static_cast<int>(triangles_.size() / 3);
    } else {
        data_->loopStarts(polygon_, loops_);
        triCount = static_cast<int>(polygonTriangleCount(data_->faceSize(polygon_), loops_));
    }
    return MS::kSuccess;
}

MStatus MItMeshPolygon::getTriangle(int localTriIndex, MPointArray& points, MIntArray& vertexList,
                                    MSpace::Space) {
    if (!valid() || queryFaulted("getTriangle")) {
        return MS::kFailure;
    }
    const std::vector<int>& corners = triangles();
    if (localTriIndex < 0 || 3 * size_t(localTriIndex) + 2 >= corners.size()) {
        return MS::kFailure;
    }
    const uint32_t begin = data_->faceStart[polygon_];
    vertexList.setLength(3);
    points.setLength(3);
    for (unsigned k = 0; k < 3; ++k) {
        int vertex = data_->cornerVertex[begin + corners[3 * size_t(localTriIndex) + k]];
        double p[3];
        data_->point(vertex, p);
        vertexList[k] = vertex;
        points[k] = MPoint(p[0], p[1], p[2]);
    }
    return MS::kSuccess;
}

int MItMeshPolygon::normalIndex(int localVertexIndex, MStatus* status) const {
    bool ok = valid() && localVertexIndex >= 0 &&
              static_cast<uint32_t>(localVertexIndex) < data_->faceSize(polygon_);
    reportStatus(status, ok);
    return ok ? static_cast<int>(data_->faceStart[polygon_]) + localVertexIndex : -1;
}

MStatus MItMeshPolygon::getUV(int vertex, float2& uvPoint, const MString* uvSet) const {
    if (!valid() || vertex < 0 || static_cast<uint32_t>(vertex) >= data_->faceSize(polygon_)) {
        return MS::kFailure;
    }
    const UvSetData* set = data_->findUvSet(uvSet ? &uvSet->str() : nullptr, currentUvSet_);
    if (!set) {
        return MS::kFailure;
    }
    int id = set->corners.at(data_->faceStart[polygon_] + vertex);
    size_t at = 2 * static_cast<size_t>(id);
    if (id < 0 || at + 1 >= set->uvs.size()) {
        return MS::kFailure;
    }
    uvPoint[0] = set->uvs[at];
    uvPoint[1] = set->uvs[at + 1];
    return MS::kSuccess;
}

MStatus MItMeshPolygon::getColorIndex(int vertexIndex, int& colorIndex, const MString* colorSetName) {
    if (!valid() || queryFaulted("getColorIndex") || vertexIndex < 0 ||
        static_cast<uint32_t>(vertexIndex) >= data_->faceSize(polygon_)) {
        return MS::kFailure;
    }
    const ColorSetData* set =
        data_->findColorSet(colorSetName ? &colorSetName->str() : nullptr, currentColorSet_);
    if (!set) {
        return MS::kFailure;
    }
    int id = set->corners.at(data_->faceStart[polygon_] + vertexIndex);
    if (id < 0) {
        return MS::kFailure;
    }
    colorIndex = id;
    return MS::kSuccess;
}
