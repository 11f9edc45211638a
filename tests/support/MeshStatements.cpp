#include "support/MeshStatements.h"

#include <gtest/gtest.h>

#include <map>
#include <sstream>

namespace orvex_test {

namespace {

std::string range(const char* attr, size_t count) {
    return std::string(".") + attr + "[0:" + std::to_string(count - 1) + "]";
}

template <class Items> std::string numbers(const Items& items) {
    std::ostringstream out;
    out.precision(9);
    for (const auto& item : items) {
        for (auto v : item) {
            out << v << ' ';
        }
    }
    return out.str();
}

} // namespace

std::vector<Statement> meshStatements(const MeshSpec& mesh) {
    std::vector<Statement> out;
    for (size_t s = 0; s < mesh.uvSets.size(); ++s) {
        const auto& set = mesh.uvSets[s];
        std::string prefix = ".uvst[" + std::to_string(s) + "]";
        out.push_back({prefix + ".uvsn", "\"" + set.name + "\"", {"string"}});
        if (!set.uvs.empty()) {
            out.push_back({prefix + range("uvsp", set.uvs.size()),
                           numbers(set.uvs),
                           {"float2", static_cast<long long>(set.uvs.size())}});
        }
    }
    for (size_t s = 0; s < mesh.colorSets.size(); ++s) {
        const auto& set = mesh.colorSets[s];
        std::string prefix = ".clst[" + std::to_string(s) + "]";
        out.push_back({prefix + ".clsn", "\"" + set.name + "\"", {"string"}});
        if (!set.colors.empty()) {
            out.push_back({prefix + range("clsp", set.colors.size()),
                           numbers(set.colors),
                           {"", static_cast<long long>(set.colors.size())}});
        }
    }
    if (!mesh.points.empty()) {
        out.push_back({range("vt", mesh.points.size()),
                       numbers(mesh.points),
                       {"", static_cast<long long>(mesh.points.size())}});
    }

    // One edge per pair of neighbouring vertices, in order of first use.
    std::map<std::pair<int, int>, int> edgeOf;
    std::vector<std::array<int, 3>> edges;
    std::ostringstream faces;
    size_t corners = 0;
    for (size_t f = 0; f < mesh.faces.size(); ++f) {
        const auto& face = mesh.faces[f];
        faces << "f " << face.size();
        for (size_t i = 0; i < face.size(); ++i) {
            int a = face[i], b = face[(i + 1) % face.size()];
            auto key = std::make_pair(std::min(a, b), std::max(a, b));
            auto it = edgeOf.find(key);
            if (it == edgeOf.end()) {
                it = edgeOf.emplace(key, static_cast<int>(edges.size())).first;
                edges.push_back({a, b, mesh.smooth ? 1 : 0});
            }
            bool forward = edges[it->second][0] == a;
            faces << ' ' << (forward ? it->second : -it->second - 1);
        }
        for (size_t s = 0; s < mesh.uvSets.size(); ++s) {
            const auto& ids = mesh.uvSets[s].ids;
            if (f < ids.size() && !ids[f].empty()) {
                faces << " mu " << s << ' ' << ids[f].size();
                for (int id : ids[f]) {
                    faces << ' ' << id;
                }
            }
        }
        for (size_t s = 0; s < mesh.colorSets.size(); ++s) {
            const auto& ids = mesh.colorSets[s].ids;
            if (f < ids.size() && !ids[f].empty()) {
                faces << " mc " << s << ' ' << ids[f].size();
                for (int id : ids[f]) {
                    faces << ' ' << id;
                }
            }
        }
        faces << ' ';
        corners += face.size();
    }
    if (!edges.empty()) {
        out.push_back(
            {range("ed", edges.size()), numbers(edges), {"", static_cast<long long>(edges.size())}});
    }
    if (!mesh.normals.empty()) {
        out.push_back({range("n", mesh.normals.size()),
                       numbers(mesh.normals),
                       {"float3", static_cast<long long>(mesh.normals.size())}});
    }
    if (!mesh.faces.empty()) {
        out.push_back(
            {range("fc", mesh.faces.size()),
             faces.str(),
             {"polyFaces", static_cast<long long>(mesh.faces.size()), static_cast<long long>(corners)}});
    }
    return out;
}

std::string sceneText(const std::vector<Statement>& statements) {
    std::ostringstream out;
    for (const Statement& s : statements) {
        out << "\tsetAttr";
        if (s.options.size >= 0) {
            out << " -s " << s.options.size;
        }
        if (s.options.channelCount >= 0) {
            out << " -ch " << s.options.channelCount;
        }
        out << " \"" << s.path << "\"";
        if (!s.options.type.empty()) {
            out << " -type \"" << s.options.type << "\"";
        }
        out << ' ' << s.values << ";\n";
    }
    return out.str();
}

void applyStatements(orvex_host::Scene& scene, orvex_host::Node& node,
                     const std::vector<Statement>& statements) {
    for (const Statement& s : statements) {
        EXPECT_EQ(setAttrStatement(scene, node, s.path, s.values, s.options), "") << s.path;
    }
}

} // namespace orvex_test
