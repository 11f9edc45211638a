#pragma once
// Function set for skin clusters.

#include <maya/MDagPath.h>
#include <maya/MDoubleArray.h>
#include <maya/MFnGeometryFilter.h>

class MFnSkinCluster : public MFnGeometryFilter {
public:
    MFnSkinCluster() = default;
    MFnSkinCluster(const MObject& object, MStatus* status = NULL);
    MFn::Type type() const override;

    // One weight per influence (in the order of the "matrix" elements) for
    // the component's vertex.
    MStatus getWeights(const MDagPath& path, const MObject& components, MDoubleArray& weights,
                       unsigned int& influenceCount) const;
};
