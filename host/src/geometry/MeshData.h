#pragma once
// The geometry a mesh node keeps, as scene files store it: points and their
// offsets, edges with smooth flags, faces as corner lists (outer loop then
// holes), per face-vertex normals, UV sets and colour sets with per-corner
// ids. Scene files give faces as edge lists; they are resolved to vertex
// lists as they are read.

#include "graph/Node.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace orvex_host {

class Scene;

struct MeshEdge {
    int start = 0;
    int end = 0;
    bool smooth = true;
};

// Per corner ids into a list of UVs or colours. The id list may be shorter
// than the mesh's corner list: missing entries count as "none" (-1).
struct CornerIds {
    std::vector<int> ids;

    int at(size_t corner) const { return corner < ids.size() ? ids[corner] : -1; }
    void set(size_t corner, int id) {
        if (ids.size() <= corner) {
            ids.resize(corner + 1, -1);
        }
        ids[corner] = id;
    }
};

struct UvSetData {
    std::string name;
    std::vector<float> uvs; // u, v per UV id
    CornerIds corners;
};

struct ColorSetData {
    std::string name;
    std::vector<float> rgba; // r, g, b, a per colour id
    CornerIds corners;
};

// A stored normal component of this size or more means "not set".
constexpr float kUnsetNormal = 1e19f;

struct MeshData : Payload {
    MeshData() = default;
    MeshData(const MeshData&) = delete;
    MeshData& operator=(const MeshData&) = delete;

    // Single precision, as the host keeps mesh points.
    std::vector<float> points;  // x, y, z per vertex (.vt)
    std::vector<float> offsets; // x, y, z per vertex, added to the points (.pt)
    std::vector<MeshEdge> edges;

    // Face f owns the corners faceStart[f] to faceStart[f + 1] - 1.
    std::vector<uint32_t> faceStart{0};
    std::vector<int> cornerVertex;
    std::vector<int> cornerEdge; // the signed edge each corner starts, as the file gives it
    // Faces with holes: the corner offsets (relative to the face) where each
    // hole loop begins.
    std::map<uint32_t, std::vector<uint32_t>> holeStarts;

    std::vector<float> storedNormals;           // x, y, z per corner (.n); kUnsetNormal where not set
    std::map<unsigned, UvSetData> uvSets;       // by logical index, in set order
    std::map<unsigned, ColorSetData> colorSets; // by logical index

    uint32_t faceCount() const { return static_cast<uint32_t>(faceStart.size() - 1); }
    uint32_t cornerCount() const { return faceStart.back(); }
    uint32_t pointCount() const { return static_cast<uint32_t>(points.size() / 3); }
    uint32_t faceSize(uint32_t face) const { return faceStart[face + 1] - faceStart[face]; }
    bool storesGeometry() const { return !points.empty() || faceCount() != 0; }

    // The point of a vertex with its offset; (0, 0, 0) for an id outside the list.
    void point(int vertex, double out[3]) const;
    // Number of corners of the face's outer loop.
    uint32_t outerLoopSize(uint32_t face) const;
    // Corner offsets (relative to the face) where each loop begins: 0, then the holes.
    std::vector<uint32_t> loopStarts(uint32_t face) const;
    void loopStarts(uint32_t face, std::vector<uint32_t>& loops) const;

    // The set of that name; with no name, the set named `current`, else the
    // first one. Null when there is none.
    const UvSetData* findUvSet(const std::string* name, const std::string& current) const;
    const ColorSetData* findColorSet(const std::string* name, const std::string& current) const;

    // One normal per corner: the stored one where the file sets it, else the
    // computed one (faces' area-weighted normals averaged across smooth
    // edges, split at hard edges). Computed once.
    const std::vector<float>& cornerNormals() const;
    // Forgets computed data after the geometry changed.
    void invalidate() { normalsReady_ = false; }

private:
    mutable bool normalsReady_ = false;
    mutable const std::vector<float>* normals_ = nullptr;
    mutable std::vector<float> computedNormals_;
};

// The text of a mesh node's "currentUVSet" or "currentColorSet".
std::string currentSetName(const Node* mesh, const char* attribute);

// The geometry behind a mesh node: its own, or, when it stores none and its
// input is fed through deformers (skin clusters, tweaks, group parts), the
// geometry of the mesh at the start of that chain, undeformed (the host does
// not evaluate deformations). Null for a node that is not a mesh.
const MeshData* meshGeometry(const Scene& scene, const Node* mesh);

} // namespace orvex_host
