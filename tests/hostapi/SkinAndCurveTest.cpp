// Skin clusters and deformer chains as scene files wire them, the upstream
// graph walk that finds a mesh's skin cluster, and NURBS curve data.

#include "export/AttributeHelpers.h"
#include "support/HostSceneTest.h"

#include <maya/MFnMesh.h>
#include <maya/MFnNurbsCurve.h>
#include <maya/MFnSkinCluster.h>
#include <maya/MItDependencyGraph.h>
#include <maya/MItGeometry.h>

#include <gtest/gtest.h>

using namespace orvex_host;
using orvex_test::setAttrStatement;

namespace {

class SkinAndCurve : public orvex_test::HostSceneTest {
protected:
    // The chain the host writes for a skinned mesh: the intermediate original
    // holds the geometry, a tweak and the skin cluster feed the visible shape.
    struct Skinned {
        Node* shape;
        Node* orig;
        Node* tweak;
        Node* cluster;
        std::vector<Node*> joints;
    };
    Skinned skinnedTriangle() {
        Skinned s;
        Node* t = create("transform", "body");
        s.shape = create("mesh", "bodyShape", t);
        s.orig = create("mesh", "bodyShapeOrig", t);
        setPlug(s.orig, "intermediateObject", true);
        set(s.orig, ".vt[0:2]", "0 0 0  1 0 0  0 1 0");
        set(s.orig, ".ed[0:2]", "0 1 0  1 2 0  2 0 0");
        set(s.orig, ".fc[0]", "f 3 0 1 2", {"polyFaces"});
        s.tweak = create("tweak", "tweak1");
        s.cluster = create("skinCluster", "skinCluster1");
        connect("bodyShapeOrig.worldMesh[0]", "tweak1.inputGeometry[0]");
        connect("tweak1.outputGeometry[0]", "skinCluster1.inputGeometry[0]");
        connect("skinCluster1.outputGeometry[0]", "bodyShape.inMesh");
        // Influences at logical matrix indices 0, 2 and 5.
        for (unsigned index : {0u, 2u, 5u}) {
            Node* joint = create("transform", "joint" + std::to_string(index));
            connect(joint->name + ".worldMatrix[0]", "skinCluster1.matrix[" + std::to_string(index) + "]");
            s.joints.push_back(joint);
        }
        return s;
    }
    // Checks the weights of the skinned triangle, written by these statements.
    void weightsWrittenAs(const std::vector<std::pair<std::string, std::string>>& statements);
};

std::vector<double> doubles(const MDoubleArray& a) {
    return std::vector<double>(a.items().begin(), a.items().end());
}

} // namespace

TEST_F(SkinAndCurve, ADeformedMeshReadsItsOriginalGeometryAndKeepsItsOwnShading) {
    Skinned s = skinnedTriangle();
    MFnMesh shape(object(s.shape));
    EXPECT_EQ(shape.numPolygons(), 1);
    EXPECT_EQ(shape.numVertices(), 3);
    Node* sg = create("shadingEngine", "skinSG");
    connect("bodyShape.instObjGroups[0]", "skinSG.dagSetMembers[0]");
    MObjectArray groups;
    MIntArray perFace;
    ASSERT_EQ(shape.getConnectedShaders(0, groups, perFace), MS::kSuccess);
    ASSERT_EQ(groups.length(), 1u);
    EXPECT_EQ(groups[0], object(sg));
    EXPECT_EQ(perFace.length(), 1u);

    // A mesh fed by a modelling node stores nothing and reads nothing.
    Node* made = create("mesh", "madeShape", create("transform", "made"));
    Node* maker = create("unknown", "polyCube1");
    maker->addDynamic(makeAttr("output", "out", AttrType::Mesh));
    connect("polyCube1.output", "madeShape.inMesh");
    EXPECT_EQ(MFnMesh(object(made)).numPolygons(), 0);
}

TEST_F(SkinAndCurve, TheSkinClusterIsFoundUpstreamBehindOtherDeformers) {
    Skinned s = skinnedTriangle();
    MFnSkinCluster cluster;
    ASSERT_TRUE(findSkinCluster(MFnDependencyNode(object(s.shape)), cluster));
    EXPECT_EQ(cluster.object(), object(s.cluster));
    // The original mesh is upstream of nothing skinned.
    MFnSkinCluster none;
    EXPECT_FALSE(findSkinCluster(MFnDependencyNode(object(s.orig)), none));

    // The walk starts at the root's node and follows connection order.
    MPlug inMesh = MFnDependencyNode(object(s.shape)).findPlug("inMesh");
    MStatus status;
    MItDependencyGraph walk(inMesh, MFn::kInvalid, MItDependencyGraph::kUpstream,
                            MItDependencyGraph::kDepthFirst, MItDependencyGraph::kPlugLevel, &status);
    ASSERT_EQ(status, MS::kSuccess);
    std::vector<MObject> order;
    for (; !walk.isDone(); walk.next()) {
        order.push_back(walk.thisNode());
    }
    std::vector<MObject> expected = {object(s.shape), object(s.cluster), object(s.tweak), object(s.orig)};
    for (Node* j : s.joints) {
        expected.push_back(object(j));
    }
    EXPECT_EQ(order, expected);

    // With a filter and pruning the walk stops at nodes that do not pass it.
    MItDependencyGraph pruned(inMesh, MFn::kTweak, MItDependencyGraph::kUpstream);
    EXPECT_TRUE(pruned.isDone());
    pruned.disablePruningOnFilter();
    ASSERT_FALSE(pruned.isDone());
    EXPECT_EQ(pruned.thisNode(), object(s.tweak));

    setFault("MItDependencyGraph");
    EXPECT_FALSE(findSkinCluster(MFnDependencyNode(object(s.shape)), cluster));
}

TEST_F(SkinAndCurve, WeightsFollowThePhysicalOrderOfTheMatrixElements) {
    // The same weights as the host writes them: one weight or a range of
    // influences per statement, or ranges of vertices whose sparse weights
    // follow as a count and index-weight pairs each, vertex 1 split over two
    // statements. Matrix element 2 has no weight for vertex 0, vertex 2 has
    // none at all.
    const std::vector<std::vector<std::pair<std::string, std::string>>> forms = {
        {{".wl[0].w", ""},
         {".wl[0].w[0]", "0.25"},
         {".wl[0].w[5]", "0.75"},
         {".wl[1].w[0:2]", "0.1 0.3 0.6"}},
        {{".wl[0:1].w", "2 0 0.25 5 0.75  2 0 0.1 1 0.3"}, {".wl[1:2].w", "1 2 0.6  0"}},
    };
    for (const auto& form : forms) {
        SCOPED_TRACE(form.front().first);
        orvex_host::newScene(false);
        clearFaults();
        weightsWrittenAs(form);
    }
}

void SkinAndCurve::weightsWrittenAs(const std::vector<std::pair<std::string, std::string>>& statements) {
    Skinned s = skinnedTriangle();
    set(s.cluster, ".wl", "", {"", 3});
    for (const auto& statement : statements) {
        set(s.cluster, statement.first, statement.second, {"", 3});
    }
    EXPECT_NE(setAttrStatement(scene(), *s.cluster, ".wl[1].w[0:1]", "0.1"), "");

    MFnSkinCluster cluster(object(s.cluster));
    MStatus status;
    unsigned index = cluster.indexForOutputShape(object(s.shape), &status);
    ASSERT_EQ(status, MS::kSuccess);
    EXPECT_EQ(index, 0u);
    cluster.indexForOutputShape(object(s.orig), &status);
    EXPECT_NE(status, MS::kSuccess);
    MDagPath path;
    ASSERT_EQ(cluster.getPathAtIndex(index, path), MS::kSuccess);
    EXPECT_EQ(path.partialPathName(), "bodyShape");

    std::vector<std::vector<double>> perVertex;
    for (MItGeometry it(path); !it.isDone(); it.next()) {
        MDoubleArray weights;
        unsigned count = 0;
        ASSERT_EQ(cluster.getWeights(path, it.component(), weights, count), MS::kSuccess);
        EXPECT_EQ(count, 3u);
        perVertex.push_back(doubles(weights));
    }
    ASSERT_EQ(perVertex.size(), 3u);
    EXPECT_EQ(perVertex[0], (std::vector<double>{0.25, 0.0, 0.75}));
    EXPECT_EQ(perVertex[1], (std::vector<double>{0.1, 0.6, 0.0}));
    EXPECT_EQ(perVertex[2], (std::vector<double>{0.0, 0.0, 0.0}));

    // The envelope is a plain stored value, read and written by its short name.
    MPlug envelope = cluster.findPlug("en");
    float value = 0.0f;
    ASSERT_EQ(envelope.getValue(value), MS::kSuccess);
    EXPECT_EQ(value, 1.0f);

    setFault("indexForOutputShape");
    cluster.indexForOutputShape(object(s.shape), &status);
    EXPECT_NE(status, MS::kSuccess);
}

TEST_F(SkinAndCurve, CurveDataGivesDegreeFormAndControlPoints) {
    Node* curve = create("nurbsCurve", "curveShape1", create("transform", "curve1"));
    set(curve, ".cc",
        "3 1 2 no 3\n"
        "7 -2 -1 0 1 2 3 4\n"
        "4\n"
        "0 0 0  1 0 0  0 0 0  1 0 0",
        {"nurbsCurve"});
    MFnNurbsCurve fn(object(curve));
    EXPECT_EQ(fn.degree(), 3);
    EXPECT_EQ(fn.form(), MFnNurbsCurve::kPeriodic);
    MPointArray cvs;
    ASSERT_EQ(fn.getCVs(cvs), MS::kSuccess);
    ASSERT_EQ(cvs.length(), 4u);
    EXPECT_EQ(cvs[1].x, 1.0);
    int form = 0;
    EXPECT_TRUE(getIntAttribute(fn, "form", form));
    EXPECT_EQ(form, 2);

    // Rational curves carry a weight per point; malformed data is an error.
    set(curve, ".cc", "1 1 0 yes 3  2 0 1  2  1 2 3 0.5  4 5 6 1", {"nurbsCurve"});
    ASSERT_EQ(fn.getCVs(cvs), MS::kSuccess);
    EXPECT_EQ(cvs[0].z, 3.0);
    EXPECT_EQ(cvs[0].w, 0.5);
    EXPECT_NE(setAttrStatement(scene(), *curve, ".cc", "3 1 0 no 3  2 0 1  4  1 2 3", {"nurbsCurve"}), "");
    EXPECT_NE(setAttrStatement(scene(), *curve, ".cc", "3 1 7 no 3  0  0", {"nurbsCurve"}), "");

    setFault("getCVs");
    EXPECT_NE(fn.getCVs(cvs), MS::kSuccess);
    setFault("MFnNurbsCurve");
    MStatus status;
    MFnNurbsCurve failed(object(curve), &status);
    EXPECT_NE(status, MS::kSuccess);
}
