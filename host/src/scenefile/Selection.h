#pragma once
// The select command as scene files and command lines use it, and how a
// written name picks one instance of a DAG node.

#include "graph/Scene.h"

#include <string>
#include <vector>

namespace orvex_host {

// The DAG path a written name stands for: the instance whose path ends with
// the written path ("|group1|pCube1", "group1|pCube1", "camShape->plane"),
// otherwise the node's first path. Empty for a DG node.
DagChain pathNamed(const Scene& scene, Node* node, const std::string& written);

struct SelectArgs {
    enum class Mode { Replace, Add, Deselect, Toggle };
    Mode mode = Mode::Replace;
    bool clear = false;        // -cl
    bool noExpand = false;     // -ne
    std::vector<size_t> names; // positions of the names among the words
};

// Sorts select's words (without the command name) into its mode and names;
// -ne (the node itself rather than a set's members) is only noted and -r
// changes nothing, as the host keeps no set expansion.
SelectArgs parseSelectArgs(const std::vector<std::string>& words);

// Applies the named nodes (each with the name it was written with) to the
// scene's active selection.
void applySelection(Scene& scene, const SelectArgs& args,
                    const std::vector<std::pair<Node*, std::string>>& named);

} // namespace orvex_host
