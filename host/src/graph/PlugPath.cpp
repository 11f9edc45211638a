#include "graph/PlugPath.h"

#include "graph/Scene.h"

#include <cstdlib>
#include <vector>

namespace orvex_host {

namespace {

struct PathPart {
    std::string name;
    bool indexed = false;
    unsigned index = 0;
};

bool parseIndex(const std::string& text, unsigned& index) {
    if (text.empty() || text.size() > 10 || text.find_first_not_of("0123456789") != std::string::npos) {
        return false;
    }
    unsigned long long value = std::strtoull(text.c_str(), nullptr, 10);
    if (value > 0xffffffffULL) {
        return false;
    }
    index = static_cast<unsigned>(value);
    return true;
}

bool splitParts(const std::string& text, std::vector<PathPart>& parts) {
    size_t start = 0;
    while (start <= text.size()) {
        size_t dot = text.find('.', start);
        std::string piece = text.substr(start, dot == std::string::npos ? std::string::npos : dot - start);
        PathPart part;
        size_t open = piece.find('[');
        if (open != std::string::npos) {
            if (piece.back() != ']' || !parseIndex(piece.substr(open + 1, piece.size() - open - 2), part.index)) {
                return false;
            }
            part.indexed = true;
            piece.resize(open);
        }
        if (piece.empty()) {
            return false;
        }
        part.name = piece;
        parts.push_back(part);
        if (dot == std::string::npos) {
            break;
        }
        start = dot + 1;
    }
    return !parts.empty();
}

bool names(const AttrDef& def, const std::string& name) {
    return def.longName == name || def.shortName == name;
}

} // namespace

bool resolveAttributePath(const Node& node, const std::string& attrText, PlugAddress& addr) {
    std::vector<PathPart> parts;
    if (!splitParts(attrText, parts)) {
        return false;
    }
    int attr = node.findAttribute(parts.back().name);
    if (attr < 0) {
        return false;
    }
    std::vector<unsigned> indices;
    size_t next = 0;
    std::vector<int> chain = node.chain(attr);
    for (size_t level = 0; level < chain.size(); ++level) {
        const AttrDef& def = node.attribute(chain[level]);
        bool last = level + 1 == chain.size();
        bool named = next < parts.size() && names(def, parts[next].name);
        if (named && parts[next].indexed && !def.array) {
            return false;
        }
        if (def.array) {
            if (named && parts[next].indexed) {
                indices.push_back(parts[next].index);
            } else if (!last) {
                indices.push_back(0);
            }
        }
        if (named) {
            ++next;
        }
    }
    if (next != parts.size()) {
        return false; // a part that is not on the attribute's chain
    }
    addr.attr = attr;
    addr.indices = std::move(indices);
    return true;
}

bool resolvePlugPath(const Scene& scene, const std::string& text, Node*& node, PlugAddress& addr) {
    // Node names hold no '.', so the first one ends the node part.
    size_t dot = text.find('.');
    if (dot == std::string::npos || dot == 0) {
        return false;
    }
    Node* found = scene.find(text.substr(0, dot));
    if (!found || !resolveAttributePath(*found, text.substr(dot + 1), addr)) {
        return false;
    }
    node = found;
    return true;
}

} // namespace orvex_host
