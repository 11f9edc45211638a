// addAttr: dynamic attributes added to one node (class kLocalDynamicAttr),
// such as the Orvex_ attributes users add to transforms.

#include "scenefile/AttrValues.h"
#include "scenefile/Statements.h"

#include <algorithm>
#include <charconv>

namespace orvex_host {

namespace {

struct KindName {
    const char* name;
    AttrType type;
};

// -at names.
const KindName kAttributeTypes[] = {
    {"bool", AttrType::Bool},
    {"byte", AttrType::Byte},
    {"char", AttrType::Char},
    {"short", AttrType::Short},
    {"long", AttrType::Int},
    {"int", AttrType::Int},
    {"float", AttrType::Float},
    {"double", AttrType::Double},
    {"double2", AttrType::Double2},
    {"double3", AttrType::Double3},
    {"double4", AttrType::Compound}, // its four children follow (-p), as for quaternions
    {"float2", AttrType::Float2},
    {"float3", AttrType::Float3},
    {"long2", AttrType::Long2},
    {"long3", AttrType::Long3},
    {"short2", AttrType::Long2},
    {"short3", AttrType::Long3},
    {"reflectance", AttrType::Float3},
    {"spectrum", AttrType::Float3},
    {"enum", AttrType::Enum},
    {"message", AttrType::Message},
    {"compound", AttrType::Compound},
    {"doubleLinear", AttrType::Distance},
    {"floatLinear", AttrType::Distance},
    {"distance", AttrType::Distance},
    {"doubleAngle", AttrType::Angle},
    {"floatAngle", AttrType::Angle},
    {"angle", AttrType::Angle},
    {"time", AttrType::Time},
    {"matrix", AttrType::PlainMatrix},
    {"fltMatrix", AttrType::PlainMatrix},
};

// -dt names; other data types are kept as generic attributes.
const KindName kDataTypes[] = {
    {"string", AttrType::String},
    {"stringArray", AttrType::StringArray},
    {"matrix", AttrType::MatrixData},
    {"doubleArray", AttrType::DoubleArray},
    {"Int32Array", AttrType::IntArray},
    {"componentList", AttrType::ComponentList},
    {"mesh", AttrType::Mesh},
    {"nurbsCurve", AttrType::NurbsCurve},
    {"reflectanceRGB", AttrType::Float3},
    {"spectrumRGB", AttrType::Float3},
    {"float2", AttrType::Float2},
    {"float3", AttrType::Float3},
    {"double2", AttrType::Double2},
    {"double3", AttrType::Double3},
    {"long2", AttrType::Long2},
    {"long3", AttrType::Long3},
    {"short2", AttrType::Long2},
    {"short3", AttrType::Long3},
};

template <size_t N> bool lookUpKind(const KindName (&table)[N], const std::string& name, AttrType& type) {
    for (const KindName& k : table) {
        if (name == k.name) {
            type = k.type;
            return true;
        }
    }
    return false;
}

const std::vector<FlagSpec> kFlags = {
    {"ln", "longName", true},
    {"sn", "shortName", true},
    {"nn", "niceName", true},
    {"at", "attributeType", true},
    {"dt", "dataType", true},
    {"p", "parent", true},
    {"nc", "numberOfChildren", true},
    {"m", "multi", false},
    {"im", "indexMatters", true},
    {"min", "minValue", true},
    {"max", "maxValue", true},
    {"smn", "softMinValue", true},
    {"smx", "softMaxValue", true},
    {"hnv", "hasMinValue", true},
    {"hxv", "hasMaxValue", true},
    {"hsn", "hasSoftMinValue", true},
    {"hsx", "hasSoftMaxValue", true},
    {"dv", "defaultValue", true},
    {"en", "enumName", true},
    {"k", "keyable", true},
    {"h", "hidden", true},
    {"s", "storable", true},
    {"r", "readable", true},
    {"w", "writable", true},
    {"ci", "cachedInternally", true},
    {"uac", "usedAsColor", false},
    {"uaf", "usedAsFilename", false},
    {"is", "internalSet", true},
    {"ct", "category", true},
    {"uap", "usedAsProxy", false},
    {"c", "channelBox", true},
};

AttrType kindOf(ReaderContext& ctx, const ParsedWords& parsed) {
    AttrType type = AttrType::Double; // the host's kind when none is named
    if (const ParsedFlag* at = parsed.find("at")) {
        if (!lookUpKind(kAttributeTypes, at->argument->text, type)) {
            ctx.fail(at->argument->at, "expected an attribute type (bool, long, double, double3, enum, "
                                       "compound, message, doubleLinear, ...) after -at, found \"" +
                                           at->argument->text + "\"");
        }
    } else if (const ParsedFlag* dt = parsed.find("dt")) {
        if (!lookUpKind(kDataTypes, dt->argument->text, type)) {
            type = AttrType::Generic;
        }
    }
    return type;
}

Value defaultValue(ReaderContext& ctx, const ParsedWords& parsed, AttrType type) {
    const ParsedFlag* dv = parsed.find("dv");
    if (!dv) {
        return {};
    }
    const std::string& text = dv->argument->text;
    double d = 0;
    const char* begin = text.c_str() + (text.size() > 1 && text[0] == '+' ? 1 : 0);
    auto r = std::from_chars(begin, text.c_str() + text.size(), d);
    if (r.ec != std::errc() || r.ptr != text.c_str() + text.size()) {
        ctx.fail(dv->argument->at, "expected a number after -dv, found \"" + text + "\"");
    }
    switch (type) {
    case AttrType::Bool:
        return d != 0.0;
    case AttrType::Byte:
    case AttrType::Char:
    case AttrType::Short:
    case AttrType::Int:
    case AttrType::Enum:
        return static_cast<long long>(d);
    default:
        return d * unitScale(type, ctx.scene().settings());
    }
}

void addTo(ReaderContext& ctx, Node& node, const ParsedWords& parsed, const AttrDef& def, const char* at) {
    if (node.findAttribute(def.longName) >= 0 || node.findAttribute(def.shortName) >= 0) {
        ctx.noticeOnce("addAttr twice " + node.name + "." + def.longName, at,
                       "node \"" + node.name + "\" already has an attribute \"" + def.longName +
                           "\"; addAttr skipped");
        return;
    }
    AttrDef added = def;
    if (const ParsedFlag* p = parsed.find("p")) {
        int parent = node.findAttribute(p->argument->text);
        if (parent < 0) {
            ctx.fail(p->argument->at, "expected a compound attribute of \"" + node.name +
                                          "\" after -p, found \"" + p->argument->text + "\"");
        }
        if (!node.isDynamic(parent)) {
            // The node's type has the compound itself; it takes no children.
            ctx.noticeOnce("addAttr static parent " + node.type->name + "." + p->argument->text, at,
                           "attribute \"" + p->argument->text + "\" of node type \"" + node.type->name +
                               "\" takes no added children; addAttr skipped");
            return;
        }
        added.parent = parent;
    }
    node.addDynamic(std::move(added));
}

} // namespace

void readAddAttr(ReaderContext& ctx, ValueCursor& cursor) {
    const char* at = cursor.position();
    std::vector<Word> words;
    ParsedWords parsed = ctx.readWords(cursor, kFlags, words);
    const ParsedFlag* ln = parsed.find("ln");
    const ParsedFlag* sn = parsed.find("sn");
    if (!ln && !sn) {
        ctx.fail(at, "expected -ln or -sn with the attribute's name");
    }
    AttrType type = kindOf(ctx, parsed);
    // A dynamic attribute added without a short name uses its long name, and
    // the other way round.
    std::string longName = ln ? ln->argument->text : sn->argument->text;
    std::string shortName = sn ? sn->argument->text : longName;
    AttrDef def = makeAttr(longName, shortName, type, defaultValue(ctx, parsed, type), parsed.has("m"));

    std::vector<Node*> targets;
    if (parsed.positional.empty()) {
        targets.push_back(ctx.currentOrSkip(at, "addAttr"));
    }
    for (const Word* name : parsed.positional) {
        targets.push_back(ctx.node(name->text, name->at));
    }
    if (std::find(targets.begin(), targets.end(), nullptr) != targets.end()) {
        return; // a node the file never creates: the whole statement is skipped
    }
    for (Node* node : targets) {
        addTo(ctx, *node, parsed, def, at);
    }
}

} // namespace orvex_host
