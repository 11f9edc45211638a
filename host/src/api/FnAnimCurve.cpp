// MFnAnimCurve over the keys a curve node keeps; evaluation follows the
// host's (types/AnimCurveEvaluation.h).

#include "api/Access.h"
#include "api/FnReads.h"
#include "api/TimeUnits.h"
#include "types/AnimCurveEvaluation.h"
#include "types/AnimationData.h"

#include <maya/MFnAnimCurve.h>

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

// Scene files number infinities as the API does; 2 and unknown numbers read
// as constant.
MFnAnimCurve::InfinityType infinityType(int code) {
    switch (code) {
    case MFnAnimCurve::kLinear:
    case MFnAnimCurve::kCycle:
    case MFnAnimCurve::kCycleRelative:
    case MFnAnimCurve::kOscillate:
        return static_cast<MFnAnimCurve::InfinityType>(code);
    default:
        return MFnAnimCurve::kConstant;
    }
}

bool timeInput(Kind kind) {
    return kind == Kind::AnimCurveTimeToDistance || kind == Kind::AnimCurveTimeToAngular ||
           kind == Kind::AnimCurveTimeToUnitless || kind == Kind::AnimCurveTimeToTime;
}

// The keys of a curve node in ascending time, as evaluation reads them.
class StoredKeys : public CurveKeys {
public:
    StoredKeys(const MFnAnimCurve& curve, const AnimCurveData& data)
        : data_(data), curveType_(tangentType(curve, -1)) {}
    size_t size() const override { return data_.keys().size(); }
    CurveKey at(size_t index) const override {
        const AnimKey& stored = data_.keys()[data_.keysByTime()[index]];
        CurveKey key;
        key.time = convertTime(stored.input, data_.timeUnit, MTime::kMilliseconds);
        key.value = stored.value;
        key.inType = resolve(stored.inCode);
        key.outType = resolve(stored.outCode);
        key.inX = stored.inX;
        key.inY = stored.inY;
        key.outX = stored.outX;
        key.outY = stored.outY;
        return key;
    }

private:
    // A key's own type; the curve's for a key without one or with the
    // global type; clamped, the host's default, when the curve's own is no
    // type either.
    MFnAnimCurve::TangentType resolve(int code) const {
        MFnAnimCurve::TangentType type = code >= 0 ? tangentTypeFromCode(code) : MFnAnimCurve::kTangentGlobal;
        if (type == MFnAnimCurve::kTangentGlobal) {
            type = curveType_;
        }
        return type == MFnAnimCurve::kTangentGlobal ? MFnAnimCurve::kTangentClamped : type;
    }

    const AnimCurveData& data_;
    MFnAnimCurve::TangentType curveType_;
};

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
    CurveSettings settings;
    settings.weighted = isWeighted();
    settings.preInfinity = preInfinityType();
    settings.postInfinity = postInfinityType();
    result = evaluateCurve(StoredKeys(*this, *data), settings, atTime.as(MTime::kMilliseconds));
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
