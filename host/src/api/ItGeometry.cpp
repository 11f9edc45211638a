// MItGeometry: the points of a mesh (or the control points of a curve) in
// index order, each handed out as a one-vertex component.

#include "api/Access.h"
#include "geometry/CurveData.h"
#include "geometry/MeshData.h"
#include "session/GeometryQueries.h"

#include <orvex_host/Session.h>

#include <maya/MItGeometry.h>

using namespace orvex_host;

MItGeometry::MItGeometry(MDagPath& dagPath, MStatus* status) {
    const DagChain& chain = ObjectAccess::chain(dagPath);
    Node* node = chain.empty() ? nullptr : chain.back();
    if (node && !queryFaulted("MItGeometry")) {
        if (const MeshData* mesh = meshGeometry(currentScene(), node)) {
            geometry_ = node;
            count_ = static_cast<int>(mesh->pointCount());
        } else if (const CurveData* curve = node->payloadAs<CurveData>()) {
            geometry_ = node;
            count_ = static_cast<int>(curve->cvCount());
        }
    }
    reportStatus(status, geometry_ != nullptr);
}

bool MItGeometry::isDone(MStatus* status) const {
    reportStatus(status, geometry_ != nullptr);
    return index_ >= count_;
}

MStatus MItGeometry::next() {
    if (index_ >= count_) {
        return MS::kFailure;
    }
    ++index_;
    return MS::kSuccess;
}

MStatus MItGeometry::reset() {
    index_ = 0;
    return geometry_ ? MS::kSuccess : MS::kFailure;
}

int MItGeometry::index(MStatus* status) const {
    reportStatus(status, index_ < count_);
    return index_;
}

int MItGeometry::count(MStatus* status) const {
    reportStatus(status, geometry_ != nullptr);
    return count_;
}

MObject MItGeometry::component(MStatus* status) {
    bool ok = index_ < count_;
    reportStatus(status, ok);
    return ok ? ObjectAccess::fromData(std::make_shared<VertexComponentObject>(static_cast<unsigned>(index_)))
              : MObject();
}

MPoint MItGeometry::position(MSpace::Space, MStatus* status) const {
    bool ok = index_ < count_;
    reportStatus(status, ok);
    if (!ok) {
        return MPoint();
    }
    if (const MeshData* mesh = meshGeometry(currentScene(), geometry_)) {
        double p[3];
        mesh->point(index_, p);
        return MPoint(p[0], p[1], p[2]);
    }
    const double* p = &geometry_->payloadAs<CurveData>()->cvs[4 * size_t(index_)];
    return MPoint(p[0], p[1], p[2], p[3]);
}
