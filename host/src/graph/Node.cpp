#include "graph/Node.h"

#include <algorithm>

namespace orvex_host {

const AttrDef& Node::attribute(int index) const {
    int own = static_cast<int>(type->attrs.size());
    return index < own ? type->attrs[index] : dynamicAttrs[index - own];
}

int Node::findAttribute(const std::string& attrName) const {
    int index = type->find(attrName);
    if (index >= 0) {
        return index;
    }
    auto it = dynamicByName.find(attrName);
    return it == dynamicByName.end() ? -1 : it->second;
}

int Node::addDynamic(AttrDef def, const std::vector<AttrDef>& childDefs) {
    int own = static_cast<int>(type->attrs.size());
    int index = own + static_cast<int>(dynamicAttrs.size());
    def.dynamic = true;
    if (def.shortName.empty()) {
        def.shortName = def.longName;
    }
    // A dynamic attribute can only be the child of a dynamic compound.
    if (def.parent >= own) {
        dynamicAttrs[def.parent - own].children.push_back(index);
    } else {
        def.parent = -1;
    }
    dynamicByName.emplace(def.longName, index);
    dynamicByName.emplace(def.shortName, index);
    dynamicAttrs.push_back(std::move(def));
    for (AttrDef child : childDefs) {
        child.parent = index;
        addDynamic(std::move(child));
    }
    return index;
}

std::vector<int> Node::chain(int attr) const {
    std::vector<int> result;
    for (int a = attr; a >= 0; a = attribute(a).parent) {
        result.push_back(a);
    }
    std::reverse(result.begin(), result.end());
    return result;
}

size_t Node::arrayDepth(int attr) const {
    size_t depth = 0;
    for (int a = attr; a >= 0; a = attribute(a).parent) {
        if (attribute(a).array) {
            ++depth;
        }
    }
    return depth;
}

const Value* Node::value(const PlugAddress& addr) const {
    auto it = values.find(addr);
    return it == values.end() ? nullptr : &it->second;
}

void Node::setValue(const PlugAddress& addr, Value v) {
    touch(addr);
    values[addr] = std::move(v);
}

void Node::touch(const PlugAddress& addr) {
    size_t level = 0;
    for (int a : chain(addr.attr)) {
        if (!attribute(a).array) {
            continue;
        }
        if (level >= addr.indices.size()) {
            break; // the array plug itself: no element named
        }
        PlugAddress arrayPlug{a, std::vector<unsigned>(addr.indices.begin(), addr.indices.begin() + level)};
        elements[arrayPlug].insert(addr.indices[level]);
        ++level;
    }
}

} // namespace orvex_host
