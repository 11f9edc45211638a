#include "scenefile/AttrPath.h"

#include <limits>

namespace orvex_host {

namespace {

bool parseIndex(std::string_view text, size_t& i, unsigned& value) {
    size_t start = i;
    unsigned long long v = 0;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
        v = v * 10 + static_cast<unsigned>(text[i] - '0');
        if (v > std::numeric_limits<unsigned>::max()) {
            return false;
        }
        ++i;
    }
    value = static_cast<unsigned>(v);
    return i > start;
}

// "[3]", "[0:7]" or "[*]" starting at text[i] == '['.
bool parseBrackets(std::string_view text, size_t& i, AttrPathPart& part, std::string& error) {
    ++i;
    part.indexed = true;
    if (i < text.size() && text[i] == '*') {
        part.all = true;
        ++i;
    } else {
        if (!parseIndex(text, i, part.first)) {
            error = "expected an element index (0 to 4294967295) in \"" + std::string(text) + "\"";
            return false;
        }
        part.last = part.first;
        if (i < text.size() && text[i] == ':') {
            ++i;
            if (!parseIndex(text, i, part.last)) {
                error = "expected the last index of the element range in \"" + std::string(text) + "\"";
                return false;
            }
            if (part.last < part.first) {
                error = "expected an element range whose last index is not below its first in \"" +
                        std::string(text) + "\"";
                return false;
            }
        }
    }
    if (i >= text.size() || text[i] != ']') {
        error = "expected ']' in \"" + std::string(text) + "\"";
        return false;
    }
    ++i;
    return true;
}

bool isAncestor(const Node& node, int ancestor, int attr) {
    for (int a = node.attribute(attr).parent; a >= 0; a = node.attribute(a).parent) {
        if (a == ancestor) {
            return true;
        }
    }
    return false;
}

// The child of `parent` (or, for -1, the top-level attribute) with this long
// or short name; -1 when none.
int childNamed(const Node& node, int parent, const std::string& name) {
    auto named = [&](int a) {
        const AttrDef& def = node.attribute(a);
        return def.longName == name || def.shortName == name;
    };
    if (parent >= 0) {
        for (int child : node.attribute(parent).children) {
            if (named(child)) {
                return child;
            }
        }
        return -1;
    }
    int found = node.findAttribute(name);
    if (found < 0 || node.attribute(found).parent < 0) {
        return found;
    }
    for (int a = 0; a < node.attributeCount(); ++a) {
        if (node.attribute(a).parent < 0 && named(a)) {
            return a;
        }
    }
    return found;
}

int addGeneric(Node& node, const AttrPathPart& part, int parent, bool array) {
    AttrDef def = makeAttr(part.name, part.name, AttrType::Generic, {}, array);
    def.parent = parent;
    def.placeholder = true;
    return node.addDynamic(std::move(def));
}

} // namespace

bool parseAttrPath(std::string_view text, std::vector<AttrPathPart>& parts, std::string& error) {
    parts.clear();
    size_t i = 0;
    for (;;) {
        if (parts.size() == kMaxAttrPathParts) {
            error = "expected an attribute path of at most " + std::to_string(kMaxAttrPathParts) +
                    " parts, found \"" + std::string(text.substr(0, 60)) + "...\"";
            return false;
        }
        AttrPathPart part;
        size_t start = i;
        while (i < text.size() && text[i] != '[' && text[i] != ']' && text[i] != '.') {
            ++i;
        }
        part.name.assign(text.substr(start, i - start));
        if (part.name.empty()) {
            error = "expected an attribute name in \"" + std::string(text) + "\"";
            return false;
        }
        if (i < text.size() && text[i] == '[' && !parseBrackets(text, i, part, error)) {
            return false;
        }
        parts.push_back(std::move(part));
        if (i >= text.size()) {
            return true;
        }
        if (text[i] != '.') {
            error = "expected '.' or the end of the attribute name in \"" + std::string(text) + "\"";
            return false;
        }
        ++i;
    }
}

ResolveResult resolveAttrPath(Node& node, const std::vector<AttrPathPart>& parts, bool createMissing,
                              ResolvedPath& resolved, std::string& problem, bool lastIsArray) {
    resolved = ResolvedPath();
    std::vector<std::pair<int, const AttrPathPart*>> named; // attribute and the part naming it
    int current = -1;
    for (const AttrPathPart& part : parts) {
        // Names are looked up below the part before first: generic nodes
        // may hold the same child name under several compounds.
        int attr = childNamed(node, current, part.name);
        if (attr < 0 && current >= 0) {
            attr = node.findAttribute(part.name);
        }
        if (attr >= 0 && current >= 0 && !isAncestor(node, current, attr)) {
            if (createMissing && node.isDynamic(current)) {
                attr = -1; // a new child of the same name
            } else {
                problem = part.name;
                return ResolveResult::NotAChild;
            }
        }
        if (attr < 0) {
            // A generic attribute can only hang below a dynamic one.
            if (!createMissing || (current >= 0 && !node.isDynamic(current))) {
                problem = part.name;
                return ResolveResult::UnknownAttribute;
            }
            attr = addGeneric(node, part, current, part.indexed || (lastIsArray && &part == &parts.back()));
        }
        if (part.indexed && !node.attribute(attr).array) {
            problem = part.name;
            return ResolveResult::NotAnArray;
        }
        named.emplace_back(attr, &part);
        current = attr;
    }
    resolved.attr = current;
    for (int a : node.chain(current)) {
        if (!node.attribute(a).array) {
            continue;
        }
        const AttrPathPart* index = nullptr;
        for (const auto& n : named) {
            if (n.first == a && n.second->indexed) {
                index = n.second;
            }
        }
        resolved.arrays.push_back(a);
        resolved.indices.push_back(index);
    }
    return ResolveResult::Resolved;
}

ElementWalk::ElementWalk(const Node& node, const ResolvedPath& path) : attr_(path.attr) {
    std::vector<unsigned> prefix; // indices of the levels so far, while each names one element
    bool singlePrefix = true;
    for (size_t i = 0; i < path.arrays.size(); ++i) {
        const AttrPathPart* part = path.indices[i];
        bool own = i + 1 == path.arrays.size() && path.arrays[i] == path.attr;
        Level level;
        if (!part) {
            if (own) {
                arrayPlug_ = true;
                break;
            }
        } else if (part->all) {
            if (!own || !singlePrefix) {
                valid_ = false;
                return;
            }
            level.useList = true;
            auto it = node.elements.find(PlugAddress{path.arrays[i], prefix});
            if (it != node.elements.end()) {
                level.list.assign(it->second.begin(), it->second.end());
            }
        } else {
            level.first = part->first;
            level.last = part->last;
        }
        unsigned long long size =
            level.useList ? level.list.size() : static_cast<unsigned long long>(level.last) - level.first + 1;
        count_ = size != 0 && count_ > std::numeric_limits<unsigned long long>::max() / size
                     ? std::numeric_limits<unsigned long long>::max()
                     : count_ * size;
        singlePrefix = singlePrefix && !level.useList && level.first == level.last;
        prefix.push_back(level.first);
        levels_.push_back(std::move(level));
    }
    done_ = count_ == 0;
}

bool ElementWalk::next(PlugAddress& address) {
    if (done_ || !valid_) {
        return false;
    }
    if (started_) {
        // Advance the innermost level; carry outwards.
        size_t i = levels_.size();
        for (;;) {
            if (i == 0) {
                done_ = true;
                return false;
            }
            Level& level = levels_[--i];
            unsigned long long size = level.useList
                                          ? level.list.size()
                                          : static_cast<unsigned long long>(level.last) - level.first + 1;
            if (++level.position < size) {
                break;
            }
            level.position = 0;
        }
    }
    started_ = true;
    address.attr = attr_;
    address.indices.clear();
    for (const Level& level : levels_) {
        address.indices.push_back(level.useList ? level.list[level.position]
                                                : level.first + static_cast<unsigned>(level.position));
    }
    return true;
}

} // namespace orvex_host
