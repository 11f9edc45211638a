#pragma once
// The UserAttributes pass: user-added attributes of written transforms.

#include "export/SceneNodeTable.h"

#include <ostream>

class UserAttributeExporter {
public:
    UserAttributeExporter(const SceneNodeTable& sceneNodes, bool verbose);

    bool write(std::ostream& out);

private:
    const SceneNodeTable& sceneNodes;
    bool verbose;
};
