#pragma once
// Function set for cameras.

#include <maya/MFnDagNode.h>

class MFnCamera : public MFnDagNode {
public:
    MFnCamera() = default;
    MFnCamera(const MObject& object, MStatus* status = NULL);
    MFnCamera(const MDagPath& path, MStatus* status = NULL);
    MFn::Type type() const override;

    // Radians, from the focal length (millimetres) and the horizontal film
    // aperture (inches).
    double horizontalFieldOfView(MStatus* status = NULL) const;
    double focalLength(MStatus* status = NULL) const;
    double horizontalFilmAperture(MStatus* status = NULL) const;
    // Internal length.
    double nearClippingPlane(MStatus* status = NULL) const;
    double farClippingPlane(MStatus* status = NULL) const;
    bool isOrtho(MStatus* status = NULL) const;
};
