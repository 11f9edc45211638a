// Keys of animation curves and the tangent codes of scene files.

#include "types/AnimationData.h"

#include <algorithm>

namespace orvex_host {

AnimKey& AnimCurveData::entry(unsigned index) {
    built_ = false;
    return entries_[index];
}

void AnimCurveData::setKey(unsigned index, double input, double value) {
    AnimKey& key = entry(index);
    key.hasTimeValue = true;
    key.input = input;
    key.value = value;
}

const std::vector<AnimKey>& AnimCurveData::keys() const {
    build();
    return keys_;
}

const std::vector<size_t>& AnimCurveData::keysByTime() const {
    build();
    return byTime_;
}

void AnimCurveData::build() const {
    if (built_) {
        return;
    }
    keys_.clear();
    for (const auto& entry : entries_) {
        if (entry.second.hasTimeValue) {
            keys_.push_back(entry.second);
        }
    }
    // Scene files keep keys in ascending time; a file that does not still
    // evaluates by time.
    byTime_.resize(keys_.size());
    for (size_t i = 0; i < byTime_.size(); ++i) {
        byTime_[i] = i;
    }
    std::stable_sort(byTime_.begin(), byTime_.end(),
                     [this](size_t a, size_t b) { return keys_[a].input < keys_[b].input; });
    built_ = true;
}

MFnAnimCurve::TangentType tangentTypeFromCode(long long code) {
    switch (code) {
    case 1:
        return MFnAnimCurve::kTangentFixed;
    case 2:
        return MFnAnimCurve::kTangentLinear;
    case 3:
        return MFnAnimCurve::kTangentFlat;
    case 5:
        return MFnAnimCurve::kTangentStep;
    case 6:
        return MFnAnimCurve::kTangentSlow;
    case 7:
        return MFnAnimCurve::kTangentFast;
    case 9:
        return MFnAnimCurve::kTangentSmooth;
    case 10:
        return MFnAnimCurve::kTangentClamped;
    case 16:
        return MFnAnimCurve::kTangentPlateau;
    case 17:
        return MFnAnimCurve::kTangentStepNext;
    case 18:
        return MFnAnimCurve::kTangentAuto;
    default:
        return MFnAnimCurve::kTangentGlobal;
    }
}

} // namespace orvex_host
