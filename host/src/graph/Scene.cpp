#include "graph/Scene.h"

#include <algorithm>

namespace orvex_host {

void createStartupNodes(Scene& scene); // types/StartupNodes.cpp

namespace {

// A leading ':' names the root namespace ("|:time1" or ":lambert1").
std::string stripRootNamespace(const std::string& name) {
    return !name.empty() && name[0] == ':' ? name.substr(1) : name;
}

} // namespace

Scene::Scene(bool startupNodes) {
    world_ = createNode(*TypeRegistry::instance().find("world"), "world");
    if (startupNodes) {
        createStartupNodes(*this);
    }
}

Scene::~Scene() = default;

std::string Scene::uniqueName(const std::string& wanted, Node* parent) const {
    auto taken = [&](const std::string& candidate) {
        auto it = byName_.find(candidate);
        if (it == byName_.end()) {
            return false;
        }
        auto dg = dgNameCount_.find(candidate);
        if (!parent || (dg != dgNameCount_.end() && dg->second > 0)) {
            return true; // DG names are unique in the whole scene
        }
        // A sibling already has it: look through whichever list is shorter.
        if (parent->children.size() < it->second.size()) {
            return std::any_of(parent->children.begin(), parent->children.end(),
                               [&](const Node* sibling) { return sibling->name == candidate; });
        }
        return std::any_of(it->second.begin(), it->second.end(), [&](const Node* other) {
            return std::find(other->parents.begin(), other->parents.end(), parent) != other->parents.end();
        });
    };
    if (!wanted.empty() && !taken(wanted)) {
        return wanted;
    }
    // Like the host: drop trailing digits and count up from 1.
    std::string stem = wanted;
    while (!stem.empty() && stem.back() >= '0' && stem.back() <= '9') {
        stem.pop_back();
    }
    if (stem.empty()) {
        stem = "node";
    }
    // Numbers below the hint were taken when last looked at, and stay so
    // until a rename or a re-parenting frees a name (both forget the hints):
    // a file of many unnamed nodes costs no search from 1 for each.
    unsigned& hint = suffixHints_[{parent, stem}];
    for (unsigned n = std::max(hint, 1u);; ++n) {
        std::string candidate = stem + std::to_string(n);
        if (!taken(candidate)) {
            hint = n + 1;
            return candidate;
        }
    }
}

Node* Scene::createNode(const NodeType& type, const std::string& name, Node* parentNode) {
    auto node = std::make_unique<Node>();
    node->serial = nextSerial_++;
    node->type = &type;
    if (type.makePayload) {
        node->payload = type.makePayload();
    }
    Node* raw = node.get();
    if (type.dag && type.kind != Kind::World) {
        Node* p = parentNode ? parentNode : world_;
        raw->name = uniqueName(name, p);
        raw->parents.push_back(p);
        p->children.push_back(raw);
        raw->underworld = p->underworld || childrenInUnderworld(p);
    } else {
        raw->name = type.kind == Kind::World ? name : uniqueName(name, nullptr);
    }
    byName_[raw->name].push_back(raw);
    if (!raw->isDag()) {
        ++dgNameCount_[raw->name];
    }
    nodes_.push_back(std::move(node));
    invalidatePaths();
    return raw;
}

bool Scene::parent(Node* child, Node* newParent, bool addInstance, std::string& error) {
    if (!child->isDag() || child == world_) {
        error = "'" + child->name + "' is not a DAG node";
        return false;
    }
    Node* p = newParent ? newParent : world_;
    if (isAncestorOrSelf(child, p)) {
        error = "cannot parent '" + child->name + "' below itself";
        return false;
    }
    if (std::find(child->parents.begin(), child->parents.end(), p) != child->parents.end()) {
        return true; // already there
    }
    if (!addInstance) {
        for (Node* old : child->parents) {
            old->children.erase(std::remove(old->children.begin(), old->children.end(), child),
                                old->children.end());
        }
        child->parents.clear();
    }
    child->parents.push_back(p);
    p->children.push_back(child);
    placeInUnderworld(child);
    invalidatePaths();
    suffixHints_.clear(); // the old parent may have a free name now
    return true;
}

// A node lies in an underworld when its first parent keeps it there or lies
// in one itself; a node that moves takes its descendants along.
void Scene::placeInUnderworld(Node* node) {
    std::vector<Node*> pending{node};
    std::set<Node*> seen;
    while (!pending.empty()) {
        Node* n = pending.back();
        pending.pop_back();
        if (!seen.insert(n).second) {
            continue;
        }
        const Node* first = n->parents.front();
        n->underworld = first->underworld || childrenInUnderworld(first);
        pending.insert(pending.end(), n->children.begin(), n->children.end());
    }
}

// Whether `ancestor` is `node` or lies above it along any of its parents
// (an instanced node has several ways up).
bool Scene::isAncestorOrSelf(const Node* ancestor, const Node* node) const {
    std::vector<const Node*> pending{node};
    std::set<const Node*> seen;
    while (!pending.empty()) {
        const Node* n = pending.back();
        pending.pop_back();
        if (n == ancestor) {
            return true;
        }
        if (seen.insert(n).second) {
            pending.insert(pending.end(), n->parents.begin(), n->parents.end());
        }
    }
    return false;
}

void Scene::rename(Node* node, const std::string& newName) {
    suffixHints_.clear(); // the old name is free from here on
    auto& list = byName_[node->name];
    list.erase(std::remove(list.begin(), list.end(), node), list.end());
    if (list.empty()) {
        byName_.erase(node->name);
    }
    if (!node->isDag()) {
        --dgNameCount_[node->name];
    }
    node->name =
        uniqueName(newName, node->isDag() && !node->parents.empty() ? node->parents.front() : nullptr);
    byName_[node->name].push_back(node);
    if (!node->isDag()) {
        ++dgNameCount_[node->name];
    }
    invalidatePaths();
}

Node* Scene::find(const std::string& nameOrPath, bool* ambiguous) const {
    if (ambiguous) {
        *ambiguous = false;
    }
    if (!isPathText(nameOrPath)) {
        auto it = byName_.find(stripRootNamespace(nameOrPath));
        if (it == byName_.end() || it->second.size() != 1) {
            if (ambiguous) {
                *ambiguous = it != byName_.end();
            }
            return nullptr;
        }
        return it->second.front();
    }
    WrittenPath path;
    if (!parseDagPath(nameOrPath, path)) {
        return nullptr;
    }
    // Scene files name nodes by path statement after statement while the DAG
    // grows between them, so the path is matched from whichever end has the
    // fewer nodes of its name, without listing the scene's paths. A path into
    // an underworld is matched from its leaf.
    auto first = byName_.find(path.parts.front().name);
    auto leaf = byName_.find(path.parts.back().name);
    if (first == byName_.end() || leaf == byName_.end()) {
        return nullptr;
    }
    return first->second.size() < leaf->second.size() && !path.crossesUnderworld()
               ? findDown(first->second, path, ambiguous)
               : findUp(leaf->second, path, ambiguous);
}

// From the nodes named like the path's first part down through children
// (the path has no underworld step).
Node* Scene::findDown(const std::vector<Node*>& firsts, const WrittenPath& path, bool* ambiguous) const {
    std::vector<Node*> matched;
    for (Node* n : firsts) {
        bool top = std::find(n->parents.begin(), n->parents.end(), world_) != n->parents.end();
        if (n->isDag() && n != world_ && (!path.anchored || top)) {
            matched.push_back(n);
        }
    }
    for (size_t i = 1; i < path.parts.size() && !matched.empty(); ++i) {
        std::vector<Node*> next;
        for (Node* n : matched) {
            if (childrenInUnderworld(n)) {
                continue; // "shape|child" names no underworld node
            }
            for (Node* child : n->children) {
                if (child->name == path.parts[i].name &&
                    std::find(next.begin(), next.end(), child) == next.end()) {
                    next.push_back(child);
                }
            }
        }
        matched = std::move(next);
    }
    if (ambiguous) {
        *ambiguous = matched.size() > 1;
    }
    return matched.size() == 1 ? matched.front() : nullptr;
}

// From the nodes named like the path's leaf up through parents.
Node* Scene::findUp(const std::vector<Node*>& leaves, const WrittenPath& path, bool* ambiguous) const {
    Node* found = nullptr;
    for (Node* candidate : leaves) {
        if (candidate->isDag() && candidate != world_ && nodeEndsPath(candidate, path)) {
            if (found && found != candidate) {
                if (ambiguous) {
                    *ambiguous = true;
                }
                return nullptr;
            }
            found = candidate;
        }
    }
    return found;
}

bool Scene::connect(Node* src, const PlugAddress& srcAddr, Node* dst, const PlugAddress& dstAddr, bool force,
                    std::string& error) {
    // Most destinations are new: only those already fed need the search.
    bool fed = !incoming_.insert({dst, dstAddr}).second;
    for (auto it = connections_.begin(); fed && it != connections_.end(); ++it) {
        if (it->dstNode == dst && it->dst == dstAddr) {
            if (it->srcNode == src && it->src == srcAddr) {
                return true; // already connected
            }
            if (!force) {
                error = "the destination '" + dst->name + "." + dst->attribute(dstAddr.attr).longName +
                        "' already has an incoming connection";
                return false;
            }
            connections_.erase(it);
            break;
        }
    }
    src->touch(srcAddr);
    dst->touch(dstAddr);
    connections_.push_back({src, srcAddr, dst, dstAddr});
    return true;
}

void Scene::disconnect(Node* src, const PlugAddress& srcAddr, Node* dst, const PlugAddress& dstAddr) {
    auto kept = std::remove_if(connections_.begin(), connections_.end(), [&](const Connection& c) {
        return c.srcNode == src && c.src == srcAddr && c.dstNode == dst && c.dst == dstAddr;
    });
    if (kept != connections_.end()) {
        incoming_.erase({dst, dstAddr}); // a destination has one source at most
    }
    connections_.erase(kept, connections_.end());
}

const Connection* Scene::sourceOf(const Node* node, const PlugAddress& addr) const {
    for (const Connection& c : connections_) {
        if (c.dstNode == node && c.dst == addr) {
            return &c;
        }
    }
    return nullptr;
}

// Walks up from the node, taking the parents of every node in their order
// (the first parent's paths first), with a list of pending chains rather
// than recursion, so that a deep hierarchy cannot exhaust the stack. A chain
// through nodes with one parent grows in place.
std::vector<DagChain> Scene::pathsOf(Node* node) const {
    std::vector<DagChain> result;
    if (!node->isDag() || node == world_) {
        return result;
    }
    std::vector<DagChain> pending{{node}}; // each from the node upwards
    while (!pending.empty()) {
        DagChain up = std::move(pending.back());
        pending.pop_back();
        while (up.back() != world_ && up.back()->parents.size() == 1) {
            up.push_back(up.back()->parents.front());
        }
        const std::vector<Node*>& parents = up.back()->parents;
        if (up.back() == world_) {
            up.pop_back();
            result.emplace_back(up.rbegin(), up.rend());
            continue;
        }
        for (auto p = parents.rbegin(); p != parents.rend(); ++p) {
            DagChain longer = up;
            longer.push_back(*p);
            pending.push_back(std::move(longer));
        }
    }
    return result;
}

DagChain Scene::firstPath(Node* node) const {
    DagChain chain;
    for (Node* n = node; n && n != world_; n = n->parents.empty() ? nullptr : n->parents.front()) {
        chain.push_back(n);
    }
    std::reverse(chain.begin(), chain.end());
    return chain;
}

namespace {

// Where the part of a path that lies in its last underworld begins: the
// index of that underworld's root, 0 for a path outside every underworld.
size_t lastUnderworldRoot(const DagChain& path) {
    for (size_t i = path.size(); i-- > 1;) {
        if (childrenInUnderworld(path[i - 1])) {
            return i;
        }
    }
    return 0;
}

// "b|c" for the last `count` nodes of the path.
std::string trailingNames(const DagChain& path, size_t count) {
    std::string text;
    for (size_t i = path.size() - count; i < path.size(); ++i) {
        text += (text.empty() ? "" : "|") + path[i]->name;
    }
    return text;
}

} // namespace

std::string Scene::fullPathName(const DagChain& path) {
    std::string text;
    for (size_t i = 0; i < path.size(); ++i) {
        text += (i > 0 && childrenInUnderworld(path[i - 1]) ? "->|" : "|") + path[i]->name;
    }
    return text;
}

void Scene::buildPathCache() const {
    if (pathCacheValid_) {
        return;
    }
    pathLinks_.clear();
    pathsByLeafName_.clear();
    partialNames_.clear();
    // Walk the DAG from the world, so every instance path is listed once.
    std::vector<PathLink> stack;
    for (auto it = world_->children.rbegin(); it != world_->children.rend(); ++it) {
        stack.push_back({*it, -1});
    }
    while (!stack.empty()) {
        const PathLink link = stack.back();
        stack.pop_back();
        const int index = static_cast<int>(pathLinks_.size());
        pathLinks_.push_back(link);
        pathsByLeafName_[link.node->name].push_back(index);
        for (auto it = link.node->children.rbegin(); it != link.node->children.rend(); ++it) {
            stack.push_back({*it, index});
        }
    }
    pathCacheValid_ = true;
}

DagChain Scene::chainOf(int link) const {
    DagChain chain;
    for (int at = link; at >= 0; at = pathLinks_[static_cast<size_t>(at)].parent) {
        chain.push_back(pathLinks_[static_cast<size_t>(at)].node);
    }
    std::reverse(chain.begin(), chain.end());
    return chain;
}

int Scene::linkOf(const DagChain& path) const {
    auto sameLeaf = path.empty() ? pathsByLeafName_.end() : pathsByLeafName_.find(path.back()->name);
    if (sameLeaf == pathsByLeafName_.end()) {
        return -1;
    }
    for (int candidate : sameLeaf->second) {
        int at = candidate;
        size_t i = path.size();
        while (at >= 0 && i > 0 && pathLinks_[static_cast<size_t>(at)].node == path[i - 1]) {
            at = pathLinks_[static_cast<size_t>(at)].parent;
            --i;
        }
        if (at < 0 && i == 0) {
            return candidate;
        }
    }
    return -1;
}

// Every path of the group shares its leaf name. A path's partial name is its
// shortest run of trailing components that no other path of the scene ends
// in: the paths are laid into a tree of their names read from the leaf
// upward, counting at every tree node how many paths pass through it; the
// first node on a path's way that only it passes through gives the length.
// A path no run of which is its own (another path ends in the whole of it)
// keeps its full name. A path into an underworld takes part only with its
// run inside that underworld (a bare name reaches underworld nodes too) and
// is named by partialPathName itself.
void Scene::namePathsEndingIn(const std::string& leafName) const {
    struct TreeNode {
        std::map<std::string, size_t> next;
        size_t count = 0;
    };
    const std::vector<int>& links = pathsByLeafName_[leafName];
    std::vector<DagChain> paths;
    paths.reserve(links.size());
    for (int link : links) {
        paths.push_back(chainOf(link));
    }
    std::vector<TreeNode> tree(1);
    std::vector<std::vector<size_t>> walks(paths.size());
    for (size_t p = 0; p < paths.size(); ++p) {
        size_t at = 0;
        const size_t root = lastUnderworldRoot(paths[p]);
        for (size_t i = paths[p].size(); i-- > root;) {
            auto found = tree[at].next.find(paths[p][i]->name);
            size_t next = 0;
            if (found == tree[at].next.end()) {
                next = tree.size();
                tree[at].next.emplace(paths[p][i]->name, next);
                tree.emplace_back();
            } else {
                next = found->second;
            }
            at = next;
            ++tree[at].count;
            walks[p].push_back(at);
        }
    }
    for (size_t p = 0; p < paths.size(); ++p) {
        const DagChain& path = paths[p];
        if (lastUnderworldRoot(path) > 0) {
            continue;
        }
        std::string name;
        for (size_t k = 1; k <= path.size() && name.empty(); ++k) {
            if (tree[walks[p][k - 1]].count == 1) {
                name = trailingNames(path, k);
            }
        }
        partialNames_[links[p]] = name.empty() ? fullPathName(path) : name;
    }
}

// The shortest trailing run of the path's part inside its underworld that
// no other path of the same underworld ends in; else that whole part,
// anchored at the underworld's root ("|plane|planeShape").
std::string Scene::underworldRun(const DagChain& path, size_t root) const {
    std::vector<DagChain> rivals;
    auto sameLeaf = pathsByLeafName_.find(path.back()->name);
    if (sameLeaf != pathsByLeafName_.end()) {
        for (int link : sameLeaf->second) {
            DagChain other = chainOf(link);
            if (other != path && lastUnderworldRoot(other) == root &&
                std::equal(path.begin(), path.begin() + static_cast<std::ptrdiff_t>(root), other.begin())) {
                rivals.push_back(std::move(other));
            }
        }
    }
    const size_t inside = path.size() - root;
    for (size_t k = 1; k <= inside; ++k) {
        bool shared = std::any_of(rivals.begin(), rivals.end(), [&](const DagChain& other) {
            return other.size() - root >= k &&
                   std::equal(path.end() - static_cast<std::ptrdiff_t>(k), path.end(),
                              other.end() - static_cast<std::ptrdiff_t>(k),
                              [](const Node* a, const Node* b) { return a->name == b->name; });
        });
        if (!shared) {
            return trailingNames(path, k);
        }
    }
    return "|" + trailingNames(path, inside);
}

// A path into an underworld is named by the partial name of the shape that
// owns the underworld, "->" and its run inside it: "cameraShape1->
// imagePlaneShape1". The host writes the owner even where the leaf's name
// alone is unique in the scene (attaching an image plane to a camera renames
// "imagePlaneShape1" to "cameraShape1->imagePlaneShape1" in its lists); that
// the run inside is the shortest unique one among the underworld's own paths
// is our reading of its rule for partial names.
std::string Scene::partialPathName(const DagChain& path) const {
    if (path.empty()) {
        return std::string();
    }
    buildPathCache();
    if (size_t root = lastUnderworldRoot(path); root > 0) {
        DagChain owner(path.begin(), path.begin() + static_cast<std::ptrdiff_t>(root));
        return partialPathName(owner) + "->" + underworldRun(path, root);
    }
    const int link = linkOf(path);
    if (link < 0) {
        return fullPathName(path); // not a path of this scene
    }
    auto known = partialNames_.find(link);
    if (known == partialNames_.end()) {
        namePathsEndingIn(path.back()->name);
        known = partialNames_.find(link);
    }
    return known->second;
}

} // namespace orvex_host
