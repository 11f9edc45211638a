// Node types for joints, IK handles and effectors, and bind poses.

#include "graph/NodeType.h"

namespace orvex_host {

namespace {

void defineJoint(TypeRegistry& registry) {
    NodeTypeBuilder joint(registry.define("joint", Kind::Joint, "transform", true));
    joint.triple("jointOrient", "jo", "xyz", AttrType::Angle, 0.0);
    // Fed into a pose's worldMatrix element when the joint belongs to a
    // bind pose.
    joint.attr("bindPose", "bps", AttrType::PlainMatrix);
    joint.attr("segmentScaleCompensate", "ssc", AttrType::Bool, true);
    joint.triple("inverseScale", "is", "xyz", AttrType::Double, 1.0);
    joint.triple("preferredAngle", "pa", "xyz", AttrType::Angle, 0.0);
    joint.triple("stiffness", "st", "xyz", AttrType::Double, 0.0);
    joint.attr("jointTypeX", "jtx", AttrType::Bool, true);
    joint.attr("jointTypeY", "jty", AttrType::Bool, true);
    joint.attr("jointTypeZ", "jtz", AttrType::Bool, true);
    joint.attr("radius", "radi", AttrType::Double, 1.0);
    joint.attr("drawStyle", "ds", AttrType::Enum, 0LL);
    joint.attr("drawLabel", "dl", AttrType::Bool, false);
    joint.attr("side", "sd", AttrType::Enum, 0LL);
    joint.attr("type", "typ", AttrType::Enum, 0LL);
    joint.attr("otherType", "otp", AttrType::String, std::string("jointN"));
    // The influence's lock flag that skin clusters connect to
    // (lockInfluenceWeights, "liw") is no attribute of the type: the host
    // adds it to a joint when the joint becomes an influence, and files add
    // it again with addAttr.
}

void defineDagPose(TypeRegistry& registry) {
    NodeTypeBuilder pose(registry.define("dagPose", Kind::DagPose, "", false));
    pose.attr("members", "m", AttrType::Message, {}, true);
    pose.attr("parents", "p", AttrType::Message, {}, true);
    pose.attr("world", "w", AttrType::Message);
    pose.attr("worldMatrix", "wm", AttrType::PlainMatrix, {}, true);
    // Per member: its translation, rotation (with order) and scale.
    pose.attr("xformMatrix", "xm", AttrType::MatrixData, {}, true);
    pose.attr("global", "g", AttrType::Bool, false);
    pose.attr("bindPose", "bp", AttrType::Bool, false);
}

void defineIk(TypeRegistry& registry) {
    NodeTypeBuilder handle(registry.define("ikHandle", Kind::IkHandle, "transform", true));
    handle.attr("startJoint", "hsj", AttrType::Message);
    handle.attr("endEffector", "hee", AttrType::Message);
    handle.attr("ikSolver", "hsv", AttrType::Message);
    handle.triple("poleVector", "pv", "xyz", AttrType::Double, 0.0);
    handle.attr("twist", "twi", AttrType::Angle, 0.0);
    handle.attr("roll", "rol", AttrType::Angle, 0.0);
    handle.attr("priority", "pri", AttrType::Int, 1LL);
    handle.attr("weight", "w", AttrType::Double, 1.0);
    handle.attr("poWeight", "pow", AttrType::Double, 1.0);
    handle.attr("snapEnable", "snap", AttrType::Bool, true);
    handle.attr("ikBlend", "ikb", AttrType::Double, 1.0);

    NodeTypeBuilder effector(registry.define("ikEffector", Kind::IkEffector, "transform", true));
    effector.attr("hideDisplay", "hd", AttrType::Bool, true);
    effector.attr("handlePath", "hp", AttrType::Message, {}, true);
}

} // namespace

void registerTransformTypes(TypeRegistry& registry) {
    defineJoint(registry);
    defineDagPose(registry);
    defineIk(registry);
}

} // namespace orvex_host
