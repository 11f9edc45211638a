#pragma once
// The scene pass: writes the Scene section, one element per exported
// transform, nested as the DAG nests them, and fills the shape, material,
// file-texture and dynamic-object ids and the scene node table in the order
// of the walk.

#include "export/IdTable.h"
#include "export/PhysicsAttributes.h"
#include "export/SceneNodeTable.h"

#include <maya/MFnTransform.h>
#include <maya/MSelectionList.h>
#include <maya/MStatus.h>

#include <cstddef>
#include <cstdint>
#include <ostream>
#include <vector>

class MFnCamera;
class MFnLight;
class MFnMesh;
class MFnNurbsCurve;
class MFnSkinCluster;

// True for the names of the host's four startup cameras.
bool isDefaultCameraName(const MString& name);

// Fills `poseData` with the bind-pose transformation of a joint whose
// "bindPose" feeds exactly one pose; false, leaving it alone, otherwise.
bool getBindPoseMatrix(const MFnDependencyNode& joint, MObject& poseData);

// Reads Orvex_clipDistance (start value 0); true when it reads and is not 0
// (a NaN is not 0), that is when it is written.
bool readClipDistance(const MFnDependencyNode& node, float& distance);

// Writes castsShadows and receiveShadows of the node, each false when the
// node lacks it; both are always present.
void writeShadowFlags(const MFnDependencyNode& node, std::ostream& out);

class SceneExporter {
public:
    SceneExporter(bool exportLights, bool exportCameras, bool exportDefaultCameras,
                  bool exportParticleSystems, bool exportShapes, bool exportSkinWeights,
                  bool exportNurbsCurves, bool exportIk, bool selectionOnly, bool verbose);

    // Writes the section; fails, writing nothing, when the DAG cannot be
    // walked.
    MStatus writeScene(IdTable& fileIds, IdTable& shapeIds, IdTable& materialIds, IdTable& dynamicIds,
                       SceneNodeTable& sceneNodes, std::ostream& out);

private:
    // What a transform becomes, decided by its children.
    enum NodeKind { TransformGroup = 0, MeshShape = 1, Dynamic = 2, Camera = 3, CurveShape = 4, Light = 5 };

    struct Classification {
        NodeKind kind = TransformGroup;
        unsigned int decidingChild = 0;
        bool skip = false;
        std::vector<unsigned int> childTransforms;
    };

    // Traversal (SceneExporter.cpp, SceneNode.cpp).
    void addWithAncestors(const MObject& node);
    void writeIndent(std::ostream& out, int depth) const;
    // An element left open while the transforms below it are written.
    struct OpenElement {
        NodeKind kind = TransformGroup;
        int depth = 0;
        std::vector<MObject> children;
        size_t next = 0;
    };
    // Writes one top-level transform and everything below it, depth first.
    // The walk keeps only the child lists of the open elements, never a
    // function set (and its DAG path) per level, so deep hierarchies take
    // memory in proportion to their node count.
    void writeTree(const MObject& root, IdTable& fileIds, IdTable& shapeIds, IdTable& materialIds,
                   IdTable& dynamicIds, SceneNodeTable& sceneNodes, std::ostream& out);
    // Writes the transform's element; false when it is closed already (no
    // child transforms, or skipped), else its open element is in `element`.
    bool openNode(IdTable& fileIds, MFnTransform& transform, IdTable& shapeIds, IdTable& materialIds,
                  IdTable& dynamicIds, SceneNodeTable& sceneNodes, std::ostream& out, int depth,
                  OpenElement& element);
    bool isSkipped(MFnTransform& transform) const;
    Classification classifyChildren(MFnTransform& transform) const;
    void writeElementStart(const Classification& classification, IdTable& fileIds, MFnTransform& transform,
                           IdTable& shapeIds, IdTable& materialIds, IdTable& dynamicIds,
                           SceneNodeTable& sceneNodes, std::ostream& out);
    void writeTransformGroup(MFnTransform& transform, SceneNodeTable& sceneNodes, std::ostream& out);
    void writeCommonAttributes(const Classification& classification, MFnTransform& transform,
                               SceneNodeTable& sceneNodes, std::ostream& out);

    // Transform attributes, node ids and joint limits (TransformAttributes.cpp,
    // JointLimits.cpp).
    void writeTransformAttributes(MFnTransform& transform, SceneNodeTable& sceneNodes, std::ostream& out,
                                  bool visibility, bool levelOfDetail);
    void writeNodeId(MFnTransform& transform, SceneNodeTable& sceneNodes, std::ostream& out);
    void writeJointLimits(MFnTransform& transform, std::ostream& out) const;
    void writeLimit(MFnTransform::LimitType type, MFnTransform& transform, bool degrees,
                    const char* attributeName, std::ostream& out) const;

    // Attribute tables (PhysicsAttributes.cpp).
    void writeAttributeTable(const MFnDependencyNode& node, const AttributeSpec* table, size_t count,
                             std::ostream& out) const;

    // Element writers (ShapeElements.cpp, LightCameraElements.cpp,
    // DynamicElement.cpp).
    void writeMeshShape(MFnTransform& transform, MFnMesh& mesh, IdTable& shapeIds, IdTable& materialIds,
                        SceneNodeTable& sceneNodes, std::ostream& out);
    void writeCurveShape(MFnTransform& transform, MFnNurbsCurve& curve, IdTable& shapeIds,
                         SceneNodeTable& sceneNodes, std::ostream& out);
    void writeLight(MFnTransform& transform, IdTable& fileIds, MFnLight& light, SceneNodeTable& sceneNodes,
                    std::ostream& out);
    void writeCamera(MFnTransform& transform, MFnCamera& camera, SceneNodeTable& sceneNodes,
                     std::ostream& out);
    void writeDynamic(MFnTransform& emitter, IdTable& dynamicIds, SceneNodeTable& sceneNodes,
                      std::ostream& out);

    bool exportLights;
    bool exportCameras;
    bool exportDefaultCameras;
    bool exportParticleSystems;
    bool exportShapes;
    bool exportSkinWeights;
    bool exportNurbsCurves;
    bool exportIk;
    bool selectionOnly;
    bool verbose;
    MSelectionList selection;
    double unitScale;
    uint32_t nodeIdCounter;
};
