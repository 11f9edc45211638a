#include "export/DynamicsExporter.h"

#include <maya/MDistance.h>

DynamicsExporter::DynamicsExporter(bool, bool) : unitScale(1.0 / MDistance::uiToInternal(1.0)) {}

bool DynamicsExporter::writeDynamics(IdTable&, IdTable&, IdTable&, std::ostream&) {
    return true;
}
