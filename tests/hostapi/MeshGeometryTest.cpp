// Mesh geometry as the host reads it from setAttr statements and hands it
// out through MFnMesh and MItMeshPolygon: faces from signed edge lists,
// triangulation of concave polygons and holes, normals across hard and
// smooth edges, UV and colour sets, per-face shading groups.

#include "api/Access.h"
#include "geometry/PolygonTriangulation.h"
#include "support/FoldMesh.h"
#include "support/HostSceneTest.h"

#include <maya/MFnMesh.h>
#include <maya/MItMeshPolygon.h>

#include <gtest/gtest.h>

#include <cmath>
#include <random>

using namespace orvex_host;
using orvex_test::setAttrStatement;

namespace {

class MeshGeometry : public orvex_test::HostSceneTest {
protected:
    void faces(Node* node, const std::string& range, const std::string& values) {
        set(node, range, values, {"polyFaces"});
    }

    // A unit quad in the xy plane, written as the host writes it: four
    // points, four edges, one face over the edges.
    Node* quad(bool smooth = true) {
        Node* m = mesh("quad");
        set(m, ".vt[0:3]", "0 0 0  1 0 0  1 1 0  0 1 0");
        std::string s = smooth ? "1" : "0";
        set(m, ".ed[0:3]", "0 1 " + s + "  1 2 " + s + "  2 3 " + s + "  3 0 " + s);
        faces(m, ".fc[0]", "f 4 0 1 2 3");
        return m;
    }
};

// The host answers as another version until the end of the scope.
struct AnswerAs {
    explicit AnswerAs(int version) { EXPECT_TRUE(setApiVersion(version)); }
    ~AnswerAs() { setApiVersion(kDefaultApiVersion); }
    AnswerAs(const AnswerAs&) = delete;
    AnswerAs& operator=(const AnswerAs&) = delete;
};

std::vector<int> ints(const MIntArray& a) {
    return std::vector<int>(a.items().begin(), a.items().end());
}

double signedArea2d(const MPointArray& p) {
    return ((p[1].x - p[0].x) * (p[2].y - p[0].y) - (p[1].y - p[0].y) * (p[2].x - p[0].x)) / 2.0;
}

struct Triangle {
    std::vector<int> vertices;
    double area; // signed, in the xy plane
};

// Every triangle of the current polygon.
std::vector<Triangle> trianglesOf(MItMeshPolygon& it) {
    std::vector<Triangle> result;
    int count = 0;
    EXPECT_EQ(it.numTriangles(count), MS::kSuccess);
    for (int t = 0; t < count; ++t) {
        MPointArray points;
        MIntArray vertices;
        EXPECT_EQ(it.getTriangle(t, points, vertices), MS::kSuccess);
        result.push_back({ints(vertices), signedArea2d(points)});
    }
    return result;
}

std::vector<std::vector<int>> vertexLists(const std::vector<Triangle>& triangles) {
    std::vector<std::vector<int>> result;
    for (const Triangle& t : triangles) {
        result.push_back(t.vertices);
    }
    return result;
}

} // namespace

TEST_F(MeshGeometry, FacesComeFromSignedEdgeListsAndConvexOnesSplitAsAFan) {
    Node* m = mesh();
    set(m, ".vt[0:3]", "0 0 0  1 0 0  1 1 0  0 1 0");
    set(m, ".ed[0:4]", "0 1 0  1 2 0  2 3 0  3 0 0  0 2 1");
    // The second face walks edges 2 and 3 forwards and the diagonal 4
    // backwards: vertices 2, 3, 0.
    faces(m, ".fc[0:1]", "f 3 0 1 -5  f 3 2 3 4");
    MFnMesh fn(object(m));
    EXPECT_EQ(fn.numPolygons(), 2);
    EXPECT_EQ(fn.numVertices(), 4);
    EXPECT_EQ(fn.numFaceVertices(), 6);
    MIntArray vertices;
    ASSERT_EQ(fn.getPolygonVertices(1, vertices), MS::kSuccess);
    EXPECT_EQ(ints(vertices), (std::vector<int>{2, 3, 0}));

    Node* q = quad();
    MItMeshPolygon it(object(q));
    ASSERT_FALSE(it.isDone());
    EXPECT_EQ(vertexLists(trianglesOf(it)), (std::vector<std::vector<int>>{{0, 1, 2}, {0, 2, 3}}));
    it.next();
    EXPECT_TRUE(it.isDone());
    it.reset();
    EXPECT_FALSE(it.isDone());
}

TEST_F(MeshGeometry, ConcavePolygonsAreSplitInsideTheirOutline) {
    // An arrow head: corner 3 is reflex, so the fan from corner 0 would put
    // a triangle outside the polygon.
    Node* m = mesh();
    set(m, ".vt[0:3]", "0 0 0  4 2 0  0 4 0  1 2 0");
    set(m, ".ed[0:3]", "0 1 0  1 2 0  2 3 0  3 0 0");
    faces(m, ".fc[0]", "f 4 0 1 2 3");
    MItMeshPolygon it(object(m));
    std::vector<Triangle> triangles = trianglesOf(it);
    ASSERT_EQ(triangles.size(), 2u);
    EXPECT_GT(triangles[0].area, 0.0) << "wound against the polygon";
    EXPECT_GT(triangles[1].area, 0.0) << "wound against the polygon";
    EXPECT_DOUBLE_EQ(triangles[0].area + triangles[1].area, 6.0); // the arrow's own area: 8 - 2

    // The same outline tilted out of the xy plane still splits inside it.
    Node* tilted = mesh("tilted");
    set(tilted, ".vt[0:3]", "0 0 0  0 2 4  0 4 0  0 2 1");
    set(tilted, ".ed[0:3]", "0 1 0  1 2 0  2 3 0  3 0 0");
    faces(tilted, ".fc[0]", "f 4 0 1 2 3");
    MItMeshPolygon tiltedIt(object(tilted));
    auto tris = vertexLists(trianglesOf(tiltedIt));
    ASSERT_EQ(tris.size(), 2u);
    for (const auto& t : tris) {
        EXPECT_NE(t, (std::vector<int>{0, 1, 2})) << "the fan triangle covers the notch";
    }
}

TEST_F(MeshGeometry, HolesAreBridgedIntoTheTriangulation) {
    Node* m = mesh();
    set(m, ".vt[0:7]", "0 0 0  4 0 0  4 4 0  0 4 0  1 1 0  1 3 0  3 3 0  3 1 0");
    set(m, ".ed[0:7]", "0 1 0  1 2 0  2 3 0  3 0 0  4 5 0  5 6 0  6 7 0  7 4 0");
    faces(m, ".fc[0]", "f 4 0 1 2 3 h 4 4 5 6 7");
    MItMeshPolygon it(object(m));
    MIntArray vertices;
    it.getVertices(vertices);
    EXPECT_EQ(vertices.length(), 8u);
    std::vector<Triangle> triangles = trianglesOf(it);
    ASSERT_EQ(triangles.size(), 8u); // 8 corners - 2 + 2 per hole
    double area = 0.0;
    for (const Triangle& t : triangles) {
        EXPECT_GE(t.area, 0.0);
        area += t.area;
    }
    EXPECT_DOUBLE_EQ(area, 16.0 - 4.0);
}

// numTriangles answers from the loops' sizes before a polygon is triangulated: the count
// must be the triangulation's on every shape of loops, holes too small or out of order,
// outer loops too small, and corners all in one spot included.
TEST(PolygonTriangleCount, IsTheTriangulationsCountForAnyLoops) {
    std::mt19937 random(7);
    for (int trial = 0; trial < 2000; ++trial) {
        const uint32_t corners = random() % 14;
        std::vector<uint32_t> loops = {0};
        for (uint32_t holes = random() % 4; holes > 0; --holes) {
            loops.push_back(random() % (corners + 2));
        }
        std::vector<double> points(3 * size_t(corners));
        const bool flat = random() % 8 == 0;
        for (double& p : points) {
            p = flat ? 1.0 : double(random() % 9);
        }
        std::vector<int> triangles;
        triangulatePolygon(points.data(), corners, loops, triangles);
        EXPECT_EQ(size_t(polygonTriangleCount(corners, loops)), triangles.size() / 3) << "trial " << trial;
    }
}

TEST_F(MeshGeometry, NormalsAreStoredOrComputedAcrossSmoothEdgesOnly) {
    // A roof: two quads meeting at the ridge (edge 1, between vertices 1 and 4).
    auto roof = [&](const std::string& name, const char* ridge) {
        Node* m = mesh(name);
        set(m, ".vt[0:5]", "0 0 0  1 1 0  2 0 0  0 0 1  1 1 1  2 0 1");
        set(m, ".ed[0:6]", std::string("0 1 0  1 4 ") + ridge + "  4 3 0  3 0 0  1 2 0  2 5 0  5 4 0");
        faces(m, ".fc[0:1]", "f 4 0 1 2 3  f 4 4 5 6 -2");
        return m;
    };
    const float h = static_cast<float>(std::sqrt(0.5));
    MFloatVectorArray normals;

    MFnMesh hard(object(roof("hard", "0")));
    ASSERT_EQ(hard.getNormals(normals), MS::kSuccess);
    ASSERT_EQ(normals.length(), 8u);
    // Face 0 (vertices 0 1 4 3) faces down-right, face 1 (vertices 1 2 5 4) down-left.
    EXPECT_NEAR(normals[1].x, h, 1e-6);
    EXPECT_NEAR(normals[1].y, -h, 1e-6);
    EXPECT_NEAR(normals[4].x, -h, 1e-6);
    EXPECT_NEAR(normals[4].y, -h, 1e-6);

    MFnMesh smooth(object(roof("smooth", "1")));
    ASSERT_EQ(smooth.getNormals(normals), MS::kSuccess);
    // The ridge's corners average both faces; the eaves keep their face's normal.
    for (unsigned c : {1u, 2u, 4u, 7u}) {
        EXPECT_NEAR(normals[c].x, 0.0, 1e-6) << c;
        EXPECT_NEAR(normals[c].y, -1.0, 1e-6) << c;
    }
    EXPECT_NEAR(normals[0].x, h, 1e-6);
    EXPECT_NEAR(normals[5].x, -h, 1e-6);

    // Locked normals win where set; 1e+020 leaves a corner to the computation.
    Node* q = quad();
    set(q, ".n[0:3]", "1e+020 1e+020 1e+020  0 1 0  1e+020 1e+020 1e+020  1e+020 1e+020 1e+020", {"float3"});
    MFnMesh locked(object(q));
    ASSERT_EQ(locked.getNormals(normals), MS::kSuccess);
    EXPECT_EQ(normals[1].y, 1.0f);
    EXPECT_EQ(normals[0].z, 1.0f);
    EXPECT_EQ(normals[3].z, 1.0f);
}

TEST_F(MeshGeometry, ComputedNormalsWeightTheFacesAsTheMeshsNormalMethodSays) {
    auto fold = [&](const std::string& name) {
        Node* m = mesh(name);
        orvex_test::applyStatements(scene(), *m, orvex_test::meshStatements(orvex_test::foldMesh()));
        return m;
    };
    auto method = [&](Node* m) {
        int value = -1;
        EXPECT_EQ(ObjectAccess::plug(m, {m->findAttribute("vnm"), {}}).getValue(value), MS::kSuccess);
        return value;
    };
    // The origin is corner 0 of face 0 and corner 3 of face 1; both get its normal.
    auto expectOriginNormal = [&](Node* m, int expected) {
        MFloatVectorArray normals;
        ASSERT_EQ(MFnMesh(object(m)).getNormals(normals), MS::kSuccess);
        ASSERT_EQ(normals.length(), 6u);
        const std::array<double, 3> want = orvex_test::foldNormalAtOrigin(expected);
        for (unsigned c : {0u, 3u}) {
            EXPECT_NEAR(normals[c].x, want[0], 1e-6) << m->name << " " << c;
            EXPECT_NEAR(normals[c].y, want[1], 1e-6) << m->name << " " << c;
            EXPECT_NEAR(normals[c].z, want[2], 1e-6) << m->name << " " << c;
        }
    };
    for (long long set = 0; set < 4; ++set) {
        Node* m = fold("fold" + std::to_string(set));
        setPlug(m, "vnm", set);
        expectOriginNormal(m, static_cast<int>(set));
    }
    // Left unset, the method is the host version's default: angle and area
    // weighted from 2013 on, unweighted up to 2012.
    Node* unset = fold("unset");
    Node* area = fold("area");
    setPlug(area, "vnm", 2LL);
    EXPECT_EQ(method(unset), 3);
    expectOriginNormal(unset, 3);
    for (int version : {2010, 2012, 2013}) {
        AnswerAs as(version);
        const int byDefault = version <= 2012 ? 0 : 3;
        EXPECT_EQ(method(unset), byDefault) << version;
        expectOriginNormal(unset, byDefault);
        EXPECT_EQ(method(area), 2) << version;
        expectOriginNormal(area, 2);
    }
}

TEST_F(MeshGeometry, UvSetsKeepTheirOrderAndCornersWithoutUvsFail) {
    // The face carries ids in both sets; the second set covers two corners only.
    Node* m = mesh("uvs");
    set(m, ".vt[0:3]", "0 0 0  1 0 0  1 1 0  0 1 0");
    set(m, ".ed[0:3]", "0 1 0  1 2 0  2 3 0  3 0 0");
    set(m, ".uvst[0].uvsn", "\"map1\"");
    set(m, ".uvst[0].uvsp[0:3]", "0 0  1 0  1 1  0 1");
    set(m, ".uvst[1].uvsn", "\"lightmap\"");
    set(m, ".uvst[1].uvsp[0:1]", "0.5 0.25  0.75 1");
    faces(m, ".fc[0]", "f 4 0 1 2 3 mu 0 4 3 2 1 0 mu 1 2 1 0");
    MFnMesh fn(object(m));
    EXPECT_EQ(fn.numUVSets(), 2);
    MStringArray names;
    ASSERT_EQ(fn.getUVSetNames(names), MS::kSuccess);
    ASSERT_EQ(names.length(), 2u);
    EXPECT_EQ(names[0], "map1");
    EXPECT_EQ(names[1], "lightmap");

    MItMeshPolygon it(object(m));
    float2 uv = {7, 7};
    MString map1("map1"), lightmap("lightmap"), none("none");
    ASSERT_EQ(it.getUV(0, uv, &map1), MS::kSuccess);
    EXPECT_EQ(uv[0], 0.0f);
    EXPECT_EQ(uv[1], 1.0f);
    ASSERT_EQ(it.getUV(1, uv, &lightmap), MS::kSuccess);
    EXPECT_EQ(uv[0], 0.5f);
    EXPECT_EQ(uv[1], 0.25f);
    uv[0] = uv[1] = 7;
    EXPECT_NE(it.getUV(2, uv, &lightmap), MS::kSuccess);
    EXPECT_NE(it.getUV(0, uv, &none), MS::kSuccess);
    EXPECT_EQ(uv[0], 7.0f); // untouched on failure

    setFault("getUVSetNames");
    EXPECT_NE(fn.getUVSetNames(names), MS::kSuccess);
}

TEST_F(MeshGeometry, ColourSetsGiveOneColourPerCornerWithUnassignedOnesMarked) {
    Node* m = mesh();
    set(m, ".vt[0:3]", "0 0 0  1 0 0  1 1 0  0 1 0");
    set(m, ".ed[0:3]", "0 1 0  1 2 0  2 3 0  3 0 0");
    set(m, ".clst[0].clsn", "\"colorSet1\"");
    set(m, ".clst[0].clsp[0:1]", "1 0 0 1  0 0.5 1 0.25");
    faces(m, ".fc[0]", "f 4 0 1 2 3 mc 0 3 1 -1 0");
    MFnMesh fn(object(m));
    MColorArray colors;
    ASSERT_EQ(fn.getFaceVertexColors(colors), MS::kSuccess);
    ASSERT_EQ(colors.length(), 4u);
    EXPECT_EQ(colors[0].g, 0.5f);
    EXPECT_EQ(colors[0].a, 0.25f);
    EXPECT_EQ(colors[1].r, -1.0f);
    EXPECT_EQ(colors[1].a, -1.0f);
    EXPECT_EQ(colors[2].r, 1.0f);
    EXPECT_EQ(colors[3].b, -1.0f); // no id given for the last corner
    // The set's own list has one colour per colour id.
    ASSERT_EQ(fn.getColors(colors), MS::kSuccess);
    ASSERT_EQ(colors.length(), 2u);
    EXPECT_EQ(colors[0].r, 1.0f);
    EXPECT_EQ(colors[1].a, 0.25f);

    MItMeshPolygon it(object(m));
    int index = 42;
    ASSERT_EQ(it.getColorIndex(0, index), MS::kSuccess);
    EXPECT_EQ(index, 1);
    EXPECT_NE(it.getColorIndex(1, index), MS::kSuccess);
    EXPECT_EQ(index, 1);

    // A mesh without colour sets has no face-vertex colours at all.
    EXPECT_NE(MFnMesh(object(quad())).getFaceVertexColors(colors), MS::kSuccess);
    EXPECT_NE(MFnMesh(object(quad())).getColors(colors), MS::kSuccess);
}

TEST_F(MeshGeometry, ShadingGroupsComeFromFaceSetsAndWholeInstances) {
    Node* m = mesh();
    set(m, ".vt[0:5]", "0 0 0  1 0 0  2 0 0  0 1 0  1 1 0  2 1 0");
    set(m, ".ed[0:6]", "0 1 0  1 2 0  3 4 0  4 5 0  0 3 0  1 4 0  2 5 0");
    faces(m, ".fc[0:1]", "f 4 0 5 -3 -5  f 4 1 6 -4 -6");
    Node* red = create("shadingEngine", "redSG");
    Node* blue = create("shadingEngine", "blueSG");
    MFnMesh fn(object(m));
    MObjectArray groups;
    MIntArray perFace;

    // No assignment: no groups, every face -1.
    ASSERT_EQ(fn.getConnectedShaders(0, groups, perFace), MS::kSuccess);
    EXPECT_EQ(groups.length(), 0u);
    EXPECT_EQ(ints(perFace), (std::vector<int>{-1, -1}));

    // Face sets og[1] (face 1) and og[0] (nothing yet); groups follow the
    // set order, a set without faces still lists its group.
    set(m, ".iog[0].og[1].gcl", "1 \"f[1]\"", {"componentList"});
    connect("shape.objectGroups[0][1]", "redSG.dagSetMembers[0]");
    connect("shape.objectGroups[0][0]", "blueSG.dagSetMembers[0]");
    ASSERT_EQ(fn.getConnectedShaders(0, groups, perFace), MS::kSuccess);
    ASSERT_EQ(groups.length(), 2u);
    EXPECT_EQ(groups[0], object(blue));
    EXPECT_EQ(groups[1], object(red));
    EXPECT_EQ(ints(perFace), (std::vector<int>{-1, 1}));

    // A second instance does not exist: failure with both arrays empty.
    EXPECT_NE(fn.getConnectedShaders(1, groups, perFace), MS::kSuccess);
    EXPECT_EQ(groups.length(), 0u);
    EXPECT_EQ(perFace.length(), 0u);

    // A whole-instance assignment shades what no set names.
    Node* whole = mesh("whole");
    set(whole, ".vt[0:2]", "0 0 0  1 0 0  0 1 0");
    set(whole, ".ed[0:2]", "0 1 0  1 2 0  2 0 0");
    faces(whole, ".fc[0]", "f 3 0 1 2");
    connect("whole.instObjGroups[0]", "redSG.dagSetMembers[1]");
    ASSERT_EQ(MFnMesh(object(whole)).getConnectedShaders(0, groups, perFace), MS::kSuccess);
    ASSERT_EQ(groups.length(), 1u);
    EXPECT_EQ(ints(perFace), (std::vector<int>{0}));

    setFault("getConnectedShaders");
    EXPECT_NE(fn.getConnectedShaders(0, groups, perFace), MS::kSuccess);
    EXPECT_EQ(groups.length(), 0u);
}

TEST_F(MeshGeometry, MalformedGeometryStatementsGetAClearError) {
    auto triangle = [&] {
        Node* m = mesh();
        set(m, ".vt[0:2]", "0 0 0  1 0 0  0 1 0");
        set(m, ".ed[0:2]", "0 1 0  1 2 0  2 0 0");
        return m;
    };
    auto facesError = [&](const std::string& range, const std::string& values) {
        return setAttrStatement(scene(), *triangle(), range, values, {"polyFaces"});
    };
    Node* m = triangle();
    EXPECT_NE(setAttrStatement(scene(), *m, ".vt[0:1]", "1 2 3 4 5"), "");
    EXPECT_NE(setAttrStatement(scene(), *m, ".vt[0]", "1 2 3 4"), "");
    EXPECT_NE(setAttrStatement(scene(), *m, ".vt[4000000000]", "1 2 3"), "");
    EXPECT_NE(setAttrStatement(scene(), *m, ".ed[0]", "0 1"), "");
    EXPECT_NE(facesError(".fc[0]", "f 3 0 1 7").find("edge 7"), std::string::npos);
    EXPECT_NE(facesError(".fc[0]", "f 3 0 1 2 xy 4"), "");
    EXPECT_NE(facesError(".fc[0]", "f 3 0 1 2 mu 0 5 0 1 2 3 4"), "");
    EXPECT_NE(facesError(".fc[0]", "f 3 0 1"), "");
    EXPECT_NE(facesError(".fc[0:1]", "f 3 0 1 2"), "");
    EXPECT_NE(facesError(".fc[5]", "f 3 0 1 2"), "");
    EXPECT_NE(facesError(".fc[0]", "h 3 0 1 2"), "");
    // Statements the mesh does not keep itself go to the reader.
    EXPECT_EQ(setAttrStatement(scene(), *m, ".io", "yes"), "not consumed");
    EXPECT_EQ(setAttrStatement(scene(), *m, ".uvst[0].uvsn", "\"map1\""), "");
}

TEST_F(MeshGeometry, EdgesNameWholeVertexIds) {
    Node* m = mesh();
    // Vertex ids out of the integer range, negative or fractional are refused
    // (converting them to integers would be undefined).
    for (const char* edge : {"1e10 0 0", "0 -1e30 1", "-1 0 0", "0.5 1 0", "nan 1 0"}) {
        EXPECT_NE(setAttrStatement(scene(), *m, ".ed[0]", edge), "") << edge;
    }
    EXPECT_EQ(setAttrStatement(scene(), *m, ".ed[0:1]", "0 1 0  2147483647 1 1"), "");
}

TEST_F(MeshGeometry, HandedOutNormalsStayAsTheyWereGiven) {
    Node* q = quad();
    set(q, ".n[0:3]", "0 1 0  0 1 0  0 1 0  0 1 0", {"float3"});
    MFnMesh fn(object(q));
    MFloatVectorArray normals;
    ASSERT_EQ(fn.getNormals(normals), MS::kSuccess);
    ASSERT_EQ(normals.length(), 4u);

    // Changing the mesh's normals afterwards leaves the array as it was.
    set(q, ".n[0]", "1 0 0", {"float3"});
    EXPECT_EQ(normals[0].y, 1.0f);
    MFloatVectorArray again;
    ASSERT_EQ(fn.getNormals(again), MS::kSuccess);
    EXPECT_EQ(again[0].x, 1.0f);

    // Writing into an array leaves the mesh's normals as they are.
    again[1].x = 5.0f;
    MFloatVectorArray third;
    ASSERT_EQ(fn.getNormals(third), MS::kSuccess);
    EXPECT_EQ(third[1].x, 0.0f);
    EXPECT_EQ(third[1].y, 1.0f);
}
