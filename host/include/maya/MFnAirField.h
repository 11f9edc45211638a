#pragma once
// Function set for air fields.

#include <maya/MFnField.h>
#include <maya/MVector.h>

class MFnAirField : public MFnField {
public:
    MFnAirField() = default;
    MFnAirField(const MObject& object, MStatus* status = NULL);
    MFnAirField(const MDagPath& path, MStatus* status = NULL);
    MFn::Type type() const override;

    // The direction the air blows in (not normalised).
    MVector direction(MStatus* status = NULL) const;
    // The speed the air moves objects towards.
    double speed(MStatus* status = NULL) const;
};
