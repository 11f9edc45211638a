#pragma once
// Two triangles folded at a right angle along a smooth edge, with different
// areas and different angles at the origin, where the fold starts: each way
// of weighting face normals gives the origin a normal of its own.

#include "support/MeshStatements.h"

#include <array>
#include <cmath>

namespace orvex_test {

// Face 0 (area 1, a right angle at the origin) faces +z; face 1 (area 0.5,
// atan(1/2) at the origin) faces -y. Vertex 0 is the origin.
inline MeshSpec foldMesh() {
    MeshSpec fold;
    fold.points = {{0, 0, 0}, {1, 0, 0}, {0, 2, 0}, {2, 0, -1}};
    fold.faces = {{0, 1, 2}, {0, 3, 1}};
    fold.smooth = true;
    return fold;
}

// The origin's normal for a vertexNormalMethod: 0 unweighted, 1 angle,
// 2 area, 3 angle and area weighted.
inline std::array<double, 3> foldNormalAtOrigin(int method) {
    double up = 1.0, down = 1.0; // the weights of faces 0 and 1
    if (method == 1 || method == 3) {
        up *= std::acos(0.0);
        down *= std::atan2(1.0, 2.0);
    }
    if (method == 2 || method == 3) {
        down *= 0.5;
    }
    const double length = std::hypot(up, down);
    return {0.0, -down / length, up / length};
}

} // namespace orvex_test
