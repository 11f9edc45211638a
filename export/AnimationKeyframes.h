#pragma once
// The records the Animation pass builds for one clip: the transforms its
// curves drive, and for one transform its keyframes, each merging the keys
// of up to ten channels at one time.

#include <array>
#include <cmath>
#include <map>
#include <string>

// Channels of a transform, by index: translation 0-2, rotation 3-5, scale
// 6-8, visibility 9.
constexpr int kChannelCount = 10;
constexpr int kTranslateChannel = 0;
constexpr int kRotateChannel = 3;
constexpr int kScaleChannel = 6;
constexpr int kVisibilityChannel = 9;
constexpr int kChannelsPerGroup = 3;

// The long attribute name that selects each channel's curve.
extern const std::array<const char*, kChannelCount> kChannelAttributes;

// One transform that member curves of the current clip drive.
struct AnimatedNode {
    std::string pathName; // partial DAG path name
    // Driven attribute (long name) to the index of the member curve that
    // drives it; the lowest index wins.
    std::map<std::string, int> curveIndexByAttribute;
};

// By partial DAG path name, in ascending byte order.
using AnimatedNodeTable = std::map<std::string, AnimatedNode>;

// The keyframe of one transform at one time.
struct KeyframeRecord {
    double timeMs = 0.0; // in the curves' own (source) time
    std::array<bool, kChannelCount> hasKey{};
    std::array<double, kChannelCount> value{};      // internal units
    std::array<int, kChannelCount> inTangentType{}; // MFnAnimCurve::TangentType; 0 without a key
    std::array<int, kChannelCount> outTangentType{};
};

// Key times compared exactly, as doubles. A time that is not a number (only
// a corrupt scene holds one) sorts after every other and shares one record
// with any other such time, so that the order stays strict.
struct KeyTimeOrder {
    bool operator()(double a, double b) const { return a < b || (!std::isnan(a) && std::isnan(b)); }
};

// A transform's keyframes by time, ascending.
using KeyframeTable = std::map<double, KeyframeRecord, KeyTimeOrder>;

// Per channel the index of its member curve, or -1.
using ChannelCurves = std::array<int, kChannelCount>;
