#pragma once
// Splits a polygon (possibly concave, possibly with holes) into triangles in
// the polygon's own plane.

#include <cstdint>
#include <vector>

namespace orvex_host {

// `points` holds x, y, z of each corner in face order: the outer loop, then
// the hole loops, which begin at loopStarts[1], loopStarts[2]... (loopStarts[0]
// is 0). Appends three corner positions per triangle to `out`, each triangle
// wound like the polygon. A polygon of n corners with h holes gives
// n - 2 + 2h triangles; an outer loop of fewer than three corners gives none,
// and so does a hole of fewer than three (it is left out). A convex polygon
// without holes gives the fan (0, 1, 2), (0, 2, 3), ...
void triangulatePolygon(const double* points, uint32_t cornerCount, const std::vector<uint32_t>& loopStarts,
                        std::vector<int>& out);

// The number of triangles triangulatePolygon gives for these loops, without the points: it
// depends on the loops' sizes alone.
uint32_t polygonTriangleCount(uint32_t cornerCount, const std::vector<uint32_t>& loopStarts);

} // namespace orvex_host
