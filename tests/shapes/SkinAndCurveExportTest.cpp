// Skinned meshes through the shape pass (the four influences each vertex
// keeps, the envelope lowered while the mesh is read), position scaling by
// the UI unit, and NURBS curves of every form.

#include "shapes/ShapePassFixture.h"

#include <maya/MFnDependencyNode.h>
#include <maya/MPlug.h>

#include <cmath>

using namespace orvex_host;
using namespace orvex_test;

namespace {

class SkinAndCurveExport : public ShapePass {
protected:
    // A quad skinned by `influences` matrix elements: the intermediate
    // original feeds the skin cluster, which feeds the visible shape.
    Node* skinnedQuad(unsigned influences, double envelope) {
        Node* t = create("transform", "body");
        create("mesh", "bodyShape", t);
        Node* orig = create("mesh", "bodyShapeOrig", t);
        setPlug(orig, "intermediateObject", true);
        applyStatements(scene(), *orig, meshStatements(unitQuad()));
        Node* cluster = create("skinCluster", "skinCluster1");
        connect("bodyShapeOrig.worldMesh[0]", "skinCluster1.inputGeometry[0]");
        connect("skinCluster1.outputGeometry[0]", "bodyShape.inMesh");
        for (unsigned i = 0; i < influences; ++i) {
            setPlug(cluster, "matrix[" + std::to_string(i) + "]", Matrix{});
        }
        setPlug(cluster, "envelope", envelope);
        return cluster;
    }
    void weights(Node* cluster, unsigned vertex, const std::string& values) {
        set(cluster, ".wl[" + std::to_string(vertex) + "].w" + values.substr(0, values.find(' ')),
            values.substr(values.find(' ') + 1));
    }
    static double envelopeOf(Node* cluster) {
        float value = -1.0f;
        MFnDependencyNode(object(cluster)).findPlug("en").getValue(value);
        return value;
    }
};

// The blob vertex at a position.
uint32_t vertexAt(const ParsedTriangleSet& set, float x, float y) {
    for (uint32_t v = 0; v < set.numVertices; ++v) {
        if (set.positions[3 * v] == x && set.positions[3 * v + 1] == y) {
            return v;
        }
    }
    ADD_FAILURE() << "no vertex at " << x << ", " << y;
    return 0;
}

std::vector<int> bonesOf(const ParsedTriangleSet& set, uint32_t v) {
    return {set.skinIndices[4 * v], set.skinIndices[4 * v + 1], set.skinIndices[4 * v + 2],
            set.skinIndices[4 * v + 3]};
}

std::vector<float> weightsOf(const ParsedTriangleSet& set, uint32_t v) {
    return {set.skinWeights[4 * v], set.skinWeights[4 * v + 1], set.skinWeights[4 * v + 2],
            set.skinWeights[4 * v + 3]};
}

} // namespace

TEST_F(SkinAndCurveExport, EachVertexKeepsItsFourHeaviestInfluencesWithTheEnvelopeLowered) {
    Node* cluster = skinnedQuad(8, 0.5);
    // Vertex 0: more than four influences with a tie (0.5 on 3 and on 1).
    weights(cluster, 0, "[0:7] 0.2 0.5 0.05 0.5 0 0 0 0.1");
    weights(cluster, 1, "[2] 0.25");
    weights(cluster, 1, "[5] 0.75");
    weights(cluster, 3, "[4] 1");
    // Vertex 2 has no weight at all.

    std::vector<double> envelopeWhileRead;
    setGeometryQueryObserver([&](const std::string&) { envelopeWhileRead.push_back(envelopeOf(cluster)); });
    Switches s;
    s.skinWeights = true;
    auto shapes = run(idsFor({{"bodyShape", 1}}), s);
    setGeometryQueryObserver({});
    ASSERT_EQ(shapes.size(), 1u);
    ASSERT_FALSE(envelopeWhileRead.empty());
    for (double e : envelopeWhileRead) {
        EXPECT_EQ(e, 0.0);
    }
    EXPECT_EQ(envelopeOf(cluster), 0.5);

    const ParsedTriangleSet& set = shapes[0].set;
    EXPECT_EQ(set.flags, 0x40u);
    ASSERT_EQ(set.numVertices, 4u);
    uint32_t v0 = vertexAt(set, 0, 0), v1 = vertexAt(set, 1, 0), v2 = vertexAt(set, 1, 1),
             v3 = vertexAt(set, 0, 1);
    EXPECT_EQ(bonesOf(set, v0), (std::vector<int>{1, 3, 0, 7}));
    const float sum = ((0.5f + 0.5f) + 0.2f) + 0.1f;
    std::vector<float> w0 = weightsOf(set, v0);
    EXPECT_FLOAT_EQ(w0[0], 0.5f / sum);
    EXPECT_FLOAT_EQ(w0[1], 0.5f / sum);
    EXPECT_FLOAT_EQ(w0[2], 0.2f / sum);
    EXPECT_FLOAT_EQ(w0[3], 0.1f / sum);
    EXPECT_EQ(bonesOf(set, v1), (std::vector<int>{5, 2, 0, 0}));
    EXPECT_EQ(weightsOf(set, v1), (std::vector<float>{0.75f, 0.25f, 0.0f, 0.0f}));
    EXPECT_EQ(bonesOf(set, v2), (std::vector<int>{0, 0, 0, 0}));
    EXPECT_EQ(weightsOf(set, v2), (std::vector<float>{1.0f, 0.0f, 0.0f, 0.0f}));
    EXPECT_EQ(bonesOf(set, v3), (std::vector<int>{4, 0, 0, 0}));
    EXPECT_EQ(warnings(),
              (std::vector<std::string>{"Found vertex with no skin weights. Assigning to first bone"}));

    // Without the switch the envelope is never written and no skin data is read.
    clearMessages();
    envelopeWhileRead.clear();
    setGeometryQueryObserver([&](const std::string&) { envelopeWhileRead.push_back(envelopeOf(cluster)); });
    shapes = run(idsFor({{"bodyShape", 1}}), Switches());
    ASSERT_EQ(shapes.size(), 1u);
    EXPECT_EQ(shapes[0].set.flags, 0u);
    for (double e : envelopeWhileRead) {
        EXPECT_EQ(e, 0.5);
    }
    EXPECT_EQ(envelopeOf(cluster), 0.5);
}

TEST_F(SkinAndCurveExport, InfluencesBeyondTheLastByteAreLeftOutWithOneWarning) {
    Node* cluster = skinnedQuad(302, 1.0);
    weights(cluster, 0, "[300] 0.9");
    weights(cluster, 0, "[2] 0.1");
    weights(cluster, 1, "[301] 1");
    weights(cluster, 2, "[255] 1");
    weights(cluster, 3, "[0] 1");
    Switches s;
    s.skinWeights = true;
    auto shapes = run(idsFor({{"bodyShape", 1}}), s);
    ASSERT_EQ(shapes.size(), 1u);
    const ParsedTriangleSet& set = shapes[0].set;
    uint32_t v0 = vertexAt(set, 0, 0), v1 = vertexAt(set, 1, 0), v2 = vertexAt(set, 1, 1);
    EXPECT_EQ(bonesOf(set, v0), (std::vector<int>{2, 0, 0, 0}));
    EXPECT_EQ(weightsOf(set, v0)[0], 1.0f); // renormalised without bone 300
    EXPECT_EQ(bonesOf(set, v1), (std::vector<int>{0, 0, 0, 0}));
    EXPECT_EQ(bonesOf(set, v2), (std::vector<int>{255, 0, 0, 0}));
    EXPECT_EQ(warnings(),
              (std::vector<std::string>{"Found vertex with no skin weights. Assigning to first bone",
                                        "orvexExport: Skin influences beyond bone 255 left out of 2 vertices "
                                        "(bodyShape)"}));

    // A cluster that does not know the mesh as an output gives no skin data.
    clearMessages();
    setFault("indexForOutputShape");
    shapes = run(idsFor({{"bodyShape", 1}}), s);
    ASSERT_EQ(shapes.size(), 1u);
    EXPECT_EQ(shapes[0].set.flags, 0u);
    EXPECT_TRUE(warnings().empty());
    EXPECT_EQ(envelopeOf(cluster), 1.0);
}

TEST_F(SkinAndCurveExport, OnlyVerticesThatLoseOneOfTheirFourCountAsLosingAWideInfluence) {
    Node* cluster = skinnedQuad(301, 1.0);
    // Bone 300 would be the fifth influence of vertex 0 (it keeps its four
    // anyway) but the fourth of vertex 1.
    weights(cluster, 0, "[0:3] 0.4 0.3 0.2 0.1");
    weights(cluster, 0, "[300] 0.05");
    weights(cluster, 1, "[0:2] 0.4 0.3 0.2");
    weights(cluster, 1, "[300] 0.1");
    weights(cluster, 2, "[0] 1");
    weights(cluster, 3, "[0] 1");
    Switches s;
    s.skinWeights = true;
    auto shapes = run(idsFor({{"bodyShape", 1}}), s);
    ASSERT_EQ(shapes.size(), 1u);
    const ParsedTriangleSet& set = shapes[0].set;
    EXPECT_EQ(bonesOf(set, vertexAt(set, 0, 0)), (std::vector<int>{0, 1, 2, 3}));
    EXPECT_EQ(bonesOf(set, vertexAt(set, 1, 0)), (std::vector<int>{0, 1, 2, 0}));
    EXPECT_EQ(warnings(),
              (std::vector<std::string>{
                  "orvexExport: Skin influences beyond bone 255 left out of 1 vertices (bodyShape)"}));
}

TEST_F(SkinAndCurveExport, PositionsAndControlPointsAreScaledToTheUiUnit) {
    addMesh("quad", unitQuad());
    Node* curve = create("nurbsCurve", "curveShape", create("transform", "curve"));
    set(curve, ".cc", "1 1 0 no 3  2 0 1  2  1 2 3  4 5 6", {"nurbsCurve"});
    scene().settings().linearUnitToCm = 100.0; // the metre
    Switches s;
    s.nurbsCurves = true;
    auto shapes = run(idsFor({{"quad", 1}, {"curveShape", 2}}), s);
    ASSERT_EQ(shapes.size(), 2u);
    const ParsedTriangleSet& set = shapes[0].set;
    vertexAt(set, 0.01f, 0.01f);
    for (float p : set.positions) {
        EXPECT_TRUE(p == 0.0f || p == 0.01f) << p;
    }
    EXPECT_EQ(shapes[1].points, (std::vector<float>{float(1 * 0.01), float(2 * 0.01), float(3 * 0.01),
                                                    float(4 * 0.01), float(5 * 0.01), float(6 * 0.01)}));
}

TEST_F(SkinAndCurveExport, CurvesDropTheirRepeatedPointsAndAreAlwaysClosed) {
    auto curve = [&](const std::string& name, int form, int count) {
        Node* shape = create("nurbsCurve", name, create("transform", name + "T"));
        std::string cvs;
        for (int i = 0; i < count; ++i) {
            cvs += std::to_string(i) + " " + std::to_string(form) + " 0  ";
        }
        set(shape, ".cc", "3 1 " + std::to_string(form) + " no 3  0  " + std::to_string(count) + "  " + cvs,
            {"nurbsCurve"});
        return shape;
    };
    curve("open", 0, 4);
    curve("closed", 1, 5);
    curve("periodic", 2, 7);
    curve("short", 2, 3);
    create("nurbsCurve", "empty", create("transform", "emptyT"));
    curve("unlisted", 0, 4);
    Switches s;
    s.nurbsCurves = true;
    auto shapes = run(idsFor({{"open", 1}, {"closed", 2}, {"periodic", 3}, {"short", 4}, {"empty", 5}}), s);
    ASSERT_EQ(shapes.size(), 4u);
    std::vector<size_t> counts;
    for (const ParsedShape& shape : shapes) {
        EXPECT_EQ(shape.kind, 2u);
        EXPECT_EQ(shape.closed, 1u);
        counts.push_back(shape.points.size() / 3);
    }
    // A periodic curve of degree 3 with only 3 points keeps them all.
    EXPECT_EQ(counts, (std::vector<size_t>{4, 4, 4, 3}));
    EXPECT_EQ(shapes[1].name, "closed");
    EXPECT_EQ(shapes[1].shapeId, 2u);
    EXPECT_EQ(warnings(),
              (std::vector<std::string>{"orvexExport: NurbsCurve has no control points (empty)"}));

    // Without the switch curves are not looked at.
    EXPECT_TRUE(run(idsFor({{"open", 1}}), Switches()).empty());
}

TEST_F(SkinAndCurveExport, CurvesWhoseDataCannotBeReadFailOrAreSkipped) {
    addMesh("quad", unitQuad());
    Node* shape = create("nurbsCurve", "curveShape", create("transform", "curve"));
    set(shape, ".cc", "1 1 0 no 3  2 0 1  2  1 2 3  4 5 6", {"nurbsCurve"});
    Switches s;
    s.nurbsCurves = true;
    setFault("getCVs");
    auto shapes = run(idsFor({{"quad", 1}, {"curveShape", 2}}), s, MS::kFailure);
    EXPECT_EQ(shapes.size(), 1u); // the mesh blob made before stays
    EXPECT_EQ(warnings(), (std::vector<std::string>{"orvexExport: NurbsCurve can't get CVs (curveShape)"}));

    clearFaults();
    clearMessages();
    setFault("MFnNurbsCurve");
    shapes = run(idsFor({{"curveShape", 2}}), s);
    EXPECT_TRUE(shapes.empty());
    EXPECT_EQ(warnings(), (std::vector<std::string>{"orvexExport: Node is not of type nurbsCurve ()"}));
}
