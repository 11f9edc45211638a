#pragma once
// Enum values of the particle and emitter attributes as the host's scene
// files store them.

namespace orvex_host {

// particle.particleRenderType
enum ParticleRenderTypeValue : long long {
    kRenderMultiPoint = 0,
    kRenderMultiStreak = 1,
    kRenderNumeric = 2,
    kRenderPoints = 3,
    kRenderSpheres = 4,
    kRenderSprites = 5,
    kRenderStreak = 6,
    kRenderBlobbySurface = 7,
    kRenderCloud = 8,
    kRenderTube = 9,
};

// pointEmitter.emitterType
enum EmitterTypeValue : long long {
    kEmitDirectional = 0,
    kEmitOmni = 1,
    kEmitSurface = 2,
    kEmitCurve = 3,
    kEmitVolume = 4,
};

} // namespace orvex_host
