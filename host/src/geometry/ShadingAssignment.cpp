#include "geometry/ShadingAssignment.h"

#include "geometry/MeshData.h"

#include <algorithm>
#include <cstdlib>

namespace orvex_host {

namespace {

bool isShadingGroupMembership(const Connection& c) {
    return kindIs(c.dstNode->kind(), Kind::ShadingEngine) &&
           c.dst.attr == c.dstNode->findAttribute("dagSetMembers");
}

// The instance and face-set index an "iog[i].og[k]" address names; files
// may leave out the instance index ("iog.og[k]"), which then means 0.
bool faceSetOf(const PlugAddress& addr, unsigned& instance, unsigned& set) {
    if (addr.indices.size() == 2) {
        instance = addr.indices[0];
        set = addr.indices[1];
        return true;
    }
    if (addr.indices.size() == 1) {
        instance = 0;
        set = addr.indices[0];
        return true;
    }
    return false;
}

// Parses a non-negative decimal index.
bool parseIndex(const std::string& s, size_t& out) {
    if (s.empty() || s.size() > 12 || s.find_first_not_of("0123456789") != std::string::npos) {
        return false;
    }
    out = std::strtoull(s.c_str(), nullptr, 10);
    return true;
}

// Parses "f[a]", "f[a:b]" or "f[*]".
bool parseFaceComponent(const std::string& text, size_t faceCount, size_t& first, size_t& last) {
    if (text.size() < 4 || text.compare(0, 2, "f[") != 0 || text.back() != ']') {
        return false;
    }
    std::string inside = text.substr(2, text.size() - 3);
    if (inside == "*") {
        first = 0;
        last = faceCount - 1;
        return faceCount != 0;
    }
    size_t colon = inside.find(':');
    if (colon == std::string::npos) {
        if (!parseIndex(inside, first)) {
            return false;
        }
        last = first;
        return true;
    }
    return parseIndex(inside.substr(0, colon), first) && parseIndex(inside.substr(colon + 1), last) &&
           first <= last;
}

const std::vector<std::string>* componentsOf(const Node* mesh, unsigned instance, unsigned set) {
    int gcl = mesh->findAttribute("objectGrpCompList");
    const Value* v = gcl < 0 ? nullptr : mesh->value({gcl, {instance, set}});
    return v ? std::get_if<std::vector<std::string>>(v) : nullptr;
}

} // namespace

std::vector<std::pair<size_t, size_t>> faceRanges(const std::vector<std::string>& components,
                                                  size_t faceCount) {
    std::vector<std::pair<size_t, size_t>> ranges;
    for (const std::string& text : components) {
        size_t first = 0, last = 0;
        if (parseFaceComponent(text, faceCount, first, last)) {
            ranges.emplace_back(first, last);
        }
    }
    return ranges;
}

bool shadingAssignment(const Scene& scene, const Node* mesh, unsigned instance, std::vector<Node*>& groups,
                       std::vector<int>& perFace) {
    groups.clear();
    perFace.clear();
    const MeshData* geometry = meshGeometry(scene, mesh);
    if (!geometry || instance >= scene.pathsOf(const_cast<Node*>(mesh)).size()) {
        return false;
    }
    const size_t faceCount = geometry->faceCount();
    perFace.assign(faceCount, -1);
    const int iog = mesh->findAttribute("instObjGroups");
    const int og = mesh->findAttribute("objectGroups");

    // Face sets by og index, and the whole-instance group.
    std::map<unsigned, Node*> faceSets;
    Node* wholeInstance = nullptr;
    for (const Connection& c : scene.connections()) {
        if (c.srcNode != mesh || !isShadingGroupMembership(c)) {
            continue;
        }
        unsigned i = 0, k = 0;
        if (c.src.attr == og && faceSetOf(c.src, i, k) && i == instance) {
            faceSets.emplace(k, c.dstNode);
        } else if (c.src.attr == iog && (c.src.indices.empty() ? 0u : c.src.indices[0]) == instance &&
                   !wholeInstance) {
            wholeInstance = c.dstNode;
        }
    }
    auto groupIndex = [&](Node* group) {
        auto it = std::find(groups.begin(), groups.end(), group);
        if (it != groups.end()) {
            return static_cast<int>(it - groups.begin());
        }
        groups.push_back(group);
        return static_cast<int>(groups.size() - 1);
    };
    for (const auto& [set, group] : faceSets) {
        // A group is listed even when its set names no face.
        int index = groupIndex(group);
        const std::vector<std::string>* components = componentsOf(mesh, instance, set);
        if (!components) {
            continue;
        }
        for (auto [first, last] : faceRanges(*components, faceCount)) {
            for (size_t f = first; f <= last && f < faceCount; ++f) {
                if (perFace[f] < 0) {
                    perFace[f] = index;
                }
            }
        }
    }
    if (wholeInstance) {
        int index = groupIndex(wholeInstance);
        std::replace(perFace.begin(), perFace.end(), -1, index);
    }
    return true;
}

} // namespace orvex_host
