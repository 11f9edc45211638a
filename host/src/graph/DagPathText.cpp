#include "graph/DagPathText.h"

#include <algorithm>

namespace orvex_host {

namespace {

bool isWorld(const Node* node) {
    return !node || node->kind() == Kind::World;
}

// Matches the written path from its last part upwards, trying every way up
// with a list rather than recursion. `parentsOf(at, each)` calls
// `each(parentHandle, parentNode)` for every DAG parent of the node at
// `at`, the world (as null or the world node) included.
//
// A part after "->" without '|' may lie anywhere in the underworld: from its
// node the walk climbs ("climbing") through ordinary parents, matching no
// name, until it crosses into the shape that owns the underworld.
template <class Handle, class NodeOf, class ParentsOf>
bool endsPath(Handle leaf, const WrittenPath& path, NodeOf nodeOf, ParentsOf parentsOf) {
    struct State {
        Handle at;
        size_t part;
        bool climbing;
    };
    std::vector<State> pending{{leaf, path.parts.size() - 1, false}};
    while (!pending.empty()) {
        State s = pending.back();
        pending.pop_back();
        PathStep step = PathStep::Underworld;
        if (!s.climbing) {
            const PathPart& part = path.parts[s.part];
            if (nodeOf(s.at)->name != part.name) {
                continue;
            }
            if (s.part == 0) {
                bool top = !path.anchored;
                parentsOf(s.at, [&](Handle, const Node* p) { top = top || isWorld(p); });
                if (top) {
                    return true;
                }
                continue;
            }
            step = part.step;
        }
        parentsOf(s.at, [&](Handle up, const Node* p) {
            if (isWorld(p)) {
                return;
            }
            bool underworld = childrenInUnderworld(p);
            if (step == PathStep::Child ? !underworld : underworld) {
                pending.push_back({up, s.part - 1, false});
            } else if (step == PathStep::Underworld) {
                pending.push_back({up, s.part, true});
            }
        });
    }
    return false;
}

} // namespace

bool WrittenPath::crossesUnderworld() const {
    return std::any_of(parts.begin() + (parts.empty() ? 0 : 1), parts.end(),
                       [](const PathPart& p) { return p.step != PathStep::Child; });
}

bool isPathText(const std::string& text) {
    return text.find('|') != std::string::npos || text.find("->") != std::string::npos;
}

bool parseDagPath(const std::string& text, WrittenPath& path) {
    path = WrittenPath();
    path.anchored = !text.empty() && text[0] == '|';
    size_t at = path.anchored ? 1 : 0;
    PathStep step = PathStep::Child;
    for (;;) {
        size_t end = std::min(text.find('|', at), text.find("->", at));
        std::string name = text.substr(at, end == std::string::npos ? std::string::npos : end - at);
        if (!name.empty() && name[0] == ':') {
            name.erase(0, 1); // the root namespace
        }
        if (name.empty()) {
            return false;
        }
        path.parts.push_back({std::move(name), step});
        if (end == std::string::npos) {
            return true;
        }
        if (text[end] == '|') {
            step = PathStep::Child;
            at = end + 1;
        } else if (end + 2 < text.size() && text[end + 2] == '|') {
            step = PathStep::UnderworldRoot;
            at = end + 3;
        } else {
            step = PathStep::Underworld;
            at = end + 2;
        }
    }
}

bool childrenInUnderworld(const Node* parent) {
    return parent->isDag() && !isWorld(parent) && !kindIs(parent->kind(), Kind::Transform);
}

bool nodeEndsPath(const Node* node, const WrittenPath& path) {
    return !path.parts.empty() && endsPath(
                                      node, path, [](const Node* n) { return n; },
                                      [](const Node* n, auto each) {
                                          for (const Node* p : n->parents) {
                                              each(p, p);
                                          }
                                      });
}

bool chainEndsPath(const std::vector<Node*>& chain, const WrittenPath& path) {
    return !chain.empty() && !path.parts.empty() &&
           endsPath(
               chain.size() - 1, path, [&](size_t i) { return chain[i]; },
               [&](size_t i, auto each) { each(i == 0 ? 0 : i - 1, i == 0 ? nullptr : chain[i - 1]); });
}

} // namespace orvex_host
