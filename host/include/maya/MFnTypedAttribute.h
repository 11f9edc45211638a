#pragma once
// Function set for typed attributes (strings, arrays, geometry data...).

#include <maya/MFnAttribute.h>
#include <maya/MFnData.h>

class MFnTypedAttribute : public MFnAttribute {
public:
    MFnTypedAttribute() = default;
    MFnTypedAttribute(const MObject& attribute, MStatus* status = NULL);
    MFn::Type type() const override;

    MFnData::Type attrType(MStatus* status = NULL) const;
};
