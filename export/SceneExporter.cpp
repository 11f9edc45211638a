#include "export/SceneExporter.h"

#include <maya/MDistance.h>
#include <maya/MFnDagNode.h>
#include <maya/MGlobal.h>
#include <maya/MItDag.h>

SceneExporter::SceneExporter(bool lights, bool cameras, bool defaultCameras, bool particleSystems,
                             bool shapes, bool skinWeights, bool nurbsCurves, bool ik, bool selectionFlag,
                             bool verboseFlag)
    : exportLights(lights), exportCameras(cameras), exportDefaultCameras(defaultCameras),
      exportParticleSystems(particleSystems), exportShapes(shapes), exportSkinWeights(skinWeights),
      exportNurbsCurves(nurbsCurves), exportIk(ik), selectionOnly(selectionFlag), verbose(verboseFlag),
      unitScale(1.0 / MDistance::uiToInternal(1.0)), nodeIdCounter(0) {}

MStatus SceneExporter::writeScene(IdTable& fileIds, IdTable& shapeIds, IdTable& materialIds,
                                  IdTable& dynamicIds, SceneNodeTable& sceneNodes, std::ostream& out) {
    // The iterator only serves to reach the world: its first item. It is
    // let go before the walk, as it may hold every path of the scene.
    MObject world;
    {
        MStatus status;
        MItDag dagIterator(MItDag::kDepthFirst, MFn::kInvalid, &status);
        if (status != MS::kSuccess) {
            return MS::kFailure;
        }
        if (!dagIterator.isDone()) {
            world = dagIterator.currentItem();
        }
    }
    out << "  <Scene>\n";
    if (selectionOnly) {
        MSelectionList active;
        MGlobal::getActiveSelectionList(active);
        for (unsigned int i = 0; i < active.length(); ++i) {
            MObject node;
            active.getDependNode(i, node);
            addWithAncestors(node);
        }
    }
    if (!world.isNull()) {
        MFnDagNode worldNode(world);
        for (unsigned int i = 0; i < worldNode.childCount(); ++i) {
            MObject child = worldNode.child(i);
            if (child.hasFn(MFn::kTransform)) {
                writeTree(child, fileIds, shapeIds, materialIds, dynamicIds, sceneNodes, out);
            }
        }
    }
    out << "  </Scene>\n";
    return MS::kSuccess;
}

// Adds the node and every ancestor along every parent (instances included),
// but none of its descendants.
void SceneExporter::addWithAncestors(const MObject& node) {
    if (!node.hasFn(MFn::kDagNode)) {
        return;
    }
    MFnDagNode dagNode(node);
    MDagPath path;
    dagNode.getPath(path);
    selection.add(path, MObject::kNullObj, false);
    for (unsigned int i = 0; i < dagNode.parentCount(); ++i) {
        addWithAncestors(dagNode.parent(i));
    }
}

void SceneExporter::writeIndent(std::ostream& out, int depth) const {
    for (int i = 0; i < depth + 2; ++i) {
        out << "  ";
    }
}

bool isDefaultCameraName(const MString& name) {
    return name == "persp" || name == "top" || name == "side" || name == "front";
}
