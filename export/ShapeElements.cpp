// Shape elements for meshes and NURBS curves: shape ids, physics mode,
// shadows, the mesh's material list and its skin influences.

#include "export/AttributeHelpers.h"
#include "export/SceneExporter.h"
#include "export/SceneText.h"

#include <maya/MFnMesh.h>
#include <maya/MFnNurbsCurve.h>
#include <maya/MFnSkinCluster.h>
#include <maya/MGlobal.h>
#include <maya/MIntArray.h>
#include <maya/MObjectArray.h>
#include <maya/MPlugArray.h>

namespace {

// The material ids of the mesh's shading groups, one per local shader index
// up to the highest one a polygon uses. A shading group without a surface
// shader ends the list, closing its value; false then.
bool writeMaterialList(const MFnMesh& mesh, IdTable& materialIds, std::ostream& out) {
    MObjectArray groups;
    MIntArray perPolygon;
    mesh.getConnectedShaders(0, groups, perPolygon);
    int highest = -1;
    for (unsigned int i = 0; i < perPolygon.length(); ++i) {
        if (perPolygon[i] > highest) {
            highest = perPolygon[i];
        }
    }
    if (highest < 0) {
        out << materialIds.idOf("lambert1");
        return true;
    }
    for (int i = 0; i <= highest; ++i) {
        if (i != 0) {
            out << ", ";
        }
        // An index beyond the group list names no group, and so no shader.
        const unsigned int position = static_cast<unsigned int>(i);
        MFnDependencyNode group(position < groups.length() ? groups[position] : MObject());
        MStatus status;
        MPlug surfaceShader = group.findPlug("surfaceShader", true, &status);
        if (!status) {
            MGlobal::displayWarning("orvexExport: ShadingGroup surfaceShader attribute not found (" +
                                    group.name() + ")\n");
            out << "\"";
            return false;
        }
        MPlugArray sources;
        surfaceShader.connectedTo(sources, true, false);
        if (sources.length() == 0) {
            MGlobal::displayWarning(
                "orvexExport: ShadingGroup surfaceShader attribute source plug not found (" + group.name() +
                ")\n");
            out << "\"";
            return false;
        }
        out << materialIds.idOf(MFnDependencyNode(sources[0].node()).name().asChar());
    }
    return true;
}

// One position per physical element of the cluster's "matrix", blank
// separated; a position stays empty unless exactly one influence feeds it
// and that influence already has a record.
void writeInfluenceList(const MFnSkinCluster& skinCluster, const SceneNodeTable& sceneNodes,
                        std::ostream& out) {
    MPlug matrix = skinCluster.findPlug("matrix");
    for (unsigned int i = 0; i < matrix.numElements(); ++i) {
        if (i != 0) {
            out << " ";
        }
        MPlugArray sources;
        matrix.elementByPhysicalIndex(i).connectedTo(sources, true, false);
        if (sources.length() != 1) {
            continue;
        }
        auto record = sceneNodes.find(MFnDagNode(sources[0].node()).partialPathName().asChar());
        if (record != sceneNodes.end()) {
            out << record->second.nodeId;
        }
    }
}

void writeNonRenderable(const MFnDependencyNode& transform, std::ostream& out) {
    bool nonRenderable = false;
    getBoolAttribute(transform, "Orvex_nonRenderable", nonRenderable, false);
    if (nonRenderable) {
        out << " nonRenderable=\"true\"";
    }
}

} // namespace

void writeShadowFlags(const MFnDependencyNode& node, std::ostream& out) {
    bool castsShadows = false, receiveShadows = false;
    getBoolAttribute(node, "castsShadows", castsShadows, false);
    getBoolAttribute(node, "receiveShadows", receiveShadows, false);
    out << " castsShadows=\"" << boolText(castsShadows) << "\" receiveShadows=\"" << boolText(receiveShadows)
        << "\"";
}

void SceneExporter::writeMeshShape(MFnTransform& transform, MFnMesh& mesh, IdTable& shapeIds,
                                   IdTable& materialIds, SceneNodeTable& sceneNodes, std::ostream& out) {
    const uint32_t shapeId = shapeIds.idOf(mesh.partialPathName().asChar());
    out << "<Shape";
    writeTransformAttributes(transform, sceneNodes, out, true, false);
    out << " shapeId=\"" << shapeId << "\"";

    bool isStatic = true, kinematic = false, dynamic = false, compoundChild = false;
    getBoolAttribute(transform, "Orvex_static", isStatic, false);
    getBoolAttribute(transform, "Orvex_kinematic", kinematic, false);
    getBoolAttribute(transform, "Orvex_dynamic", dynamic, false);
    getBoolAttribute(transform, "Orvex_compoundChild", compoundChild, false);
    if (!compoundChild) {
        if (kinematic) {
            out << " kinematic=\"true\"";
        } else if (dynamic) {
            out << " dynamic=\"true\"";
        } else if (isStatic) {
            out << " static=\"true\"";
        }
    }
    if (isStatic || kinematic || dynamic || compoundChild) {
        writeAttributeTable(transform, kShapePhysicsAttributes, kShapePhysicsAttributeCount, out);
    }

    writeShadowFlags(mesh, out);
    writeNonRenderable(transform, out);

    out << " materialIds=\"";
    if (!writeMaterialList(mesh, materialIds, out)) {
        return;
    }
    out << "\"";

    MFnSkinCluster skinCluster;
    if (exportSkinWeights && findSkinCluster(mesh, skinCluster)) {
        out << " skinBindNodeIds=\"";
        writeInfluenceList(skinCluster, sceneNodes, out);
        out << "\"";
    }
}

void SceneExporter::writeCurveShape(MFnTransform& transform, MFnNurbsCurve& curve, IdTable& shapeIds,
                                    SceneNodeTable& sceneNodes, std::ostream& out) {
    out << "<Shape";
    const uint32_t shapeId = shapeIds.idOf(curve.partialPathName().asChar());
    writeTransformAttributes(transform, sceneNodes, out, true, false);
    out << " shapeId=\"" << shapeId << "\"";
    writeNonRenderable(transform, out);
}
