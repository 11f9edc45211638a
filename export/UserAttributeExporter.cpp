#include "export/UserAttributeExporter.h"

UserAttributeExporter::UserAttributeExporter(const SceneNodeTable& nodes, bool verboseFlag)
    : sceneNodes(nodes), verbose(verboseFlag) {}

bool UserAttributeExporter::write(std::ostream&) {
    return true;
}
