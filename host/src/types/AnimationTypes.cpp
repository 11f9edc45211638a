// Node types for animation curves, characters, clip libraries and clips.
//
// How the host ties them together (following the connections scene files
// write):
// - A curve is a member of source clip k of a clip library when its "apply"
//   plug feeds the library's clipEvalList[k].clipEval[i].clipEvalRaw; the
//   clip is the animClip whose "clip" plug feeds sourceClip[k]. Member i is
//   associated with the attribute that entry i of the library's
//   clipData[k].clipMapping names (or, when that mapping lacks the entry, the
//   character's own mapping entry that clipData[k].clipIndexMap gives).
// - A character owns the source clips of every clip library connected to it
//   directly, in either direction, in connection order.
// - The attributes a character animates feed it as set members (for
//   example pCube1.translateX -> character1.dnSetMembers[0]), so that an
//   animated attribute is found again by following its outgoing connections
//   to the plug they feed and back to that plug's source. The connections
//   by which the character's values drive those attributes
//   (character1.linearValues[3] -> pCube1.translateX) play no part in that.

#include "graph/NodeType.h"
#include "types/AnimationData.h"

#include <memory>

namespace orvex_host {

bool animCurveSetAttr(Scene& scene, Node& node, SetAttrRequest& request);   // AnimationSetAttr.cpp
bool characterSetAttr(Scene& scene, Node& node, SetAttrRequest& request);   // AnimationSetAttr.cpp
bool clipLibrarySetAttr(Scene& scene, Node& node, SetAttrRequest& request); // AnimationSetAttr.cpp

namespace {

void defineCurves(TypeRegistry& registry) {
    NodeType& curve = registry.define("animCurve", Kind::AnimCurve, "", false);
    NodeTypeBuilder b(curve);
    b.attr("apply", "a", AttrType::Message);
    b.attr("tangentType", "tan", AttrType::Enum, static_cast<long long>(kDefaultTangentCode));
    // Curves are weighted unless they say otherwise: the host writes
    // ".wgt" no on the curves that are not, and nothing on those that are.
    b.attr("weightedTangents", "wgt", AttrType::Bool, true);
    b.attr("preInfinity", "pre", AttrType::Enum, 0LL);
    b.attr("postInfinity", "pst", AttrType::Enum, 0LL);
    b.attr("keyTanLocked", "ktl", AttrType::Bool, true, true);
    b.attr("keyWeightLocked", "kwl", AttrType::Bool, true, true);
    b.attr("keyBreakdown", "kbd", AttrType::Bool, false, true);
    curve.makePayload = [] { return std::make_unique<AnimCurveData>(); };
    curve.setAttrHook = animCurveSetAttr;

    // Time-based curves (TL, TA, TU, TT), then the driven-key curves whose
    // input is a number rather than time.
    struct CurveType {
        const char* name;
        Kind kind;
        AttrType output;
        bool timeInput;
    };
    const CurveType curveTypes[] = {
        {"animCurveTL", Kind::AnimCurveTimeToDistance, AttrType::Distance, true},
        {"animCurveTA", Kind::AnimCurveTimeToAngular, AttrType::Angle, true},
        {"animCurveTU", Kind::AnimCurveTimeToUnitless, AttrType::Double, true},
        {"animCurveTT", Kind::AnimCurveTimeToTime, AttrType::Time, true},
        {"animCurveUL", Kind::AnimCurveUnitlessToDistance, AttrType::Distance, false},
        {"animCurveUA", Kind::AnimCurveUnitlessToAngular, AttrType::Angle, false},
        {"animCurveUU", Kind::AnimCurveUnitlessToUnitless, AttrType::Double, false},
        {"animCurveUT", Kind::AnimCurveUnitlessToTime, AttrType::Time, false},
    };
    for (const CurveType& k : curveTypes) {
        NodeTypeBuilder kb(registry.define(k.name, k.kind, "animCurve", false));
        kb.attr("output", "o", k.output, 0.0);
        // Time-based curves take time1.outTime, driven keys their driver.
        kb.attr("input", "i", k.timeInput ? AttrType::Time : AttrType::Double, 0.0);
    }
}

void defineCharacter(TypeRegistry& registry) {
    NodeType& character = registry.define("character", Kind::Character, "objectSet", false);
    NodeTypeBuilder b(character);
    b.attr("linearValues", "lv", AttrType::Distance, 0.0, true);
    b.attr("angularValues", "av", AttrType::Angle, 0.0, true);
    b.attr("unitlessValues", "uv", AttrType::Double, 0.0, true);
    b.attr("timeValues", "tv", AttrType::Time, 0.0, true);
    character.makePayload = [] { return std::make_unique<CharacterData>(); };
    character.setAttrHook = characterSetAttr;
}

void defineClips(TypeRegistry& registry) {
    NodeType& library = registry.define("clipLibrary", Kind::ClipLibrary, "", false);
    NodeTypeBuilder lb(library);
    lb.attr("character", "cha", AttrType::Message);
    lb.attr("sourceClip", "sc", AttrType::Message, {}, true);
    int evalList = lb.attr("clipEvalList", "cel", AttrType::Compound, {}, true);
    int eval = lb.attr("clipEval", "cev", AttrType::Compound, {}, true, evalList);
    lb.attr("clipEvalRaw", "cevr", AttrType::Message, {}, false, eval);
    library.makePayload = [] { return std::make_unique<ClipLibraryData>(); };
    library.setAttrHook = clipLibrarySetAttr;

    NodeTypeBuilder cb(registry.define("animClip", Kind::Clip, "", false));
    cb.attr("clip", "cl", AttrType::Message);
    cb.attr("sourceStart", "ss", AttrType::Time, 0.0);
    cb.attr("sourceEnd", "se", AttrType::Time, 0.0);
    cb.attr("start", "st", AttrType::Time, 0.0);
    cb.attr("clipInstance", "ci", AttrType::Bool, true);
    cb.attr("enable", "ea", AttrType::Bool, true);
    cb.attr("absoluteChannel", "ac", AttrType::Bool, true, true);
}

} // namespace

void registerAnimationTypes(TypeRegistry& registry) {
    defineCurves(registry);
    defineCharacter(registry);
    defineClips(registry);
}

} // namespace orvex_host
