// Node types for particles, emitters and fields.
//
// Emitters and fields are transforms (through the dynBase type), so they sit
// in the DAG like any transform and carry translate, rotate, scale and the
// rest. A particle shape is a shape. The host does not simulate: these types
// only hold the values and connections the host's scene files give them.
//
// How the host wires a particle system (as its scene files do):
//   emitter.output[i]        -> particle.newParticles[j]  (emitter feeds the particles)
//   particle.isFull, timeStepSize, inheritFactor, startTime, seed[i]
//                            -> emitter.isFull[i], deltaTime[i], inheritFactor[i], startTime[i], seed[i]
//   time1.outTime            -> emitter.currentTime, particle.currentTime
//   mesh.worldMesh[0]        -> geoConnector.localGeometry (surface emission only)
//   mesh.worldMatrix[0]      -> geoConnector.worldMatrix
//   geoConnector.sweptGeometry -> emitter.sweptGeometry
//   geoConnector.ownerPositions -> emitter.ownerPosData  (pos -> opd; vel -> ovd alike)
//   particle.fieldData       -> field.inputData[i]        (the particles feed each field)
//   field.outputForce[i]     -> particle.inputForce[j]
//   particle.instObjGroups[0] -> shadingEngine.dagSetMembers[k]
//   particle.isFull, timeStepSize, inheritFactor, startTime and seed[i]
//                            -> emitter.isFull[i], deltaTime[i], inheritFactor[i],
//                               startTime[i] and seed[i] (one element per target)
//
// Sprite settings (spriteScaleX, spriteScaleY, spriteTwist, spriteNum...) and
// the lifespan are not attributes of the particle type: the host adds them to
// one particle shape as dynamic attributes when its render type or lifespan
// mode asks for them, and files add them again with addAttr.

#include "graph/NodeType.h"
#include "types/DynamicsValues.h"

namespace orvex_host {

namespace {

// A type's own default for one of its attributes, replacing the one its base
// type gave it.
void setDefault(NodeType& type, const std::string& attrName, Value value) {
    type.attrs[static_cast<size_t>(type.find(attrName))].defaultValue = std::move(value);
}

void defineParticle(TypeRegistry& registry) {
    NodeTypeBuilder p(registry.define("particle", Kind::Particle, "shape", true));
    p.attr("particleRenderType", "prt", AttrType::Enum, static_cast<long long>(kRenderPoints));
    p.attr("lifespanMode", "lfm", AttrType::Enum, 0LL); // 0: live forever
    p.attr("lifespanRandom", "lfr", AttrType::Double, 0.0);
    p.attr("maxCount", "mxc", AttrType::Int, -1LL); // -1: unlimited
    p.attr("depthSort", "ds", AttrType::Bool, false);
    p.attr("isDynamic", "isd", AttrType::Bool, true);
    p.attr("dynamicsWeight", "dw", AttrType::Double, 1.0);
    p.attr("conserve", "con", AttrType::Double, 1.0);
    p.attr("emissionInWorld", "eiw", AttrType::Bool, true);
    p.attr("inheritFactor", "inh", AttrType::Double, 0.0);
    p.attr("startFrame", "stf", AttrType::Double, 1.0);
    p.attr("startTime", "stt", AttrType::Time, 0.0);
    p.attr("currentTime", "cti", AttrType::Time, 0.0);
    p.attr("timeStepSize", "tss", AttrType::Time, 0.0);
    p.attr("isFull", "ifl", AttrType::Bool, false);
    p.attr("seed", "sd", AttrType::Int, 0LL, true); // one per emitter
    p.attr("count", "cnt", AttrType::Int, 0LL);
    p.attr("levelOfDetail", "lod", AttrType::Double, 1.0);
    p.attr("newParticles", "npt", AttrType::Generic, {}, true);
    p.attr("inputForce", "ifc", AttrType::Generic, {}, true);
    int fd = p.attr("fieldData", "fd", AttrType::Compound);
    p.attr("fieldDataPosition", "fdp", AttrType::Generic, {}, false, fd);
    p.attr("fieldDataVelocity", "fdv", AttrType::Generic, {}, false, fd);
    p.attr("fieldDataMass", "fdm", AttrType::Generic, {}, false, fd);
    p.attr("fieldDataDeltaTime", "fdt", AttrType::Generic, {}, false, fd);
    p.attr("ppFieldData", "ppfd", AttrType::Generic, {}, true);
    p.attr("position", "pos", AttrType::Generic);
    p.attr("velocity", "vel", AttrType::Generic);
}

void defineEmitter(TypeRegistry& registry) {
    NodeType& type = registry.define("pointEmitter", Kind::Emitter, "dynBase", true);
    NodeTypeBuilder e(type);
    e.attr("emitterType", "emt", AttrType::Enum, static_cast<long long>(kEmitOmni));
    e.attr("rate", "rat", AttrType::Double, 100.0); // particles per second
    e.attr("scaleRateByObjectSize", "sro", AttrType::Bool, true);
    e.attr("scaleRateBySpeed", "srs", AttrType::Bool, false);
    e.attr("useRatePP", "urpp", AttrType::Bool, false);
    e.attr("needParentUV", "npuv", AttrType::Bool, false);
    e.attr("cycleEmission", "cye", AttrType::Enum, 0LL);
    e.attr("cycleInterval", "cyi", AttrType::Int, 1LL);
    e.attr("maxDistance", "max", AttrType::Distance, 0.0);
    e.attr("minDistance", "min", AttrType::Distance, 0.0);
    e.triple("direction", "d", "xyz", AttrType::Double, 0.0);
    setDefault(type, "directionX", 1.0);
    // "sp" is the transform's scalePivot, so the spread goes by "spr".
    e.attr("spread", "spr", AttrType::Double, 0.0);
    e.attr("speed", "spd", AttrType::Double, 1.0); // internal length per second
    e.attr("speedRandom", "srnd", AttrType::Double, 0.0);
    e.attr("tangentSpeed", "tspd", AttrType::Double, 0.0);
    e.attr("normalSpeed", "nspd", AttrType::Double, 1.0);
    e.attr("currentTime", "ct", AttrType::Time, 0.0);
    // One element per particle shape the emitter feeds, set from it.
    e.attr("startTime", "stt", AttrType::Time, 0.0, true);
    e.attr("deltaTime", "dt", AttrType::Time, 0.0, true);
    e.attr("inheritFactor", "inh", AttrType::Double, 0.0, true);
    e.attr("isFull", "full", AttrType::Bool, false, true);
    e.attr("seed", "sd", AttrType::Int, 0LL, true);
    e.attr("output", "ot", AttrType::Generic, {}, true);
    e.attr("ownerPosData", "opd", AttrType::Generic);
    e.attr("ownerVelData", "ovd", AttrType::Generic);
    e.attr("ownerCentroid", "ocd", AttrType::Generic);
    e.attr("ownerCentroidLocal", "ocl", AttrType::Generic);
    e.attr("sweptGeometry", "swge", AttrType::Generic);
}

void defineGeoConnector(TypeRegistry& registry) {
    NodeTypeBuilder g(registry.define("geoConnector", Kind::GeoConnector, "", false));
    g.attr("localGeometry", "lge", AttrType::Generic);
    g.attr("worldMatrix", "wm", AttrType::PlainMatrix);
    g.attr("owner", "own", AttrType::Message);
    g.attr("currentTime", "ct", AttrType::Time, 0.0);
    g.attr("sweptGeometry", "swg", AttrType::Generic);
    g.attr("ownerPositions", "pos", AttrType::Generic);
    g.attr("ownerVelocities", "vel", AttrType::Generic);
    g.attr("ownerCentroid", "ocd", AttrType::Generic);
    g.attr("ownerCentroidLocal", "ocl", AttrType::Generic);
    g.attr("resilience", "res", AttrType::Double, 1.0);
    g.attr("friction", "fri", AttrType::Double, 0.0);
    g.attr("tessellationFactor", "tf", AttrType::Int, 200LL);
}

// A ramp of float values (falloffCurve: falloffCurve_Position "fcp",
// falloffCurve_FloatValue "fcfv", falloffCurve_Interp "fci" per element).
void addCurveRamp(NodeTypeBuilder& b, const std::string& longName, const std::string& shortName) {
    b.compound(longName, shortName,
               {makeAttr(longName + "_Position", shortName + "p", AttrType::Float, 0.0),
                makeAttr(longName + "_FloatValue", shortName + "fv", AttrType::Float, 0.0),
                makeAttr(longName + "_Interp", shortName + "i", AttrType::Enum, 0LL)},
               true);
}

// The attributes every field has; `magnitude` is the strength of its force.
// The defaults are the node's, not those of the commands that make fields
// (the gravity command gives 9.8 and the scene's down axis, which files
// then write as ".mag" and ".dy").
void defineFieldBase(TypeRegistry& registry) {
    NodeTypeBuilder f(registry.define("field", Kind::Field, "dynBase", true));
    f.attr("magnitude", "mag", AttrType::Double, 1.0);
    f.attr("attenuation", "att", AttrType::Double, 0.0);
    f.attr("useMaxDistance", "umd", AttrType::Bool, false);
    f.attr("maxDistance", "max", AttrType::Distance, -1.0); // negative: unlimited
    f.attr("applyPerVertex", "apv", AttrType::Bool, false);
    f.attr("volumeShape", "vol", AttrType::Enum, 0LL);
    int in = f.attr("inputData", "ind", AttrType::Compound, {}, true);
    f.attr("inputPositions", "inp", AttrType::Generic, {}, false, in);
    f.attr("inputVelocities", "inv", AttrType::Generic, {}, false, in);
    f.attr("inputMass", "inm", AttrType::Generic, {}, false, in);
    f.attr("deltaTime", "dt", AttrType::Time, 0.0, false, in);
    f.attr("inputPPData", "ppda", AttrType::Generic, {}, true);
    f.attr("outputForce", "of", AttrType::Generic, {}, true);
    // Falloff over the distance, and (written by files of later hosts) the
    // magnitude along a volume's axis and the radius along a curve.
    addCurveRamp(f, "falloffCurve", "fc");
    addCurveRamp(f, "axialMagnitude", "amag");
    addCurveRamp(f, "curveRadius", "crad");
}

void defineGravityField(TypeRegistry& registry) {
    NodeTypeBuilder(registry.define("gravityField", Kind::Gravity, "field", true))
        .triple("direction", "d", "xyz", AttrType::Double, 0.0);
}

// The air command's presets (wind, wake, fan) set speed, spread and the
// switches; the node itself starts with all of them off.
void defineAirField(TypeRegistry& registry) {
    NodeTypeBuilder a(registry.define("airField", Kind::Air, "field", true));
    a.triple("direction", "d", "xyz", AttrType::Double, 0.0);
    a.attr("speed", "spd", AttrType::Double, 0.0);
    a.attr("inheritVelocity", "iv", AttrType::Double, 0.0);
    a.attr("inheritRotation", "ir", AttrType::Bool, false);
    a.attr("componentOnly", "co", AttrType::Bool, false);
    a.attr("spread", "spr", AttrType::Double, 0.0);
    a.attr("enableSpread", "es", AttrType::Bool, false);
}

} // namespace

void registerDynamicsTypes(TypeRegistry& registry) {
    // The common base of emitters and fields: a transform.
    registry.define("dynBase", Kind::DynBase, "transform", true);
    defineParticle(registry);
    defineEmitter(registry);
    defineGeoConnector(registry);
    defineFieldBase(registry);
    defineGravityField(registry);
    defineAirField(registry);
}

} // namespace orvex_host
