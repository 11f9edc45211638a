#pragma once
// Function set for numeric attributes.

#include <maya/MFnAttribute.h>
#include <maya/MFnNumericData.h>

class MFnNumericAttribute : public MFnAttribute {
public:
    MFnNumericAttribute() = default;
    MFnNumericAttribute(const MObject& attribute, MStatus* status = NULL);
    MFn::Type type() const override;

    MFnNumericData::Type unitType(MStatus* status = NULL) const;
};
