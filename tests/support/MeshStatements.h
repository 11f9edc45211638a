#pragma once
// Writes a polygon mesh as the host's scene files store it: points, one
// edge per pair of neighbouring vertices, faces as signed edge lists with
// their UV and colour ids, locked normals. The statements can be fed to the
// mesh type's setAttr hook or written out as scene text.

#include "support/SetAttrStatements.h"

#include <array>
#include <string>
#include <vector>

namespace orvex_test {

struct MeshSpec {
    struct UvSet {
        std::string name;
        std::vector<std::array<float, 2>> uvs;
        std::vector<std::vector<int>> ids; // per face, per corner; empty for a face without UVs
    };
    struct ColorSet {
        std::string name;
        std::vector<std::array<float, 4>> colors;
        std::vector<std::vector<int>> ids; // per face, per corner; -1 for an unassigned corner
    };

    std::vector<std::array<double, 3>> points;
    std::vector<std::vector<int>> faces; // vertex ids per face
    bool smooth = false;                 // edge smooth flags
    std::vector<UvSet> uvSets;
    std::vector<ColorSet> colorSets;
    std::vector<std::array<float, 3>> normals; // per face-vertex (locked); empty: computed
};

struct Statement {
    std::string path;
    std::string values;
    SetAttrOptions options;
};

std::vector<Statement> meshStatements(const MeshSpec& mesh);

// "setAttr [-s N] [-ch N] "path" [-type "T"] values;" lines.
std::string sceneText(const std::vector<Statement>& statements);

// Applies the statements to a mesh node through its setAttr hook; the test
// fails on a hook error.
void applyStatements(orvex_host::Scene& scene, orvex_host::Node& node,
                     const std::vector<Statement>& statements);

} // namespace orvex_test
