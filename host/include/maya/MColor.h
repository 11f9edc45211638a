#pragma once

#include <maya/MTypes.h>

class MColor {
public:
    MColor() = default;
    MColor(float rr, float gg, float bb, float aa = 1.0f) : r(rr), g(gg), b(bb), a(aa) {}
    float r = 0.0f;
    float g = 0.0f;
    float b = 0.0f;
    float a = 1.0f;
};
