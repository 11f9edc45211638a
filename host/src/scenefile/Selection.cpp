#include "scenefile/Selection.h"

#include <algorithm>
#include <map>

namespace orvex_host {

DagChain pathNamed(const Scene& scene, Node* node, const std::string& written) {
    if (!node->isDag() || node == scene.world()) {
        return {};
    }
    WrittenPath wanted;
    if (isPathText(written) && parseDagPath(written, wanted)) {
        for (const DagChain& path : scene.pathsOf(node)) {
            if (chainEndsPath(path, wanted)) {
                return path;
            }
        }
    }
    return scene.firstPath(node);
}

SelectArgs parseSelectArgs(const std::vector<std::string>& words) {
    SelectArgs args;
    for (size_t i = 0; i < words.size(); ++i) {
        const std::string& w = words[i];
        if (w == "-cl" || w == "-clear") {
            args.clear = true;
        } else if (w == "-add" || w == "-af" || w == "-addFirst") {
            args.mode = SelectArgs::Mode::Add;
        } else if (w == "-d" || w == "-deselect") {
            args.mode = SelectArgs::Mode::Deselect;
        } else if (w == "-tgl" || w == "-toggle") {
            args.mode = SelectArgs::Mode::Toggle;
        } else if (w == "-ne" || w == "-noExpand") {
            args.noExpand = true;
        } else if (w == "-r" || w == "-replace") {
            continue;
        } else {
            args.names.push_back(i);
        }
    }
    return args;
}

void applySelection(Scene& scene, const SelectArgs& args,
                    const std::vector<std::pair<Node*, std::string>>& named) {
    std::vector<SelectionItem>& selection = scene.selection();
    if (args.clear || (args.mode == SelectArgs::Mode::Replace && !named.empty())) {
        selection.clear();
    }
    // The positions of each node's items, so that every name is looked up
    // at once; deselected items are only marked, and the list is closed up
    // once at the end.
    std::map<Node*, std::vector<size_t>> positions;
    for (size_t i = 0; i < selection.size(); ++i) {
        positions[selection[i].node].push_back(i);
    }
    std::vector<bool> removed(selection.size(), false);
    for (const auto& n : named) {
        SelectionItem item;
        item.node = n.first;
        item.path = pathNamed(scene, n.first, n.second);
        std::vector<size_t>& ofNode = positions[item.node];
        auto found = std::find_if(ofNode.begin(), ofNode.end(),
                                  [&](size_t i) { return selection[i].path == item.path; });
        bool present = found != ofNode.end();
        if (args.mode == SelectArgs::Mode::Deselect || (args.mode == SelectArgs::Mode::Toggle && present)) {
            if (present) {
                removed[*found] = true;
                ofNode.erase(found);
            }
        } else if (!present) {
            ofNode.push_back(selection.size());
            selection.push_back(std::move(item));
            removed.push_back(false);
        }
    }
    size_t kept = 0;
    for (size_t i = 0; i < selection.size(); ++i) {
        if (!removed[i]) {
            if (kept != i) {
                selection[kept] = std::move(selection[i]);
            }
            ++kept;
        }
    }
    selection.resize(kept);
}

} // namespace orvex_host
