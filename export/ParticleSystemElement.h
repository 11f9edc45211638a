#pragma once
// The ParticleSystem element of the Dynamics section: the emission, lifetime
// and sprite settings of one particle system, read from its emitter and its
// particle shape, and the element's text.

#include <maya/MFnDependencyNode.h>
#include <maya/MVector.h>

#include <cstdint>
#include <ostream>
#include <string>

// What one element says, in the units it is written in.
struct ParticleSystemElement {
    std::string emitterName; // the emitter's partial DAG path name
    uint32_t dynamicId = 0;
    float rate = 0; // particles per millisecond
    bool lifespanInfinite = true;
    double speed = 0;       // UI units per millisecond
    double speedRandom = 0; // UI units (not per millisecond)
    float tangentSpeed = 0;
    float normalSpeed = 0;
    float lifespan = 0; // milliseconds
    int32_t maxCount = 100;
    double spriteScaleX = 0; // UI units
    double spriteScaleY = 0;
    bool depthSort = false;
    uint32_t emitterShapeId = 0;
    uint32_t materialId = 0;
    bool hasGravity = false;
    MVector gravityForce;
    bool hasAir = false;
    MVector airVelocity;
};

// Fills the emission settings from the emitter and the lifetime and sprite
// settings from the particle shape; `unitScale` turns internal lengths into
// UI units.
void readParticleSettings(const MFnDependencyNode& emitter, const MFnDependencyNode& particles,
                          double unitScale, ParticleSystemElement& element);

// Writes the element: one line when there is no field, otherwise a Gravity
// and/or an Air child and the end tag.
void writeParticleSystemElement(const ParticleSystemElement& element, std::ostream& out);
