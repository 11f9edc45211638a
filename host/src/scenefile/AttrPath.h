#pragma once
// Attribute paths as scene files write them (".uvst[0].uvsp[0:7]") and how
// they name plugs of a node.

#include "graph/Node.h"
#include "scenefile/SetAttrRequest.h"

#include <string>
#include <string_view>
#include <vector>

namespace orvex_host {

// Real attribute paths have a handful of parts; a longer one is taken for a
// damaged file rather than resolved at a cost that grows with its square.
constexpr size_t kMaxAttrPathParts = 32;

// Splits "uvst[0].uvsp[0:7]" (no leading '.') into its parts; false with
// `error` saying what was expected.
bool parseAttrPath(std::string_view text, std::vector<AttrPathPart>& parts, std::string& error);

// A path resolved against one node: the attribute it ends at and, for every
// array attribute on the way down to it, the index part that named it (or
// null when the path left that array's index out).
struct ResolvedPath {
    int attr = -1;
    std::vector<int> arrays;                  // the array attributes of the chain, top first
    std::vector<const AttrPathPart*> indices; // one per entry of `arrays`
};

enum class ResolveResult {
    Resolved,
    UnknownAttribute, // `problem` names it
    NotAChild,        // a part is not a child of the part before it
    NotAnArray,       // a part carries an index but its attribute is no array
};

// Resolves the parts on `node`. With `createMissing` (nodes of types the
// host does not model), attributes the node lacks are added as generic
// dynamic attributes, arrays where the path gives an index; with
// `lastIsArray` the path's own attribute is an array even without one (the
// statement gives its size with -s, or connects to its next free element).
ResolveResult resolveAttrPath(Node& node, const std::vector<AttrPathPart>& parts, bool createMissing,
                              ResolvedPath& resolved, std::string& problem, bool lastIsArray = false);

// Walks the element addresses a resolved path names, in index order. An
// array whose index the path leaves out is element 0, except the path's own
// attribute, which then names its array plug; "[*]" names the existing
// elements (only on the path's own attribute).
class ElementWalk {
public:
    ElementWalk(const Node& node, const ResolvedPath& path);
    // False when "[*]" stands on an array other than the path's own one.
    bool valid() const { return valid_; }
    // The number of addresses (saturating at UINT64_MAX).
    unsigned long long count() const { return count_; }
    bool next(PlugAddress& address);
    // Whether the addresses are array plugs (the path's attribute is an array
    // written without an index).
    bool namesArrayPlug() const { return arrayPlug_; }

private:
    struct Level {
        std::vector<unsigned> list; // used for "[*]"
        bool useList = false;
        unsigned first = 0, last = 0;
        unsigned long long position = 0;
    };
    std::vector<Level> levels_;
    int attr_;
    bool valid_ = true;
    bool arrayPlug_ = false;
    bool started_ = false;
    bool done_ = false;
    unsigned long long count_ = 1;
};

} // namespace orvex_host
