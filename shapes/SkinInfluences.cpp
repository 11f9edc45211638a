#include "shapes/SkinInfluences.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace {

struct Pair {
    double weight;
    uint32_t position;
};

// Greater weight first, then the smaller position; NaN counts as the
// smallest weight, so that the order stays strict.
bool before(const Pair& a, const Pair& b) {
    const double low = -std::numeric_limits<double>::infinity();
    double wa = std::isnan(a.weight) ? low : a.weight;
    double wb = std::isnan(b.weight) ? low : b.weight;
    if (wa != wb) {
        return wa > wb;
    }
    if (std::isnan(a.weight) != std::isnan(b.weight)) {
        return !std::isnan(a.weight);
    }
    return a.position < b.position;
}

} // namespace

InfluenceChoice chooseInfluences(const double* weights, uint32_t count, VertexInfluences& out) {
    InfluenceChoice choice;
    out = VertexInfluences();
    std::vector<Pair> pairs;
    for (uint32_t i = 0; i < count; ++i) {
        if (weights[i] != 0.0) {
            pairs.push_back({weights[i], i});
        }
    }
    std::sort(pairs.begin(), pairs.end(), before);
    // Only an influence that would have been among the four changes what the vertex keeps.
    const auto wide = [](const Pair& pair) { return pair.position > kMaxBoneIndex; };
    choice.leftOutWide = std::any_of(pairs.begin(), pairs.begin() + std::min<size_t>(pairs.size(), 4), wide);
    pairs.erase(std::remove_if(pairs.begin(), pairs.end(), wide), pairs.end());
    size_t kept = std::min<size_t>(pairs.size(), 4);
    for (size_t k = 0; k < kept; ++k) {
        out.weights[k] = static_cast<float>(pairs[k].weight);
        out.bones[k] = static_cast<uint8_t>(pairs[k].position);
    }
    choice.anyWeight = kept != 0;
    return choice;
}
