// One transform of the walk: whether it is written, as which element, the
// attributes every element ends with, and its child transforms.

#include "export/AttributeHelpers.h"
#include "export/SceneExporter.h"

#include <maya/MFnCamera.h>
#include <maya/MFnLight.h>
#include <maya/MFnMesh.h>
#include <maya/MFnNurbsCurve.h>

#include <string>

namespace {

const char* closingLine(int kind) {
    static const char* const kClosing[] = {"</TransformGroup>\n", "</Shape>\n", "</Dynamic>\n",
                                           "</Camera>\n",         "</Shape>\n", "</Light>\n"};
    return kClosing[kind];
}

} // namespace

bool readClipDistance(const MFnDependencyNode& node, float& distance) {
    distance = 0.0f;
    return getFloatAttribute(node, "Orvex_clipDistance", distance) && distance != 0.0f;
}

bool SceneExporter::isSkipped(MFnTransform& transform) const {
    if (selectionOnly) {
        MDagPath path;
        transform.getPath(path);
        if (!selection.hasItem(path, MObject::kNullObj)) {
            return true;
        }
    }
    const MString name = transform.name();
    if (name == "CubeCompass" || name == "ViewCompass") {
        return true;
    }
    const std::string text = name.asChar();
    if (text.find("Manipulator") != std::string::npos || text.find("UniversalManip") != std::string::npos) {
        return true;
    }
    const MObject node = transform.object();
    if (!exportIk && (node.hasFn(MFn::kIkHandle) || node.hasFn(MFn::kIkEffector))) {
        return true;
    }
    return transform.isIntermediateObject() || transform.inUnderWorld() || transform.isDefaultNode();
}

// The last child that sets a kind decides it; a skip, once set, stays.
SceneExporter::Classification SceneExporter::classifyChildren(MFnTransform& transform) const {
    Classification c;
    auto decide = [&](NodeKind kind, unsigned int child) {
        c.kind = kind;
        c.decidingChild = child;
    };
    for (unsigned int i = 0; i < transform.childCount(); ++i) {
        const MObject child = transform.child(i);
        if (child.hasFn(MFn::kEmitter)) {
            decide(Dynamic, i);
        } else if (child.hasFn(MFn::kMesh)) {
            if (!exportShapes) {
                c.skip = true;
            } else if (!MFnMesh(child).isIntermediateObject()) {
                decide(MeshShape, i);
            }
        } else if (child.hasFn(MFn::kNurbsCurve)) {
            if (!exportShapes || !exportNurbsCurves) {
                c.skip = true;
            } else {
                decide(CurveShape, i);
            }
        } else if (child.hasFn(MFn::kLight)) {
            if (!exportLights) {
                c.skip = true;
            } else {
                decide(Light, i);
            }
        } else if (child.hasFn(MFn::kCamera)) {
            if (!exportCameras || (!exportDefaultCameras && isDefaultCameraName(transform.name()))) {
                c.skip = true;
            } else {
                decide(Camera, i);
            }
        } else if (child.hasFn(MFn::kTransform)) {
            c.childTransforms.push_back(i);
        }
    }
    return c;
}

void SceneExporter::writeTree(const MObject& root, IdTable& fileIds, IdTable& shapeIds, IdTable& materialIds,
                              IdTable& dynamicIds, SceneNodeTable& sceneNodes, std::ostream& out) {
    std::vector<OpenElement> open;
    auto enter = [&](const MObject& node, int depth) {
        MFnTransform transform(node);
        OpenElement element;
        if (openNode(fileIds, transform, shapeIds, materialIds, dynamicIds, sceneNodes, out, depth,
                     element)) {
            open.push_back(std::move(element));
        }
    };
    enter(root, 0);
    while (!open.empty()) {
        OpenElement& top = open.back();
        if (top.next < top.children.size()) {
            const MObject child = top.children[top.next++];
            enter(child, top.depth + 1);
        } else {
            writeIndent(out, top.depth);
            out << closingLine(top.kind);
            open.pop_back();
        }
    }
}

bool SceneExporter::openNode(IdTable& fileIds, MFnTransform& transform, IdTable& shapeIds,
                             IdTable& materialIds, IdTable& dynamicIds, SceneNodeTable& sceneNodes,
                             std::ostream& out, int depth, OpenElement& element) {
    if (isSkipped(transform)) {
        return false;
    }
    const Classification classification = classifyChildren(transform);
    if (classification.skip) {
        return false;
    }
    writeIndent(out, depth);
    writeElementStart(classification, fileIds, transform, shapeIds, materialIds, dynamicIds, sceneNodes, out);
    writeCommonAttributes(classification, transform, sceneNodes, out);
    if (classification.childTransforms.empty()) {
        out << "/>\n";
        return false;
    }
    out << ">\n";
    element.kind = classification.kind;
    element.depth = depth;
    for (unsigned int index : classification.childTransforms) {
        element.children.push_back(transform.child(index));
    }
    return true;
}

void SceneExporter::writeElementStart(const Classification& c, IdTable& fileIds, MFnTransform& transform,
                                      IdTable& shapeIds, IdTable& materialIds, IdTable& dynamicIds,
                                      SceneNodeTable& sceneNodes, std::ostream& out) {
    const MObject child = c.kind == TransformGroup ? MObject() : transform.child(c.decidingChild);
    switch (c.kind) {
    case MeshShape: {
        MFnMesh mesh(child);
        writeMeshShape(transform, mesh, shapeIds, materialIds, sceneNodes, out);
        break;
    }
    case CurveShape: {
        MFnNurbsCurve curve(child);
        writeCurveShape(transform, curve, shapeIds, sceneNodes, out);
        break;
    }
    case Light: {
        MFnLight light(child);
        writeLight(transform, fileIds, light, sceneNodes, out);
        break;
    }
    case Camera: {
        MFnCamera camera(child);
        writeCamera(transform, camera, sceneNodes, out);
        break;
    }
    case Dynamic: {
        MFnTransform emitter(child);
        writeDynamic(emitter, dynamicIds, sceneNodes, out);
        break;
    }
    case TransformGroup:
        writeTransformGroup(transform, sceneNodes, out);
        break;
    }
}

// Whether a transform is a joint here is decided by its Orvex_joint
// attribute alone, not by its node type.
void SceneExporter::writeTransformGroup(MFnTransform& transform, SceneNodeTable& sceneNodes,
                                        std::ostream& out) {
    out << "<TransformGroup";
    writeTransformAttributes(transform, sceneNodes, out, true, true);
    bool joint = false;
    getBoolAttribute(transform, "Orvex_joint", joint, false);
    if (joint) {
        out << " joint=\"true\"";
        writeAttributeTable(transform, kJointAttributes, kJointAttributeCount, out);
        writeJointLimits(transform, out);
    } else {
        writeAttributeTable(transform, kTransformGroupAttributes, kTransformGroupAttributeCount, out);
    }
}

void SceneExporter::writeCommonAttributes(const Classification& c, MFnTransform& transform,
                                          SceneNodeTable& sceneNodes, std::ostream& out) {
    int32_t objectMask = 255;
    if (getIntAttribute(transform, "Orvex_objectMask", objectMask) && objectMask != 255) {
        out << " objectMask=\"" << objectMask << "\"";
    }
    uint32_t lightMask = 0xffff;
    if (getHexAttribute(transform, "Orvex_lightMask", lightMask) && lightMask != 0xffff) {
        out << " lightMask=\"" << static_cast<int32_t>(lightMask) << "\"";
    }
    // A Dynamic element carries one clipDistance: the emitter's when it has
    // one (written by the Dynamic writer), else the transform's.
    float emitterDistance = 0.0f;
    bool emitterHasDistance =
        c.kind == Dynamic &&
        readClipDistance(MFnDependencyNode(transform.child(c.decidingChild)), emitterDistance);
    float clipDistance = 0.0f;
    if (!emitterHasDistance && readClipDistance(transform, clipDistance)) {
        out << " clipDistance=\"" << static_cast<double>(clipDistance) << "\"";
    }
    writeNodeId(transform, sceneNodes, out);
}
