// Node types for polygon meshes. A mesh keeps its geometry in a payload
// that the mesh's setAttr hook fills; its other attributes are plain.

#include "geometry/MeshData.h"
#include "geometry/MeshSetAttr.h"
#include "graph/NodeType.h"

namespace orvex_host {

void registerMeshTypes(TypeRegistry& registry) {
    NodeType& mesh = registry.define("mesh", Kind::Mesh, "shape", true);
    mesh.makePayload = [] { return std::make_unique<MeshData>(); };
    mesh.setAttrHook = meshSetAttr;
    NodeTypeBuilder b(mesh);
    b.attr("inMesh", "i", AttrType::Mesh);
    b.attr("outMesh", "o", AttrType::Mesh);
    b.attr("worldMesh", "w", AttrType::Mesh, {}, true);
    b.attr("cachedInMesh", "ci", AttrType::Mesh);
    b.attr("castsShadows", "csh", AttrType::Bool, true);
    b.attr("receiveShadows", "rcsh", AttrType::Bool, true);
    b.attr("motionBlur", "mb", AttrType::Bool, true);
    b.attr("primaryVisibility", "vis", AttrType::Bool, true);
    b.attr("visibleInReflections", "vir", AttrType::Bool, false);
    b.attr("visibleInRefractions", "vif", AttrType::Bool, false);
    b.attr("doubleSided", "ds", AttrType::Bool, true);
    b.attr("opposite", "op", AttrType::Bool, false);
    b.attr("displayColors", "dcol", AttrType::Bool, false);
    b.attr("displayColorChannel", "dcc", AttrType::String, std::string("Ambient+Diffuse"));
    b.attr("currentUVSet", "cuvs", AttrType::String, std::string("map1"));
    b.attr("currentColorSet", "ccls", AttrType::String, std::string());
    // How computed normals weight the faces around a vertex (see NormalWeighting):
    // angle and area from 2013 on; up to 2012 the host only averaged them unweighted.
    int normalMethod = b.attr("vertexNormalMethod", "vnm", AttrType::Enum, 3LL);
    b.olderDefault(normalMethod, 2012, 0LL);
    // Geometry statements go to the payload; these give them their names.
    b.attr("vrts", "vt", AttrType::Float3, {}, true);
    b.attr("pnts", "pt", AttrType::Float3, {}, true);
    b.attr("edge", "ed", AttrType::Long3, {}, true);
    b.attr("face", "fc", AttrType::Generic, {}, true);
    b.attr("normals", "n", AttrType::Float3, {}, true);
    int uvSet = b.attr("uvSet", "uvst", AttrType::Compound, {}, true);
    b.attr("uvSetName", "uvsn", AttrType::String, std::string(), false, uvSet);
    b.attr("uvSetPoints", "uvsp", AttrType::Float2, {}, true, uvSet);
    int colorSet = b.attr("colorSet", "clst", AttrType::Compound, {}, true);
    b.attr("colorName", "clsn", AttrType::String, std::string(), false, colorSet);
    b.attr("clamped", "clam", AttrType::Bool, false, false, colorSet);
    b.attr("representation", "rprt", AttrType::Enum, 3LL, false, colorSet);
    b.attr("colorSetPoints", "clsp", AttrType::Generic, {}, true, colorSet);
}

} // namespace orvex_host
