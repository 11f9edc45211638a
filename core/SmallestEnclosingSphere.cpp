#include "core/SmallestEnclosingSphere.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

constexpr uint32_t kNone = 0xFFFFFFFFu;
constexpr uint32_t kMaxSupport = 4; // a sphere in 3D is fixed by at most 4 boundary points

// The points that currently lie on the sphere's boundary, and the smallest sphere through
// them. Each push adds one point and derives the new centre from the previous one.
class SupportSet {
public:
    void reset() {
        m_ = 0;
        std::fill(c_[0], c_[0] + 3, 0.0f);
        std::copy(c_[0], c_[0] + 3, center_);
        squaredRadius_ = -1.0f;
    }

    uint32_t size() const { return m_; }
    const float* center() const { return center_; }
    float squaredRadius() const { return squaredRadius_; }

    // How far p lies outside the current sphere (squared distance less squared radius).
    float excess(const float p[3]) const {
        const float dx = p[0] - center_[0];
        const float dy = p[1] - center_[1];
        const float dz = p[2] - center_[2];
        float e = dx * dx - squaredRadius_;
        e += dy * dy;
        e += dz * dz;
        return e;
    }

    // Adds p to the boundary. Refused (false, nothing changed) when p is affinely
    // dependent on the points already there, within the precision at hand.
    bool push(const float p[3]) {
        const uint32_t m = m_;
        if (m == 0) {
            std::copy(p, p + 3, q0_);
            std::copy(p, p + 3, c_[0]);
            r2_[0] = 0.0f;
        } else {
            float* vm = v_[m];
            for (int j = 0; j < 3; ++j) {
                vm[j] = p[j] - q0_[j];
            }
            for (uint32_t i = 1; i < m; ++i) {
                float dot = 0.0f;
                for (int j = 0; j < 3; ++j) {
                    dot += v_[i][j] * vm[j];
                }
                a_[m][i] = (2.0f / z_[i]) * dot;
            }
            for (uint32_t i = 1; i < m; ++i) {
                for (int j = 0; j < 3; ++j) {
                    vm[j] -= a_[m][i] * v_[i][j];
                }
            }
            float lengthSquared = 0.0f;
            for (int j = 0; j < 3; ++j) {
                lengthSquared += vm[j] * vm[j];
            }
            z_[m] = 2.0f * lengthSquared;
            if (z_[m] < 1e-30f * squaredRadius_) {
                return false;
            }
            float e = -r2_[m - 1];
            for (int j = 0; j < 3; ++j) {
                const float d = p[j] - c_[m - 1][j];
                e += d * d;
            }
            f_[m] = e / z_[m];
            for (int j = 0; j < 3; ++j) {
                c_[m][j] = c_[m - 1][j] + f_[m] * vm[j];
            }
            r2_[m] = r2_[m - 1] + e * f_[m] * 0.5f;
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
    float q0_[3] = {};
    float v_[kMaxSupport][3] = {};
    float a_[kMaxSupport][kMaxSupport] = {};
    float z_[kMaxSupport] = {};
    float f_[kMaxSupport] = {};
    float c_[kMaxSupport][3] = {};
    float r2_[kMaxSupport] = {};
    float center_[3] = {};
    float squaredRadius_ = -1.0f;
};

// The points in a doubly linked list whose order the algorithm keeps rearranging: points
// that once enlarged the sphere move to the front, so they are tested first next time.
class EnclosingSphereSearch {
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

    const SupportSet& support() const { return support_; }

private:
    struct Node {
        float p[3];
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
            if (support_.excess(nodes_[j].p) > 0.0f && support_.push(nodes_[j].p)) {
                moveToFrontStep(j);
                support_.pop();
                moveToFront(j);
            }
        }
    }

    // The point from `first` on that lies farthest outside the sphere, or kNone.
    uint32_t farthestOutside(uint32_t first) const {
        uint32_t pick = kNone;
        float largest = 0.0f;
        for (uint32_t k = first; k != kNone; k = nodes_[k].next) {
            const float e = support_.excess(nodes_[k].p);
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
            const float old = support_.squaredRadius();
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
    SupportSet support_;
};

} // namespace

std::unique_ptr<BoundingSphere> smallestEnclosingSphere(const float* points, uint32_t count) {
    auto sphere = std::make_unique<BoundingSphere>();
    if (count == 0) {
        return sphere;
    }
    EnclosingSphereSearch search(points, count);
    search.run();
    std::copy(search.support().center(), search.support().center() + 3, sphere->center);
    sphere->radius = std::sqrt(search.support().squaredRadius());
    return sphere;
}
