#pragma once
// Function set for dynamics fields: the force every field kind shares.

#include <maya/MFnDagNode.h>

class MFnField : public MFnDagNode {
public:
    MFnField() = default;
    MFnField(const MObject& object, MStatus* status = NULL);
    MFnField(const MDagPath& path, MStatus* status = NULL);
    MFn::Type type() const override;

    double magnitude(MStatus* status = NULL) const;
};
