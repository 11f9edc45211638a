#include "graph/NodeType.h"

#include <orvex_host/Session.h>

#include <stdexcept>

namespace orvex_host {

bool isNumericType(AttrType t) {
    switch (t) {
    case AttrType::Bool:
    case AttrType::Byte:
    case AttrType::Char:
    case AttrType::Short:
    case AttrType::Int:
    case AttrType::Float:
    case AttrType::Double:
    case AttrType::Float2:
    case AttrType::Float3:
    case AttrType::Double2:
    case AttrType::Double3:
    case AttrType::Long2:
    case AttrType::Long3:
        return true;
    default:
        return false;
    }
}

bool isTypedType(AttrType t) {
    switch (t) {
    case AttrType::String:
    case AttrType::StringArray:
    case AttrType::IntArray:
    case AttrType::DoubleArray:
    case AttrType::MatrixData:
    case AttrType::ComponentList:
    case AttrType::Mesh:
    case AttrType::NurbsCurve:
        return true;
    default:
        return false;
    }
}

bool isUnitType(AttrType t) {
    return t == AttrType::Distance || t == AttrType::Angle || t == AttrType::Time;
}

AttrDef makeAttr(const std::string& longName, const std::string& shortName, AttrType type, Value def,
                 bool array) {
    AttrDef a;
    a.longName = longName;
    a.shortName = shortName.empty() ? longName : shortName;
    a.type = type;
    a.array = array;
    a.defaultValue = std::move(def);
    return a;
}

const Value& currentDefault(const AttrDef& def) {
    return def.olderDefaultUntil != 0 && apiVersion() <= def.olderDefaultUntil ? def.olderDefault
                                                                               : def.defaultValue;
}

void NodeTypeBuilder::olderDefault(int attr, int untilVersion, Value value) {
    AttrDef& def = type_.attrs[static_cast<size_t>(attr)];
    def.olderDefaultUntil = untilVersion;
    def.olderDefault = std::move(value);
}

int NodeTypeBuilder::attr(const std::string& longName, const std::string& shortName, AttrType type, Value def,
                          bool array, int parent) {
    AttrDef a = makeAttr(longName, shortName, type, std::move(def), array);
    a.parent = parent;
    int index = static_cast<int>(type_.attrs.size());
    type_.attrs.push_back(std::move(a));
    type_.byName[longName] = index;
    type_.byName[type_.attrs.back().shortName] = index;
    if (parent >= 0) {
        type_.attrs[parent].children.push_back(index);
    }
    return index;
}

int NodeTypeBuilder::compound(const std::string& longName, const std::string& shortName,
                              const std::vector<AttrDef>& children, bool array, int parent) {
    int index = attr(longName, shortName, AttrType::Compound, {}, array, parent);
    for (const AttrDef& c : children) {
        attr(c.longName, c.shortName, c.type, c.defaultValue, c.array, index);
    }
    return index;
}

int NodeTypeBuilder::triple(const std::string& longName, const std::string& shortName,
                            const std::string& suffixes, AttrType childType, double def, bool array) {
    std::vector<std::string> longs, shorts;
    for (char c : suffixes) {
        longs.push_back(longName + static_cast<char>(c - 'a' + 'A'));
        shorts.push_back(shortName + c);
    }
    return triple(longName, shortName, longs, shorts, childType, def, array);
}

int NodeTypeBuilder::triple(const std::string& longName, const std::string& shortName,
                            const std::vector<std::string>& childLong,
                            const std::vector<std::string>& childShort, AttrType childType, double def,
                            bool array, int parent) {
    int index = attr(longName, shortName, AttrType::Compound, {}, array, parent);
    for (size_t i = 0; i < childLong.size(); ++i) {
        attr(childLong[i], childShort[i], childType, def, false, index);
    }
    return index;
}

int NodeTypeBuilder::color(const std::string& longName, const std::string& shortName, double def,
                           int parent) {
    return triple(longName, shortName, {longName + "R", longName + "G", longName + "B"},
                  {shortName + "r", shortName + "g", shortName + "b"}, AttrType::Float, def, false, parent);
}

TypeRegistry& TypeRegistry::instance() {
    static TypeRegistry registry;
    return registry;
}

TypeRegistry::TypeRegistry() {
    registerBaseTypes(*this);
}

namespace {

// The attributes every dependency node of the host has, whatever its type;
// scene files connect and set them on nodes of any kind.
void addDependencyNodeAttributes(NodeType& type) {
    NodeTypeBuilder b(type);
    b.attr("message", "msg", AttrType::Message);
    b.attr("caching", "cch", AttrType::Bool, false);
    b.attr("isHistoricallyInteresting", "ihi", AttrType::Byte, 2LL);
    b.attr("nodeState", "nds", AttrType::Enum, 0LL);
    b.attr("binMembership", "bnm", AttrType::String, std::string());
}

} // namespace

NodeType& TypeRegistry::define(const std::string& name, Kind kind, const std::string& baseName, bool dag) {
    auto type = std::make_unique<NodeType>();
    type->name = name;
    type->kind = kind;
    type->dag = dag;
    if (!baseName.empty()) {
        const NodeType* base = find(baseName);
        if (!base) {
            throw std::logic_error("node type " + name + " derives from unknown type " + baseName);
        }
        type->base = base;
        type->attrs = base->attrs;
        type->byName = base->byName;
        type->makePayload = base->makePayload;
        type->setAttrHook = base->setAttrHook;
    } else {
        addDependencyNodeAttributes(*type);
    }
    NodeType& ref = *type;
    types_[name] = std::move(type);
    return ref;
}

const NodeType* TypeRegistry::find(const std::string& name) const {
    auto it = types_.find(name);
    return it == types_.end() ? nullptr : it->second.get();
}

std::vector<std::string> TypeRegistry::typeNames() const {
    std::vector<std::string> names;
    for (const auto& entry : types_) {
        names.push_back(entry.first);
    }
    return names;
}

} // namespace orvex_host
