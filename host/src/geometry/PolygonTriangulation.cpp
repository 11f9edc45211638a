#include "geometry/PolygonTriangulation.h"

#include <algorithm>
#include <cmath>

namespace orvex_host {

namespace {

struct Point2 {
    double u, v;
};

double cross(const Point2& a, const Point2& b, const Point2& c) {
    return (b.u - a.u) * (c.v - a.v) - (b.v - a.v) * (c.u - a.u);
}

// The corners projected onto the coordinate plane closest to the polygon's
// plane, oriented so that the outer loop runs counter-clockwise.
std::vector<Point2> project(const double* p, uint32_t count, uint32_t outerCount) {
    double n[3] = {0, 0, 0};
    for (uint32_t i = 0; i < outerCount; ++i) {
        const double* a = p + 3 * i;
        const double* b = p + 3 * ((i + 1) % outerCount);
        n[0] += (a[1] - b[1]) * (a[2] + b[2]);
        n[1] += (a[2] - b[2]) * (a[0] + b[0]);
        n[2] += (a[0] - b[0]) * (a[1] + b[1]);
    }
    int drop = 2;
    if (std::fabs(n[0]) > std::fabs(n[1]) && std::fabs(n[0]) > std::fabs(n[2])) {
        drop = 0;
    } else if (std::fabs(n[1]) > std::fabs(n[2])) {
        drop = 1;
    }
    // (y, z), (z, x) and (x, y) keep the handedness, so the outer loop's
    // projected area has the sign of the dropped normal component.
    const int uAxis = (drop + 1) % 3, vAxis = (drop + 2) % 3;
    const double flip = n[drop] < 0 ? -1.0 : 1.0;
    std::vector<Point2> out(count);
    for (uint32_t i = 0; i < count; ++i) {
        out[i] = {flip * p[3 * i + uAxis], p[3 * i + vAxis]};
    }
    return out;
}

double signedArea(const std::vector<Point2>& pts, const std::vector<int>& loop) {
    double area = 0.0;
    for (size_t i = 0; i < loop.size(); ++i) {
        const Point2& a = pts[loop[i]];
        const Point2& b = pts[loop[(i + 1) % loop.size()]];
        area += a.u * b.v - b.u * a.v;
    }
    return area / 2.0;
}

bool sameSpot(const Point2& a, const Point2& b) {
    return a.u == b.u && a.v == b.v;
}

// Whether segments ab and cd cross at a point inside both.
bool segmentsCross(const Point2& a, const Point2& b, const Point2& c, const Point2& d) {
    double d1 = cross(a, b, c), d2 = cross(a, b, d), d3 = cross(c, d, a), d4 = cross(c, d, b);
    return ((d1 > 0 && d2 < 0) || (d1 < 0 && d2 > 0)) && ((d3 > 0 && d4 < 0) || (d3 < 0 && d4 > 0));
}

bool bridgeIsClear(const std::vector<Point2>& pts, const std::vector<int>& ring, const std::vector<int>& hole,
                   int from, int to) {
    auto clearOf = [&](const std::vector<int>& loop) {
        for (size_t i = 0; i < loop.size(); ++i) {
            int a = loop[i], b = loop[(i + 1) % loop.size()];
            if (a == from || a == to || b == from || b == to) {
                continue;
            }
            if (segmentsCross(pts[from], pts[to], pts[a], pts[b])) {
                return false;
            }
        }
        return true;
    };
    return clearOf(ring) && clearOf(hole);
}

// Joins a hole (running clockwise) into the ring by a bridge from the hole's
// right-most corner to the nearest ring corner it can see.
void bridgeHole(const std::vector<Point2>& pts, std::vector<int>& ring, std::vector<int> hole) {
    if (signedArea(pts, hole) > 0) {
        std::reverse(hole.begin(), hole.end());
    }
    size_t h = 0;
    for (size_t i = 1; i < hole.size(); ++i) {
        if (pts[hole[i]].u > pts[hole[h]].u) {
            h = i;
        }
    }
    const Point2& from = pts[hole[h]];
    size_t best = 0;
    double bestDistance = -1.0;
    bool bestClear = false;
    for (size_t r = 0; r < ring.size(); ++r) {
        const Point2& to = pts[ring[r]];
        double distance = (to.u - from.u) * (to.u - from.u) + (to.v - from.v) * (to.v - from.v);
        bool clear = bridgeIsClear(pts, ring, hole, hole[h], ring[r]);
        if ((clear && !bestClear) || (clear == bestClear && (bestDistance < 0 || distance < bestDistance))) {
            best = r;
            bestDistance = distance;
            bestClear = clear;
        }
    }
    std::vector<int> joined(ring.begin(), ring.begin() + best + 1);
    for (size_t i = 0; i <= hole.size(); ++i) {
        joined.push_back(hole[(h + i) % hole.size()]);
    }
    joined.push_back(ring[best]);
    joined.insert(joined.end(), ring.begin() + best + 1, ring.end());
    ring.swap(joined);
}

bool isEar(const std::vector<Point2>& pts, const std::vector<int>& ring, size_t k) {
    const size_t n = ring.size();
    int ia = ring[(k + n - 1) % n], ib = ring[k], ic = ring[(k + 1) % n];
    const Point2 &a = pts[ia], &b = pts[ib], &c = pts[ic];
    if (cross(a, b, c) <= 0) {
        return false; // reflex or flat
    }
    for (size_t j = 0; j < n; ++j) {
        int ip = ring[j];
        if (ip == ia || ip == ib || ip == ic) {
            continue;
        }
        const Point2& p = pts[ip];
        if (sameSpot(p, a) || sameSpot(p, b) || sameSpot(p, c)) {
            continue;
        }
        if (cross(a, b, p) >= 0 && cross(b, c, p) >= 0 && cross(c, a, p) >= 0) {
            return false; // another corner lies in (or on) the candidate ear
        }
    }
    return true;
}

void clipEars(const std::vector<Point2>& pts, std::vector<int> ring, std::vector<int>& out) {
    while (ring.size() > 3) {
        const size_t n = ring.size();
        // Starting at the second corner makes a convex polygon come out as
        // the fan around corner 0.
        size_t ear = 1;
        for (size_t step = 0; step < n; ++step) {
            size_t k = (1 + step) % n;
            if (isEar(pts, ring, k)) {
                ear = k;
                break;
            }
        }
        // No ear (a degenerate polygon): clip the second corner all the same,
        // so every polygon gets its full count of triangles.
        out.push_back(ring[(ear + n - 1) % n]);
        out.push_back(ring[ear]);
        out.push_back(ring[(ear + 1) % n]);
        ring.erase(ring.begin() + ear);
    }
    out.insert(out.end(), ring.begin(), ring.end());
}

// The corners of the outer loop.
uint32_t outerLoopSize(uint32_t cornerCount, const std::vector<uint32_t>& loopStarts) {
    return loopStarts.size() > 1 ? std::min(loopStarts[1], cornerCount) : cornerCount;
}

// The corners of hole loop l (l >= 1), or 0 for a hole that is left out (fewer than three
// corners, or starts out of order).
uint32_t holeSize(uint32_t cornerCount, const std::vector<uint32_t>& loopStarts, size_t l) {
    const uint32_t begin = loopStarts[l];
    const uint32_t end = l + 1 < loopStarts.size() ? loopStarts[l + 1] : cornerCount;
    return begin < end && end <= cornerCount && end - begin >= 3 ? end - begin : 0;
}

} // namespace

uint32_t polygonTriangleCount(uint32_t cornerCount, const std::vector<uint32_t>& loopStarts) {
    const uint32_t outerCount = outerLoopSize(cornerCount, loopStarts);
    if (outerCount < 3) {
        return 0;
    }
    // Each hole joins the ring with its corners and the two ends of its bridge; ear
    // clipping then gives a triangle per ring corner but two.
    uint32_t ring = outerCount;
    for (size_t l = 1; l < loopStarts.size(); ++l) {
        const uint32_t size = holeSize(cornerCount, loopStarts, l);
        ring += size == 0 ? 0 : size + 2;
    }
    return ring - 2;
}

void triangulatePolygon(const double* points, uint32_t cornerCount, const std::vector<uint32_t>& loopStarts,
                        std::vector<int>& out) {
    const uint32_t outerCount = outerLoopSize(cornerCount, loopStarts);
    if (outerCount < 3) {
        return;
    }
    if (outerCount == 3 && loopStarts.size() <= 1) {
        out.insert(out.end(), {0, 1, 2});
        return;
    }
    std::vector<Point2> pts = project(points, cornerCount, outerCount);
    std::vector<int> ring(outerCount);
    for (uint32_t i = 0; i < outerCount; ++i) {
        ring[i] = static_cast<int>(i);
    }
    if (signedArea(pts, ring) < 0) {
        for (Point2& p : pts) {
            p.u = -p.u; // a polygon whose normal came out as zero
        }
    }
    // Holes of three corners or more, right-most first, so that later
    // bridges do not cross earlier ones.
    std::vector<std::vector<int>> holes;
    for (size_t l = 1; l < loopStarts.size(); ++l) {
        if (const uint32_t size = holeSize(cornerCount, loopStarts, l)) {
            std::vector<int> hole(size);
            for (uint32_t c = 0; c < size; ++c) {
                hole[c] = static_cast<int>(loopStarts[l] + c);
            }
            holes.push_back(std::move(hole));
        }
    }
    auto rightMost = [&](const std::vector<int>& loop) {
        double u = pts[loop[0]].u;
        for (int c : loop) {
            u = std::max(u, pts[c].u);
        }
        return u;
    };
    std::stable_sort(holes.begin(), holes.end(), [&](const std::vector<int>& a, const std::vector<int>& b) {
        return rightMost(a) > rightMost(b);
    });
    for (const auto& hole : holes) {
        bridgeHole(pts, ring, hole);
    }
    clipEars(pts, std::move(ring), out);
}

} // namespace orvex_host
