#pragma once
// The Dynamics pass: one ParticleSystem element per exported sprite
// particle system. It also gives each written system's emitter mesh a shape
// id and its material a material id, so that the shape and Materials passes
// export them.

#include "export/IdTable.h"

#include <ostream>

class MFnParticleSystem;

class DynamicsExporter {
public:
    // The switches are accepted for symmetry with the other passes; neither
    // changes what the section holds.
    DynamicsExporter(bool particleSystems, bool verbose);

    // False, with nothing written, when the particle systems cannot be listed.
    bool writeDynamics(IdTable& shapeIds, IdTable& materialIds, IdTable& dynamicIds, std::ostream& out);

    // Writes the element of one particle system, or warns why it has none.
    void writeParticleSystem(const MFnParticleSystem& particles, IdTable& shapeIds, IdTable& materialIds,
                             IdTable& dynamicIds, std::ostream& out);

private:
    double unitScale;
};
