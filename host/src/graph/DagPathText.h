#pragma once
// DAG paths as statements and names write them: "|a|b" from the world,
// "a|b" as a trailing run of a path, and "->" for the step from a shape into
// its underworld: "|cam|camShape->|plane|planeShape" names the underworld
// from its root, "camShape->planeShape" by a trailing run inside it.

#include "graph/Node.h"

#include <string>
#include <vector>

namespace orvex_host {

// How a part of a written path hangs below the part before it.
enum class PathStep {
    Child,          // "a|b": b is a child of a outside any underworld step
    UnderworldRoot, // "a->|b": b is a root of a's underworld
    Underworld,     // "a->b": b lies in a's underworld, at any depth of it
};

struct PathPart {
    std::string name;                // without a leading ':' (the root namespace)
    PathStep step = PathStep::Child; // not used for the first part
};

struct WrittenPath {
    std::vector<PathPart> parts;
    bool anchored = false; // begins with '|': the first part is a child of the world

    bool crossesUnderworld() const;
};

// Whether the text is a path rather than a bare name.
bool isPathText(const std::string& text);
// False for text with an empty part ("a||b", "a|", "->b").
bool parseDagPath(const std::string& text, WrittenPath& path);

// Whether the children of `parent` lie in its underworld: every DAG node but
// a transform (and the world) keeps its children there.
bool childrenInUnderworld(const Node* parent);

// Whether some DAG path of `node` ends with the written path (`node` being
// its last part).
bool nodeEndsPath(const Node* node, const WrittenPath& path);
// Whether this DAG path ends with the written path.
bool chainEndsPath(const std::vector<Node*>& chain, const WrittenPath& path);

} // namespace orvex_host
