#pragma once
// The Dynamics pass: one ParticleSystem element per exported sprite
// particle system.

#include "export/IdTable.h"

#include <ostream>

class DynamicsExporter {
public:
    DynamicsExporter(bool particleSystems, bool verbose);

    // False, with nothing written, when the particle systems cannot be listed.
    bool writeDynamics(IdTable& shapeIds, IdTable& materialIds, IdTable& dynamicIds, std::ostream& out);

private:
    double unitScale;
};
