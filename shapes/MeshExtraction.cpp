// Reading one mesh into a triangle set: per triangle corner one builder
// vertex with the features the switches and the mesh allow, then welding,
// tangents and subsets by the builder.

#include "shapes/ShapeExportContext.h"

#include "core/TriangleSetBuilder.h"
#include "export/AttributeHelpers.h"
#include "shapes/SkinInfluences.h"

#include <maya/MColorArray.h>
#include <maya/MDoubleArray.h>
#include <maya/MFloatVectorArray.h>
#include <maya/MFnMesh.h>
#include <maya/MFnSkinCluster.h>
#include <maya/MGlobal.h>
#include <maya/MItGeometry.h>
#include <maya/MItMeshPolygon.h>
#include <maya/MObjectArray.h>
#include <maya/MPlugArray.h>
#include <maya/MPointArray.h>
#include <maya/MStringArray.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

const char* const kNoSkinWeights = "Found vertex with no skin weights. Assigning to first bone";

// What one mesh supplies, decided once before its corners are read. A query
// that fails switches its feature off for this mesh only.
struct MeshInput {
    uint32_t flags = 0;
    MPointArray points;
    bool withNormals = false;
    MFloatVectorArray normals;
    bool withUvs = false;
    unsigned uvSets = 0; // UV sets read per corner (at most four)
    MStringArray uvSetNames;
    MObjectArray shadingGroups;
    MIntArray shaderPerPolygon;
    bool withColors = false;
    MColorArray colors; // the colour set's list, by colour id
    bool withSkin = false;
    std::vector<VertexInfluences> influences; // per mesh point
};

uint32_t countTriangles(MItMeshPolygon& polygons) {
    uint32_t total = 0;
    for (; !polygons.isDone(); polygons.next()) {
        int count = 0;
        if (polygons.numTriangles(count) == MS::kSuccess && count > 0) {
            total += static_cast<uint32_t>(count);
        }
    }
    return total;
}

// Whether the surface shader of any shading group has an incoming
// connection on "normalCamera" (a normal map): then tangents are requested.
bool requestsTangents(const MObjectArray& shadingGroups) {
    for (unsigned i = 0; i < shadingGroups.length(); ++i) {
        MFnDependencyNode group(shadingGroups[i]);
        MStatus status;
        MPlug surfaceShader = group.findPlug("surfaceShader", true, &status);
        if (status != MS::kSuccess) {
            continue;
        }
        MPlugArray shaders;
        surfaceShader.connectedTo(shaders, true, false);
        if (shaders.length() == 0) {
            continue;
        }
        MFnDependencyNode shader(shaders[0].node());
        MPlugArray sources;
        if (getConnectedSources(shader, "normalCamera", sources)) {
            return true;
        }
    }
    return false;
}

// Reads the colour set's list of colours, which the corners' colour ids
// index. Every face-vertex must have a colour: each unassigned one (-1, -1,
// -1) switches colours off and is reported.
bool readColors(const MFnMesh& mesh, MColorArray& colors) {
    MColorArray faceVertexColors;
    if (mesh.getFaceVertexColors(faceVertexColors, NULL, NULL) != MS::kSuccess) {
        return false;
    }
    bool complete = true;
    for (unsigned i = 0; i < faceVertexColors.length(); ++i) {
        const MColor& c = faceVertexColors[i];
        if (c.r == -1.0f && c.g == -1.0f && c.b == -1.0f) {
            complete = false;
            MGlobal::displayWarning(MString("orvexExport: Vertex colors are not or incomplete assigned. "
                                            "Vertex Colors not exported (") +
                                    mesh.partialPathName() + ")");
        }
    }
    return complete && mesh.getColors(colors) == MS::kSuccess;
}

// Fills the four influence slots of every mesh point from the skin
// cluster; false when the cluster does not know the mesh as an output.
bool readSkinWeights(const MFnMesh& mesh, MFnSkinCluster& skinCluster, uint32_t pointCount,
                     std::vector<VertexInfluences>& influences) {
    MStatus status;
    unsigned index = skinCluster.indexForOutputShape(mesh.object(), &status);
    if (status != MS::kSuccess) {
        return false;
    }
    MDagPath path;
    skinCluster.getPathAtIndex(index, path);
    influences.assign(pointCount, VertexInfluences());
    uint32_t wideVertices = 0;
    uint32_t element = 0;
    for (MItGeometry geometry(path); !geometry.isDone(); geometry.next(), ++element) {
        MDoubleArray weights;
        unsigned influenceCount = 0;
        skinCluster.getWeights(path, geometry.component(), weights, influenceCount);
        if (element >= pointCount) {
            continue; // an element the mesh has no point for
        }
        VertexInfluences& slots = influences[element];
        InfluenceChoice choice =
            chooseInfluences(weights.length() ? &weights[0] : nullptr, weights.length(), slots);
        wideVertices += choice.leftOutWide ? 1 : 0;
        if (!choice.anyWeight) {
            MGlobal::displayWarning(kNoSkinWeights);
            slots = VertexInfluences();
            slots.weights[0] = 1.0f;
        }
    }
    if (wideVertices != 0) {
        MGlobal::displayWarning(MString("orvexExport: Skin influences beyond bone ") +
                                std::to_string(kMaxBoneIndex).c_str() + " left out of " +
                                std::to_string(wideVertices).c_str() + " vertices (" +
                                mesh.partialPathName() + ")");
    }
    return true;
}

// The local shader index of a polygon: its entry in the per-polygon list,
// with "none" (-1) and a missing entry taken as 0.
uint32_t materialIndex(const MIntArray& shaderPerPolygon, uint32_t polygon) {
    if (polygon >= shaderPerPolygon.length() || shaderPerPolygon[polygon] < 0) {
        return 0;
    }
    return static_cast<uint32_t>(shaderPerPolygon[polygon]);
}

// The face-relative index of each triangle vertex: the first place in the
// polygon's vertex list that holds it. False when a vertex is not in the
// polygon or not in the point list (the triangle is then left out).
bool faceRelativeCorners(const MIntArray& polygonVertices, const MIntArray& triangle, unsigned pointCount,
                         int corners[3]) {
    if (triangle.length() != 3) {
        return false;
    }
    for (unsigned j = 0; j < 3; ++j) {
        int vertex = triangle[j];
        if (vertex < 0 || static_cast<unsigned>(vertex) >= pointCount) {
            return false;
        }
        corners[j] = -1;
        for (unsigned k = 0; k < polygonVertices.length() && corners[j] < 0; ++k) {
            if (polygonVertices[k] == vertex) {
                corners[j] = static_cast<int>(k);
            }
        }
        if (corners[j] < 0) {
            return false;
        }
    }
    return true;
}

// The builder vertex of one triangle corner: `vertex` is its mesh point,
// `local` its place in the polygon.
BuilderVertex cornerVertex(const MeshInput& in, MItMeshPolygon& polygons, int vertex, int local,
                           double unitScale) {
    BuilderVertex v;
    const MPoint& p = in.points[static_cast<unsigned>(vertex)];
    v.position[0] = static_cast<float>(p.x * unitScale);
    v.position[1] = static_cast<float>(p.y * unitScale);
    v.position[2] = static_cast<float>(p.z * unitScale);
    if (in.withNormals) {
        int n = polygons.normalIndex(local);
        if (n >= 0 && static_cast<unsigned>(n) < in.normals.length()) {
            const MFloatVector& normal = in.normals[static_cast<unsigned>(n)];
            v.normal[0] = normal.x;
            v.normal[1] = normal.y;
            v.normal[2] = normal.z;
        }
    }
    for (unsigned k = 0; in.withUvs && k < in.uvSets; ++k) {
        float2 uv = {0.0f, 0.0f};
        polygons.getUV(local, uv, &in.uvSetNames[k]);
        v.uv[k][0] = uv[0];
        v.uv[k][1] = uv[1];
    }
    if (in.withColors && in.colors.length() != 0) {
        int index = 0;
        polygons.getColorIndex(local, index, NULL);
        if (index < 0 || static_cast<unsigned>(index) >= in.colors.length()) {
            index = 0; // an id outside the colour list takes the first colour
        }
        const MColor& c = in.colors[static_cast<unsigned>(index)];
        v.color[0] = c.r;
        v.color[1] = c.g;
        v.color[2] = c.b;
    }
    if (in.withSkin) {
        const VertexInfluences& slots = in.influences[static_cast<unsigned>(vertex)];
        std::copy(slots.weights, slots.weights + 4, v.skinWeight);
        std::copy(slots.bones, slots.bones + 4, v.skinIndex);
        if (v.skinWeight[0] + v.skinWeight[1] + v.skinWeight[2] + v.skinWeight[3] == 0.0f) {
            MGlobal::displayWarning(kNoSkinWeights);
            v.skinWeight[0] = 1.0f;
            v.skinIndex[0] = 0;
        }
    }
    return v;
}

// The features the switches ask for; a mesh may still lack them.
struct FeatureSwitches {
    bool normals, uvs, colors, skin;
};

// Reads everything the corners take from the mesh, in the order the queries
// are made: points, normals, UV set names, shading groups (and the tangent
// request), colours, skin weights.
void readMeshInput(MFnMesh& mesh, MFnSkinCluster& skinCluster, const FeatureSwitches& wanted, MeshInput& in) {
    mesh.getPoints(in.points, MSpace::kObject);

    if (wanted.normals && mesh.getNormals(in.normals, MSpace::kObject) == MS::kSuccess) {
        in.withNormals = true;
        in.flags |= VertexNormals;
    }

    const unsigned uvSetCount = static_cast<unsigned>(std::max(mesh.numUVSets(), 0));
    if (wanted.uvs && mesh.getUVSetNames(in.uvSetNames) == MS::kSuccess) {
        in.withUvs = true;
        in.uvSets = std::min({uvSetCount, kMaxUvSets, in.uvSetNames.length()});
        for (unsigned k = 0; k < std::min(uvSetCount, kMaxUvSets); ++k) {
            in.flags |= uvSetFlag(k);
        }
    }

    mesh.getConnectedShaders(0, in.shadingGroups, in.shaderPerPolygon);
    if (requestsTangents(in.shadingGroups)) {
        in.flags |= VertexTangentsRequested;
    }

    if (wanted.colors && readColors(mesh, in.colors)) {
        in.withColors = true;
        in.flags |= VertexColors;
    }

    if (wanted.skin && readSkinWeights(mesh, skinCluster, in.points.length(), in.influences)) {
        in.withSkin = true;
        in.flags |= VertexSkin;
    }
}

// One builder vertex per triangle corner and one builder triangle per
// triangle, polygon by polygon in the host's order.
void addCorners(TriangleSetBuilder& builder, MItMeshPolygon& polygons, const MeshInput& in,
                double unitScale) {
    polygons.reset();
    uint32_t corner = 0;
    uint32_t polygon = 0;
    MIntArray polygonVertices, triangleVertices;
    MPointArray trianglePoints;
    for (; !polygons.isDone(); polygons.next(), ++polygon) {
        polygons.getVertices(polygonVertices);
        const uint32_t material = materialIndex(in.shaderPerPolygon, polygon);
        int triangles = 0;
        if (polygons.numTriangles(triangles) != MS::kSuccess) {
            triangles = 0;
        }
        for (int t = 0; t < triangles; ++t) {
            int local[3];
            if (polygons.getTriangle(t, trianglePoints, triangleVertices, MSpace::kObject) != MS::kSuccess ||
                !faceRelativeCorners(polygonVertices, triangleVertices, in.points.length(), local)) {
                continue;
            }
            BuilderTriangle triangle;
            triangle.material = material;
            uint32_t* vertexNumbers[3] = {&triangle.vertex0, &triangle.vertex1, &triangle.vertex2};
            for (int j = 0; j < 3; ++j) {
                *vertexNumbers[j] = corner++;
                builder.addVertex(cornerVertex(in, polygons, triangleVertices[j], local[j], unitScale));
            }
            builder.addTriangle(triangle);
        }
    }
}

} // namespace

std::unique_ptr<IndexedTriangleSet>
ShapeExportContext::buildTriangleSet(MFnMesh& mesh, MFnSkinCluster& skinCluster, bool hasSkinCluster) {
    TriangleSetBuilder builder;
    MItMeshPolygon polygons(mesh.object());
    const uint32_t triangleCount = countTriangles(polygons);
    builder.reserveTriangles(triangleCount);

    // The mesh's arrays live only while the corners are read, so that the
    // welding that follows has their memory.
    uint32_t flags = 0;
    {
        MeshInput in;
        readMeshInput(mesh, skinCluster, {normals, uvs, colors, skinWeights && hasSkinCluster}, in);
        // Three corners per triangle, with only the attributes the mesh
        // supplies: room for them at once, so that no corner array is ever
        // reallocated.
        builder.reserveCorners(3 * size_t(triangleCount), in.flags);
        addCorners(builder, polygons, in, unitScale);
        flags = in.flags;
    }

    builder.setFlags(flags);
    if (flags & VertexTangentsRequested) {
        builder.computeTangents();
    }
    builder.weldVertices();
    return builder.createIndexedTriangleSet();
}
