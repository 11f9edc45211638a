#include "core/SmallestEnclosingSphere.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace {

constexpr uint32_t kNone = 0xFFFFFFFFu;
constexpr uint32_t kMaxSupport = 4; // a sphere in 3D is fixed by at most 4 boundary points
// How far a point may lie outside the single-precision sphere before the sphere is
// computed again, relative to the size of the numbers involved (the radius and the
// centre's largest coordinate): rounding alone stays well inside this.
constexpr double kContainmentTolerance = 1e-6;

// The points that currently lie on the sphere's boundary, and the smallest sphere through
// them. Each push adds one point and derives the new centre from the previous one. T is
// the precision of every step: float for the sphere the export writes, double for the
// second run when the float one lets a point slip out.
template <class T> class SupportSet {
public:
    void reset() {
        m_ = 0;
        std::fill(c_[0], c_[0] + 3, T(0));
        std::copy(c_[0], c_[0] + 3, center_);
        squaredRadius_ = T(-1);
    }

    uint32_t size() const { return m_; }
    const T* center() const { return center_; }
    T squaredRadius() const { return squaredRadius_; }

    // How far p lies outside the current sphere (squared distance less squared radius).
    T excess(const T p[3]) const {
        const T dx = p[0] - center_[0];
        const T dy = p[1] - center_[1];
        const T dz = p[2] - center_[2];
        T e = dx * dx - squaredRadius_;
        e += dy * dy;
        e += dz * dz;
        return e;
    }

    // Adds p to the boundary. Refused (false, nothing changed) when p is affinely
    // dependent on the points already there, within the precision at hand.
    bool push(const T p[3]) {
        const uint32_t m = m_;
        if (m == 0) {
            std::copy(p, p + 3, q0_);
            std::copy(p, p + 3, c_[0]);
            r2_[0] = T(0);
        } else {
            T* vm = v_[m];
            for (int j = 0; j < 3; ++j) {
                vm[j] = p[j] - q0_[j];
            }
            for (uint32_t i = 1; i < m; ++i) {
                T dot = T(0);
                for (int j = 0; j < 3; ++j) {
                    dot += v_[i][j] * vm[j];
                }
                a_[m][i] = (T(2) / z_[i]) * dot;
            }
            for (uint32_t i = 1; i < m; ++i) {
                for (int j = 0; j < 3; ++j) {
                    vm[j] -= a_[m][i] * v_[i][j];
                }
            }
            T lengthSquared = T(0);
            for (int j = 0; j < 3; ++j) {
                lengthSquared += vm[j] * vm[j];
            }
            z_[m] = T(2) * lengthSquared;
            if (z_[m] < T(1e-30f) * squaredRadius_) {
                return false;
            }
            T e = -r2_[m - 1];
            for (int j = 0; j < 3; ++j) {
                const T d = p[j] - c_[m - 1][j];
                e += d * d;
            }
            f_[m] = e / z_[m];
            for (int j = 0; j < 3; ++j) {
                c_[m][j] = c_[m - 1][j] + f_[m] * vm[j];
            }
            r2_[m] = r2_[m - 1] + e * f_[m] * T(0.5);
        }
        std::copy(c_[m], c_[m] + 3, center_);
        squaredRadius_ = r2_[m];
        m_ = m + 1;
        return true;
    }

    // Drops the last boundary point; the current sphere stays as it is.
    void pop() { --m_; }

private:
    uint32_t m_ = 0;
    T q0_[3] = {};
    T v_[kMaxSupport][3] = {};
    T a_[kMaxSupport][kMaxSupport] = {};
    T z_[kMaxSupport] = {};
    T f_[kMaxSupport] = {};
    T c_[kMaxSupport][3] = {};
    T r2_[kMaxSupport] = {};
    T center_[3] = {};
    T squaredRadius_ = T(-1);
};

// The points in a doubly linked list whose order the algorithm keeps rearranging: points
// that once enlarged the sphere move to the front, so they are tested first next time.
template <class T> class EnclosingSphereSearch {
public:
    EnclosingSphereSearch(const float* points, uint32_t count) : nodes_(count) {
        for (uint32_t i = 0; i < count; ++i) {
            Node& node = nodes_[i];
            std::copy(points + 3 * size_t(i), points + 3 * size_t(i) + 3, node.p);
            node.prev = i == 0 ? kNone : i - 1;
            node.next = i + 1 == count ? kNone : i + 1;
        }
        head_ = count == 0 ? kNone : 0;
    }

    void run() {
        support_.reset();
        supportEnd_ = head_;
        pivot();
    }

    const SupportSet<T>& support() const { return support_; }

private:
    struct Node {
        T p[3];
        uint32_t prev;
        uint32_t next;
    };

    void moveToFront(uint32_t j) {
        if (supportEnd_ == j) {
            supportEnd_ = nodes_[j].next;
        }
        if (j == head_) {
            return;
        }
        Node& node = nodes_[j];
        nodes_[node.prev].next = node.next;
        if (node.next != kNone) {
            nodes_[node.next].prev = node.prev;
        }
        node.prev = kNone;
        node.next = head_;
        nodes_[head_].prev = j;
        head_ = j;
    }

    // Makes the sphere hold every point before `end`, with the points pushed so far on
    // its boundary.
    void moveToFrontStep(uint32_t end) {
        supportEnd_ = head_;
        if (support_.size() == kMaxSupport) {
            return;
        }
        for (uint32_t k = head_; k != end;) {
            const uint32_t j = k;
            k = nodes_[k].next;
            if (support_.excess(nodes_[j].p) > T(0) && support_.push(nodes_[j].p)) {
                moveToFrontStep(j);
                support_.pop();
                moveToFront(j);
            }
        }
    }

    // The point from `first` on that lies farthest outside the sphere, or kNone.
    uint32_t farthestOutside(uint32_t first) const {
        uint32_t pick = kNone;
        T largest = T(0);
        for (uint32_t k = first; k != kNone; k = nodes_[k].next) {
            const T e = support_.excess(nodes_[k].p);
            if (e > largest) {
                largest = e;
                pick = k;
            }
        }
        return pick;
    }

    void pivot() {
        if (head_ == kNone) {
            return;
        }
        uint32_t t = nodes_[head_].next;
        moveToFrontStep(t);
        for (;;) {
            const T old = support_.squaredRadius();
            const uint32_t pivotPoint = farthestOutside(t);
            if (pivotPoint == kNone) {
                return;
            }
            t = supportEnd_;
            if (t == pivotPoint) {
                t = nodes_[t].next;
            }
            support_.push(nodes_[pivotPoint].p);
            moveToFrontStep(supportEnd_);
            support_.pop();
            moveToFront(pivotPoint);
            if (!(support_.squaredRadius() > old)) {
                return;
            }
        }
    }

    std::vector<Node> nodes_;
    uint32_t head_ = kNone;
    uint32_t supportEnd_ = kNone;
    SupportSet<T> support_;
};

// The centre and squared radius that the search ends with, in precision T.
template <class T> struct SearchResult {
    T center[3];
    T squaredRadius;
};

template <class T> SearchResult<T> runSearch(const float* points, uint32_t count) {
    EnclosingSphereSearch<T> search(points, count);
    search.run();
    SearchResult<T> result;
    std::copy(search.support().center(), search.support().center() + 3, result.center);
    result.squaredRadius = search.support().squaredRadius();
    return result;
}

double squaredDistanceTo(const float* point, const double center[3]) {
    const double dx = double(point[0]) - center[0];
    const double dy = double(point[1]) - center[1];
    const double dz = double(point[2]) - center[2];
    return dx * dx + dy * dy + dz * dz;
}

// How far the farthest point with finite coordinates lies from center. A point
// with a coordinate that is not a number or infinite is no point any sphere holds.
double farthestDistance(const float* points, uint32_t count, const double center[3]) {
    double farthest = 0.0;
    for (uint32_t i = 0; i < count; ++i) {
        const float* p = points + 3 * size_t(i);
        if (std::isfinite(p[0]) && std::isfinite(p[1]) && std::isfinite(p[2])) {
            const double d = squaredDistanceTo(p, center);
            farthest = std::isnan(d) || d > farthest ? d : farthest;
        }
    }
    return std::sqrt(farthest);
}

// Single precision can stop the search early when the points lie on one sphere in
// general position, leaving points well outside. Then the sphere is computed again in
// double precision; its centre is rounded to float and its radius is the distance to
// the farthest point from that centre, rounded up, so that the float sphere holds every
// point. Points with infinite coordinates leave no finite sphere: the result stays.
void holdEveryPoint(const float* points, uint32_t count, BoundingSphere& sphere) {
    const double floatCenter[3] = {sphere.center[0], sphere.center[1], sphere.center[2]};
    const double farthest = farthestDistance(points, count, floatCenter);
    const double magnitude = std::max({std::fabs(floatCenter[0]), std::fabs(floatCenter[1]),
                                       std::fabs(floatCenter[2]), double(sphere.radius)});
    if (farthest <= double(sphere.radius) + kContainmentTolerance * magnitude) {
        return;
    }
    const SearchResult<double> wide = runSearch<double>(points, count);
    const float rounded[3] = {float(wide.center[0]), float(wide.center[1]), float(wide.center[2])};
    const double roundedCenter[3] = {rounded[0], rounded[1], rounded[2]};
    const double reach = farthestDistance(points, count, roundedCenter);
    if (std::isnan(reach)) {
        return;
    }
    float radius = float(reach);
    if (double(radius) < reach) {
        radius = std::nextafter(radius, std::numeric_limits<float>::infinity());
    }
    std::copy(rounded, rounded + 3, sphere.center);
    sphere.radius = radius;
}

} // namespace

std::unique_ptr<BoundingSphere> smallestEnclosingSphere(const float* points, uint32_t count) {
    auto sphere = std::make_unique<BoundingSphere>();
    if (count == 0) {
        return sphere;
    }
    const SearchResult<float> found = runSearch<float>(points, count);
    std::copy(found.center, found.center + 3, sphere->center);
    sphere->radius = std::sqrt(found.squaredRadius);
    holdEveryPoint(points, count, *sphere);
    return sphere;
}
