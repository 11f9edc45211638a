#include "scenefile/Selection.h"

#include <algorithm>

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
    for (const auto& n : named) {
        SelectionItem item;
        item.node = n.first;
        item.path = pathNamed(scene, n.first, n.second);
        auto same = [&](const SelectionItem& other) {
            return other.node == item.node && other.path == item.path;
        };
        auto found = std::find_if(selection.begin(), selection.end(), same);
        bool present = found != selection.end();
        if (args.mode == SelectArgs::Mode::Deselect || (args.mode == SelectArgs::Mode::Toggle && present)) {
            if (present) {
                selection.erase(found);
            }
        } else if (!present) {
            selection.push_back(std::move(item));
        }
    }
}

} // namespace orvex_host
