#pragma once
// Iterates over the points of a geometry in index order.

#include <maya/MDagPath.h>
#include <maya/MObject.h>
#include <maya/MPoint.h>
#include <maya/MSpace.h>
#include <maya/MStatus.h>

class MItGeometry {
public:
    MItGeometry(MDagPath& dagPath, MStatus* status = NULL);

    bool isDone(MStatus* status = NULL) const;
    MStatus next();
    MStatus reset();
    int index(MStatus* status = NULL) const;
    int count(MStatus* status = NULL) const;
    MObject component(MStatus* status = NULL);
    MPoint position(MSpace::Space space = MSpace::kObject, MStatus* status = NULL) const;

private:
    orvex_host::Node* geometry_ = nullptr;
    int count_ = 0;
    int index_ = 0;
};
