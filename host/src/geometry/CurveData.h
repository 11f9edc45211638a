#pragma once
// The NURBS data a curve node keeps, as scene files store it
// (setAttr ".cc" -type "nurbsCurve" ...).

#include "graph/Node.h"

#include <vector>

namespace orvex_host {

class Scene;
struct SetAttrRequest;

struct CurveData : Payload {
    int degree = 0;
    int spans = 0;
    int form = 0; // 0 open, 1 closed, 2 periodic
    bool rational = false;
    int dimension = 3;
    std::vector<double> knots;
    // x, y, z, w per control point; for a closed or periodic curve the file
    // repeats the first points at the end, and so does this list.
    std::vector<double> cvs;

    uint32_t cvCount() const { return static_cast<uint32_t>(cvs.size() / 4); }
};

// The curve type's setAttr hook: the curve data of ".cc" (cached) and ".cr"
// (create). It also sets the node's "degree", "spans" and "form".
bool curveSetAttr(Scene& scene, Node& curve, SetAttrRequest& request);

} // namespace orvex_host
