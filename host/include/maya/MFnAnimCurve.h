#pragma once
// Function set for animation curves: their keys and their value at any time.

#include <maya/MFnDependencyNode.h>
#include <maya/MTime.h>

class MFnAnimCurve : public MFnDependencyNode {
public:
    // kTangentGlobal is 0: "the curve's default" and, for callers, "no key".
    enum TangentType {
        kTangentGlobal = 0,
        kTangentFixed,
        kTangentLinear,
        kTangentFlat,
        kTangentSmooth,
        kTangentStep,
        kTangentSlow,
        kTangentFast,
        kTangentClamped,
        kTangentPlateau,
        kTangentStepNext,
        kTangentAuto
    };
    enum AnimCurveType {
        kAnimCurveTA = 0,
        kAnimCurveTL,
        kAnimCurveTT,
        kAnimCurveTU,
        kAnimCurveUA,
        kAnimCurveUL,
        kAnimCurveUT,
        kAnimCurveUU,
        kAnimCurveUnknown
    };
    // The host leaves 2 unused; scene files write these same numbers in
    // .pre and .pst.
    enum InfinityType { kConstant = 0, kLinear = 1, kCycle = 3, kCycleRelative = 4, kOscillate = 5 };

    MFnAnimCurve() = default;
    MFnAnimCurve(const MObject& object, MStatus* status = NULL);
    MFn::Type type() const override;

    AnimCurveType animCurveType(MStatus* status = NULL) const;
    // Whether the curve's input is time (driven-key curves take a number).
    bool isTimeInput(MStatus* status = NULL) const;
    bool isWeighted(MStatus* status = NULL) const;
    InfinityType preInfinityType(MStatus* status = NULL) const;
    InfinityType postInfinityType(MStatus* status = NULL) const;

    // Keys in index order. Values are in internal units: centimetres,
    // radians, plain numbers.
    unsigned int numKeys(MStatus* status = NULL) const;
    unsigned int numKeyframes(MStatus* status = NULL) const { return numKeys(status); }
    MTime time(unsigned int index, MStatus* status = NULL) const;
    double value(unsigned int index, MStatus* status = NULL) const;
    TangentType inTangentType(unsigned int index, MStatus* status = NULL) const;
    TangentType outTangentType(unsigned int index, MStatus* status = NULL) const;

    // The curve's value at any time, in internal units.
    MStatus evaluate(const MTime& atTime, double& value) const;
    double evaluate(const MTime& atTime, MStatus* status = NULL) const;
};
