#pragma once
// The Animation pass: animation sets from the characters' clips.

#include "export/SceneNodeTable.h"

#include <ostream>

class AnimationExporter {
public:
    AnimationExporter(const SceneNodeTable& sceneNodes, bool verbose);

    // False when the characters cannot be listed; the command then fails.
    bool writeAnimation(std::ostream& out);

private:
    const SceneNodeTable& sceneNodes;
    bool verbose;
};
