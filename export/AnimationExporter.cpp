#include "export/AnimationExporter.h"

AnimationExporter::AnimationExporter(const SceneNodeTable& nodes, bool verboseFlag)
    : sceneNodes(nodes), verbose(verboseFlag) {}

bool AnimationExporter::writeAnimation(std::ostream&) {
    return true;
}
