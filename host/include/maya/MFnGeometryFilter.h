#pragma once
// Function set for deformers.

#include <maya/MFnDependencyNode.h>

class MFnGeometryFilter : public MFnDependencyNode {
public:
    MFnGeometryFilter() = default;
    MFnGeometryFilter(const MObject& object, MStatus* status = NULL);
    MFn::Type type() const override;

    // Index of `shape` among the deformer's output shapes.
    unsigned int indexForOutputShape(const MObject& shape, MStatus* status = NULL) const;
    MStatus getPathAtIndex(unsigned int index, MDagPath& path) const;
    float envelope(MStatus* status = NULL) const;
};
