// Node types for NURBS curves. The curve data lives in a payload that the
// setAttr hook fills; degree, spans and form follow it as plain attributes.

#include "geometry/CurveData.h"
#include "graph/NodeType.h"

namespace orvex_host {

void registerCurveTypes(TypeRegistry& registry) {
    NodeType& curve = registry.define("nurbsCurve", Kind::NurbsCurve, "shape", true);
    curve.makePayload = [] { return std::make_unique<CurveData>(); };
    curve.setAttrHook = curveSetAttr;
    NodeTypeBuilder b(curve);
    b.attr("create", "cr", AttrType::NurbsCurve);
    b.attr("cached", "cc", AttrType::NurbsCurve);
    b.attr("local", "l", AttrType::NurbsCurve);
    b.attr("worldSpace", "ws", AttrType::NurbsCurve, {}, true);
    b.attr("degree", "d", AttrType::Int, 1LL);
    b.attr("spans", "sp", AttrType::Int, 1LL);
    b.attr("form", "f", AttrType::Enum, 0LL);
    b.attr("tweak", "tw", AttrType::Bool, false);
    b.attr("dispCV", "dcv", AttrType::Bool, false);
    b.attr("dispEP", "dep", AttrType::Bool, false);
    b.attr("controlPoints", "cp", AttrType::Double3, {}, true);
}

} // namespace orvex_host
