#include "geometry/MeshData.h"

#include "geometry/DeformerChain.h"
#include "graph/Scene.h"

#include <algorithm>
#include <cmath>
#include <memory>

namespace orvex_host {

namespace {

// Union-find over corners: corners that share a vertex and meet across a
// smooth edge end up in one group, which gets one normal.
class CornerGroups {
public:
    explicit CornerGroups(size_t count) {
        parent_.reserve(count);
        for (size_t c = 0; c < count; ++c) {
            parent_.push_back(static_cast<uint32_t>(c));
        }
    }

    uint32_t root(uint32_t c) {
        while (parent_[c] != c) {
            parent_[c] = parent_[parent_[c]];
            c = parent_[c];
        }
        return c;
    }
    void join(uint32_t a, uint32_t b) {
        a = root(a);
        b = root(b);
        if (a != b) {
            parent_[b] = a;
        }
    }

private:
    std::vector<uint32_t> parent_;
};

// The face's normal scaled by twice its area (Newell's method over the outer loop).
void areaNormal(const MeshData& mesh, uint32_t face, double out[3]) {
    out[0] = out[1] = out[2] = 0.0;
    uint32_t begin = mesh.faceStart[face];
    uint32_t count = mesh.outerLoopSize(face);
    for (uint32_t i = 0; i < count; ++i) {
        double a[3], b[3];
        mesh.point(mesh.cornerVertex[begin + i], a);
        mesh.point(mesh.cornerVertex[begin + (i + 1) % count], b);
        out[0] += (a[1] - b[1]) * (a[2] + b[2]);
        out[1] += (a[2] - b[2]) * (a[0] + b[0]);
        out[2] += (a[0] - b[0]) * (a[1] + b[1]);
    }
}

// The corners before and after `corner` in its loop (outer loop or hole).
void loopNeighbours(const MeshData& mesh, uint32_t face, uint32_t corner, uint32_t& previous,
                    uint32_t& next) {
    uint32_t begin = mesh.faceStart[face];
    uint32_t local = corner - begin;
    uint32_t loopBegin = 0, loopEnd = mesh.faceSize(face);
    if (!mesh.holeStarts.empty()) {
        std::vector<uint32_t> loops = mesh.loopStarts(face);
        for (size_t l = 0; l < loops.size(); ++l) {
            if (local >= loops[l]) {
                loopBegin = loops[l];
                loopEnd = l + 1 < loops.size() ? loops[l + 1] : mesh.faceSize(face);
            }
        }
    }
    next = begin + (local + 1 < loopEnd ? local + 1 : loopBegin);
    previous = begin + (local > loopBegin ? local - 1 : loopEnd - 1);
}

// The angle at a corner between the edges to its neighbours in the loop,
// from 0 to pi. How the host weights a reflex corner of a concave polygon is
// not documented; this takes the angle between the edges, as for any other.
double cornerAngle(const MeshData& mesh, uint32_t face, uint32_t corner) {
    uint32_t previous = 0, next = 0;
    loopNeighbours(mesh, face, corner, previous, next);
    double p[3], a[3], b[3];
    mesh.point(mesh.cornerVertex[corner], p);
    mesh.point(mesh.cornerVertex[previous], a);
    mesh.point(mesh.cornerVertex[next], b);
    double u[3], v[3];
    for (int k = 0; k < 3; ++k) {
        u[k] = a[k] - p[k];
        v[k] = b[k] - p[k];
    }
    double cross[3] = {u[1] * v[2] - u[2] * v[1], u[2] * v[0] - u[0] * v[2], u[0] * v[1] - u[1] * v[0]};
    double sine = std::sqrt(cross[0] * cross[0] + cross[1] * cross[1] + cross[2] * cross[2]);
    return std::atan2(sine, u[0] * v[0] + u[1] * v[1] + u[2] * v[2]);
}

// Groups of corners that share one normal: corners that share a vertex and
// meet across a smooth edge that two faces share.
CornerGroups smoothGroups(const MeshData& mesh, const std::vector<uint32_t>& faceOf) {
    const uint32_t corners = mesh.cornerCount();
    CornerGroups groups(corners);
    std::vector<int64_t> firstUse(mesh.edges.size(), -1);
    for (uint32_t c = 0; c < corners; ++c) {
        int written = mesh.cornerEdge[c];
        size_t edge = static_cast<size_t>(written < 0 ? -(written + 1) : written);
        if (edge >= mesh.edges.size() || !mesh.edges[edge].smooth) {
            continue;
        }
        if (firstUse[edge] < 0) {
            firstUse[edge] = c;
            continue;
        }
        uint32_t other = static_cast<uint32_t>(firstUse[edge]);
        uint32_t unused = 0, next = 0, otherNext = 0;
        loopNeighbours(mesh, faceOf[c], c, unused, next);
        loopNeighbours(mesh, faceOf[other], other, unused, otherNext);
        uint32_t ends[2] = {c, next};
        uint32_t otherEnds[2] = {other, otherNext};
        for (uint32_t a : ends) {
            for (uint32_t b : otherEnds) {
                if (mesh.cornerVertex[a] == mesh.cornerVertex[b]) {
                    groups.join(a, b);
                }
            }
        }
    }
    return groups;
}

// Each face's normal scaled as the weighting asks for all its corners:
// unit length, or (for area weighting) twice the face's area. Angle
// weighting scales it further per corner.
std::vector<double> weightedFaceNormals(const MeshData& mesh, NormalWeighting weighting) {
    const uint32_t faces = mesh.faceCount();
    std::vector<double> normals(3 * size_t(faces), 0.0);
    const bool byArea = weighting == NormalWeighting::Area || weighting == NormalWeighting::AngleAndArea;
    for (uint32_t f = 0; f < faces; ++f) {
        double* n = &normals[3 * size_t(f)];
        areaNormal(mesh, f, n);
        double length = std::sqrt(n[0] * n[0] + n[1] * n[1] + n[2] * n[2]);
        if (!byArea && length > 0.0) {
            for (int k = 0; k < 3; ++k) {
                n[k] /= length;
            }
        }
    }
    return normals;
}

void computeNormals(const MeshData& mesh, NormalWeighting weighting, CornerNormalList& normals) {
    // The big arrays below are filled in order rather than zero-filled first, and sums are
    // kept per group, not per corner: a big mesh has millions of corners.
    const uint32_t corners = mesh.cornerCount();
    std::vector<uint32_t> faceOf;
    faceOf.reserve(corners);
    for (uint32_t f = 0; f < mesh.faceCount(); ++f) {
        for (uint32_t c = mesh.faceStart[f]; c < mesh.faceStart[f + 1]; ++c) {
            faceOf.push_back(f);
        }
    }
    faceOf.resize(corners, 0);
    CornerGroups groups = smoothGroups(mesh, faceOf);
    const std::vector<double> faceNormals = weightedFaceNormals(mesh, weighting);
    const bool byAngle = weighting == NormalWeighting::Angle || weighting == NormalWeighting::AngleAndArea;
    // Each group's sum, in the order the groups are first met.
    constexpr uint32_t kNoSum = 0xFFFFFFFFu;
    std::vector<uint32_t> sumOf(corners, kNoSum); // by the group's root corner
    uint32_t groupCount = 0;
    for (uint32_t c = 0; c < corners; ++c) {
        uint32_t& sum = sumOf[groups.root(c)];
        if (sum == kNoSum) {
            sum = groupCount++;
        }
    }
    std::vector<double> sums(3 * size_t(groupCount), 0.0);
    for (uint32_t c = 0; c < corners; ++c) {
        const size_t at = 3 * size_t(sumOf[groups.root(c)]);
        const double scale = byAngle ? cornerAngle(mesh, faceOf[c], c) : 1.0;
        for (int k = 0; k < 3; ++k) {
            sums[at + k] += scale * faceNormals[3 * size_t(faceOf[c]) + k];
        }
    }
    normals.clear();
    normals.reserve(corners);
    for (uint32_t c = 0; c < corners; ++c) {
        const double* s = &sums[3 * size_t(sumOf[groups.root(c)])];
        double length = std::sqrt(s[0] * s[0] + s[1] * s[1] + s[2] * s[2]);
        normals.push_back(length > 0.0 ? MFloatVector(static_cast<float>(s[0] / length),
                                                      static_cast<float>(s[1] / length),
                                                      static_cast<float>(s[2] / length))
                                       : MFloatVector());
    }
}

bool isSet(const CornerNormalList& stored, uint32_t corner) {
    if (corner >= stored.size()) {
        return false;
    }
    const MFloatVector& n = stored[corner];
    return n.x < kUnsetNormal && n.y < kUnsetNormal && n.z < kUnsetNormal;
}

} // namespace

void MeshData::point(int vertex, double out[3]) const {
    size_t i = 3 * static_cast<size_t>(vertex);
    if (vertex < 0 || i + 2 >= points.size()) {
        out[0] = out[1] = out[2] = 0.0;
        return;
    }
    for (int k = 0; k < 3; ++k) {
        out[k] = double(points[i + k]) + (i + k < offsets.size() ? double(offsets[i + k]) : 0.0);
    }
}

uint32_t MeshData::outerLoopSize(uint32_t face) const {
    if (!holeStarts.empty()) {
        auto it = holeStarts.find(face);
        if (it != holeStarts.end() && !it->second.empty()) {
            return it->second.front();
        }
    }
    return faceSize(face);
}

std::vector<uint32_t> MeshData::loopStarts(uint32_t face) const {
    std::vector<uint32_t> loops;
    loopStarts(face, loops);
    return loops;
}

void MeshData::loopStarts(uint32_t face, std::vector<uint32_t>& loops) const {
    loops.assign(1, 0);
    if (holeStarts.empty()) {
        return;
    }
    auto it = holeStarts.find(face);
    if (it != holeStarts.end()) {
        loops.insert(loops.end(), it->second.begin(), it->second.end());
    }
}

namespace {

template <class Set>
const Set* findSet(const std::map<unsigned, Set>& sets, const std::string* name, const std::string& current) {
    if (sets.empty()) {
        return nullptr;
    }
    const std::string& wanted = name ? *name : current;
    for (const auto& entry : sets) {
        if (entry.second.name == wanted) {
            return &entry.second;
        }
    }
    return name ? nullptr : &sets.begin()->second;
}

} // namespace

const UvSetData* MeshData::findUvSet(const std::string* name, const std::string& current) const {
    return findSet(uvSets, name, current);
}

const ColorSetData* MeshData::findColorSet(const std::string* name, const std::string& current) const {
    return findSet(colorSets, name, current);
}

std::string currentSetName(const Node* mesh, const char* attribute) {
    int attr = mesh->findAttribute(attribute);
    const Value* v = attr < 0 ? nullptr : mesh->value({attr, {}});
    const std::string* text = v ? std::get_if<std::string>(v) : nullptr;
    return text ? *text : std::string();
}

CornerNormalList& MeshData::writableStoredNormals() {
    if (storedNormals.use_count() > 1) {
        storedNormals = std::make_shared<CornerNormalList>(*storedNormals);
    }
    return *storedNormals;
}

std::shared_ptr<const CornerNormalList> MeshData::cornerNormals(NormalWeighting weighting) const {
    std::shared_ptr<const CornerNormalList>& cached = normals_[static_cast<size_t>(weighting)];
    if (cached) {
        return cached;
    }
    const uint32_t corners = cornerCount();
    const CornerNormalList& stored = *storedNormals;
    bool allStored = stored.size() == corners;
    for (uint32_t c = 0; c < corners && allStored; ++c) {
        allStored = isSet(stored, c);
    }
    if (allStored) {
        cached = storedNormals; // the file locks every normal: nothing to compute or copy
        return cached;
    }
    auto computed = std::make_shared<CornerNormalList>();
    computeNormals(*this, weighting, *computed);
    for (uint32_t c = 0; c < corners; ++c) {
        if (isSet(stored, c)) {
            (*computed)[c] = stored[c];
        }
    }
    cached = std::move(computed);
    return cached;
}

NormalWeighting normalWeighting(const Node* mesh) {
    int attr = mesh->findAttribute("vertexNormalMethod");
    if (attr < 0) {
        return NormalWeighting::AngleAndArea;
    }
    const Value* stored = mesh->value({attr, {}});
    double method = 0.0;
    if (!stored || !asDouble(*stored, method) || method < 0.0 || method >= double(kNormalWeightings)) {
        asDouble(currentDefault(mesh->attribute(attr)), method);
    }
    return static_cast<NormalWeighting>(static_cast<int>(method));
}

const MeshData* meshGeometry(const Scene& scene, const Node* mesh) {
    // A chain of deformers ends at a mesh; a cycle or a chain through nodes
    // that are not deformers ends the search with the mesh's own (empty) data.
    const Node* current = mesh;
    for (int guard = 0; current && guard < 64; ++guard) {
        const MeshData* data = current->payloadAs<MeshData>();
        if (!data) {
            return nullptr;
        }
        if (data->storesGeometry()) {
            return data;
        }
        const Node* upstream = upstreamGeometrySource(scene, current);
        if (!upstream) {
            return data;
        }
        current = upstream;
    }
    return mesh->payloadAs<MeshData>();
}

} // namespace orvex_host
