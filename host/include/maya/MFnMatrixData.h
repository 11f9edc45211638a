#pragma once
// Function set for matrix data objects, such as the transformation data a
// pose element holds.

#include <maya/MFnBase.h>
#include <maya/MTransformationMatrix.h>

class MFnMatrixData : public MFnBase {
public:
    MFnMatrixData() = default;
    MFnMatrixData(const MObject& object, MStatus* status = NULL);
    MFn::Type type() const override;

    // The data's parts; the identity transformation when the set is not
    // attached.
    MTransformationMatrix transformation(MStatus* status = NULL) const;
};
