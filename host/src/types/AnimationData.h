#pragma once
// What animation curves, characters and clip libraries keep beside their
// plain attributes: the keys of a curve and the character mappings that name
// the attributes a character or a clip animates.

#include "graph/Node.h"

#include <maya/MFnAnimCurve.h>
#include <maya/MTime.h>

#include <map>
#include <string>
#include <vector>

namespace orvex_host {

// One key of a curve as scene files give it, by logical index.
struct AnimKey {
    bool hasTimeValue = false; // set by .ktv; an index without it is no key
    double input = 0.0;        // the key time in the curve's time unit (or a driven key's input)
    double value = 0.0;        // internal units: centimetres, radians, plain numbers
    // Tangent type codes as scene files write them; -1 when not given, and
    // the key then takes the curve's tangentType.
    int inCode = -1;
    int outCode = -1;
    // Tangent directions (.kix .kiy .kox .koy), which fixed tangents use:
    // x in seconds, y in internal units, whatever units the file uses.
    double inX = 1.0, inY = 0.0, outX = 1.0, outY = 0.0;
};

class AnimCurveData : public Payload {
public:
    // The unit of the key times: the scene's time unit when the keys were
    // read.
    MTime::Unit timeUnit = MTime::kFilm;

    // The key of a logical index, created when missing.
    AnimKey& entry(unsigned index);
    // Sets a key's time (or input) and value.
    void setKey(unsigned index, double input, double value);

    // The keys that have a time and value, in index order.
    const std::vector<AnimKey>& keys() const;
    // Positions into keys() in ascending time (ties in index order).
    const std::vector<size_t>& keysByTime() const;

private:
    void build() const;
    std::map<unsigned, AnimKey> entries_;
    mutable bool built_ = false;
    mutable std::vector<AnimKey> keys_;
    mutable std::vector<size_t> byTime_;
};

// The tangent type a scene-file code stands for. The host's codes:
// 0 global, 1 fixed, 2 linear, 3 flat, 5 step, 6 slow, 7 fast, 9 smooth
// (spline), 10 clamped, 16 plateau, 17 step next, 18 auto; any other code
// reads as the global (default) type.
MFnAnimCurve::TangentType tangentTypeFromCode(long long code);
// The code the host uses for new curves' tangentType attribute: clamped.
constexpr int kDefaultTangentCode = 10;

// One entry of a character mapping: an animated attribute, written as
// "node.attribute", the kind of character member it maps to (0 unitless,
// 1 linear, 2 angular, 3 time) and that member's index.
struct CharacterMappingEntry {
    std::string plug;
    int kind = 0;
    int index = 0;
};
using CharacterMapping = std::vector<CharacterMappingEntry>;

// A character's own mapping (.am).
struct CharacterData : Payload {
    CharacterMapping mapping;
};

// A clip library's per-clip data: for the source clip in sc[k], the mapping
// of its members (.cd[k].cm) and its index map (.cd[k].cim), which gives
// for each member its position in the character's mapping.
struct ClipLibraryData : Payload {
    std::map<unsigned, CharacterMapping> clipMappings;
    std::map<unsigned, std::vector<int>> clipIndexMaps;
};

} // namespace orvex_host
