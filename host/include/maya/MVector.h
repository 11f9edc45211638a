#pragma once

#include <maya/MTypes.h>

class MVector {
public:
    MVector() = default;
    MVector(double xx, double yy, double zz = 0.0) : x(xx), y(yy), z(zz) {}
    double x = 0.0;
    double y = 0.0;
    double z = 0.0;
};
