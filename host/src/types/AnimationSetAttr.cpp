// The setAttr statements that fill the payloads of animation curves,
// characters and clip libraries:
//   curves      .ktv[a:b] time-value pairs (times in frames of the file's time
//               unit; values in the file's angle or linear unit for angular
//               and linear curves), .ktv[i].kt / .ktv[i].kv one at a time,
//               .kit/.kot[a:b] tangent type codes, .kix .kiy .kox .koy[a:b]
//               tangent directions;
//   characters  .am -type "characterMapping" N "node.attr" kind index ...;
//   libraries   .cd[k].cm -type "characterMapping" ... and
//               .cd[k].cim -type "Int32Array" N i0 i1 ..., and the size
//               declarations of .cel and .cel[k].cev.
// Everything else (tangentType, weightedTangents, infinities...) is an
// ordinary attribute that the reader stores.

#include "api/TimeUnits.h"
#include "graph/Scene.h"
#include "scenefile/SetAttrRequest.h"
#include "types/AnimationData.h"

#include <string>

namespace orvex_host {

namespace {

bool is(const AttrPathPart& part, const char* longName, const char* shortName) {
    return part.name == longName || part.name == shortName;
}

// Reports a malformed statement; the reader stops with this text.
bool malformed(SetAttrRequest& request, const std::string& what) {
    request.error = what;
    return true;
}

// The element range a path part names; false for "[*]" or a reversed range.
bool elementRange(const AttrPathPart& part, unsigned long long& first, unsigned long long& last) {
    if (!part.indexed || part.all || part.last < part.first) {
        return false;
    }
    first = part.first;
    last = part.last;
    return true;
}

std::string elementText(const AttrPathPart& part) {
    return "." + part.name + "[" + std::to_string(part.first) + ":" + std::to_string(part.last) + "]";
}

// Internal units per file unit of a curve's output values.
double outputScale(const Scene& scene, const Node& curve) {
    switch (curve.kind()) {
    case Kind::AnimCurveTimeToAngular:
    case Kind::AnimCurveUnitlessToAngular:
        return scene.settings().angleUnitToRad;
    case Kind::AnimCurveTimeToDistance:
    case Kind::AnimCurveUnitlessToDistance:
        return scene.settings().linearUnitToCm;
    default:
        return 1.0;
    }
}

bool readKeyPairs(Scene& scene, Node& node, AnimCurveData& data, SetAttrRequest& request) {
    const AttrPathPart& part = request.path[0];
    if (!part.indexed) {
        // ".ktv" alone only declares the size.
        return request.values.atEnd() ? true : malformed(request, "expected an element range after .ktv");
    }
    unsigned long long first = 0, last = 0;
    if (!elementRange(part, first, last)) {
        return malformed(request, "expected an element range such as .ktv[0:3]");
    }
    double scale = outputScale(scene, node);
    data.timeUnit = sceneTimeUnit(scene);
    for (unsigned long long i = first; i <= last; ++i) {
        double input = 0.0, value = 0.0;
        if (!request.values.nextDouble(input) || !request.values.nextDouble(value)) {
            return malformed(request, "expected a time and a value for each key of " + elementText(part));
        }
        data.setKey(static_cast<unsigned>(i), input, value * scale);
    }
    return request.values.atEnd() ? true
                                  : malformed(request, "more values than keys in " + elementText(part));
}

// .ktv[i].kt or .ktv[i].kv
bool readKeyChild(Scene& scene, Node& node, AnimCurveData& data, SetAttrRequest& request) {
    const AttrPathPart& element = request.path[0];
    const AttrPathPart& child = request.path[1];
    bool time = is(child, "keyTime", "kt");
    if (!time && !is(child, "keyValue", "kv")) {
        return false;
    }
    if (!element.indexed || element.all || element.first != element.last) {
        return malformed(request, "expected one key index before ." + child.name);
    }
    double number = 0.0;
    if (!request.values.nextDouble(number) || !request.values.atEnd()) {
        return malformed(request, "expected one number for ." + child.name);
    }
    AnimKey& key = data.entry(element.first);
    key.hasTimeValue = true;
    if (time) {
        data.timeUnit = sceneTimeUnit(scene);
        key.input = number;
    } else {
        key.value = number * outputScale(scene, node);
    }
    return true;
}

// Per-key arrays: tangent codes and directions.
bool readKeyArray(AnimCurveData& data, SetAttrRequest& request) {
    const AttrPathPart& part = request.path[0];
    enum { InCode, OutCode, InX, InY, OutX, OutY } which;
    if (is(part, "keyTanInType", "kit")) {
        which = InCode;
    } else if (is(part, "keyTanOutType", "kot")) {
        which = OutCode;
    } else if (is(part, "keyTanInX", "kix")) {
        which = InX;
    } else if (is(part, "keyTanInY", "kiy")) {
        which = InY;
    } else if (is(part, "keyTanOutX", "kox")) {
        which = OutX;
    } else if (is(part, "keyTanOutY", "koy")) {
        which = OutY;
    } else {
        return false;
    }
    if (!part.indexed) {
        return request.values.atEnd() ? true
                                      : malformed(request, "expected an element range after ." + part.name);
    }
    unsigned long long first = 0, last = 0;
    if (!elementRange(part, first, last)) {
        return malformed(request, "expected an element range after ." + part.name);
    }
    for (unsigned long long i = first; i <= last; ++i) {
        AnimKey& key = data.entry(static_cast<unsigned>(i));
        if (which == InCode || which == OutCode) {
            long long code = 0;
            if (!request.values.nextInt(code)) {
                return malformed(request,
                                 "expected a tangent type code for each key of " + elementText(part));
            }
            (which == InCode ? key.inCode : key.outCode) = static_cast<int>(code);
            continue;
        }
        double number = 0.0;
        if (!request.values.nextDouble(number)) {
            return malformed(request, "expected a number for each key of " + elementText(part));
        }
        double* targets[] = {nullptr, nullptr, &key.inX, &key.inY, &key.outX, &key.outY};
        *targets[which] = number;
    }
    return request.values.atEnd() ? true
                                  : malformed(request, "more values than keys in " + elementText(part));
}

// N "node.attr" kind index ...
bool readMapping(SetAttrRequest& request, CharacterMapping& mapping) {
    long long count = 0;
    if (!request.values.nextInt(count) || count < 0) {
        return malformed(request, "expected the entry count of a characterMapping");
    }
    CharacterMapping read;
    for (long long i = 0; i < count; ++i) {
        CharacterMappingEntry entry;
        long long kind = 0, index = 0;
        if (!request.values.nextString(entry.plug) || !request.values.nextInt(kind) ||
            !request.values.nextInt(index)) {
            return malformed(request, "expected " + std::to_string(count) +
                                          " characterMapping entries of \"node.attribute\" kind index");
        }
        entry.kind = static_cast<int>(kind);
        entry.index = static_cast<int>(index);
        read.push_back(std::move(entry));
    }
    if (!request.values.atEnd()) {
        return malformed(request, "more characterMapping entries than its count " + std::to_string(count));
    }
    mapping = std::move(read);
    return true;
}

// N i0 i1 ...
bool readIndexMap(SetAttrRequest& request, std::vector<int>& indices) {
    long long count = 0;
    if (!request.values.nextInt(count) || count < 0) {
        return malformed(request, "expected the element count of an Int32Array");
    }
    std::vector<int> read;
    for (long long i = 0; i < count; ++i) {
        long long value = 0;
        if (!request.values.nextInt(value)) {
            return malformed(request, "expected " + std::to_string(count) + " integers in the Int32Array");
        }
        read.push_back(static_cast<int>(value));
    }
    if (!request.values.atEnd()) {
        return malformed(request, "more integers than the Int32Array's count " + std::to_string(count));
    }
    indices = std::move(read);
    return true;
}

} // namespace

bool animCurveSetAttr(Scene& scene, Node& node, SetAttrRequest& request) {
    AnimCurveData* data = node.payloadAs<AnimCurveData>();
    if (!data || request.path.empty()) {
        return false;
    }
    if (is(request.path[0], "keyTimeValue", "ktv")) {
        if (request.path.size() == 1) {
            return readKeyPairs(scene, node, *data, request);
        }
        return request.path.size() == 2 && readKeyChild(scene, node, *data, request);
    }
    return request.path.size() == 1 && readKeyArray(*data, request);
}

bool characterSetAttr(Scene&, Node& node, SetAttrRequest& request) {
    CharacterData* data = node.payloadAs<CharacterData>();
    if (!data || request.path.size() != 1 || !is(request.path[0], "animationMapping", "am")) {
        return false;
    }
    return readMapping(request, data->mapping);
}

bool clipLibrarySetAttr(Scene&, Node& node, SetAttrRequest& request) {
    ClipLibraryData* data = node.payloadAs<ClipLibraryData>();
    if (!data || request.path.empty()) {
        return false;
    }
    if (is(request.path[0], "clipEvalList", "cel")) {
        // Files declare the sizes of the curve lists (setAttr -s 4
        // ".cel[0].cev"); the curves themselves come as connections.
        return request.values.atEnd();
    }
    if (!is(request.path[0], "clipData", "cd")) {
        return false;
    }
    const AttrPathPart& element = request.path[0];
    if (request.path.size() == 1) {
        // ".cd" or ".cd[k]" alone only declares sizes.
        return request.values.atEnd() ? true : malformed(request, "expected .cd[k].cm or .cd[k].cim");
    }
    const AttrPathPart& child = request.path[1];
    bool mapping = is(child, "clipMapping", "cm");
    if (request.path.size() != 2 || (!mapping && !is(child, "clipIndexMap", "cim"))) {
        return false;
    }
    if (!element.indexed || element.all || element.first != element.last) {
        return malformed(request, "expected one clip index in .cd[k]." + child.name);
    }
    if (mapping) {
        return readMapping(request, data->clipMappings[element.first]);
    }
    return readIndexMap(request, data->clipIndexMaps[element.first]);
}

} // namespace orvex_host
