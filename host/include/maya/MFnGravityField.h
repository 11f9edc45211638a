#pragma once
// Function set for gravity fields.

#include <maya/MFnField.h>
#include <maya/MVector.h>

class MFnGravityField : public MFnField {
public:
    MFnGravityField() = default;
    MFnGravityField(const MObject& object, MStatus* status = NULL);
    MFnGravityField(const MDagPath& path, MStatus* status = NULL);
    MFn::Type type() const override;

    // The direction of the pull (not normalised).
    MVector direction(MStatus* status = NULL) const;
};
