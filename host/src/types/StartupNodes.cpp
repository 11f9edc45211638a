// The nodes a new host scene holds before anything is read into it: the
// four startup cameras, the default shading nodes and the default DG nodes
// that scene files refer to with a ':' prefix.

#include "graph/Scene.h"

#include <cmath>

namespace orvex_host {

namespace {

void setIfPresent(Node& node, const std::string& attrName, Value v) {
    int attr = node.findAttribute(attrName);
    if (attr >= 0) {
        node.setValue({attr, {}}, std::move(v));
    }
}

void setTriple(Node& node, const std::string& attrName, double x, double y, double z) {
    int attr = node.findAttribute(attrName);
    if (attr < 0) {
        return;
    }
    const auto& children = node.attribute(attr).children;
    double v[3] = {x, y, z};
    for (size_t i = 0; i < children.size() && i < 3; ++i) {
        node.setValue({children[i], {}}, v[i]);
    }
}

Node* createDefault(Scene& scene, const std::string& typeName, const std::string& name) {
    const NodeType* type = TypeRegistry::instance().find(typeName);
    if (!type) {
        type = TypeRegistry::instance().find("unknown");
    }
    Node* node = scene.createNode(*type, name);
    node->isDefault = true;
    return node;
}

void createCamera(Scene& scene, const std::string& name, const double translate[3], const double rotate[3],
                  bool orthographic) {
    const NodeType* transform = TypeRegistry::instance().find("transform");
    const NodeType* camera = TypeRegistry::instance().find("camera");
    Node* t = scene.createNode(*transform, name);
    setTriple(*t, "translate", translate[0], translate[1], translate[2]);
    setTriple(*t, "rotate", rotate[0] * kRadiansPerDegree, rotate[1] * kRadiansPerDegree,
              rotate[2] * kRadiansPerDegree);
    setIfPresent(*t, "visibility", false); // the host hides its startup cameras
    Node* shape = scene.createNode(*camera, name + "Shape", t);
    setIfPresent(*shape, "visibility", false);
    if (orthographic) {
        setIfPresent(*shape, "orthographic", true);
        setIfPresent(*shape, "orthographicWidth", 30.0);
        setIfPresent(*shape, "nearClipPlane", 0.1);
        setIfPresent(*shape, "farClipPlane", 1000.0);
    }
}

} // namespace

void createStartupNodes(Scene& scene) {
    // Startup cameras are not default nodes: the default-cameras flag of the
    // exporter must be able to write them.
    const double persp[3] = {28, 21, 28}, perspRot[3] = {-27.938352729602379, 45, 0};
    const double top[3] = {0, 100.1, 0}, topRot[3] = {-90, 0, 0};
    const double front[3] = {0, 0, 100.1}, frontRot[3] = {0, 0, 0};
    const double side[3] = {100.1, 0, 0}, sideRot[3] = {0, 90, 0};
    createCamera(scene, "persp", persp, perspRot, false);
    createCamera(scene, "top", top, topRot, true);
    createCamera(scene, "front", front, frontRot, true);
    createCamera(scene, "side", side, sideRot, true);

    createDefault(scene, "time", "time1");
    createDefault(scene, "partition", "renderPartition");
    createDefault(scene, "partition", "characterPartition");
    for (const char* name : {"renderGlobalsList1",
                             "defaultLightList1",
                             "defaultShaderList1",
                             "postProcessList1",
                             "defaultRenderUtilityList1",
                             "defaultRenderingList1",
                             "lightList1",
                             "defaultTextureList1",
                             "initialMaterialInfo",
                             "shaderGlow1",
                             "dof1",
                             "defaultRenderGlobals",
                             "defaultRenderQuality",
                             "defaultResolution",
                             "defaultHardwareRenderGlobals",
                             "hardwareRenderGlobals",
                             "hardwareRenderingGlobals",
                             "ikSystem",
                             "hyperGraphInfo",
                             "hyperGraphLayout",
                             "globalCacheControl",
                             "layerManager",
                             "defaultLayer",
                             "renderLayerManager",
                             "defaultRenderLayer",
                             "strokeGlobals",
                             "particleCloud1",
                             "defaultViewColorManager",
                             "defaultColorMgtGlobals",
                             "sequenceManager1"}) {
        createDefault(scene, "unknown", name);
    }
    createDefault(scene, "objectSet", "defaultLightSet");
    createDefault(scene, "objectSet", "defaultObjectSet");

    Node* lambert1 = createDefault(scene, "lambert", "lambert1");
    Node* initialShadingGroup = createDefault(scene, "shadingEngine", "initialShadingGroup");
    Node* initialParticleSE = createDefault(scene, "shadingEngine", "initialParticleSE");
    // lambert1 shades both default shading groups, as in a new host scene.
    int outColor = lambert1->findAttribute("outColor");
    int surfaceShader = initialShadingGroup->findAttribute("surfaceShader");
    if (outColor >= 0 && surfaceShader >= 0) {
        std::string error;
        scene.connect(lambert1, {outColor, {}}, initialShadingGroup, {surfaceShader, {}}, false, error);
        scene.connect(lambert1, {outColor, {}}, initialParticleSE, {surfaceShader, {}}, false, error);
    }
}

} // namespace orvex_host
