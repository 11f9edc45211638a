// The node types every scene needs: the world, the DAG node and transform
// bases, the generic types that keep nodes of types the host does not model,
// and a few default DG nodes.

#include "graph/NodeType.h"

namespace orvex_host {

void registerTransformTypes(TypeRegistry&);
void registerLightCameraTypes(TypeRegistry&);
void registerShadingTypes(TypeRegistry&);
void registerTextureTypes(TypeRegistry&);
void registerMeshTypes(TypeRegistry&);
void registerCurveTypes(TypeRegistry&);
void registerDeformerTypes(TypeRegistry&);
void registerDynamicsTypes(TypeRegistry&);
void registerAnimationTypes(TypeRegistry&);
void registerHierarchyTypes(TypeRegistry&);

namespace {

// Attributes of every DAG node.
void addDagNodeAttributes(NodeTypeBuilder& b) {
    b.attr("visibility", "v", AttrType::Bool, true);
    b.attr("intermediateObject", "io", AttrType::Bool, false);
    b.attr("template", "tmp", AttrType::Bool, false);
    b.attr("lodVisibility", "lodv", AttrType::Bool, true);
    // The node's matrices (outputs): constraints and skin clusters take
    // them in through connections.
    b.attr("matrix", "m", AttrType::PlainMatrix);
    b.attr("inverseMatrix", "im", AttrType::PlainMatrix);
    b.attr("worldMatrix", "wm", AttrType::PlainMatrix, {}, true);
    b.attr("worldInverseMatrix", "wim", AttrType::PlainMatrix, {}, true);
    b.attr("parentMatrix", "pm", AttrType::PlainMatrix, {}, true);
    b.attr("parentInverseMatrix", "pim", AttrType::PlainMatrix, {}, true);
    // Per-instance object groups: shading assignment of whole objects and of
    // face sets.
    int iog = b.attr("instObjGroups", "iog", AttrType::Compound, {}, true);
    int og = b.attr("objectGroups", "og", AttrType::Compound, {}, true, iog);
    b.attr("objectGrpCompList", "gcl", AttrType::ComponentList, {}, false, og);
    b.attr("objectGroupId", "gid", AttrType::Int, 0LL, false, og);
    b.attr("objectGrpColor", "gco", AttrType::Short, 0LL, false, og);
}

// `valueShort` is the short name of the value compound as scene files spell
// it: the rotation and scale ones break the pattern of the rest
// (minRotLimit is "mnrl" where minTransLimit is "mtl").
void addLimit(NodeTypeBuilder& b, const std::string& minMax, const std::string& what,
              const std::string& whatShort, const std::string& mm, const std::string& valueShort,
              AttrType valueType, double def) {
    // e.g. minRotLimit (mnrl) with minRotXLimit (mrxl), and
    // minRotLimitEnable (mrle) with minRotXLimitEnable (mrxe).
    std::vector<std::string> valueLong, valueShorts, enableLong, enableShort;
    for (const char* axis : {"X", "Y", "Z"}) {
        std::string a = axis, lower(1, static_cast<char>(axis[0] - 'A' + 'a'));
        valueLong.push_back(minMax + what + a + "Limit");
        valueShorts.push_back(mm + whatShort + lower + "l");
        enableLong.push_back(minMax + what + a + "LimitEnable");
        enableShort.push_back(mm + whatShort + lower + "e");
    }
    b.triple(minMax + what + "Limit", valueShort, valueLong, valueShorts, valueType, def);
    b.triple(minMax + what + "LimitEnable", mm + whatShort + "le", enableLong, enableShort, AttrType::Bool,
             0);
}

void defineTransform(TypeRegistry& registry) {
    NodeType& t = registry.define("transform", Kind::Transform, "dagNode", true);
    NodeTypeBuilder b(t);
    b.triple("translate", "t", "xyz", AttrType::Distance, 0.0);
    b.triple("rotate", "r", "xyz", AttrType::Angle, 0.0);
    b.triple("scale", "s", "xyz", AttrType::Double, 1.0);
    b.triple("shear", "sh", {"shearXY", "shearXZ", "shearYZ"}, {"shxy", "shxz", "shyz"}, AttrType::Double,
             0.0);
    b.attr("rotateOrder", "ro", AttrType::Enum, 0LL);
    b.triple("rotateAxis", "ra", "xyz", AttrType::Angle, 0.0);
    b.triple("rotatePivot", "rp", "xyz", AttrType::Distance, 0.0);
    b.triple("rotatePivotTranslate", "rpt", "xyz", AttrType::Distance, 0.0);
    b.triple("scalePivot", "sp", "xyz", AttrType::Distance, 0.0);
    b.triple("scalePivotTranslate", "spt", "xyz", AttrType::Distance, 0.0);
    b.attr("inheritsTransform", "it", AttrType::Bool, true);
    b.attr("displayHandle", "dh", AttrType::Bool, false);
    b.attr("displayRotatePivot", "drp", AttrType::Bool, false);
    b.attr("displayScalePivot", "dsp", AttrType::Bool, false);
    b.attr("displayLocalAxis", "dla", AttrType::Bool, false);
    b.triple("selectHandle", "hdl", "xyz", AttrType::Distance, 0.0);
    addLimit(b, "min", "Trans", "t", "m", "mtl", AttrType::Distance, -1.0);
    addLimit(b, "max", "Trans", "t", "x", "xtl", AttrType::Distance, 1.0);
    addLimit(b, "min", "Rot", "r", "m", "mnrl", AttrType::Angle, -6.283185307179586);
    addLimit(b, "max", "Rot", "r", "x", "mxrl", AttrType::Angle, 6.283185307179586);
    addLimit(b, "min", "Scale", "s", "m", "mnsl", AttrType::Double, -1.0);
    addLimit(b, "max", "Scale", "s", "x", "mxsl", AttrType::Double, 1.0);
}

} // namespace

void registerBaseTypes(TypeRegistry& registry) {
    NodeType& dag = registry.define("dagNode", Kind::DagNode, "", true);
    NodeTypeBuilder dagBuilder(dag);
    addDagNodeAttributes(dagBuilder);

    registry.define("world", Kind::World, "dagNode", true);
    defineTransform(registry);
    registry.define("shape", Kind::Shape, "dagNode", true);

    // Types the host does not model: their nodes are kept with whatever
    // attributes and connections the scene gives them.
    registry.define("unknown", Kind::Unknown, "", false).keepsUnlistedAttributes = true;
    registry.define("unknownDag", Kind::UnknownDag, "dagNode", true).keepsUnlistedAttributes = true;
    registry.define("unknownTransform", Kind::UnknownTransform, "transform", true).keepsUnlistedAttributes =
        true;

    NodeTypeBuilder timeBuilder(registry.define("time", Kind::Time, "", false));
    timeBuilder.attr("outTime", "o", AttrType::Time, 0.0);
    timeBuilder.attr("unwarpedTime", "unw", AttrType::Time, 0.0);
    timeBuilder.attr("enableTimewarp", "etw", AttrType::Bool, false);
    NodeTypeBuilder(registry.define("partition", Kind::Partition, "", false))
        .attr("sets", "st", AttrType::Message, {}, true);
    NodeType& set = registry.define("objectSet", Kind::Set, "", false);
    NodeTypeBuilder setBuilder(set);
    setBuilder.attr("dagSetMembers", "dsm", AttrType::Message, {}, true);
    setBuilder.attr("dnSetMembers", "dnsm", AttrType::Message, {}, true);
    setBuilder.attr("memberWireframeColor", "mwc", AttrType::Short, -1LL);
    setBuilder.attr("partition", "pa", AttrType::Message, {}, true);
    setBuilder.attr("annotation", "an", AttrType::String, std::string());
    setBuilder.attr("isLayer", "il", AttrType::Bool, false);
    setBuilder.attr("verticesOnlySet", "vo", AttrType::Bool, false);
    setBuilder.attr("edgesOnlySet", "eo", AttrType::Bool, false);
    setBuilder.attr("facetsOnlySet", "fo", AttrType::Bool, false);
    setBuilder.attr("editPointsOnlySet", "ep", AttrType::Bool, false);
    setBuilder.attr("renderableOnlySet", "ro", AttrType::Bool, false);
    setBuilder.attr("groupNodes", "gn", AttrType::Message, {}, true);
    setBuilder.attr("usedBy", "ub", AttrType::Message, {}, true);

    // The families of node types the exporter reads.
    registerTransformTypes(registry);
    registerLightCameraTypes(registry);
    registerShadingTypes(registry);
    registerTextureTypes(registry);
    registerMeshTypes(registry);
    registerCurveTypes(registry);
    registerDeformerTypes(registry);
    registerDynamicsTypes(registry);
    registerAnimationTypes(registry);
    // Last: the types known only by their place in the hierarchy derive
    // from those above.
    registerHierarchyTypes(registry);
}

} // namespace orvex_host
