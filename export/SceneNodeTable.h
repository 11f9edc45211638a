#pragma once
// What the export remembers of every written scene node: the rotation that
// surrounds its own rotation and its node id, by partial DAG path name.

#include <maya/MQuaternion.h>

#include <cstdint>
#include <map>
#include <string>

// The optional rotations around a node's own rotation: its rotate
// orientation before it and, for a joint, its joint orientation after it.
struct RotationCorrection {
    bool hasPreRotation = false;
    MQuaternion preRotation;
    bool hasPostRotation = false;
    MQuaternion postRotation;

    // Folds the correction into Euler XYZ angles (radians, in place).
    void apply(double& x, double& y, double& z) const;
};

struct SceneNodeRecord {
    RotationCorrection rotation;
    uint32_t nodeId = 0;
};

// Ordered by the byte values of the key.
using SceneNodeTable = std::map<std::string, SceneNodeRecord>;
