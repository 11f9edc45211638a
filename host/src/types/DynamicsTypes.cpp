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
//
// Sprite settings (spriteScaleX, spriteScaleY, spriteTwist, spriteNum...) and
// the lifespan are not attributes of the particle type: the host adds them to
// one particle shape as dynamic attributes when its render type or lifespan
// mode asks for them (addAttr ... -ln "lifespan" -at "double").

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
    NodeTypeBuilder p(registry.define("particle", MFn::kParticle, "shape", true));
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
    p.attr("isFull", "ifl", AttrType::Bool, false);
    p.attr("timeStepSize", "tss", AttrType::Time, 0.0);
    p.attr("seed", "sd", AttrType::Int, 0LL, true);
    p.attr("currentTime", "cti", AttrType::Time, 0.0);
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
    NodeTypeBuilder e(registry.define("pointEmitter", MFn::kEmitter, "dynBase", true));
    e.attr("emitterType", "emt", AttrType::Enum, static_cast<long long>(kEmitOmni));
    e.attr("rate", "rat", AttrType::Double, 100.0); // particles per second
    e.attr("scaleRateByObjectSize", "sro", AttrType::Bool, true);
    e.attr("scaleRateBySpeed", "srbs", AttrType::Bool, false);
    e.attr("useRatePP", "urpp", AttrType::Bool, false);
    e.attr("needParentUV", "npuv", AttrType::Bool, false);
    e.attr("cycleEmission", "cye", AttrType::Enum, 0LL);
    e.attr("cycleInterval", "cyi", AttrType::Int, 1LL);
    e.attr("maxDistance", "max", AttrType::Distance, 0.0);
    e.attr("minDistance", "min", AttrType::Distance, 0.0);
    e.attr("directionX", "dx", AttrType::Double, 1.0);
    e.attr("directionY", "dy", AttrType::Double, 0.0);
    e.attr("directionZ", "dz", AttrType::Double, 0.0);
    // "sp" is the transform's scalePivot, so the spread goes by "spr".
    e.attr("spread", "spr", AttrType::Double, 0.0);
    e.attr("speed", "spd", AttrType::Double, 1.0); // internal length per second
    e.attr("speedRandom", "srnd", AttrType::Double, 0.0);
    e.attr("tangentSpeed", "tspd", AttrType::Double, 0.0);
    e.attr("normalSpeed", "nspd", AttrType::Double, 1.0);
    e.attr("currentTime", "ct", AttrType::Time, 0.0);
    // One element per particle shape the emitter feeds, wired from that shape.
    e.attr("startTime", "stt", AttrType::Time, 0.0, true);
    e.attr("isFull", "full", AttrType::Bool, false, true);
    e.attr("deltaTime", "dt", AttrType::Time, 0.0, true);
    e.attr("inheritFactor", "inh", AttrType::Double, 0.0, true);
    e.attr("seed", "sd", AttrType::Int, 0LL, true);
    e.attr("output", "ot", AttrType::Generic, {}, true);
    e.attr("ownerPosData", "opd", AttrType::Generic);
    e.attr("ownerVelData", "ovd", AttrType::Generic);
    e.attr("ownerCentroid", "ocd", AttrType::Generic);
    e.attr("ownerCentroidLocal", "ocl", AttrType::Generic);
    e.attr("sweptGeometry", "swge", AttrType::Generic);
}

void defineGeoConnector(TypeRegistry& registry) {
    NodeTypeBuilder g(registry.define("geoConnector", MFn::kGeoConnector, "", false));
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

// The attributes every field has; `magnitude` is the strength of its force.
void defineFieldBase(TypeRegistry& registry) {
    NodeTypeBuilder f(registry.define("field", MFn::kField, "dynBase", true));
    f.attr("magnitude", "mag", AttrType::Double, 1.0);
    f.attr("attenuation", "att", AttrType::Double, 1.0);
    f.attr("useMaxDistance", "umd", AttrType::Bool, false);
    f.attr("maxDistance", "max", AttrType::Distance, 20.0);
    f.attr("applyPerVertex", "apv", AttrType::Bool, false);
    f.attr("volumeShape", "vol", AttrType::Enum, 0LL);
    int in = f.attr("inputData", "ind", AttrType::Compound, {}, true);
    f.attr("inputPositions", "inp", AttrType::Generic, {}, false, in);
    f.attr("inputVelocities", "inv", AttrType::Generic, {}, false, in);
    f.attr("inputMass", "inm", AttrType::Generic, {}, false, in);
    f.attr("deltaTime", "dt", AttrType::Time, 0.0, false, in);
    f.attr("inputPPData", "ppda", AttrType::Generic, {}, true);
    f.attr("outputForce", "of", AttrType::Generic, {}, true);
}

void defineGravityField(TypeRegistry& registry) {
    NodeType& type = registry.define("gravityField", MFn::kGravity, "field", true);
    NodeTypeBuilder(type).triple("direction", "d", "xyz", AttrType::Double, 0.0);
    // Gravity pulls down with Earth's acceleration unless told otherwise.
    setDefault(type, "magnitude", 9.8);
    setDefault(type, "attenuation", 0.0);
    setDefault(type, "directionY", -1.0);
}

void defineAirField(TypeRegistry& registry) {
    NodeType& type = registry.define("airField", MFn::kAir, "field", true);
    NodeTypeBuilder a(type);
    a.triple("direction", "d", "xyz", AttrType::Double, 0.0);
    a.attr("speed", "spd", AttrType::Double, 5.0);
    a.attr("inheritVelocity", "iv", AttrType::Double, 0.9);
    a.attr("inheritRotation", "irot", AttrType::Bool, true);
    a.attr("componentOnly", "com", AttrType::Bool, false);
    a.attr("spread", "spr", AttrType::Double, 0.5);
    a.attr("enableSpread", "es", AttrType::Bool, false);
    setDefault(type, "magnitude", 4.0);
    setDefault(type, "directionY", 1.0);
}

} // namespace

void registerDynamicsTypes(TypeRegistry& registry) {
    // The common base of emitters and fields: a transform.
    registry.define("dynBase", MFn::kDynBase, "transform", true);
    defineParticle(registry);
    defineEmitter(registry);
    defineGeoConnector(registry);
    defineFieldBase(registry);
    defineGravityField(registry);
    defineAirField(registry);
}

} // namespace orvex_host
