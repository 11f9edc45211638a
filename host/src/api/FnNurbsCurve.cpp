// MFnNurbsCurve over the curve payload.

#include "api/Access.h"
#include "geometry/CurveData.h"
#include "session/GeometryQueries.h"

#include <maya/MFnNurbsCurve.h>

using namespace orvex_host;

namespace {

const CurveData* curveOf(const MObject& object) {
    Node* node = ObjectAccess::node(object);
    return node ? node->payloadAs<CurveData>() : nullptr;
}

} // namespace

MFnNurbsCurve::MFnNurbsCurve(const MObject& object, MStatus* status) {
    MStatus s = queryFaulted("MFnNurbsCurve") ? MStatus(MS::kFailure) : setObject(object);
    if (status) {
        *status = s;
    }
}

MFnNurbsCurve::MFnNurbsCurve(const MDagPath& path, MStatus* status) {
    MStatus s = queryFaulted("MFnNurbsCurve") ? MStatus(MS::kFailure) : setObject(path);
    if (status) {
        *status = s;
    }
}

int MFnNurbsCurve::degree(MStatus* status) const {
    const CurveData* curve = curveOf(obj());
    reportStatus(status, curve != nullptr);
    return curve ? curve->degree : 0;
}

MFnNurbsCurve::Form MFnNurbsCurve::form(MStatus* status) const {
    const CurveData* curve = curveOf(obj());
    reportStatus(status, curve != nullptr);
    if (!curve) {
        return kInvalid;
    }
    return curve->form == 1 ? kClosed : curve->form == 2 ? kPeriodic : kOpen;
}

int MFnNurbsCurve::numCVs(MStatus* status) const {
    const CurveData* curve = curveOf(obj());
    reportStatus(status, curve != nullptr);
    return curve ? static_cast<int>(curve->cvCount()) : 0;
}

MStatus MFnNurbsCurve::getCVs(MPointArray& cvs, MSpace::Space) const {
    notifyGeometryQuery("getCVs");
    const CurveData* curve = curveOf(obj());
    if (!curve || queryFaulted("getCVs")) {
        return MS::kFailure;
    }
    auto& items = cvs.items();
    items.resize(curve->cvCount());
    for (uint32_t i = 0; i < curve->cvCount(); ++i) {
        const double* p = &curve->cvs[4 * size_t(i)];
        items[i] = MPoint(p[0], p[1], p[2], p[3]);
    }
    return MS::kSuccess;
}
