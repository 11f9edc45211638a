#pragma once
// Node types of the host's dependency graph and the registry that knows them.

#include "graph/Attribute.h"
#include "graph/Kind.h"

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace orvex_host {

struct Node;
struct Payload;
class Scene;
struct SetAttrRequest;

// A node type: its exact kind, its attributes (those of its base types
// first) and, for types whose data lives outside plain attributes (meshes,
// curves, skin weights...), a payload and a hook that receives the setAttr
// statements the payload consumes.
struct NodeType {
    std::string name;
    Kind kind = Kind::Invalid;
    const NodeType* base = nullptr;
    bool dag = false;
    // Types the host models by their place in the type hierarchy and the
    // attributes of their modelled bases only: attributes of their own that
    // scene files set or connect are made on first use, as on nodes of
    // unknown types, instead of being skipped with a notice.
    bool keepsUnlistedAttributes = false;
    std::vector<AttrDef> attrs;
    std::map<std::string, int> byName; // long and short names

    std::function<std::unique_ptr<Payload>()> makePayload;
    // Returns true when the hook consumed the statement; it may also report
    // an error through the request.
    std::function<bool(Scene&, Node&, SetAttrRequest&)> setAttrHook;

    int find(const std::string& attrName) const {
        auto it = byName.find(attrName);
        return it == byName.end() ? -1 : it->second;
    }
};

// Builds a node type attribute by attribute.
class NodeTypeBuilder {
public:
    NodeTypeBuilder(NodeType& type) : type_(type) {}

    // A plain attribute; returns its index.
    int attr(const std::string& longName, const std::string& shortName, AttrType type, Value def = {},
             bool array = false, int parent = -1);
    // A compound with the given children (already described); returns its index.
    int compound(const std::string& longName, const std::string& shortName,
                 const std::vector<AttrDef>& children, bool array = false, int parent = -1);
    // A three-component compound such as translate (tx, ty, tz).
    int triple(const std::string& longName, const std::string& shortName, const std::string& suffixes,
               AttrType childType, double def, bool array = false);
    // The same with explicit child names (color -> colorR/cr ...).
    int triple(const std::string& longName, const std::string& shortName,
               const std::vector<std::string>& childLong, const std::vector<std::string>& childShort,
               AttrType childType, double def, bool array = false, int parent = -1);
    // A colour: three float children named after it (color -> colorR/cr ...).
    int color(const std::string& longName, const std::string& shortName, double def, int parent = -1);
    // Gives an attribute the default `value` on host versions up to
    // `untilVersion`, for a default the host changed later.
    void olderDefault(int attr, int untilVersion, Value value);

private:
    NodeType& type_;
};

AttrDef makeAttr(const std::string& longName, const std::string& shortName, AttrType type, Value def = {},
                 bool array = false);

class TypeRegistry {
public:
    static TypeRegistry& instance();

    // Creates a type derived from `baseName` (empty for none): it starts with
    // a copy of the base's attributes.
    NodeType& define(const std::string& name, Kind kind, const std::string& baseName, bool dag);
    const NodeType* find(const std::string& name) const;
    // The names of all registered types, in ascending byte order.
    std::vector<std::string> typeNames() const;

private:
    TypeRegistry();
    std::map<std::string, std::unique_ptr<NodeType>> types_;
};

// One function per family of node types; each registers its types.
void registerBaseTypes(TypeRegistry& registry);

} // namespace orvex_host
