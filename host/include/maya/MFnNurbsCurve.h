#pragma once
// Function set for NURBS curves.

#include <maya/MFnDagNode.h>
#include <maya/MPointArray.h>
#include <maya/MSpace.h>

class MFnNurbsCurve : public MFnDagNode {
public:
    enum Form { kInvalid = 0, kOpen, kClosed, kPeriodic, kLast };

    MFnNurbsCurve() = default;
    MFnNurbsCurve(const MObject& object, MStatus* status = NULL);
    MFnNurbsCurve(const MDagPath& path, MStatus* status = NULL);
    MFn::Type type() const override;

    int degree(MStatus* status = NULL) const;
    Form form(MStatus* status = NULL) const;
    int numCVs(MStatus* status = NULL) const;
    MStatus getCVs(MPointArray& cvs, MSpace::Space space = MSpace::kObject) const;
};
