// The host's dependency graph as the exporter sees it through the API:
// kinds, DAG paths and their partial names, plugs, elements, connections and
// the iteration orders.

#include "api/ApiKinds.h"
#include "graph/Scene.h"
#include "scenefile/Selection.h"

#include <orvex_host/Session.h>

#include <maya/MFnDagNode.h>
#include <maya/MFnTransform.h>
#include <maya/MGlobal.h>
#include <maya/MItDag.h>
#include <maya/MItDependencyNodes.h>
#include <maya/MPlugArray.h>
#include <maya/MSelectionList.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>

#include "api/Access.h"

using namespace orvex_host;

namespace {

const NodeType& type(const char* name) {
    return *TypeRegistry::instance().find(name);
}

class HostGraph : public ::testing::Test {
protected:
    void SetUp() override {
        newScene(false);
        clearFaults();
    }
    Scene& scene() { return currentScene(); }
    Node* transform(const std::string& name, Node* parent = nullptr) {
        return scene().createNode(type("transform"), name, parent);
    }
    static MObject object(Node* n) { return ObjectAccess::fromNode(n); }
};

} // namespace

TEST_F(HostGraph, KindsFollowTheHostHierarchy) {
    EXPECT_TRUE(kindIs(Kind::Joint, Kind::Transform));
    EXPECT_TRUE(kindIs(Kind::Emitter, Kind::Transform));
    EXPECT_TRUE(kindIs(Kind::Gravity, Kind::Transform));
    EXPECT_TRUE(kindIs(Kind::SpotLight, Kind::NonExtendedLight));
    // Area and volume lights have the non-extended light's function set; a
    // volume light is a point-light node but not of the point-light kind.
    EXPECT_TRUE(kindIs(Kind::AreaLight, Kind::NonExtendedLight));
    EXPECT_TRUE(kindIs(Kind::VolumeLight, Kind::NonExtendedLight));
    EXPECT_FALSE(kindIs(Kind::VolumeLight, Kind::PointLight));
    EXPECT_FALSE(kindIs(Kind::AmbientLight, Kind::NonAmbientLight));
    EXPECT_TRUE(kindIs(Kind::Blinn, Kind::Lambert));
    EXPECT_TRUE(kindIs(Kind::PsdFileTexture, Kind::FileTexture));
    EXPECT_FALSE(kindIs(Kind::World, Kind::Transform));
    EXPECT_FALSE(kindIs(Kind::Mesh, Kind::Invalid));
    // Every kind has a name, so none is missing from the table.
    for (int k = static_cast<int>(Kind::Base); k < static_cast<int>(Kind::Last); ++k) {
        EXPECT_STRNE(kindName(static_cast<Kind>(k)), "kInvalid") << k;
    }
    EXPECT_STREQ(object(transform("a")).apiTypeStr(), "kTransform");
}

TEST_F(HostGraph, BuiltInTypesTakeTheirPlaceInTheHostsHierarchy) {
    enum Place { kTransformNode, kShapeNode, kDgNode };
    struct Row {
        const char* type;
        MFn::Type exact;
        Place place;
        MFn::Type alsoIs; // a kind it derives from besides transform, shape or DG node
    };
    const Row rows[] = {
        {"pointConstraint", MFn::kPointConstraint, kTransformNode, MFn::kConstraint},
        {"poleVectorConstraint", MFn::kPoleVectorConstraint, kTransformNode, MFn::kPointConstraint},
        {"parentConstraint", MFn::kParentConstraint, kTransformNode, MFn::kConstraint},
        {"lookAt", MFn::kLookAt, kTransformNode, MFn::kAimConstraint},
        {"place3dTexture", MFn::kPlace3dTexture, kTransformNode, MFn::kTransform},
        {"hikFKJoint", MFn::kHikFKJoint, kTransformNode, MFn::kJoint},
        {"nucleus", MFn::kNucleus, kTransformNode, MFn::kTransform},
        {"instancer", MFn::kInstancer, kTransformNode, MFn::kTransform},
        {"radialField", MFn::kRadial, kTransformNode, MFn::kField},
        {"locator", MFn::kLocator, kShapeNode, MFn::kGeometric},
        {"orientationMarker", MFn::kOrientationMarker, kShapeNode, MFn::kLocator},
        {"renderBox", MFn::kRenderBox, kShapeNode, MFn::kBox},
        {"deformBend", MFn::kDeformBend, kShapeNode, MFn::kDeformFunc},
        {"imagePlane", MFn::kImagePlane, kShapeNode, MFn::kShape},
        {"nParticle", MFn::kNParticle, kShapeNode, MFn::kParticle},
        {"annotationShape", MFn::kAnnotation, kShapeNode, MFn::kDimension},
        {"areaLight", MFn::kAreaLight, kShapeNode, MFn::kNonExtendedLight},
        {"volumeLight", MFn::kVolumeLight, kShapeNode, MFn::kNonExtendedLight},
        {"mesh", MFn::kMesh, kShapeNode, MFn::kGeometric},
        {"ffd", MFn::kFFD, kDgNode, MFn::kWeightGeometryFilt},
        {"rigidSolver", MFn::kRigidSolver, kDgNode, MFn::kDependencyNode},
    };
    for (const Row& row : rows) {
        const MObject o = object(scene().createNode(type(row.type), row.type));
        EXPECT_EQ(o.apiType(), row.exact) << row.type;
        EXPECT_TRUE(o.hasFn(row.alsoIs)) << row.type;
        EXPECT_EQ(o.hasFn(MFn::kTransform), row.place == kTransformNode) << row.type;
        EXPECT_EQ(o.hasFn(MFn::kShape), row.place == kShapeNode) << row.type;
        EXPECT_EQ(o.hasFn(MFn::kDagNode), row.place != kDgNode) << row.type;
        MStatus status;
        MFnTransform asTransform(o, &status);
        EXPECT_EQ(status == MS::kSuccess, row.place == kTransformNode) << row.type;
    }
}

TEST_F(HostGraph, TheApiNumbersKindsAsTheVersionItAnswersAs) {
    // This test program is built against the default version: its MFn
    // numbers are those the host hands out by default.
    EXPECT_EQ(apiVersion(), kDefaultApiVersion);
    EXPECT_EQ(apiTypeOf(Kind::Mesh), MFn::kMesh);
    EXPECT_EQ(kindOf(MFn::kTransform), Kind::Transform);
    EXPECT_EQ(object(transform("a")).apiType(), MFn::kTransform);
    EXPECT_TRUE(object(transform("b")).hasFn(MFn::kDagNode));
    // Every version numbers them apart, and each number reads back.
    for (int version = kFirstApiVersion; version <= kLastApiVersion; ++version) {
        ASSERT_TRUE(setApiVersion(version));
        EXPECT_EQ(apiTypeOf(Kind::Invalid), MFn::kInvalid);
        EXPECT_EQ(kindOf(MFn::kInvalid), Kind::Invalid);
        for (int k = static_cast<int>(Kind::Base); k < static_cast<int>(Kind::Last); ++k) {
            EXPECT_EQ(kindOf(apiTypeOf(static_cast<Kind>(k))), static_cast<Kind>(k)) << version << " " << k;
        }
        EXPECT_EQ(version == 2014, apiTypeOf(Kind::Mesh) == MFn::kMesh) << version;
    }
    EXPECT_FALSE(setApiVersion(2009));
    ASSERT_TRUE(setApiVersion(kDefaultApiVersion));
}

TEST_F(HostGraph, NoTypeGivesOneNameToTwoAttributes) {
    // A derived type's attribute that reused a name of its base (an emitter's
    // spread as "sp", the transform's scalePivot) would hide the other one
    // from every setAttr, connectAttr and findPlug.
    for (const std::string& name : TypeRegistry::instance().typeNames()) {
        const NodeType& t = type(name.c_str());
        std::map<std::string, std::string> owners;
        for (const AttrDef& a : t.attrs) {
            for (const std::string& n : {a.longName, a.shortName}) {
                auto [it, added] = owners.emplace(n, a.longName);
                EXPECT_TRUE(added || it->second == a.longName)
                    << name << ": \"" << n << "\" names both " << it->second << " and " << a.longName;
            }
        }
    }
}

TEST_F(HostGraph, PartialPathNamesAreTheShortestUniqueSuffix) {
    Node* g1 = transform("group1");
    Node* g2 = transform("group2");
    Node* c1 = transform("pCube1", g1);
    Node* c2 = transform("pCube1", g2);
    Node* lonely = transform("lonely", g1);
    EXPECT_EQ(c1->name, "pCube1");
    EXPECT_EQ(c2->name, "pCube1"); // DAG names repeat under different parents
    EXPECT_EQ(MFnDagNode(object(c1)).partialPathName(), "group1|pCube1");
    EXPECT_EQ(MFnDagNode(object(c2)).partialPathName(), "group2|pCube1");
    EXPECT_EQ(MFnDagNode(object(lonely)).partialPathName(), "lonely");
    EXPECT_EQ(MFnDagNode(object(c1)).fullPathName(), "|group1|pCube1");

    // A top-level node whose name also ends a deeper path is anchored.
    Node* top = transform("pCube1");
    EXPECT_EQ(MFnDagNode(object(top)).partialPathName(), "|pCube1");
    EXPECT_EQ(scene().find("|pCube1"), top);
    EXPECT_EQ(scene().find("group2|pCube1"), c2);
    EXPECT_EQ(scene().find("pCube1"), nullptr); // ambiguous
}

namespace {

// The rule written out directly: the shortest run of trailing names that no
// other DAG path ends in, else the full path.
std::string literalPartialName(const DagChain& path, const std::vector<DagChain>& all) {
    for (size_t k = 1; k <= path.size(); ++k) {
        bool shared = false;
        for (const DagChain& other : all) {
            if (other == path || other.size() < k) {
                continue;
            }
            bool same = true;
            for (size_t i = 1; i <= k && same; ++i) {
                same = other[other.size() - i]->name == path[path.size() - i]->name;
            }
            shared = shared || same;
        }
        if (!shared) {
            std::string text;
            for (size_t i = path.size() - k; i < path.size(); ++i) {
                text += (text.empty() ? "" : "|") + path[i]->name;
            }
            return text;
        }
    }
    return Scene::fullPathName(path);
}

// 300 nodes of few names, deeply nested, so that many paths share long
// tails; with `shapeOneIn` about one in that many is a camera shape, whose
// children lie in its underworld.
std::vector<Node*> crowdedHierarchy(std::mt19937& random, unsigned shapeOneIn = 0) {
    std::vector<Node*> made;
    const char* names[] = {"a", "b", "c"};
    for (int i = 0; i < 300; ++i) {
        Node* parent = made.empty() || random() % 5 == 0 ? nullptr : made[random() % made.size()];
        const char* kind = shapeOneIn && random() % shapeOneIn == 0 ? "camera" : "transform";
        made.push_back(currentScene().createNode(type(kind), names[random() % 3], parent));
    }
    return made;
}

} // namespace

TEST_F(HostGraph, PartialPathNamesFollowTheRuleInCrowdedHierarchies) {
    // Few names, deep nesting and instances: many paths share long tails.
    std::mt19937 random(7);
    std::vector<Node*> made = crowdedHierarchy(random);
    std::string error;
    for (int i = 0; i < 20; ++i) {
        Node* child = made[random() % made.size()];
        Node* parent = made[random() % made.size()];
        scene().parent(child, parent, true, error); // cycles are refused, which is fine
    }
    std::vector<DagChain> all;
    for (Node* n : made) {
        for (const DagChain& p : scene().pathsOf(n)) {
            all.push_back(p);
        }
    }
    ASSERT_GT(all.size(), made.size());
    for (const DagChain& p : all) {
        EXPECT_EQ(scene().partialPathName(p), literalPartialName(p, all)) << Scene::fullPathName(p);
    }
}

// A camera's image plane as the host keeps it: a transform and its shape
// in the underworld of the camera shape.
TEST_F(HostGraph, UnderworldPathsAsTheHostNamesThem) {
    Node* camera1 = transform("camera1");
    Node* cameraShape1 = scene().createNode(type("camera"), "cameraShape1", camera1);
    Node* plane = transform("imagePlane1", cameraShape1);
    Node* planeShape = scene().createNode(type("unknownDag"), "imagePlaneShape1", plane);
    Node* cameraShape2 = scene().createNode(type("camera"), "cameraShape2", transform("camera2"));
    Node* plane2 = transform("imagePlane1", cameraShape2); // names repeat across underworlds
    Node* other = transform("other", cameraShape2);
    Node* inPlane2 = scene().createNode(type("unknownDag"), "planeShape", plane2);
    Node* inOther = scene().createNode(type("unknownDag"), "planeShape", other);

    MFnDagNode fn(object(planeShape));
    EXPECT_EQ(fn.fullPathName(), "|camera1|cameraShape1->|imagePlane1|imagePlaneShape1");
    EXPECT_EQ(fn.partialPathName(), "cameraShape1->imagePlaneShape1");
    EXPECT_EQ(MFnDagNode(object(plane)).partialPathName(), "cameraShape1->imagePlane1");
    EXPECT_EQ(MFnDagNode(object(inPlane2)).partialPathName(), "cameraShape2->imagePlane1|planeShape");
    EXPECT_EQ(MFnDagNode(object(inOther)).partialPathName(), "cameraShape2->other|planeShape");
    MDagPath path;
    ASSERT_EQ(fn.getPath(path), MS::kSuccess);
    EXPECT_EQ(path.fullPathName(), fn.fullPathName());
    EXPECT_EQ(path.partialPathName(), fn.partialPathName());
    EXPECT_EQ(path.transform(), object(plane));
    EXPECT_TRUE(fn.inUnderWorld());
    EXPECT_TRUE(MFnDagNode(object(plane)).inUnderWorld());
    EXPECT_FALSE(MFnDagNode(object(cameraShape1)).inUnderWorld());
    EXPECT_FALSE(MFnDagNode(object(camera1)).inUnderWorld());

    // The shape's children are the roots of its underworld.
    MFnDagNode shape(object(cameraShape1));
    ASSERT_EQ(shape.childCount(), 1u);
    EXPECT_EQ(shape.child(0), object(plane));
    EXPECT_EQ(MFnDagNode(object(plane)).parent(0), object(cameraShape1));

    // Written names lead to their node; a bare name reaches into underworlds.
    const std::pair<const char*, Node*> named[] = {
        {"imagePlaneShape1", planeShape},
        {"cameraShape1->imagePlaneShape1", planeShape},
        {"|camera1|cameraShape1->|imagePlane1", plane},
        {"cameraShape1->|imagePlane1|imagePlaneShape1", planeShape},
        {"camera1|cameraShape1->imagePlane1|imagePlaneShape1", planeShape},
        {"cameraShape2->imagePlane1", plane2},
        {"cameraShape2->planeShape", nullptr},        // two in that underworld
        {"imagePlane1", nullptr},                     // two underworlds
        {"cameraShape1|imagePlane1", nullptr},        // '|' never steps into an underworld
        {"cameraShape1->|imagePlaneShape1", nullptr}, // not a root of the underworld
        {"camera1->imagePlane1", nullptr},            // a transform has no underworld
        {"cameraShape1->", nullptr},
    };
    for (const auto& [text, node] : named) {
        EXPECT_EQ(scene().find(text), node) << text;
    }
    bool ambiguous = false;
    EXPECT_EQ(scene().find("cameraShape2->planeShape", &ambiguous), nullptr);
    EXPECT_TRUE(ambiguous);
    EXPECT_EQ(scene().find("cameraShape1|imagePlane1", &ambiguous), nullptr);
    EXPECT_FALSE(ambiguous);

    // Moving a node out of an underworld and back takes its descendants along.
    std::string error;
    ASSERT_TRUE(scene().parent(other, nullptr, false, error)) << error;
    EXPECT_FALSE(MFnDagNode(object(inOther)).inUnderWorld());
    EXPECT_EQ(MFnDagNode(object(inOther)).fullPathName(), "|other|planeShape");
    EXPECT_EQ(MFnDagNode(object(inPlane2)).partialPathName(), "cameraShape2->planeShape");
    ASSERT_TRUE(scene().parent(other, cameraShape1, false, error)) << error;
    EXPECT_TRUE(MFnDagNode(object(inOther)).inUnderWorld());
    EXPECT_EQ(MFnDagNode(object(inOther)).partialPathName(), "cameraShape1->planeShape");

    // A top-level node that shares its name with underworld nodes is anchored.
    EXPECT_EQ(MFnDagNode(object(transform("imagePlane1"))).partialPathName(), "|imagePlane1");

    // The DAG walk leaves underworlds out unless asked to walk them.
    auto walk = [](bool underworld) {
        std::vector<std::string> visited;
        MItDag it(MItDag::kDepthFirst, MFn::kTransform);
        if (underworld) {
            it.traverseUnderWorld(true);
        }
        EXPECT_EQ(it.willTraverseUnderWorld(), underworld);
        for (; !it.isDone(); it.next()) {
            visited.push_back(MFnDagNode(it.item()).partialPathName().asChar());
        }
        return visited;
    };
    EXPECT_EQ(walk(false), (std::vector<std::string>{"camera1", "camera2", "|imagePlane1"}));
    EXPECT_EQ(walk(true),
              (std::vector<std::string>{"camera1", "cameraShape1->imagePlane1", "cameraShape1->other",
                                        "camera2", "cameraShape2->imagePlane1", "|imagePlane1"}));
}

// Whatever the hierarchy, the partial and the full name of every path name
// that path again, also through shapes and their underworlds.
TEST_F(HostGraph, NamesOfEveryPathLeadBackToItAcrossUnderworlds) {
    std::mt19937 random(11);
    std::vector<Node*> made = crowdedHierarchy(random, 4);
    std::string error;
    for (int i = 0; i < 20; ++i) {
        Node* child = made[random() % made.size()];
        Node* parent = made[random() % made.size()];
        bool nameTaken = std::any_of(parent->children.begin(), parent->children.end(),
                                     [&](const Node* c) { return c->name == child->name; });
        if (!nameTaken) { // siblings never share a name
            scene().parent(child, parent, true, error);
        }
    }
    size_t underworldPaths = 0;
    for (Node* n : made) {
        for (const DagChain& p : scene().pathsOf(n)) {
            for (const std::string& text : {scene().partialPathName(p), Scene::fullPathName(p)}) {
                EXPECT_EQ(scene().find(text), n) << text;
                EXPECT_EQ(pathNamed(scene(), n, text), p) << text;
            }
            underworldPaths += Scene::fullPathName(p).find("->") != std::string::npos;
        }
    }
    EXPECT_GT(underworldPaths, 50u);
}

TEST_F(HostGraph, InstancesShareOneNodeAndUseTheFirstPath) {
    Node* a = transform("a");
    Node* b = transform("b");
    Node* shared = transform("shared", a);
    std::string error;
    ASSERT_TRUE(scene().parent(shared, b, true, error)) << error;
    MFnDagNode fn(object(shared));
    EXPECT_EQ(fn.parentCount(), 2u);
    EXPECT_EQ(fn.partialPathName(), "a|shared");
    EXPECT_TRUE(fn.isInstanced());

    std::vector<std::string> visited;
    for (MItDag it(MItDag::kDepthFirst, MFn::kTransform); !it.isDone(); it.next()) {
        MDagPath path;
        it.getPath(path);
        visited.push_back(path.fullPathName().asChar());
    }
    EXPECT_EQ(visited, (std::vector<std::string>{"|a", "|a|shared", "|b", "|b|shared"}));
}

TEST_F(HostGraph, UnfilteredDagWalkStartsAtTheWorld) {
    transform("first");
    MItDag it;
    ASSERT_FALSE(it.isDone());
    EXPECT_EQ(it.item().apiType(), MFn::kWorld);
    MFnDagNode world(it.item());
    ASSERT_EQ(world.childCount(), 1u);
    EXPECT_EQ(MFnDependencyNode(world.child(0)).name(), "first");

    setFault("MItDag");
    MStatus status;
    MItDag failing(MItDag::kDepthFirst, MFn::kInvalid, &status);
    EXPECT_NE(status, MS::kSuccess);
    EXPECT_TRUE(failing.isDone());
}

TEST_F(HostGraph, DependencyNodesComeInCreationOrder) {
    newScene(true);
    std::vector<std::string> lamberts;
    for (MItDependencyNodes it(MFn::kLambert); !it.isDone(); it.next()) {
        lamberts.push_back(MFnDependencyNode(it.item()).name().asChar());
    }
    EXPECT_EQ(lamberts, (std::vector<std::string>{"lambert1"}));
    MFnDependencyNode lambert1(scene().find("lambert1") ? object(scene().find("lambert1")) : MObject());
    EXPECT_TRUE(lambert1.isDefaultNode());
    EXPECT_FALSE(MFnDependencyNode(object(scene().find("persp"))).isDefaultNode());
}

TEST_F(HostGraph, PlugsReadStoredValuesOrDefaults) {
    Node* t = transform("t");
    MFnDependencyNode fn(object(t));
    MStatus status;
    MPlug tx = fn.findPlug("tx", &status);
    ASSERT_EQ(status, MS::kSuccess);
    EXPECT_EQ(fn.findPlug("translateX").partialName(), "tx");
    double x = 5;
    ASSERT_EQ(tx.getValue(x), MS::kSuccess);
    EXPECT_EQ(x, 0.0);
    ASSERT_EQ(tx.setValue(2.5), MS::kSuccess);
    float xf = 0;
    tx.getValue(xf);
    EXPECT_EQ(xf, 2.5f);
    int xi = 0;
    tx.getValue(xi);
    EXPECT_EQ(xi, 2);

    // Compound plugs and text reads of numbers fail and leave the preset.
    MString text("preset");
    EXPECT_NE(tx.getValue(text), MS::kSuccess);
    EXPECT_EQ(text, "preset");
    double compound = 7;
    EXPECT_NE(fn.findPlug("translate").getValue(compound), MS::kSuccess);
    EXPECT_EQ(compound, 7.0);

    fn.findPlug("missing", &status);
    EXPECT_NE(status, MS::kSuccess);
    EXPECT_EQ(MPlug().getValue(compound), MS::kFailure);
}

TEST_F(HostGraph, ArrayElementsCountInLogicalOrder) {
    Node* set = scene().createNode(type("objectSet"), "set1");
    Node* a = transform("a");
    int dsm = set->findAttribute("dagSetMembers");
    int iog = a->findAttribute("instObjGroups");
    std::string error;
    ASSERT_TRUE(scene().connect(a, {iog, {0}}, set, {dsm, {7}}, false, error));
    ASSERT_TRUE(scene().connect(a, {iog, {1}}, set, {dsm, {2}}, false, error));
    MPlug members = MFnDependencyNode(object(set)).findPlug("dsm");
    ASSERT_EQ(members.numElements(), 2u);
    EXPECT_EQ(members.elementByPhysicalIndex(0).logicalIndex(), 2u);
    EXPECT_EQ(members.elementByPhysicalIndex(1).logicalIndex(), 7u);
    EXPECT_TRUE(members.elementByPhysicalIndex(2).isNull());

    MPlugArray sources;
    EXPECT_TRUE(members.elementByPhysicalIndex(1).connectedTo(sources, true, false));
    ASSERT_EQ(sources.length(), 1u);
    EXPECT_EQ(sources[0].name(), "a.instObjGroups[0]");
    // Only connections of exactly this plug count.
    EXPECT_FALSE(members.connectedTo(sources, true, true));

    // A second source for a destination needs force.
    EXPECT_FALSE(scene().connect(a, {iog, {2}}, set, {dsm, {7}}, false, error));
    EXPECT_TRUE(scene().connect(a, {iog, {2}}, set, {dsm, {7}}, true, error));
}

TEST_F(HostGraph, ConnectionsOfANodeComeInConnectionOrder) {
    Node* set = scene().createNode(type("objectSet"), "set1");
    Node* a = transform("a");
    int dsm = set->findAttribute("dsm");
    int iog = a->findAttribute("iog");
    std::string error;
    scene().connect(a, {iog, {1}}, set, {dsm, {0}}, false, error);
    scene().connect(a, {iog, {0}}, set, {dsm, {1}}, false, error);
    MPlugArray plugs;
    MFnDependencyNode(object(a)).getConnections(plugs);
    ASSERT_EQ(plugs.length(), 2u);
    EXPECT_EQ(plugs[0].name(), "a.instObjGroups[1]");
    EXPECT_EQ(plugs[1].name(), "a.instObjGroups[0]");
}

TEST_F(HostGraph, DynamicAttributesAreLocalToTheirNode) {
    Node* a = transform("a");
    Node* b = transform("b");
    AttrDef def = makeAttr("Orvex_static", "", AttrType::Bool, false);
    int index = a->addDynamic(def);
    a->setValue({index, {}}, true);
    MFnDependencyNode fnA(object(a)), fnB(object(b));
    EXPECT_EQ(fnA.attributeClass(fnA.attribute("Orvex_static")), MFnDependencyNode::kLocalDynamicAttr);
    EXPECT_EQ(fnA.attributeClass(fnA.attribute("translate")), MFnDependencyNode::kNormalAttr);
    EXPECT_FALSE(fnB.hasAttribute("Orvex_static"));
    EXPECT_EQ(fnA.attributeCount(), fnB.attributeCount() + 1);
    bool value = false;
    EXPECT_EQ(fnA.findPlug("Orvex_static").getValue(value), MS::kSuccess);
    EXPECT_TRUE(value);
}

TEST_F(HostGraph, SelectionHoldsPathsInSelectionOrder) {
    Node* a = transform("a");
    Node* b = transform("b", a);
    ASSERT_EQ(runCommand("select b a"), MS::kSuccess);
    MSelectionList list;
    MGlobal::getActiveSelectionList(list);
    ASSERT_EQ(list.length(), 2u);
    MObject first;
    list.getDependNode(0, first);
    EXPECT_EQ(ObjectAccess::node(first), b);
    MDagPath path;
    MFnDagNode(object(b)).getPath(path);
    EXPECT_TRUE(list.hasItem(path));
    EXPECT_EQ(runCommand("select missing"), MS::kFailure);
}

TEST_F(HostGraph, OnlyTheKnownScriptQueriesAnswer) {
    setSceneName("D:/maya/scenes/a.mb");
    MString result;
    EXPECT_EQ(MGlobal::executeCommand("file -q -sceneName", result), MS::kSuccess);
    EXPECT_EQ(result, "D:/maya/scenes/a.mb");
    EXPECT_NE(MGlobal::executeCommand("file -q -scenename", result), MS::kSuccess);
    setFault("executeCommand:file -q -sceneName");
    EXPECT_NE(MGlobal::executeCommand("file -q -sceneName", result), MS::kSuccess);
}

TEST_F(HostGraph, ParentingRefusesCyclesThroughAnyParent) {
    Node* x = transform("x");
    Node* y = transform("y");
    std::string error;
    ASSERT_TRUE(scene().parent(y, x, true, error)) << error; // y below the world and below x
    EXPECT_FALSE(scene().parent(x, y, false, error));
    EXPECT_EQ(error, "cannot parent 'x' below itself");
    EXPECT_FALSE(scene().parent(x, y, true, error));
    EXPECT_EQ(x->parents, (std::vector<Node*>{scene().world()}));
    EXPECT_EQ(scene().pathsOf(y).size(), 2u);
}

TEST_F(HostGraph, InstancePathsFollowTheParentsInOrder) {
    Node* a1 = transform("a1");
    Node* a2 = transform("a2");
    Node* b1 = transform("b1", a1);
    Node* b2 = transform("b2");
    Node* c = transform("c", b1);
    std::string error;
    ASSERT_TRUE(scene().parent(b1, a2, true, error));
    ASSERT_TRUE(scene().parent(c, b2, true, error));
    ASSERT_TRUE(scene().parent(c, nullptr, true, error)); // also at the top
    std::vector<std::string> paths;
    for (const DagChain& path : scene().pathsOf(c)) {
        paths.push_back(Scene::fullPathName(path));
    }
    EXPECT_EQ(paths, (std::vector<std::string>{"|a1|b1|c", "|a2|b1|c", "|b2|c", "|c"}));
}

TEST_F(HostGraph, DeepHierarchiesNeedNoDeepRecursion) {
    const int depth = 100000;
    std::string fullPath;
    Node* leaf = nullptr;
    for (int i = 0; i < depth; ++i) {
        leaf = transform("n" + std::to_string(i), leaf);
        fullPath += "|n" + std::to_string(i);
    }
    std::vector<DagChain> paths = scene().pathsOf(leaf);
    ASSERT_EQ(paths.size(), 1u);
    EXPECT_EQ(paths[0].size(), size_t(depth));
    EXPECT_EQ(paths[0].front()->name, "n0");
    EXPECT_EQ(scene().find(fullPath), leaf);
    EXPECT_EQ(scene().find(fullPath.substr(4)), leaf);    // "n1|n2|...", matched from the leaf up
    EXPECT_EQ(scene().find(fullPath.substr(3)), nullptr); // "|n1|...": n1 is not at the top
}

TEST_F(HostGraph, UnnamedNodesTakeTheLowestFreeNumber) {
    std::vector<Node*> made;
    for (int i = 0; i < 20000; ++i) {
        made.push_back(scene().createNode(type("groupId"), ""));
    }
    EXPECT_EQ(made.front()->name, "node1");
    EXPECT_EQ(made.back()->name, "node20000");
    Node* t1 = transform("transform");
    Node* t2 = transform("transform");
    EXPECT_EQ(t1->name, "transform");
    EXPECT_EQ(t2->name, "transform1");
    // DAG names repeat below other parents; DG names never.
    EXPECT_EQ(transform("transform1", t1)->name, "transform1");
    EXPECT_EQ(scene().createNode(type("groupId"), "transform1")->name, "transform2");
    // A rename frees a name for the next node.
    scene().rename(made[4], "renamed");
    EXPECT_EQ(scene().createNode(type("groupId"), "node1")->name, "node5");
    std::string error;
    ASSERT_TRUE(scene().parent(t2, t1, false, error));
    EXPECT_EQ(transform("transform")->name, "transform1"); // free again at the top
}

TEST_F(HostGraph, EveryNodeHasAMessageAndTheTimeNodeItsTimes) {
    for (const char* name : {"transform", "joint", "mesh", "dagPose", "groupId", "lambert", "shadingEngine",
                             "skinCluster", "time", "unknown", "animCurveTL", "character"}) {
        const NodeType& t = type(name);
        int message = t.find("msg");
        ASSERT_GE(message, 0) << name;
        EXPECT_EQ(t.attrs[message].longName, "message") << name;
        EXPECT_EQ(t.attrs[message].type, AttrType::Message) << name;
        EXPECT_EQ(t.find("message"), message) << name; // only one
    }
    EXPECT_GE(type("time").find("outTime"), 0);
    EXPECT_GE(type("animCurveTA").find("input"), 0);
}
