#pragma once
// The scene: nodes in creation order, the DAG below the world, the ordered
// list of connections and the scene-wide settings.

#include "graph/DagPathText.h"
#include "graph/Node.h"

#include <map>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace orvex_host {

struct Connection {
    Node* srcNode;
    PlugAddress src;
    Node* dstNode;
    PlugAddress dst;
};

// A DAG path: the nodes from a top-level node down to the node it names
// (the world is not part of it).
using DagChain = std::vector<Node*>;

struct SceneSettings {
    double linearUnitToCm = 1.0; // internal length of one UI unit
    double angleUnitToRad = kRadiansPerDegree;
    std::string linearUnitName = "centimeter";
    std::string angleUnitName = "degree";
    std::string timeUnitName = "film";
    std::string sceneName; // empty for an untitled scene
    // The file's fileInfo entries (key, value) in the order first given.
    std::vector<std::pair<std::string, std::string>> fileInfo;
};

struct SelectionItem {
    Node* node = nullptr;
    DagChain path; // empty for a dependency node
};

class Scene {
public:
    // A new scene: the world, and with `startupNodes` the nodes every new
    // host scene holds (startup cameras, default shading nodes...).
    explicit Scene(bool startupNodes = true);
    ~Scene();
    Scene(const Scene&) = delete;
    Scene& operator=(const Scene&) = delete;

    Node* world() const { return world_; }
    const std::vector<std::unique_ptr<Node>>& nodes() const { return nodes_; }

    // Creates a node; a DG node's name is made unique in the scene, a DAG
    // node's among its siblings (the host appends a number, as it does for
    // duplicate names).  `parent` is null for a top-level DAG node.
    Node* createNode(const NodeType& type, const std::string& name, Node* parent = nullptr);
    // Adds `parent` as a further DAG parent of `child` (instancing) or moves
    // the child below `parent` when `addInstance` is false.
    bool parent(Node* child, Node* newParent, bool addInstance, std::string& error);
    void rename(Node* node, const std::string& newName);

    // Finds a node by name, by "|full|path" or by "partial|path", with "->"
    // for the step into a shape's underworld; a leading ':' (root
    // namespace) is ignored.  Null when missing or ambiguous; `ambiguous`
    // tells the two apart.
    Node* find(const std::string& nameOrPath, bool* ambiguous = nullptr) const;

    bool connect(Node* src, const PlugAddress& srcAddr, Node* dst, const PlugAddress& dstAddr, bool force,
                 std::string& error);
    void disconnect(Node* src, const PlugAddress& srcAddr, Node* dst, const PlugAddress& dstAddr);
    const std::vector<Connection>& connections() const { return connections_; }
    // The connection that feeds the plug, if any.
    const Connection* sourceOf(const Node* node, const PlugAddress& addr) const;

    // DAG paths. Names join their nodes with '|', and with "->|" where a
    // path steps from a shape into its underworld.
    std::vector<DagChain> pathsOf(Node* node) const;
    DagChain firstPath(Node* node) const; // parent 0 at every level
    static std::string fullPathName(const DagChain& path);
    std::string partialPathName(const DagChain& path) const;

    SceneSettings& settings() { return settings_; }
    const SceneSettings& settings() const { return settings_; }
    std::vector<SelectionItem>& selection() { return selection_; }

private:
    std::string uniqueName(const std::string& wanted, Node* parent) const;
    Node* findDown(const std::vector<Node*>& firsts, const WrittenPath& path, bool* ambiguous) const;
    Node* findUp(const std::vector<Node*>& leaves, const WrittenPath& path, bool* ambiguous) const;
    bool isAncestorOrSelf(const Node* ancestor, const Node* node) const;
    void placeInUnderworld(Node* node);
    std::string underworldRun(const DagChain& path, size_t root) const;
    void invalidatePaths() { pathCacheValid_ = false; }
    void buildPathCache() const;

    std::vector<std::unique_ptr<Node>> nodes_;
    Node* world_ = nullptr;
    std::vector<Connection> connections_;
    SceneSettings settings_;
    std::vector<SelectionItem> selection_;
    uint64_t nextSerial_ = 0;

    std::map<std::string, std::vector<Node*>> byName_;
    std::map<std::string, unsigned> dgNameCount_; // DG nodes by name (their names are unique)
    // For each parent (null for DG nodes) and name stem, the lowest number
    // that may still be free (see uniqueName).
    mutable std::map<std::pair<const Node*, std::string>, unsigned> suffixHints_;
    std::set<std::pair<const Node*, PlugAddress>> incoming_; // destinations that have a source

    // Every DAG path of the scene, each as its last node and the path of its
    // parent (-1 at the top), so that the cache grows with the number of
    // paths and not with their lengths (a chain of 10,000 nested nodes has
    // 10,000 paths of up to 10,000 nodes).
    struct PathLink {
        Node* node;
        int parent;
    };
    mutable bool pathCacheValid_ = false;
    mutable std::vector<PathLink> pathLinks_;
    mutable std::map<std::string, std::vector<int>> pathsByLeafName_; // indices into pathLinks_
    // Partial path names by path, filled for all paths of one leaf name at
    // once the first time one of them is asked for; cleared with the cache.
    mutable std::map<int, std::string> partialNames_;
    DagChain chainOf(int link) const;
    // The cached path that is this chain, or -1.
    int linkOf(const DagChain& path) const;
    void namePathsEndingIn(const std::string& leafName) const;
};

} // namespace orvex_host
