#include "graph/Scene.h"

#include <algorithm>

namespace orvex_host {

void createStartupNodes(Scene& scene); // types/StartupNodes.cpp

namespace {

std::vector<std::string> splitPath(const std::string& path) {
    std::vector<std::string> parts;
    std::string current;
    for (char c : path) {
        if (c == '|') {
            parts.push_back(current);
            current.clear();
        } else {
            current += c;
        }
    }
    parts.push_back(current);
    return parts;
}

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
        raw->underworld = p->underworld || (p != world_ && !kindIs(p->kind(), Kind::Transform));
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
    child->underworld = p->underworld || (p != world_ && !kindIs(p->kind(), Kind::Transform));
    invalidatePaths();
    suffixHints_.clear(); // the old parent may have a free name now
    return true;
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

Node* Scene::find(const std::string& nameOrPath) const {
    if (nameOrPath.find('|') == std::string::npos) {
        auto it = byName_.find(stripRootNamespace(nameOrPath));
        if (it == byName_.end() || it->second.size() != 1) {
            return nullptr;
        }
        return it->second.front();
    }
    std::vector<std::string> parts = splitPath(nameOrPath);
    bool anchored = parts.front().empty();
    if (anchored) {
        parts.erase(parts.begin());
    }
    for (auto& p : parts) {
        p = stripRootNamespace(p);
    }
    if (parts.empty() || parts.back().empty()) {
        return nullptr;
    }
    // Scene files name nodes by path statement after statement while the DAG
    // grows between them, so the path is matched from whichever end has the
    // fewer nodes of its name, without listing the scene's paths.
    auto first = byName_.find(parts.front());
    auto leaf = byName_.find(parts.back());
    if (first == byName_.end() || leaf == byName_.end()) {
        return nullptr;
    }
    return first->second.size() < leaf->second.size() ? findDown(first->second, parts, anchored)
                                                      : findUp(leaf->second, parts, anchored);
}

// From the nodes named like the path's first part down through children.
Node* Scene::findDown(const std::vector<Node*>& firsts, const std::vector<std::string>& parts,
                      bool anchored) const {
    std::vector<Node*> matched;
    for (Node* n : firsts) {
        bool top = std::find(n->parents.begin(), n->parents.end(), world_) != n->parents.end();
        if (n->isDag() && n != world_ && (!anchored || top)) {
            matched.push_back(n);
        }
    }
    for (size_t i = 1; i < parts.size() && !matched.empty(); ++i) {
        std::vector<Node*> next;
        for (Node* n : matched) {
            for (Node* child : n->children) {
                if (child->name == parts[i] && std::find(next.begin(), next.end(), child) == next.end()) {
                    next.push_back(child);
                }
            }
        }
        matched = std::move(next);
    }
    return matched.size() == 1 ? matched.front() : nullptr; // none, or ambiguous
}

// From the nodes named like the path's leaf up through parents.
Node* Scene::findUp(const std::vector<Node*>& leaves, const std::vector<std::string>& parts,
                    bool anchored) const {
    Node* found = nullptr;
    for (Node* candidate : leaves) {
        if (candidate->isDag() && candidate != world_ &&
            endsPath(candidate, parts, parts.size() - 1, anchored)) {
            if (found && found != candidate) {
                return nullptr; // ambiguous
            }
            found = candidate;
        }
    }
    return found;
}

// Whether some DAG path of `node` ends with parts[0..last] (node being
// parts[last]); with `anchored` the path must also start at parts[0].
bool Scene::endsPath(const Node* node, const std::vector<std::string>& parts, size_t last,
                     bool anchored) const {
    // Depth first over the ways up, with a list rather than recursion: a
    // path may have as many parts as a damaged file cares to write.
    std::vector<std::pair<const Node*, size_t>> pending{{node, last}};
    while (!pending.empty()) {
        auto [n, part] = pending.back();
        pending.pop_back();
        if (n->name != parts[part]) {
            continue;
        }
        for (const Node* p : n->parents) {
            if (part == 0) {
                if (!anchored || p == world_) {
                    return true;
                }
            } else if (p != world_) {
                pending.emplace_back(p, part - 1);
            }
        }
    }
    return false;
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

std::string Scene::fullPathName(const DagChain& path) {
    std::string text;
    for (Node* n : path) {
        text += "|" + n->name;
    }
    return text;
}

void Scene::buildPathCache() const {
    if (pathCacheValid_) {
        return;
    }
    pathsByLeafName_.clear();
    partialNames_.clear();
    // Walk the DAG from the world, so every instance path is listed once.
    std::vector<DagChain> stack;
    for (auto it = world_->children.rbegin(); it != world_->children.rend(); ++it) {
        stack.push_back({*it});
    }
    while (!stack.empty()) {
        DagChain path = std::move(stack.back());
        stack.pop_back();
        Node* leaf = path.back();
        pathsByLeafName_[leaf->name].push_back(path);
        for (auto it = leaf->children.rbegin(); it != leaf->children.rend(); ++it) {
            DagChain child = path;
            child.push_back(*it);
            stack.push_back(std::move(child));
        }
    }
    pathCacheValid_ = true;
}

// The shortest run of trailing components that no other DAG path ends
// with; the anchored full path when every unanchored run is shared.
// Every path of the group shares its leaf name. A path's partial name is its
// shortest run of trailing components that no other path of the scene ends
// in: the paths are laid into a tree of their names read from the leaf
// upward, counting at every tree node how many paths pass through it; the
// first node on a path's way that only it passes through gives the length.
// A path no run of which is its own (another path ends in the whole of it)
// keeps its full name.
void Scene::namePathsEndingIn(const std::string& leafName) const {
    struct TreeNode {
        std::map<std::string, size_t> next;
        size_t count = 0;
    };
    const std::vector<DagChain>& paths = pathsByLeafName_[leafName];
    std::vector<TreeNode> tree(1);
    std::vector<std::vector<size_t>> walks(paths.size());
    for (size_t p = 0; p < paths.size(); ++p) {
        size_t at = 0;
        for (size_t i = paths[p].size(); i-- > 0;) {
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
        std::string name;
        for (size_t k = 1; k <= path.size(); ++k) {
            if (tree[walks[p][k - 1]].count == 1) {
                for (size_t i = path.size() - k; i < path.size(); ++i) {
                    name += (name.empty() ? "" : "|") + path[i]->name;
                }
                break;
            }
        }
        partialNames_[path] = name.empty() ? fullPathName(path) : name;
    }
}

std::string Scene::partialPathName(const DagChain& path) const {
    if (path.empty()) {
        return std::string();
    }
    buildPathCache();
    auto known = partialNames_.find(path);
    if (known == partialNames_.end()) {
        namePathsEndingIn(path.back()->name);
        known = partialNames_.find(path);
        if (known == partialNames_.end()) {
            return fullPathName(path); // not a path of this scene
        }
    }
    return known->second;
}

} // namespace orvex_host
