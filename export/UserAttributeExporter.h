#pragma once
// The UserAttributes pass: the attributes a user added to the transforms
// that the scene pass wrote, with their types and current values, addressed
// by node id.

#include "export/SceneNodeTable.h"

#include <ostream>

class UserAttributeExporter {
public:
    // The verbose switch is kept for symmetry with the other passes; this
    // section shows no progress.
    UserAttributeExporter(const SceneNodeTable& sceneNodes, bool verbose);

    // Writes the whole section; always true.
    bool write(std::ostream& out);

private:
    const SceneNodeTable& sceneNodes;
    bool verbose;
};
