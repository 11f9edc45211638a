#include "export/ParticleSystemElement.h"

#include "export/AttributeHelpers.h"
#include "export/SceneText.h"
#include "export/XmlEscape.h"

namespace {

// The host's own defaults for the values that are read without a preset:
// they stand when a node lacks the attribute.
constexpr float kDefaultRate = 100.0f;
constexpr float kDefaultSpeed = 1.0f;
constexpr float kDefaultSpeedRandom = 0.0f;
constexpr float kDefaultTangentSpeed = 0.0f;
constexpr float kDefaultNormalSpeed = 1.0f;
constexpr float kDefaultLifespan = 1.0f;
constexpr float kDefaultSpriteScale = 1.0f;

// Particle systems without a limit (the host's -1) or with none left (0)
// are capped at this count.
constexpr int32_t kUnlimitedMaxCount = 100;

float readFloat(const MFnDependencyNode& node, const char* attributeName, float preset) {
    float value = preset;
    getFloatAttribute(node, attributeName, value);
    return value;
}

void writeVector(const MVector& v, std::ostream& out) {
    out << v.x << " " << v.y << " " << v.z;
}

} // namespace

void readParticleSettings(const MFnDependencyNode& emitter, const MFnDependencyNode& particles,
                          double unitScale, ParticleSystemElement& element) {
    element.rate = readFloat(emitter, "rate", kDefaultRate) / 1000.0f;
    element.speed = static_cast<double>(readFloat(emitter, "speed", kDefaultSpeed)) * unitScale / 1000.0;
    element.speedRandom =
        static_cast<double>(readFloat(emitter, "speedRandom", kDefaultSpeedRandom)) * unitScale;
    element.tangentSpeed = readFloat(emitter, "tangentSpeed", kDefaultTangentSpeed);
    element.normalSpeed = readFloat(emitter, "normalSpeed", kDefaultNormalSpeed);

    int32_t lifespanMode = 0;
    getIntAttribute(particles, "lifespanMode", lifespanMode);
    element.lifespanInfinite = lifespanMode == 0;
    element.lifespan = readFloat(particles, "lifespan", kDefaultLifespan) * 1000.0f;
    int32_t maxCount = 0;
    getIntAttribute(particles, "maxCount", maxCount);
    element.maxCount = maxCount < 1 ? kUnlimitedMaxCount : maxCount;
    element.spriteScaleX =
        static_cast<double>(readFloat(particles, "spriteScaleX", kDefaultSpriteScale)) * unitScale;
    element.spriteScaleY =
        static_cast<double>(readFloat(particles, "spriteScaleY", kDefaultSpriteScale)) * unitScale;
    bool depthSort = false;
    getBoolAttribute(particles, "depthSort", depthSort, false);
    element.depthSort = depthSort;
}

void writeParticleSystemElement(const ParticleSystemElement& e, std::ostream& out) {
    out << "    <ParticleSystem name=\"" << escapeAttribute(e.emitterName) << "\" dynamicId=\"" << e.dynamicId
        << "\" type=\"sprite"
        << "\" rate=\"" << e.rate << "\" lifespanInfinite=\"" << boolText(e.lifespanInfinite) << "\" speed=\""
        << e.speed << "\" speedRandom=\"" << e.speedRandom << "\" tangentSpeed=\"" << e.tangentSpeed
        << "\" normalSpeed=\"" << e.normalSpeed << "\" lifespan=\"" << e.lifespan << "\" maxCount=\""
        << e.maxCount << "\" spriteScaleX=\"" << e.spriteScaleX << "\" spriteScaleY=\"" << e.spriteScaleY
        << "\" depthSort=\"" << boolText(e.depthSort) << "\" emitterShapeId=\"" << e.emitterShapeId
        << "\" materialId=\"" << e.materialId << "\"";
    if (!e.hasGravity && !e.hasAir) {
        out << "/>\n";
        return;
    }
    out << ">\n";
    if (e.hasGravity) {
        out << "      <Gravity force=\"";
        writeVector(e.gravityForce, out);
        out << "\"/>\n";
    }
    if (e.hasAir) {
        out << "      <Air velocity=\"";
        writeVector(e.airVelocity, out);
        out << "\"/>\n";
    }
    out << "    </ParticleSystem>\n";
}
