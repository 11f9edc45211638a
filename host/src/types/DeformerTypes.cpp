// Node types for skin clusters and the other nodes of deformer chains:
// tweaks, group parts and group ids. Deformers pass geometry from
// input[i].inputGeometry to outputGeometry[i]; the host does not evaluate
// them, so a deformed mesh reads its original geometry.

#include "geometry/SkinWeights.h"
#include "graph/NodeType.h"

namespace orvex_host {

namespace {

void addGeometryFilterAttributes(NodeTypeBuilder& b) {
    int input = b.attr("input", "ip", AttrType::Compound, {}, true);
    b.attr("inputGeometry", "ig", AttrType::Generic, {}, false, input);
    b.attr("groupId", "gi", AttrType::Int, 0LL, false, input);
    b.attr("outputGeometry", "og", AttrType::Generic, {}, true);
    b.attr("envelope", "en", AttrType::Float, 1.0);
}

} // namespace

void registerDeformerTypes(TypeRegistry& registry) {
    NodeTypeBuilder filter(registry.define("geometryFilter", Kind::GeometryFilt, "", false));
    addGeometryFilterAttributes(filter);

    NodeTypeBuilder weighted(
        registry.define("weightGeometryFilter", Kind::WeightGeometryFilt, "geometryFilter", false));
    int weightList = weighted.attr("weightList", "wl", AttrType::Compound, {}, true);
    weighted.attr("weights", "w", AttrType::Double, 1.0, true, weightList);

    NodeType& skinType =
        registry.define("skinCluster", Kind::SkinClusterFilter, "weightGeometryFilter", false);
    skinType.makePayload = [] { return std::make_unique<SkinWeights>(); };
    skinType.setAttrHook = skinClusterSetAttr;
    NodeTypeBuilder skin(skinType);
    skin.attr("matrix", "ma", AttrType::PlainMatrix, {}, true);
    skin.attr("bindPreMatrix", "pm", AttrType::PlainMatrix, {}, true);
    skin.attr("geomMatrix", "gm", AttrType::PlainMatrix);
    skin.attr("lockWeights", "lw", AttrType::Bool, false, true);
    skin.attr("dropoff", "dpf", AttrType::Double, 4.0, true);
    skin.attr("smoothness", "smt", AttrType::Double, 0.0, true);
    skin.attr("maxInfluences", "mi", AttrType::Int, 5LL);
    skin.attr("maintainMaxInfluences", "mmi", AttrType::Bool, false);
    skin.attr("skinningMethod", "sm", AttrType::Enum, 0LL);
    skin.attr("normalizeWeights", "nw", AttrType::Enum, 1LL);
    skin.attr("useComponents", "uc", AttrType::Bool, false);
    skin.attr("bindPose", "bp", AttrType::Message);
    skin.attr("influenceColor", "ic", AttrType::Float3, {}, true);
    skin.attr("paintTrans", "ptt", AttrType::Message);
    skin.attr("paintWeights", "ptw", AttrType::DoubleArray);

    NodeTypeBuilder tweak(registry.define("tweak", Kind::Tweak, "geometryFilter", false));
    int vlist = tweak.attr("vlist", "vl", AttrType::Compound, {}, true);
    tweak.attr("vertex", "vt", AttrType::Float3, {}, true, vlist);
    tweak.attr("plist", "pl", AttrType::Compound, {}, true);
    tweak.attr("relativeTweak", "rtw", AttrType::Bool, true);

    NodeTypeBuilder parts(registry.define("groupParts", Kind::GroupParts, "", false));
    parts.attr("inputGeometry", "ig", AttrType::Generic);
    parts.attr("outputGeometry", "og", AttrType::Generic);
    parts.attr("inputComponents", "ic", AttrType::ComponentList);
    parts.attr("groupId", "gi", AttrType::Int, 0LL);

    NodeTypeBuilder id(registry.define("groupId", Kind::GroupId, "", false));
    id.attr("groupId", "id", AttrType::Int, 0LL);
}

} // namespace orvex_host
