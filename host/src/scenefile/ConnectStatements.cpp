// connectAttr and disconnectAttr: plugs named "node.attr[i].child", with
// DAG nodes named by their shortest unique path.

#include "scenefile/AttrPath.h"
#include "scenefile/Selection.h"
#include "scenefile/Statements.h"
#include "scenefile/Words.h"

#include <algorithm>

namespace orvex_host {

namespace {

struct PlugRef {
    Node* node = nullptr;
    PlugAddress address;
};

// The lowest logical index of the array plug that no element uses yet.
unsigned nextAvailable(const Node& node, const PlugAddress& arrayPlug) {
    auto it = node.elements.find(arrayPlug);
    unsigned index = 0;
    if (it != node.elements.end() && !it->second.empty() && *it->second.rbegin() == it->second.size() - 1) {
        // Elements 0 to n-1 all in use (the common case of "-na" after "-na"):
        // the next is n, without walking them.
        return static_cast<unsigned>(it->second.size());
    }
    if (it != node.elements.end()) {
        for (unsigned used : it->second) {
            if (used != index) {
                break;
            }
            ++index;
        }
    }
    return index;
}

// The instance a written DAG path names (0 for the first), for per-instance
// arrays such as instObjGroups written without an index.
unsigned instanceNamed(const Scene& scene, Node* node, const std::string& written) {
    if (!node->isDag() || !isPathText(written)) {
        return 0;
    }
    DagChain named = pathNamed(scene, node, written);
    std::vector<DagChain> all = scene.pathsOf(node);
    auto it = std::find(all.begin(), all.end(), named);
    return it == all.end() ? 0 : static_cast<unsigned>(it - all.begin());
}

// "node.attr...": the node's name and the attribute's path. Malformed
// text stops the read whether or not the node exists.
struct PlugText {
    std::string nodeName;
    std::vector<AttrPathPart> parts;
};

PlugText parsePlug(ReaderContext& ctx, const Word& word) {
    size_t dot = word.text.find('.');
    if (dot == std::string::npos || dot == 0 || dot + 1 == word.text.size()) {
        ctx.fail(word.at, "expected a plug (node.attribute), found \"" + word.text + "\"");
    }
    PlugText text{word.text.substr(0, dot), {}};
    std::string error;
    if (!parseAttrPath(std::string_view(word.text).substr(dot + 1), text.parts, error)) {
        ctx.fail(word.at, error);
    }
    for (const AttrPathPart& part : text.parts) {
        if (part.indexed && (part.all || part.first != part.last)) {
            ctx.fail(word.at, "expected a single element in a connection, found \"" + word.text + "\"");
        }
    }
    return text;
}

// Resolves "node.attr..." to one plug; false (after a notice) when the node
// is not in the scene or its type has no such attribute.
bool resolvePlug(ReaderContext& ctx, const Word& word, const PlugText& text, bool nextAvailableElement,
                 PlugRef& plug) {
    plug.node = ctx.node(text.nodeName, word.at);
    if (!plug.node) {
        return false;
    }
    ResolvedPath resolved;
    std::string problem;
    Node& node = *plug.node;
    if (resolveAttrPath(node, text.parts, ReaderContext::isGeneric(node), resolved, problem,
                        nextAvailableElement) != ResolveResult::Resolved) {
        ctx.noticeOnce("connect " + node.type->name + "." + problem, word.at,
                       "node type \"" + node.type->name + "\" has no plug \"" +
                           word.text.substr(text.nodeName.size() + 1) + "\"; the connection is skipped");
        return false;
    }
    plug.address.attr = resolved.attr;
    plug.address.indices.clear();
    for (size_t i = 0; i < resolved.arrays.size(); ++i) {
        const AttrPathPart* part = resolved.indices[i];
        unsigned index = 0;
        if (part) {
            index = part->first;
        } else if (nextAvailableElement && i + 1 == resolved.arrays.size() &&
                   resolved.arrays[i] == resolved.attr) {
            index = nextAvailable(node, PlugAddress{resolved.attr, plug.address.indices});
        } else if (i == 0 && node.attribute(resolved.arrays[0]).parent < 0) {
            index = instanceNamed(ctx.scene(), &node, text.nodeName);
        }
        plug.address.indices.push_back(index);
    }
    return true;
}

std::vector<const Word*> twoPlugs(ReaderContext& ctx, const ParsedWords& parsed, const char* at,
                                  const char* command) {
    if (parsed.positional.size() != 2) {
        ctx.fail(at, std::string("expected ") + command + " SOURCE DESTINATION");
    }
    return parsed.positional;
}

} // namespace

void readConnectAttr(ReaderContext& ctx, ValueCursor& cursor) {
    static const std::vector<FlagSpec> kFlags = {{"na", "nextAvailable", false},
                                                 {"f", "force", false},
                                                 {"l", "lock", true},
                                                 {"rd", "referenceDest", true}};
    const char* at = cursor.position();
    std::vector<Word> words;
    ParsedWords parsed = ctx.readWords(cursor, kFlags, words);
    std::vector<const Word*> plugs = twoPlugs(ctx, parsed, at, "connectAttr");
    PlugText srcText = parsePlug(ctx, *plugs[0]);
    PlugText dstText = parsePlug(ctx, *plugs[1]);
    PlugRef src, dst;
    if (!resolvePlug(ctx, *plugs[0], srcText, false, src) ||
        !resolvePlug(ctx, *plugs[1], dstText, parsed.has("na"), dst)) {
        return;
    }
    std::string error;
    if (!ctx.scene().connect(src.node, src.address, dst.node, dst.address, parsed.has("f"), error)) {
        ctx.noticeOnce("connected " + plugs[1]->text, plugs[1]->at, error + "; the connection is skipped");
        return;
    }
    if (kindIs(dst.node->kind(), Kind::Mesh) && dst.node->attribute(dst.address.attr).longName == "inMesh") {
        ctx.geometryInputConnected(*dst.node, plugs[1]->at);
    }
}

void readDisconnectAttr(ReaderContext& ctx, ValueCursor& cursor) {
    static const std::vector<FlagSpec> kFlags = {{"na", "nextAvailable", false}};
    const char* at = cursor.position();
    std::vector<Word> words;
    ParsedWords parsed = ctx.readWords(cursor, kFlags, words);
    std::vector<const Word*> plugs = twoPlugs(ctx, parsed, at, "disconnectAttr");
    PlugText srcText = parsePlug(ctx, *plugs[0]);
    PlugText dstText = parsePlug(ctx, *plugs[1]);
    PlugRef src, dst;
    if (resolvePlug(ctx, *plugs[0], srcText, false, src) &&
        resolvePlug(ctx, *plugs[1], dstText, false, dst)) {
        ctx.scene().disconnect(src.node, src.address, dst.node, dst.address);
    }
}

} // namespace orvex_host
