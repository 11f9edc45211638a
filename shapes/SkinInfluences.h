#pragma once
// Choosing the four influences a vertex keeps from its skin weights.

#include <cstdint>

// The influences a blob stores per vertex: bone indices are single bytes.
constexpr uint32_t kMaxBoneIndex = 255;

// Up to four (weight, influence position) pairs of one vertex; unused slots
// hold weight 0 on bone 0.
struct VertexInfluences {
    float weights[4] = {0.0f, 0.0f, 0.0f, 0.0f};
    uint8_t bones[4] = {0, 0, 0, 0};
};

struct InfluenceChoice {
    bool anyWeight = false; // at least one influence kept
    bool leftOutWide =
        false; // an influence beyond kMaxBoneIndex that would have been among the four was left out
};

// Keeps the influences with a weight other than 0.0, the greatest weight
// first and, between equal weights, the smaller position first; the first
// four go into `out`, weights as read. Influences at positions beyond
// kMaxBoneIndex are left out, since their index does not fit a byte. NaN
// weights order after every number.
InfluenceChoice chooseInfluences(const double* weights, uint32_t count, VertexInfluences& out);
