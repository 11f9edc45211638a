// Dynamic elements: a transform whose child is a particle emitter is written
// with the emitter's own name and values.

#include "export/AttributeHelpers.h"
#include "export/SceneExporter.h"

void SceneExporter::writeDynamic(MFnTransform& emitter, IdTable& dynamicIds, SceneNodeTable& sceneNodes,
                                 std::ostream& out) {
    const uint32_t dynamicId = dynamicIds.idOf(emitter.partialPathName().asChar());
    out << "<Dynamic";
    writeTransformAttributes(emitter, sceneNodes, out, true, false);
    out << " dynamicId=\"" << dynamicId << "\"";
    writeShadowFlags(emitter, out);
    float clipDistance = 0.0f;
    if (readClipDistance(emitter, clipDistance)) {
        out << " clipDistance=\"" << static_cast<double>(clipDistance) << "\"";
    }
}
