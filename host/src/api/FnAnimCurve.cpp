// MFnAnimCurve over the keys a curve node keeps.
//
// Evaluation (the host does not reproduce the host application's tangent
// curves): a key's own value at its time; the first key's value before it
// and the last key's value after it, whatever the infinity settings; between
// two keys the left key's value when its out-tangent is stepped, the right
// key's value when it is "step next", and a straight line between the two
// values for every other tangent type.

#include "api/Access.h"
#include "api/FnReads.h"
#include "api/TimeUnits.h"
#include "types/AnimationData.h"

#include <maya/MFnAnimCurve.h>

#include <algorithm>

using namespace orvex_host;

namespace {

const AnimCurveData* curveData(const MObject& object) {
    Node* node = ObjectAccess::node(object);
    return node ? node->payloadAs<AnimCurveData>() : nullptr;
}

// The key of an index, or null.
const AnimKey* keyAt(const MObject& object, unsigned int index) {
    const AnimCurveData* data = curveData(object);
    return data && index < data->keys().size() ? &data->keys()[index] : nullptr;
}

// A key's own code, or the curve's tangentType.
MFnAnimCurve::TangentType tangentType(const MFnAnimCurve& curve, int code) {
    return tangentTypeFromCode(
        code >= 0 ? code : readNamedValue(curve, "tangentType", kDefaultTangentCode, nullptr));
}

MFnAnimCurve::InfinityType infinityType(int code) {
    return code >= MFnAnimCurve::kConstant && code <= MFnAnimCurve::kOscillate
               ? static_cast<MFnAnimCurve::InfinityType>(code)
               : MFnAnimCurve::kConstant;
}

bool timeInput(Kind kind) {
    return kind == Kind::AnimCurveTimeToDistance || kind == Kind::AnimCurveTimeToAngular ||
           kind == Kind::AnimCurveTimeToUnitless || kind == Kind::AnimCurveTimeToTime;
}

double keyMilliseconds(const AnimCurveData& data, const AnimKey& key) {
    return convertTime(key.input, data.timeUnit, MTime::kMilliseconds);
}

} // namespace

MFnAnimCurve::MFnAnimCurve(const MObject& object, MStatus* status) {
    attachFunctionSet(*this, object, status);
}

MFnAnimCurve::AnimCurveType MFnAnimCurve::animCurveType(MStatus* status) const {
    reportStatus(status, attached());
    switch (ObjectAccess::kind(obj())) {
    case Kind::AnimCurveTimeToAngular:
        return kAnimCurveTA;
    case Kind::AnimCurveTimeToDistance:
        return kAnimCurveTL;
    case Kind::AnimCurveTimeToTime:
        return kAnimCurveTT;
    case Kind::AnimCurveTimeToUnitless:
        return kAnimCurveTU;
    case Kind::AnimCurveUnitlessToAngular:
        return kAnimCurveUA;
    case Kind::AnimCurveUnitlessToDistance:
        return kAnimCurveUL;
    case Kind::AnimCurveUnitlessToTime:
        return kAnimCurveUT;
    case Kind::AnimCurveUnitlessToUnitless:
        return kAnimCurveUU;
    default:
        return kAnimCurveUnknown;
    }
}

bool MFnAnimCurve::isTimeInput(MStatus* status) const {
    reportStatus(status, attached());
    return timeInput(ObjectAccess::kind(obj()));
}

bool MFnAnimCurve::isWeighted(MStatus* status) const {
    reportStatus(status, attached());
    return attached() && readNamedValue(*this, "weightedTangents", false, nullptr);
}

MFnAnimCurve::InfinityType MFnAnimCurve::preInfinityType(MStatus* status) const {
    reportStatus(status, attached());
    return infinityType(readNamedValue(*this, "preInfinity", 0, nullptr));
}

MFnAnimCurve::InfinityType MFnAnimCurve::postInfinityType(MStatus* status) const {
    reportStatus(status, attached());
    return infinityType(readNamedValue(*this, "postInfinity", 0, nullptr));
}

unsigned int MFnAnimCurve::numKeys(MStatus* status) const {
    const AnimCurveData* data = curveData(obj());
    reportStatus(status, data != nullptr);
    return data ? static_cast<unsigned int>(data->keys().size()) : 0;
}

MTime MFnAnimCurve::time(unsigned int index, MStatus* status) const {
    const AnimKey* key = keyAt(obj(), index);
    // A driven key's input is no time: it is handed out as a time in the
    // curve's unit, with failure.
    reportStatus(status, key && timeInput(ObjectAccess::kind(obj())));
    return key ? MTime(key->input, curveData(obj())->timeUnit) : MTime(0.0, MTime::uiUnit());
}

double MFnAnimCurve::value(unsigned int index, MStatus* status) const {
    const AnimKey* key = keyAt(obj(), index);
    reportStatus(status, key != nullptr);
    return key ? key->value : 0.0;
}

MFnAnimCurve::TangentType MFnAnimCurve::inTangentType(unsigned int index, MStatus* status) const {
    const AnimKey* key = keyAt(obj(), index);
    reportStatus(status, key != nullptr);
    return key ? tangentType(*this, key->inCode) : kTangentGlobal;
}

MFnAnimCurve::TangentType MFnAnimCurve::outTangentType(unsigned int index, MStatus* status) const {
    const AnimKey* key = keyAt(obj(), index);
    reportStatus(status, key != nullptr);
    return key ? tangentType(*this, key->outCode) : kTangentGlobal;
}

MStatus MFnAnimCurve::evaluate(const MTime& atTime, double& result) const {
    const AnimCurveData* data = curveData(obj());
    if (!data || data->keys().empty() || !timeInput(ObjectAccess::kind(obj()))) {
        return MS::kFailure;
    }
    const std::vector<AnimKey>& keys = data->keys();
    const std::vector<size_t>& order = data->keysByTime();
    const double t = atTime.as(MTime::kMilliseconds);
    // The first key later than t.
    auto after = std::upper_bound(order.begin(), order.end(), t, [&](double time, size_t k) {
        return time < keyMilliseconds(*data, keys[k]);
    });
    if (after == order.begin()) {
        result = keys[order.front()].value;
        return MS::kSuccess;
    }
    const AnimKey& left = keys[*(after - 1)];
    const double leftTime = keyMilliseconds(*data, left);
    if (after == order.end() || leftTime == t) {
        result = left.value;
        return MS::kSuccess;
    }
    const AnimKey& right = keys[*after];
    switch (tangentType(*this, left.outCode)) {
    case kTangentStep:
        result = left.value;
        break;
    case kTangentStepNext:
        result = right.value;
        break;
    default: {
        const double rightTime = keyMilliseconds(*data, right);
        result = left.value + (right.value - left.value) * ((t - leftTime) / (rightTime - leftTime));
        break;
    }
    }
    return MS::kSuccess;
}

double MFnAnimCurve::evaluate(const MTime& atTime, MStatus* status) const {
    double result = 0.0;
    MStatus s = evaluate(atTime, result);
    if (status) {
        *status = s;
    }
    return result;
}
