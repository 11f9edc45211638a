#pragma once

#include <maya/MTypes.h>

class MFloatVector {
public:
    MFloatVector() = default;
    MFloatVector(float xx, float yy, float zz = 0.0f) : x(xx), y(yy), z(zz) {}
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;
};
