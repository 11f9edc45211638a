#pragma once
// One node of the host's dependency graph.

#include "graph/NodeType.h"
#include "graph/Value.h"

#include <cstdint>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace orvex_host {

// Data a node keeps beside its plain attribute values (mesh geometry, curve
// data, skin weights...).  Function sets reach it with dynamic_cast.
struct Payload {
    virtual ~Payload() = default;
};

// Where a plug lives on its node: the attribute and one logical index for
// every array attribute on the way from the top-level attribute down to it.
// A plug of an array attribute without its own index is the array plug.
struct PlugAddress {
    int attr = -1;
    std::vector<unsigned> indices;

    bool operator<(const PlugAddress& o) const {
        return attr != o.attr ? attr < o.attr : indices < o.indices;
    }
    bool operator==(const PlugAddress& o) const { return attr == o.attr && indices == o.indices; }
    bool operator!=(const PlugAddress& o) const { return !(*this == o); }
};

struct Node {
    uint64_t serial = 0; // creation order
    const NodeType* type = nullptr;
    std::string name;
    bool isDefault = false;
    bool underworld = false;

    std::vector<AttrDef> dynamicAttrs;
    // Long and short names of the dynamic attributes, each with the index of
    // the first that has it, so that nodes with many added attributes find
    // them without a search (addDynamic keeps it).
    std::map<std::string, int> dynamicByName;
    std::map<PlugAddress, Value> values;
    // Existing logical indices of each array plug, keyed by the array plug.
    std::map<PlugAddress, std::set<unsigned>> elements;

    std::vector<Node*> parents; // DAG parents in parenting order (several for instances)
    std::vector<Node*> children;

    std::unique_ptr<Payload> payload;

    bool isDag() const { return type->dag; }
    Kind kind() const { return type->kind; }

    int attributeCount() const { return static_cast<int>(type->attrs.size() + dynamicAttrs.size()); }
    const AttrDef& attribute(int index) const;
    bool isDynamic(int index) const { return index >= static_cast<int>(type->attrs.size()); }
    // Long or short name; -1 when the node has no such attribute.
    int findAttribute(const std::string& name) const;
    // Adds a dynamic attribute (its children follow it); returns its index.
    int addDynamic(AttrDef def, const std::vector<AttrDef>& children = {});

    // Attributes from the top-level one down to `attr`.
    std::vector<int> chain(int attr) const;
    // Number of array attributes on that chain.
    size_t arrayDepth(int attr) const;
    // Whether the address names an element (or the child of one) rather than
    // the array plug itself; i.e. it carries one index per array level.
    bool isComplete(const PlugAddress& addr) const { return addr.indices.size() == arrayDepth(addr.attr); }

    const Value* value(const PlugAddress& addr) const;
    void setValue(const PlugAddress& addr, Value v);
    // Records that the elements along the address exist.
    void touch(const PlugAddress& addr);

    template <class P> P* payloadAs() const { return dynamic_cast<P*>(payload.get()); }
};

} // namespace orvex_host
