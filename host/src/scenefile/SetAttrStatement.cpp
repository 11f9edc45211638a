// setAttr: the statement that carries almost all of a scene file's data.
// The node type's hook sees every statement first (payload data such as mesh
// geometry); what it leaves is stored here as plain attribute values.

#include "geometry/SetAttrValues.h"
#include "scenefile/AttrPath.h"
#include "scenefile/AttrValues.h"
#include "scenefile/Statements.h"

#include <limits>

namespace orvex_host {

namespace {

enum class FlagArgument { None, Bool, Count, Text };

struct SetAttrFlag {
    const char* shortName;
    const char* longName;
    FlagArgument argument;
};

const SetAttrFlag kFlags[] = {
    {"type", "type", FlagArgument::Text},        {"s", "size", FlagArgument::Count},
    {"ch", "capacityHint", FlagArgument::Count}, {"k", "keyable", FlagArgument::Bool},
    {"l", "lock", FlagArgument::Bool},           {"cb", "channelBox", FlagArgument::Bool},
    {"ca", "caching", FlagArgument::Bool},       {"av", "alteredValue", FlagArgument::None},
    {"c", "clamp", FlagArgument::None},
};

const SetAttrFlag* findFlag(std::string_view word) {
    if (word.size() < 2 || word[0] != '-') {
        return nullptr;
    }
    word.remove_prefix(1);
    for (const SetAttrFlag& f : kFlags) {
        if (word == f.shortName || word == f.longName) {
            return &f;
        }
    }
    return nullptr;
}

bool looksLikeFlag(std::string_view word) {
    return word.size() >= 2 && word[0] == '-' &&
           ((word[1] >= 'a' && word[1] <= 'z') || (word[1] >= 'A' && word[1] <= 'Z'));
}

void readFlagArgument(ReaderContext& ctx, ValueCursor& cursor, const SetAttrFlag& flag,
                      SetAttrRequest& request) {
    const char* at = cursor.position();
    std::string name = std::string("-") + flag.shortName;
    switch (flag.argument) {
    case FlagArgument::None:
        return;
    case FlagArgument::Bool: {
        bool ignored = false;
        if (!cursor.nextBool(ignored)) {
            ctx.fail(at, "expected on or off after " + name);
        }
        return;
    }
    case FlagArgument::Count: {
        long long n = 0;
        if (!cursor.nextInt(n)) {
            ctx.fail(at, "expected a count after " + name);
        }
        if (n < 0 || n > std::numeric_limits<int>::max()) {
            ctx.fail(at,
                     "expected a count from 0 to 2147483647 after " + name + ", found " + std::to_string(n));
        }
        if (std::string_view(flag.shortName) == "s") {
            request.size = n;
        } else {
            request.channelCount = n;
        }
        return;
    }
    case FlagArgument::Text: {
        std::string text;
        std::string_view word;
        if (cursor.nextString(text)) {
            request.type = std::move(text);
        } else if (cursor.peekWord(word) && !looksLikeFlag(word)) {
            cursor.nextWord(word);
            request.type.assign(word.data(), word.size());
        } else {
            ctx.fail(at, "expected a data type name after -type");
        }
        return;
    }
    }
}

// Flags before the attribute name may be any flag; after it only setAttr's
// own, so that a value such as "-inf" is not taken for one.
void readFlags(ReaderContext& ctx, ValueCursor& cursor, SetAttrRequest& request, bool afterPath) {
    std::string_view word;
    while (cursor.peekWord(word) && looksLikeFlag(word)) {
        const SetAttrFlag* flag = findFlag(word);
        if (!flag && afterPath) {
            return;
        }
        const char* at = cursor.position();
        cursor.nextWord(word);
        if (flag) {
            readFlagArgument(ctx, cursor, *flag, request);
        } else {
            std::string name(word);
            ctx.noticeOnce("setAttr flag " + name, at, "setAttr flag " + name + " is not known; ignored");
        }
    }
}

// The leaf attributes a compound's flat value list fills, in order; false
// when a child cannot take a flat value (an array, a string...). Nested
// compounds are walked with a list of pending children rather than by
// recursion, as added compounds may nest as deep as a file makes them.
bool flatLeaves(const Node& node, int attr, std::vector<int>& leaves) {
    const std::vector<int>& top = node.attribute(attr).children;
    std::vector<int> pending(top.rbegin(), top.rend());
    while (!pending.empty()) {
        int child = pending.back();
        pending.pop_back();
        const AttrDef& def = node.attribute(child);
        if (def.array) {
            return false;
        }
        if (!def.children.empty()) {
            pending.insert(pending.end(), def.children.rbegin(), def.children.rend());
        } else if (formOfAttr(def.type) != ValueForm::Numbers) {
            return false;
        } else {
            leaves.push_back(child);
        }
    }
    return true;
}

// Whether the path gives an index to every array above its own attribute,
// and has at least one: ".wl[0:99].w" does, ".w" and ".wl.w" do not.
bool namesEnclosingElements(const ResolvedPath& resolved) {
    if (resolved.arrays.size() < 2) {
        return false;
    }
    for (size_t i = 0; i + 1 < resolved.arrays.size(); ++i) {
        if (!resolved.indices[i] || resolved.indices[i]->all) {
            return false;
        }
    }
    return true;
}

class ValueStore {
public:
    ValueStore(ReaderContext& ctx, Node& node, SetAttrRequest& request, const std::string& pathText)
        : ctx_(ctx), node_(node), request_(request), path_(pathText) {}

    void store(const ResolvedPath& resolved);

private:
    void storeKnown(const ResolvedPath& resolved);
    void storeSparse(ElementWalk& walk, ValueForm form);
    void storeGeneric(const ResolvedPath& resolved);
    void storeElement(const PlugAddress& address, const std::vector<int>& leaves, ValueForm form, bool first);
    void skip(const std::string& key, const std::string& why) {
        ctx_.noticeOnce(key, request_.values.position(), why);
    }
    std::string typeName() const { return node_.type->name; }

    ReaderContext& ctx_;
    Node& node_;
    SetAttrRequest& request_;
    std::string path_;
};

void ValueStore::store(const ResolvedPath& resolved) {
    if (node_.attribute(resolved.attr).type == AttrType::Generic) {
        storeGeneric(resolved);
    } else {
        storeKnown(resolved);
    }
}

void ValueStore::storeKnown(const ResolvedPath& resolved) {
    if (request_.values.atEnd()) {
        return; // flags only (-k, -l, -s ...)
    }
    const AttrDef& def = node_.attribute(resolved.attr);
    std::vector<int> leaves;
    bool compound = !def.children.empty();
    if (compound && !flatLeaves(node_, resolved.attr, leaves)) {
        skip("compound " + typeName() + "." + def.longName,
             "compound attribute \"" + def.longName + "\" of node type \"" + typeName() +
                 "\" takes no flat value list; its values are skipped");
        return;
    }
    ValueForm form = compound ? ValueForm::Numbers : formOfAttr(def.type);
    if (!request_.type.empty() && formOfType(request_.type) != form) {
        skip("type " + request_.type + " " + typeName() + "." + def.longName,
             "values of type \"" + request_.type + "\" do not fit attribute \"" + def.longName +
                 "\" of node type \"" + typeName() + "\"; skipped");
        return;
    }
    if (form == ValueForm::Skipped) {
        skip("novalue " + typeName() + "." + def.longName, "attribute \"" + def.longName +
                                                               "\" of node type \"" + typeName() +
                                                               "\" holds no plain value; skipped");
        return;
    }
    ElementWalk walk(node_, resolved);
    PlugAddress address;
    if (walk.valid() && walk.namesArrayPlug() && !compound && form == ValueForm::Numbers &&
        namesEnclosingElements(resolved)) {
        storeSparse(walk, form);
        return;
    }
    if (!walk.valid() || (walk.namesArrayPlug() && walk.count() != 1)) {
        skip("walk " + path_, "\"" + path_ + "\" names elements the host cannot enumerate; skipped");
        return;
    }
    if (walk.namesArrayPlug()) {
        // Values for a whole array fill its elements from index 0.
        walk.next(address);
        address.indices.push_back(0);
        for (unsigned i = 0; !request_.values.atEnd(); ++i) {
            address.indices.back() = i;
            storeElement(address, leaves, form, i == 0);
        }
        return;
    }
    bool first = true;
    while (walk.next(address)) {
        storeElement(address, leaves, form, first);
        first = false;
    }
    if (!request_.values.atEnd()) {
        skip("extra " + typeName() + "." + def.longName, "more values than attribute \"" + def.longName +
                                                             "\" of node type \"" + typeName() +
                                                             "\" takes; the rest are skipped");
    }
}

// ".wl[0:99].w": the elements of the enclosing arrays, each with its
// children in the sparse form (readSparseElement). Files show the host
// writing this form for ranges of elements; values given to one element's
// array plug (".wl[3].w") are read the same way, as files show no other
// form for them.
void ValueStore::storeSparse(ElementWalk& walk, ValueForm form) {
    PlugAddress address;
    std::string error;
    while (walk.next(address)) {
        PlugAddress child = address;
        child.indices.push_back(0);
        auto element = [this] { return path_; };
        bool read = readSparseElement(request_.values, element, error, [&](unsigned index) {
            child.indices.back() = index;
            storeElement(child, {}, form, false);
            return true;
        });
        if (!read) {
            ctx_.fail(request_.values.position(), error);
        }
    }
    if (!request_.values.atEnd()) {
        skip("extra " + path_,
             "more values than the elements of \"" + path_ + "\" take; the rest are skipped");
    }
}

void ValueStore::storeElement(const PlugAddress& address, const std::vector<int>& leaves, ValueForm form,
                              bool first) {
    const SceneSettings& settings = ctx_.scene().settings();
    auto readInto = [&](int attr, bool firstOfElement) {
        const char* at = request_.values.position();
        Value value;
        std::string expected;
        ReadResult r =
            readLeafValue(request_.values, node_.attribute(attr).type, form, settings, value, expected);
        if (r == ReadResult::Missing) {
            ctx_.fail(at, std::string("expected ") + (first && firstOfElement ? "a value" : "more values") +
                              " for \"" + path_ + "\"");
        }
        if (r == ReadResult::Malformed) {
            ctx_.fail(at, "expected " + expected + " for \"" + path_ + "\"");
        }
        node_.setValue({attr, address.indices}, std::move(value));
    };
    if (leaves.empty()) {
        readInto(address.attr, true);
        return;
    }
    for (size_t i = 0; i < leaves.size(); ++i) {
        readInto(leaves[i], i == 0);
    }
}

// A value of a node whose type the host does not model: kept as written.
// Untyped words become numbers, booleans or strings, shared out evenly over
// the elements the path names.
void ValueStore::storeGeneric(const ResolvedPath& resolved) {
    ElementWalk walk(node_, resolved);
    PlugAddress address;
    if (!walk.valid()) {
        return;
    }
    ValueForm form = request_.type.empty() ? ValueForm::Numbers : formOfType(request_.type);
    if (form != ValueForm::Numbers) {
        Value value;
        std::string expected;
        while (walk.next(address)) {
            if (walk.namesArrayPlug()) {
                address.indices.push_back(0);
            }
            const char* at = request_.values.position();
            ReadResult r = readLeafValue(request_.values, AttrType::Generic, form, ctx_.scene().settings(),
                                         value, expected);
            if (r == ReadResult::Malformed) {
                ctx_.fail(at, "expected " + expected + " for \"" + path_ + "\"");
            }
            if (r == ReadResult::Missing) {
                return;
            }
            node_.setValue(address, std::move(value));
        }
        return;
    }
    std::vector<Value> words;
    while (!request_.values.atEnd()) {
        double d = 0;
        bool b = false;
        std::string s;
        std::string_view w;
        if (request_.values.nextDouble(d)) {
            words.emplace_back(d);
        } else if (request_.values.nextBool(b)) {
            words.emplace_back(b);
        } else if (request_.values.nextString(s)) {
            words.emplace_back(std::move(s));
        } else if (request_.values.nextWord(w)) {
            words.emplace_back(std::string(w));
        } else {
            break;
        }
    }
    if (words.empty()) {
        return;
    }
    unsigned long long elements = walk.namesArrayPlug() ? words.size() : walk.count();
    if (elements == 0 || words.size() % elements != 0) {
        skip("generic count " + path_,
             "the values of \"" + path_ + "\" do not share out over its elements; skipped");
        return;
    }
    size_t per = words.size() / elements;
    auto combine = [&](size_t begin) -> Value {
        if (per == 1) {
            return words[begin];
        }
        std::vector<double> numbers;
        for (size_t i = begin; i < begin + per; ++i) {
            double d = 0;
            if (!asDouble(words[i], d)) {
                return Value();
            }
            numbers.push_back(d);
        }
        return numbers;
    };
    if (walk.namesArrayPlug()) {
        walk.next(address);
        address.indices.push_back(0);
        for (size_t i = 0; i < words.size(); ++i) {
            address.indices.back() = static_cast<unsigned>(i);
            node_.setValue(address, words[i]);
        }
        return;
    }
    for (size_t begin = 0; walk.next(address); begin += per) {
        node_.setValue(address, combine(begin));
    }
}

// The node the statement sets, with `pathText` cut to the attribute's path;
// null when the statement is skipped (its node is not in the scene).
Node* targetNode(ReaderContext& ctx, std::string& pathText, const char* at) {
    if (!pathText.empty() && pathText[0] == '.') {
        pathText.erase(0, 1);
        return ctx.currentOrSkip(at, "setAttr");
    }
    size_t dot = pathText.find('.');
    if (dot == std::string::npos || dot == 0) {
        ctx.fail(at, "expected an attribute name (\".attr\" or \"node.attr\"), found \"" + pathText + "\"");
    }
    std::string nodeName = pathText.substr(0, dot);
    pathText.erase(0, dot + 1);
    return ctx.node(nodeName, at);
}

void checkSize(ReaderContext& ctx, const SetAttrRequest& request, const char* at) {
    if (request.size < 0 || request.path.empty()) {
        return;
    }
    const AttrPathPart& last = request.path.back();
    unsigned long long written =
        last.indexed && !last.all ? static_cast<unsigned long long>(last.last) - last.first + 1 : 0;
    if (written > static_cast<unsigned long long>(request.size)) {
        ctx.fail(at, "expected -s " + std::to_string(request.size) + " to cover the " +
                         std::to_string(written) + " elements the statement names");
    }
}

} // namespace

void readSetAttr(ReaderContext& ctx, ValueCursor& cursor) {
    SetAttrRequest request;
    readFlags(ctx, cursor, request, false);
    const char* pathAt = cursor.position();
    std::string pathText;
    if (!cursor.nextString(pathText)) {
        std::string_view word;
        if (!cursor.nextWord(word)) {
            ctx.fail(pathAt, "expected an attribute name after setAttr");
        }
        pathText.assign(word.data(), word.size());
    }
    readFlags(ctx, cursor, request, true);
    std::string written = pathText;
    Node* target = targetNode(ctx, pathText, pathAt);
    std::string error;
    if (!parseAttrPath(pathText, request.path, error)) {
        ctx.fail(pathAt, error);
    }
    checkSize(ctx, request, pathAt);
    if (!target) {
        return; // the values' form depends on the attribute, which no node here has
    }
    Node& node = *target;
    request.values = cursor;

    if (node.type->setAttrHook && node.type->setAttrHook(ctx.scene(), node, request)) {
        if (!request.error.empty()) {
            ctx.fail(request.values.position(), request.error);
        }
        return;
    }

    if (!request.type.empty() && formOfType(request.type) == ValueForm::Skipped) {
        ctx.noticeOnce("type " + request.type, pathAt,
                       "values of type \"" + request.type + "\" are not kept by the host; skipped");
        return;
    }
    ResolvedPath resolved;
    std::string problem;
    switch (resolveAttrPath(node, request.path, ReaderContext::isGeneric(node), resolved, problem,
                            request.size >= 0)) {
    case ResolveResult::Resolved:
        ValueStore(ctx, node, request, written).store(resolved);
        return;
    case ResolveResult::UnknownAttribute:
        ctx.noticeOnce("attr " + node.type->name + "." + problem, pathAt,
                       "node type \"" + node.type->name + "\" has no attribute \"" + problem +
                           "\"; its values are skipped");
        return;
    case ResolveResult::NotAChild:
    case ResolveResult::NotAnArray:
        ctx.noticeOnce("path " + node.type->name + "." + written, pathAt,
                       "\"" + written + "\" does not name a plug of node type \"" + node.type->name +
                           "\"; skipped");
        return;
    }
}

} // namespace orvex_host
