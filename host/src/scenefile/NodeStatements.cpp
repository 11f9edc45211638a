// createNode, rename, parent and select: the statements that make nodes,
// name them, place them in the DAG and pick the node later statements apply
// to.

#include "scenefile/Selection.h"
#include "scenefile/Statements.h"
#include "scenefile/Words.h"

#include <algorithm>

namespace orvex_host {

namespace {

// The node a shared createNode (-s) names, if it already exists: a child of
// the parent, or a node of that name.
Node* sharedNode(Scene& scene, const std::string& name, const Node* parent) {
    if (!parent) {
        return scene.find(name);
    }
    for (Node* child : parent->children) {
        if (child->name == name) {
            return child;
        }
    }
    return nullptr;
}

const NodeType& typeFor(ReaderContext& ctx, const Word& typeWord, const std::string& name, bool underParent) {
    TypeRegistry& registry = TypeRegistry::instance();
    if (const NodeType* type = registry.find(typeWord.text)) {
        if (type->kind == Kind::World) {
            ctx.fail(typeWord.at, "expected a node type that can be created, found \"world\"");
        }
        return *type;
    }
    // A node of an unknown type that other nodes are parented below is
    // taken for a transform; one created below a parent for a shape-like
    // DAG node (plug-in shapes and locators are the common case); one
    // created on its own for a DG node.
    ctx.noticeOnce("type " + typeWord.text, typeWord.at,
                   "node type \"" + typeWord.text + "\" is unknown; its nodes are kept as generic nodes");
    if (ctx.usedAsParentLater(name)) {
        return *registry.find("unknownTransform");
    }
    return *registry.find(underParent ? "unknownDag" : "unknown");
}

} // namespace

void readCreateNode(ReaderContext& ctx, ValueCursor& cursor) {
    static const std::vector<FlagSpec> kFlags = {
        {"n", "name", true}, {"p", "parent", true}, {"s", "shared", false}, {"ss", "skipSelect", false}};
    std::vector<Word> words;
    ParsedWords parsed = ctx.readWords(cursor, kFlags, words);
    if (parsed.positional.size() != 1) {
        ctx.fail(parsed.positional.empty() ? cursor.position() : parsed.positional[1]->at,
                 "expected one node type name after createNode");
    }
    const Word& typeWord = *parsed.positional[0];
    const ParsedFlag* nameFlag = parsed.find("n");
    const ParsedFlag* parentFlag = parsed.find("p");
    std::string name = nameFlag ? nameFlag->argument->text : typeWord.text + "1";
    const Word* parentWord = parentFlag ? parentFlag->argument : nullptr;
    Scene& scene = ctx.scene();

    // A node below a parent the file never creates is not made, nor are the
    // values of the statements that follow for it.
    Node* parent = parentWord ? ctx.node(parentWord->text, parentWord->at) : nullptr;
    if (parentWord && !parent) {
        ctx.skipCurrent();
        return;
    }
    // A shared node (the startup cameras...) is reused; so is a default node
    // a file creates again under its own name (layerManager...), as the host
    // keeps one of each.
    Node* existing = sharedNode(scene, name, parent);
    if (existing && (parsed.has("s") || existing->isDefault)) {
        ctx.setCurrent(existing);
        return;
    }
    const NodeType& type = typeFor(ctx, typeWord, name, parent != nullptr);
    if (parent && !type.dag) {
        ctx.noticeOnce("dgparent " + type.name, parentWord->at,
                       "node type \"" + type.name + "\" is no DAG type; its -p parent is ignored");
        parent = nullptr;
    }
    if (parent && !parent->isDag()) {
        ctx.fail(parentWord->at, "expected a DAG node as the parent, found \"" + parentWord->text + "\"");
    }
    ctx.setCurrent(scene.createNode(type, name, parent));
}

void readRename(ReaderContext& ctx, ValueCursor& cursor) {
    static const std::vector<FlagSpec> kFlags = {{"uid", "uuid", false}, {"is", "ignoreShape", false}};
    std::vector<Word> words;
    ParsedWords parsed = ctx.readWords(cursor, kFlags, words);
    if (parsed.has("uid")) {
        return; // node ids are not kept
    }
    if (parsed.positional.empty() || parsed.positional.size() > 2) {
        ctx.fail(cursor.position(), "expected rename [NODE] NEWNAME");
    }
    Node* node = parsed.positional.size() == 2
                     ? ctx.node(parsed.positional[0]->text, parsed.positional[0]->at)
                     : ctx.currentOrSkip(parsed.positional[0]->at, "rename");
    if (node) {
        ctx.scene().rename(node, parsed.positional.back()->text);
    }
}

// The child keeps its local values whether -r is given or not: the host
// computes no world matrices, so there is nothing to keep in world space.
void readParent(ReaderContext& ctx, ValueCursor& cursor) {
    static const std::vector<FlagSpec> kFlags = {
        {"s", "shape", false},         {"nc", "noConnections", false}, {"r", "relative", false},
        {"a", "absolute", false},      {"add", "addObject", false},    {"w", "world", false},
        {"rm", "removeObject", false}, {"nis", "noInvScale", false}};
    std::vector<Word> words;
    ParsedWords parsed = ctx.readWords(cursor, kFlags, words);
    if (parsed.has("rm")) {
        ctx.noticeOnce("parent -rm", words.front().at,
                       "parent -rm (removing an instance) is not supported; skipped");
        return;
    }
    bool toWorld = parsed.has("w");
    size_t childCount =
        toWorld ? parsed.positional.size() : parsed.positional.size() - (parsed.positional.empty() ? 0 : 1);
    if (childCount == 0) {
        ctx.fail(cursor.position(), toWorld ? "expected the nodes to parent to the world"
                                            : "expected parent [flags] CHILD... PARENT");
    }
    // Every name is looked up before anything moves: a statement that names
    // a node the file never creates is skipped whole.
    std::vector<Node*> named;
    for (const Word* w : parsed.positional) {
        named.push_back(ctx.node(w->text, w->at));
    }
    if (std::find(named.begin(), named.end(), nullptr) != named.end()) {
        return;
    }
    Node* parent = toWorld ? nullptr : named.back();
    for (size_t i = 0; i < childCount; ++i) {
        std::string error;
        if (!ctx.scene().parent(named[i], parent, parsed.has("add"), error)) {
            ctx.fail(parsed.positional[i]->at, "expected a DAG node that can be parented: " + error);
        }
    }
}

void readSelect(ReaderContext& ctx, ValueCursor& cursor) {
    std::vector<Word> words = readWords(cursor);
    std::vector<std::string> texts;
    for (const Word& w : words) {
        texts.push_back(w.quoted ? "\"" : w.text); // a quoted word is never a flag
    }
    SelectArgs args = parseSelectArgs(texts);
    std::vector<std::pair<Node*, std::string>> named;
    for (size_t i : args.names) {
        named.emplace_back(ctx.node(words[i].text, words[i].at), words[i].text);
    }
    if (std::any_of(named.begin(), named.end(), [](const auto& n) { return n.first == nullptr; })) {
        ctx.skipCurrent(); // and so are the setAttr statements meant for the node
        return;
    }
    // Files write "select -ne NODE" only to make a (default) node current
    // for the setAttr statements after it, and the host ends the opening of
    // a file with nothing of that selected; "select -r" and the other modes
    // (in scenes written by hand) set the active selection.
    if (!args.noExpand) {
        applySelection(ctx.scene(), args, named);
    }
    // The setAttr statements that follow apply to the node named last.
    if (!named.empty()) {
        ctx.setCurrent(named.back().first);
    } else if (args.clear) {
        ctx.setCurrent(nullptr);
    }
}

} // namespace orvex_host
