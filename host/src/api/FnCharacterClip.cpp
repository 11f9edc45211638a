// MFnCharacter and MFnClip over the connections between characters, clip
// libraries, clips and curves (see types/AnimationTypes.cpp for how the host
// ties them together).

#include "api/Access.h"
#include "api/FnReads.h"
#include "api/TimeUnits.h"
#include "scenefile/AttrPath.h"
#include "types/AnimationData.h"

#include <orvex_host/Session.h>

#include <maya/MFnCharacter.h>
#include <maya/MFnClip.h>
#include <maya/MObjectArray.h>
#include <maya/MPlugArray.h>

#include <algorithm>
#include <utility>
#include <vector>

using namespace orvex_host;

namespace {

bool isKind(const Node* node, Kind kind) {
    return node && kindIs(node->kind(), kind);
}

void appendOnce(std::vector<Node*>& nodes, Node* node) {
    if (std::find(nodes.begin(), nodes.end(), node) == nodes.end()) {
        nodes.push_back(node);
    }
}

// The nodes of a kind connected directly to `node`, in either direction, in
// connection order.
std::vector<Node*> connectedOfKind(const Scene& scene, const Node* node, Kind kind) {
    std::vector<Node*> found;
    for (const Connection& c : scene.connections()) {
        if (c.srcNode == node && isKind(c.dstNode, kind)) {
            appendOnce(found, c.dstNode);
        } else if (c.dstNode == node && isKind(c.srcNode, kind)) {
            appendOnce(found, c.srcNode);
        }
    }
    return found;
}

// The sources of the elements of a library's array attribute whose address
// starts with `prefix`, by the next logical index (ascending).
std::vector<std::pair<unsigned, Node*>> elementSources(const Scene& scene, const Node* library,
                                                       const char* attrName,
                                                       const std::vector<unsigned>& prefix) {
    std::vector<std::pair<unsigned, Node*>> sources;
    int attr = library->findAttribute(attrName);
    for (const Connection& c : scene.connections()) {
        if (c.dstNode != library || c.dst.attr != attr || c.dst.indices.size() != prefix.size() + 1 ||
            !std::equal(prefix.begin(), prefix.end(), c.dst.indices.begin())) {
            continue;
        }
        sources.emplace_back(c.dst.indices.back(), c.srcNode);
    }
    std::stable_sort(sources.begin(), sources.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    return sources;
}

std::vector<Node*> sourceClipsOf(const Scene& scene, const Node* character) {
    std::vector<Node*> clips;
    for (Node* library : connectedOfKind(scene, character, Kind::ClipLibrary)) {
        for (const auto& element : elementSources(scene, library, "sourceClip", {})) {
            if (isKind(element.second, Kind::Clip)) {
                appendOnce(clips, element.second);
            }
        }
    }
    return clips;
}

// The library a clip is a source clip of, and its index there.
bool libraryOf(const Scene& scene, const Node* clip, Node*& library, unsigned& index) {
    for (const Connection& c : scene.connections()) {
        if (c.srcNode == clip && isKind(c.dstNode, Kind::ClipLibrary) && c.dst.indices.size() == 1 &&
            c.dst.attr == c.dstNode->findAttribute("sourceClip")) {
            library = c.dstNode;
            index = c.dst.indices[0];
            return true;
        }
    }
    return false;
}

// The text naming the attribute of member `member` of clip `clip`: the clip's
// own mapping entry, or the character's entry that the clip's index map
// gives; empty when neither has one.
std::string memberPlugText(const Scene& scene, Node* library, unsigned clip, unsigned member) {
    const ClipLibraryData* data = library->payloadAs<ClipLibraryData>();
    if (!data) {
        return std::string();
    }
    auto mapping = data->clipMappings.find(clip);
    if (mapping != data->clipMappings.end() && member < mapping->second.size()) {
        return mapping->second[member].plug;
    }
    auto indexMap = data->clipIndexMaps.find(clip);
    if (indexMap == data->clipIndexMaps.end() || member >= indexMap->second.size()) {
        return std::string();
    }
    int position = indexMap->second[member];
    for (Node* character : connectedOfKind(scene, library, Kind::Character)) {
        const CharacterData* own = character->payloadAs<CharacterData>();
        if (own && position >= 0 && static_cast<size_t>(position) < own->mapping.size()) {
            return own->mapping[static_cast<size_t>(position)].plug;
        }
    }
    return std::string();
}

// The plug a mapping entry names ("pCube1.translateX", "|group1|pCube1.tx"):
// the node by name or DAG path, the attribute by long or short name, its
// compound parents optional, a left-out array index standing for element 0;
// false when the text names no plug of the scene.
bool resolveMappedPlug(const Scene& scene, const std::string& text, Node*& node, PlugAddress& address) {
    size_t dot = text.find('.'); // node names hold no '.'
    Node* found = dot == std::string::npos || dot == 0 ? nullptr : scene.find(text.substr(0, dot));
    std::vector<AttrPathPart> parts;
    std::string problem;
    ResolvedPath resolved;
    if (!found || !parseAttrPath(std::string_view(text).substr(dot + 1), parts, problem) ||
        resolveAttrPath(*found, parts, false, resolved, problem) != ResolveResult::Resolved) {
        return false;
    }
    address = PlugAddress{resolved.attr, {}};
    for (size_t i = 0; i < resolved.arrays.size(); ++i) {
        const AttrPathPart* part = resolved.indices[i];
        if (part && (part->all || part->first != part->last)) {
            return false; // a mapping names one plug, not a range
        }
        if (!part && resolved.arrays[i] == resolved.attr) {
            break; // the array plug itself
        }
        address.indices.push_back(part ? part->first : 0);
    }
    node = found;
    return true;
}

} // namespace

// ---- MFnCharacter ------------------------------------------------------------

MFnCharacter::MFnCharacter(const MObject& object, MStatus* status) {
    attachFunctionSet(*this, object, status);
}

int MFnCharacter::getSourceClipCount(MStatus* status) const {
    Node* node = ObjectAccess::node(obj());
    reportStatus(status, node != nullptr);
    return node ? static_cast<int>(sourceClipsOf(currentScene(), node).size()) : 0;
}

MObject MFnCharacter::getSourceClip(unsigned int index, MStatus* status) const {
    Node* node = ObjectAccess::node(obj());
    std::vector<Node*> clips = node ? sourceClipsOf(currentScene(), node) : std::vector<Node*>();
    bool ok = index < clips.size();
    reportStatus(status, ok);
    return ok ? ObjectAccess::fromNode(clips[index]) : MObject();
}

// ---- MFnClip -----------------------------------------------------------------

MFnClip::MFnClip(const MObject& object, MStatus* status) {
    attachFunctionSet(*this, object, status);
}

MStatus MFnClip::getMemberAnimCurves(MObjectArray& curves, MPlugArray& associatedAttrs) {
    curves.clear();
    associatedAttrs.clear();
    Node* clip = ObjectAccess::node(obj());
    if (!clip) {
        return MS::kFailure;
    }
    const Scene& scene = currentScene();
    Node* library = nullptr;
    unsigned index = 0;
    if (!libraryOf(scene, clip, library, index)) {
        return MS::kSuccess; // a clip in no library has no members
    }
    // A member whose attribute is not named, or names nothing in the scene,
    // is left out.
    for (const auto& element : elementSources(scene, library, "clipEvalRaw", {index})) {
        if (!isKind(element.second, Kind::AnimCurve)) {
            continue;
        }
        Node* target = nullptr;
        PlugAddress address;
        if (!resolveMappedPlug(scene, memberPlugText(scene, library, index, element.first), target,
                               address)) {
            continue;
        }
        curves.append(ObjectAccess::fromNode(element.second));
        associatedAttrs.append(ObjectAccess::plug(target, address));
    }
    return MS::kSuccess;
}

MTime MFnClip::getSourceStart(MStatus* status) const {
    return MTime(readNamedValue(*this, "sourceStart", 0.0, status), MTime::uiUnit());
}

MTime MFnClip::getSourceDuration(MStatus* status) const {
    MStatus endRead;
    const double end = readNamedValue(*this, "sourceEnd", 0.0, &endRead);
    const double start = readNamedValue(*this, "sourceStart", 0.0, status);
    if (status && !endRead) {
        *status = endRead;
    }
    return MTime(end - start, MTime::uiUnit());
}

bool MFnClip::isInstancedClip(MStatus* status) const {
    return readNamedValue(*this, "clipInstance", false, status);
}
