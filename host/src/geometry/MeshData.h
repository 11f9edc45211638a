#pragma once
// The geometry a mesh node keeps, as scene files store it: points and their
// offsets, edges with smooth flags, faces as corner lists (outer loop then
// holes), per face-vertex normals, UV sets and colour sets with per-corner
// ids. Scene files give faces as edge lists; they are resolved to vertex
// lists as they are read.

#include "graph/Node.h"

#include <maya/MColor.h>
#include <maya/MFloatVector.h>

#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace orvex_host {

class Scene;

// Vertex ids are never negative, which leaves the top bit of the end for the
// smooth flag: 8 bytes an edge (a big mesh has millions of them).
struct MeshEdge {
    MeshEdge() : start(0), end(0), smooth(1) {}
    MeshEdge(int startVertex, int endVertex, bool isSmooth)
        : start(startVertex), end(static_cast<unsigned>(endVertex)), smooth(isSmooth ? 1 : 0) {}

    int endVertex() const { return static_cast<int>(end); }

    int start;
    unsigned end : 31;
    unsigned smooth : 1;
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

    size_t colorCount() const { return rgba.size() / 4; }
    MColor color(size_t id) const {
        return MColor(rgba[4 * id], rgba[4 * id + 1], rgba[4 * id + 2], rgba[4 * id + 3]);
    }
};

// How computed normals weight the faces that meet at a vertex, numbered as a
// mesh's vertexNormalMethod numbers them.
enum class NormalWeighting { Unweighted = 0, Angle = 1, Area = 2, AngleAndArea = 3 };
constexpr size_t kNormalWeightings = 4;

// A stored normal component of this size or more means "not set".
constexpr float kUnsetNormal = 1e19f;

// One normal per corner.
using CornerNormalList = std::vector<MFloatVector>;

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

    // Per corner (.n), kUnsetNormal components where not set. Shared with the normal
    // arrays handed out while all of them are set; write through writableStoredNormals.
    std::shared_ptr<CornerNormalList> storedNormals = std::make_shared<CornerNormalList>();
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

    // The stored normals for writing: copied first when a handed-out normal array
    // still shares them, so that the array keeps what it was given.
    CornerNormalList& writableStoredNormals();

    // One normal per corner: the stored one where the file sets it, else the
    // computed one (the normals of the faces around the corner's vertex,
    // weighted as asked, summed across smooth edges and split at hard ones).
    // Computed once per weighting; when the file sets every normal, the
    // stored list itself.
    std::shared_ptr<const CornerNormalList> cornerNormals(NormalWeighting weighting) const;
    // Forgets computed data after the geometry changed.
    void invalidate() {
        for (auto& normals : normals_) {
            normals.reset();
        }
    }

private:
    mutable std::array<std::shared_ptr<const CornerNormalList>, kNormalWeightings> normals_;
};

// The weighting a mesh node's vertexNormalMethod asks for; where the file
// leaves it unset, the default of the host version the host answers as.
NormalWeighting normalWeighting(const Node* mesh);

// The text of a mesh node's "currentUVSet" or "currentColorSet".
std::string currentSetName(const Node* mesh, const char* attribute);

// The geometry behind a mesh node: its own, or, when it stores none and its
// input is fed through deformers (skin clusters, tweaks, group parts), the
// geometry of the mesh at the start of that chain, undeformed (the host does
// not evaluate deformations). Null for a node that is not a mesh.
const MeshData* meshGeometry(const Scene& scene, const Node* mesh);

} // namespace orvex_host
