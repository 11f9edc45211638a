#pragma once
// Function set for lights of every kind.

#include <maya/MColor.h>
#include <maya/MFnDagNode.h>

class MFnLight : public MFnDagNode {
public:
    MFnLight() = default;
    MFnLight(const MObject& object, MStatus* status = NULL);
    MFnLight(const MDagPath& path, MStatus* status = NULL);
    MFn::Type type() const override;

    MColor color(MStatus* status = NULL) const;
    float intensity(MStatus* status = NULL) const;
    // Whether the light contributes to diffuse and to specular shading.
    bool lightDiffuse(MStatus* status = NULL) const;
    bool lightSpecular(MStatus* status = NULL) const;
};
