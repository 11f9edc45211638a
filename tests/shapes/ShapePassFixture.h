#pragma once
// A fixture for tests of the shape pass: meshes and curves built through the
// host's setAttr hooks, a pass run with hand-filled shape ids, and its blobs
// parsed back.

#include "shapes/ShapeExportContext.h"
#include "support/ExportHarness.h"
#include "support/HostSceneTest.h"
#include "support/MeshStatements.h"
#include "support/SideFileReader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace orvex_test {

using orvex_host::MessageKind;
using orvex_host::Node;

struct Switches {
    bool normals = false, colors = false, uvs = false, skinWeights = false, nurbsCurves = false,
         verbose = false;
};

class ShapePass : public HostSceneTest {
protected:
    void TearDown() override {
        orvex_host::setGeometryQueryObserver({});
        HostSceneTest::TearDown();
    }

    Node* addMesh(const std::string& name, const MeshSpec& layout) {
        Node* m = mesh(name);
        applyStatements(scene(), *m, meshStatements(layout));
        return m;
    }

    // Runs the pass and parses every blob it made.
    std::vector<ParsedShape> run(const IdTable& ids, const Switches& s, MStatus expected = MS::kSuccess) {
        ShapeExportContext context(s.normals, s.colors, s.uvs, s.skinWeights, s.nurbsCurves, s.verbose);
        std::vector<ShapeBlob> blobs;
        EXPECT_EQ(context.exportShapes(ids, blobs), expected);
        std::vector<ParsedShape> shapes;
        for (const ShapeBlob& blob : blobs) {
            ParsedShape shape;
            std::string error;
            EXPECT_TRUE(
                parseShapeBlob(static_cast<uint32_t>(blob.kind), blob.bytes.get(), blob.size, shape, error))
                << error;
            shapes.push_back(std::move(shape));
        }
        return shapes;
    }

    static IdTable idsFor(std::initializer_list<std::pair<const char*, uint32_t>> entries) {
        IdTable ids;
        for (const auto& e : entries) {
            ids.insert(e.first, e.second);
        }
        return ids;
    }

    std::vector<std::string> warnings() const { return messagesOf(MessageKind::Warning); }

    // A shading group with a lambert behind its surface shader; with
    // `normalMap` something feeds the lambert's normalCamera.
    Node* shadingGroup(const std::string& name, bool normalMap = false) {
        Node* material = create("lambert", name + "Material");
        Node* group = create("shadingEngine", name);
        connect(material->name + ".outColor", name + ".surfaceShader");
        if (normalMap) {
            Node* bump = create("unknown", name + "Bump");
            bump->addDynamic(orvex_host::makeAttr("outNormal", "o", orvex_host::AttrType::Float3));
            connect(bump->name + ".outNormal", material->name + ".normalCamera");
        }
        return group;
    }
};

inline MeshSpec unitQuad() {
    MeshSpec layout;
    layout.points = {{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}};
    layout.faces = {{0, 1, 2, 3}};
    return layout;
}

} // namespace orvex_test
