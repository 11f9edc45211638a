#include "geometry/MeshSetAttr.h"

#include "geometry/MeshData.h"
#include "geometry/SetAttrValues.h"
#include "graph/Scene.h"

#include <algorithm>
#include <cmath>
#include <string_view>

namespace orvex_host {

namespace {

// Stores `width` numbers per element into a flat array, growing it with
// `fill` as needed.
bool storeFloatGroup(std::vector<float>& array, size_t element, const double* v, size_t width, float fill) {
    if (!elementFits(element, array.size() / width)) {
        return false;
    }
    if (array.size() < (element + 1) * width) {
        array.resize((element + 1) * width, fill);
    }
    for (size_t k = 0; k < width; ++k) {
        array[element * width + k] = static_cast<float>(v[k]);
    }
    return true;
}

// With -s N the array's total size is known: room for all of it at once.
void reserveFor(const SetAttrRequest& request, std::vector<float>& array, size_t width) {
    if (request.size > 0 && size_t(request.size) < kMaxElementGap) {
        array.reserve(size_t(request.size) * width);
    }
}

bool readPoints(SetAttrRequest& request, std::vector<float>& array) {
    reserveFor(request, array, 3);
    return readNumberGroups(request, elementRange(request.path[0]), 3,
                            [&](size_t e, const double* v) { return storeFloatGroup(array, e, v, 3, 0.0f); });
}

// A vertex id of an edge: a whole number from 0 up.
bool isVertexId(double value) {
    return value >= 0.0 && value <= 2147483647.0 && std::floor(value) == value;
}

bool readEdges(SetAttrRequest& request, MeshData& mesh) {
    if (request.size > 0 && size_t(request.size) < kMaxElementGap) {
        mesh.edges.reserve(size_t(request.size));
    }
    std::string badEdge;
    bool ok = readNumberGroups(request, elementRange(request.path[0]), 3, [&](size_t e, const double* v) {
        if (!isVertexId(v[0]) || !isVertexId(v[1])) {
            badEdge = "edge " + std::to_string(e) + " does not name two vertex ids";
            return false;
        }
        if (!elementFits(e, mesh.edges.size())) {
            return false;
        }
        if (mesh.edges.size() <= e) {
            mesh.edges.resize(e + 1);
        }
        mesh.edges[e] = MeshEdge(static_cast<int>(v[0]), static_cast<int>(v[1]), v[2] != 0.0);
        return true;
    });
    if (!badEdge.empty()) {
        request.error = badEdge;
    }
    return ok;
}

bool readNormals(SetAttrRequest& request, MeshData& mesh) {
    CornerNormalList& normals = mesh.writableStoredNormals();
    if (request.size > 0 && size_t(request.size) < kMaxElementGap) {
        normals.reserve(size_t(request.size));
    }
    return readNumberGroups(request, elementRange(request.path[0]), 3, [&](size_t e, const double* v) {
        if (!elementFits(e, normals.size())) {
            return false;
        }
        if (normals.size() <= e) {
            normals.resize(e + 1, MFloatVector(1e20f, 1e20f, 1e20f));
        }
        normals[e] =
            MFloatVector(static_cast<float>(v[0]), static_cast<float>(v[1]), static_cast<float>(v[2]));
        return true;
    });
}

// ---- polyFaces ---------------------------------------------------------------

// UV and colour sets whose corner ids get room for the whole mesh at once; a file naming
// more sets does not make the reader set aside a mesh's worth of ids for each.
constexpr long long kSetsReserved = 8;

// Reads the faces of one ".fc" statement: per face "f N e..." (edges; a
// negative value -k-1 is edge k walked backwards), then optionally holes
// "h N e...", UV ids "mu S N id..." and colour ids "mc S N id..." (one run
// per loop and set, outer loop first), and face colours "fc N id...".
class PolyFacesReader {
public:
    PolyFacesReader(MeshData& mesh, SetAttrRequest& request) : mesh_(mesh), request_(request) {}

    bool read() {
        ElementRange range = elementRange(request_.path[0]);
        if (!range.open && range.first != mesh_.faceCount()) {
            return fail("faces must be given in order: expected face " + std::to_string(mesh_.faceCount()) +
                        ", got face " + std::to_string(range.first));
        }
        // With -s and -ch the whole mesh's faces and corners are known: room for all of them
        // at once, where growing by doubling would copy them and take twice the memory.
        if (request_.size > 0 && size_t(request_.size) < kMaxElementGap) {
            mesh_.faceStart.reserve(size_t(request_.size) + 1);
        }
        if (request_.channelCount > 0 && size_t(request_.channelCount) < kMaxElementGap) {
            cornersExpected_ = size_t(request_.channelCount);
            mesh_.cornerVertex.reserve(cornersExpected_);
            mesh_.cornerEdge.reserve(cornersExpected_);
        }
        size_t faces = 0;
        std::string_view word;
        while (request_.values.nextWord(word)) {
            bool ok = false;
            if (word == "f") {
                ok = readLoop(false);
                ++faces;
            } else if (word == "h") {
                ok = readLoop(true);
            } else if (word == "mu" || word == "mc") {
                ok = readCornerIds(word == "mu");
            } else if (word == "fc") {
                ok = skipFaceColors();
            } else {
                return fail("unknown polyFaces entry '" + std::string(word) + "'");
            }
            if (!ok) {
                return false;
            }
        }
        if (!range.open && faces != range.count) {
            return fail("expected " + std::to_string(range.count) + " faces, got " + std::to_string(faces));
        }
        return true;
    }

private:
    bool fail(const std::string& message) {
        request_.error = message;
        return false;
    }

    bool readCount(long long& count, const char* what) {
        if (!readInteger(request_.values, count) || count < 0 || size_t(count) > kMaxElementGap) {
            return fail(std::string("expected the number of ") + what);
        }
        return true;
    }

    // "f N e..." starts a face; "h N e..." adds a hole loop to it.
    bool readLoop(bool hole) {
        if (hole && !inFace_) {
            return fail("a hole ('h') must follow a face ('f')");
        }
        long long count = 0;
        if (!readCount(count, "edges of a face")) {
            return false;
        }
        uint32_t face = hole ? mesh_.faceCount() - 1 : mesh_.faceCount();
        if (!hole) {
            mesh_.faceStart.push_back(mesh_.faceStart.back());
            inFace_ = true;
            nextUvLoop_.clear();
            nextColorLoop_.clear();
        } else {
            mesh_.holeStarts[face].push_back(mesh_.faceSize(face));
        }
        for (long long i = 0; i < count; ++i) {
            long long edge = 0;
            if (!readInteger(request_.values, edge)) {
                return fail("expected " + std::to_string(count) + " edge indices for face " +
                            std::to_string(face));
            }
            size_t index = static_cast<size_t>(edge < 0 ? -(edge + 1) : edge);
            if (index >= mesh_.edges.size()) {
                return fail("face " + std::to_string(face) + " names edge " + std::to_string(index) +
                            ", which the mesh does not have");
            }
            const MeshEdge& e = mesh_.edges[index];
            mesh_.cornerVertex.push_back(edge < 0 ? e.endVertex() : e.start);
            mesh_.cornerEdge.push_back(static_cast<int>(edge));
            ++mesh_.faceStart.back();
        }
        return true;
    }

    // "mu S N id..." or "mc S N id...": the ids of the next loop of the
    // current face that has none yet in set S.
    bool readCornerIds(bool uv) {
        if (!inFace_) {
            return fail("UV and colour ids must follow a face");
        }
        long long set = 0, count = 0;
        if (!readInteger(request_.values, set) || set < 0 || size_t(set) > kMaxElementGap) {
            return fail("expected a set index");
        }
        if (!readCount(count, "ids")) {
            return false;
        }
        uint32_t face = mesh_.faceCount() - 1;
        std::vector<uint32_t> loops = mesh_.loopStarts(face);
        auto& nextLoop = uv ? nextUvLoop_ : nextColorLoop_;
        size_t loop = nextLoop[unsigned(set)]++;
        if (loop >= loops.size()) {
            return fail("more id runs than loops in face " + std::to_string(face));
        }
        uint32_t loopSize = (loop + 1 < loops.size() ? loops[loop + 1] : mesh_.faceSize(face)) - loops[loop];
        if (size_t(count) > loopSize) {
            return fail("face " + std::to_string(face) + " has " + std::to_string(loopSize) +
                        " corners, not " + std::to_string(count));
        }
        CornerIds& ids = uv ? mesh_.uvSets[unsigned(set)].corners : mesh_.colorSets[unsigned(set)].corners;
        if (ids.ids.empty() && set < kSetsReserved) {
            ids.ids.reserve(cornersExpected_); // the set's ids will name most corners
        }
        size_t first = mesh_.faceStart[face] + loops[loop];
        for (long long i = 0; i < count; ++i) {
            long long id = 0;
            if (!readInteger(request_.values, id)) {
                return fail("expected " + std::to_string(count) + " ids for face " + std::to_string(face));
            }
            ids.set(first + size_t(i), id < 0 || id > 0x7fffffff ? -1 : static_cast<int>(id));
        }
        return true;
    }

    bool skipFaceColors() {
        long long count = 0;
        if (!readCount(count, "face colours")) {
            return false;
        }
        for (long long i = 0; i < count; ++i) {
            long long id = 0;
            if (!readInteger(request_.values, id)) {
                return fail("expected " + std::to_string(count) + " face colour ids");
            }
        }
        return true;
    }

    MeshData& mesh_;
    SetAttrRequest& request_;
    bool inFace_ = false;
    size_t cornersExpected_ = 0; // -ch: the corners of the whole mesh
    std::map<unsigned, size_t> nextUvLoop_, nextColorLoop_;
};

// ---- UV and colour sets --------------------------------------------------------

bool readSetName(SetAttrRequest& request, std::string& name) {
    if (!request.values.nextString(name) || !request.values.atEnd()) {
        request.error = "expected one string";
        return false;
    }
    return true;
}

// A UV set (".uvst[i].uvsn" name, ".uvst[i].uvsp[a:b]" u v pairs) or a
// colour set (".clst[i].clsn" name, ".clst[i].clsp[a:b]" r g b a).
struct SetNames {
    const char* what;
    const char* nameLong;
    const char* nameShort;
    const char* pointsLong;
    const char* pointsShort;
    size_t width;
};

const SetNames kUvSetNames{"UV set", "uvSetName", "uvsn", "uvSetPoints", "uvsp", 2};
const SetNames kColorSetNames{"colour set", "colorName", "clsn", "colorSetPoints", "clsp", 4};

// Whether a set statement names the set's name or points (or only the
// number of sets); other children are left to the reader.
bool isSetStatement(const SetAttrRequest& request, const SetNames& names) {
    if (request.path.size() == 1) {
        return true;
    }
    const AttrPathPart& child = request.path[1];
    return named(child, names.nameLong, names.nameShort) || named(child, names.pointsLong, names.pointsShort);
}

template <class Set>
bool readSet(SetAttrRequest& request, std::map<unsigned, Set>& sets, std::vector<float> Set::*values,
             const SetNames& names) {
    if (request.path.size() == 1) {
        return true; // the number of sets only
    }
    ElementRange range = elementRange(request.path[0]);
    if (range.open || range.count != 1 || request.path.size() != 2) {
        request.error = std::string("expected one ") + names.what + " element";
        return false;
    }
    Set& set = sets[unsigned(range.first)];
    const AttrPathPart& child = request.path[1];
    if (named(child, names.nameLong, names.nameShort)) {
        return readSetName(request, set.name);
    }
    reserveFor(request, set.*values, names.width);
    return readNumberGroups(request, elementRange(child), names.width, [&](size_t e, const double* v) {
        return storeFloatGroup(set.*values, e, v, names.width, 0.0f);
    });
}

// ".iog[i].og[k].gcl" -type "componentList" N "f[0:47]" ...: the faces of
// one face set, stored as the list of component texts.
bool readComponentList(SetAttrRequest& request, Node& mesh) {
    if (request.path.size() != 3 || !named(request.path[1], "objectGroups", "og") ||
        !named(request.path[2], "objectGrpCompList", "gcl")) {
        return false;
    }
    ElementRange instance = elementRange(request.path[0]);
    ElementRange group = elementRange(request.path[1]);
    if (instance.open || group.open || instance.count != 1 || group.count != 1) {
        return false;
    }
    long long count = 0;
    if (!readInteger(request.values, count) || count < 0) {
        request.error = "expected the number of components";
        return true;
    }
    std::vector<std::string> components;
    for (long long i = 0; i < count; ++i) {
        std::string text;
        if (!request.values.nextString(text)) {
            request.error = "expected " + std::to_string(count) + " component strings";
            return true;
        }
        components.push_back(std::move(text));
    }
    int attr = mesh.findAttribute("objectGrpCompList");
    mesh.setValue({attr, {unsigned(instance.first), unsigned(group.first)}}, std::move(components));
    return true;
}

// Runs a reader that reports malformed values through request.error; the
// statement counts as consumed either way.
template <class Reader> bool consumed(SetAttrRequest& request, Reader reader) {
    if (!reader() && request.error.empty()) {
        request.error = "malformed values";
    }
    return true;
}

} // namespace

bool meshSetAttr(Scene&, Node& node, SetAttrRequest& request) {
    MeshData* mesh = node.payloadAs<MeshData>();
    if (!mesh || request.path.empty()) {
        return false;
    }
    mesh->invalidate();
    const AttrPathPart& top = request.path.front();
    bool single = request.path.size() == 1;
    if (single && named(top, "vrts", "vt")) {
        return consumed(request, [&] { return readPoints(request, mesh->points); });
    }
    if (single && named(top, "pnts", "pt")) {
        return consumed(request, [&] { return readPoints(request, mesh->offsets); });
    }
    if (single && named(top, "edge", "ed")) {
        return consumed(request, [&] { return readEdges(request, *mesh); });
    }
    if (single && named(top, "normals", "n")) {
        return consumed(request, [&] { return readNormals(request, *mesh); });
    }
    if (single && named(top, "face", "fc")) {
        return consumed(request, [&] { return PolyFacesReader(*mesh, request).read(); });
    }
    if (named(top, "uvSet", "uvst") && isSetStatement(request, kUvSetNames)) {
        return consumed(request,
                        [&] { return readSet(request, mesh->uvSets, &UvSetData::uvs, kUvSetNames); });
    }
    if (named(top, "colorSet", "clst") && isSetStatement(request, kColorSetNames)) {
        return consumed(
            request, [&] { return readSet(request, mesh->colorSets, &ColorSetData::rgba, kColorSetNames); });
    }
    if (named(top, "instObjGroups", "iog")) {
        return readComponentList(request, node);
    }
    return false;
}

} // namespace orvex_host
