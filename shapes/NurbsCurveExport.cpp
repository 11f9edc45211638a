// A NURBS curve as a closed cubic spline through its control points.

#include "shapes/ShapeExportContext.h"

#include "core/CubicSpline.h"
#include "export/AttributeHelpers.h"
#include "shapes/ShapeBlobWriter.h"

#include <maya/MFnNurbsCurve.h>
#include <maya/MGlobal.h>
#include <maya/MPointArray.h>

#include <vector>

namespace {

// The control points that do not merely repeat the start of the curve: a
// closed curve (form 1) repeats its first point at the end, a periodic one
// (form 2) its first `degree` points. A curve that would keep fewer than
// one point keeps them all.
uint32_t keptControlPoints(uint32_t count, int form, int degree) {
    long long kept = count;
    if (form == 1) {
        kept -= 1;
    } else if (form == 2) {
        kept -= degree;
    }
    return kept < 1 || kept > count ? count : static_cast<uint32_t>(kept);
}

} // namespace

MStatus ShapeExportContext::exportNurbsCurve(const MObject& curveObject, const IdTable& shapeIds,
                                             std::vector<ShapeBlob>& shapeBlobs) {
    MStatus status;
    MFnNurbsCurve curve(curveObject, &status);
    if (status != MS::kSuccess) {
        MGlobal::displayWarning(MString("orvexExport: Node is not of type nurbsCurve (") +
                                curve.partialPathName() + ")");
        return MS::kSuccess;
    }
    const MString path = curve.partialPathName();
    uint32_t shapeId = 0;
    if (!shapeIds.find(path.asChar(), shapeId)) {
        return MS::kSuccess;
    }
    const int degree = curve.degree();
    int32_t form = 0;
    getIntAttribute(curve, "form", form);

    MPointArray cvs;
    if (curve.getCVs(cvs, MSpace::kObject) != MS::kSuccess) {
        MGlobal::displayWarning(MString("orvexExport: NurbsCurve can't get CVs (") + path + ")");
        return MS::kFailure;
    }
    const uint32_t count = keptControlPoints(cvs.length(), form, degree);
    if (count == 0) {
        MGlobal::displayWarning(MString("orvexExport: NurbsCurve has no control points (") + path + ")");
        return MS::kSuccess;
    }
    std::vector<float> points(3 * size_t(count));
    for (uint32_t i = 0; i < count; ++i) {
        points[3 * size_t(i)] = static_cast<float>(cvs[i].x * unitScale);
        points[3 * size_t(i) + 1] = static_cast<float>(cvs[i].y * unitScale);
        points[3 * size_t(i) + 2] = static_cast<float>(cvs[i].z * unitScale);
    }
    // Every exported curve is closed, whatever its form.
    CubicSpline spline(count, points.data(), 1);

    ShapeBlob blob;
    blob.kind = serializeCurveShape(path.asChar(), shapeId, spline, blob.bytes, blob.size);
    if (blob.kind == ShapeBlobNone) {
        return refuseTooLarge(path);
    }
    shapeBlobs.push_back(std::move(blob));
    return MS::kSuccess;
}
