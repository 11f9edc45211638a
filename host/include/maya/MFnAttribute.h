#pragma once
// Function set for attribute objects.

#include <maya/MFnBase.h>
#include <maya/MString.h>

class MFnAttribute : public MFnBase {
public:
    MFnAttribute() = default;
    MFnAttribute(const MObject& attribute, MStatus* status = NULL);
    MFn::Type type() const override;

    // The attribute's long and short names.
    MString name(MStatus* status = NULL) const;
    MString shortName(MStatus* status = NULL) const;
    bool isArray(MStatus* status = NULL) const;
    bool isDynamic(MStatus* status = NULL) const;
    MObject parent(MStatus* status = NULL) const;
};
