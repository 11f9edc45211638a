#include "geometry/CurveData.h"

#include "geometry/SetAttrValues.h"

namespace orvex_host {

namespace {

bool fail(SetAttrRequest& request, const std::string& message) {
    request.error = message;
    return false;
}

bool readCount(SetAttrRequest& request, long long& count, const char* what) {
    if (!readInteger(request.values, count) || count < 0 || size_t(count) > kMaxElementGap) {
        return fail(request, std::string("expected the number of ") + what);
    }
    return true;
}

// degree spans form rational dimension, knot count and knots, CV count and
// CVs (dimension numbers each, one more when rational).
bool readCurve(SetAttrRequest& request, CurveData& curve) {
    long long degree = 0, spans = 0, form = 0, dimension = 0;
    bool rational = false;
    if (!readInteger(request.values, degree) || !readInteger(request.values, spans) ||
        !readInteger(request.values, form) || !request.values.nextBool(rational) ||
        !readInteger(request.values, dimension)) {
        return fail(request, "expected degree, spans, form, rational flag and dimension");
    }
    if (degree < 1 || degree > 32 || spans < 0 || form < 0 || form > 2 || dimension < 2 || dimension > 3) {
        return fail(request, "curve degree, form or dimension out of range");
    }
    long long knotCount = 0, cvCount = 0;
    if (!readCount(request, knotCount, "knots")) {
        return false;
    }
    std::vector<double> knots(static_cast<size_t>(knotCount));
    for (double& k : knots) {
        if (!request.values.nextDouble(k)) {
            return fail(request, "expected " + std::to_string(knotCount) + " knots");
        }
    }
    if (!readCount(request, cvCount, "control points")) {
        return false;
    }
    const size_t width = size_t(dimension) + (rational ? 1 : 0);
    std::vector<double> cvs;
    cvs.reserve(4 * size_t(cvCount));
    for (long long i = 0; i < cvCount; ++i) {
        double v[4] = {0.0, 0.0, 0.0, 1.0};
        double read[4];
        for (size_t k = 0; k < width; ++k) {
            if (!request.values.nextDouble(read[k])) {
                return fail(request, "expected " + std::to_string(cvCount) + " control points of " +
                                         std::to_string(width) + " numbers");
            }
        }
        for (size_t k = 0; k < size_t(dimension); ++k) {
            v[k] = read[k];
        }
        if (rational) {
            v[3] = read[dimension];
        }
        cvs.insert(cvs.end(), v, v + 4);
    }
    if (!request.values.atEnd()) {
        return fail(request, "more values than the curve data holds");
    }
    curve.degree = int(degree);
    curve.spans = int(spans);
    curve.form = int(form);
    curve.rational = rational;
    curve.dimension = int(dimension);
    curve.knots = std::move(knots);
    curve.cvs = std::move(cvs);
    return true;
}

void setInt(Node& node, const char* attrName, int value) {
    int attr = node.findAttribute(attrName);
    if (attr >= 0) {
        node.setValue({attr, {}}, static_cast<long long>(value));
    }
}

} // namespace

bool curveSetAttr(Scene&, Node& node, SetAttrRequest& request) {
    CurveData* curve = node.payloadAs<CurveData>();
    if (!curve || request.path.size() != 1 || request.type != "nurbsCurve" ||
        !(named(request.path[0], "cached", "cc") || named(request.path[0], "create", "cr"))) {
        return false;
    }
    if (readCurve(request, *curve)) {
        setInt(node, "degree", curve->degree);
        setInt(node, "spans", curve->spans);
        setInt(node, "form", curve->form);
    }
    return true;
}

} // namespace orvex_host
