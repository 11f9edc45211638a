// The batch program as users run it: build/bin/orvex-batch with a scene and
// commands, its messages, its exit status and the versions it loads.

#include "materials/FileReferences.h"
#include "support/DocumentSections.h"
#include "support/FoldMesh.h"
#include "support/SideFileReader.h"
#include "support/TempDirectory.h"

#include <gtest/gtest.h>
#include <libxml/parser.h>

#include <sys/wait.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct BatchRun {
    int status = -1;
    std::string output; // stdout and stderr together
};

std::string shellQuoted(const std::string& s) {
    std::string q = "'";
    for (char c : s) {
        q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return q + "'";
}

class BatchProgram : public ::testing::Test {
protected:
    // Runs orvex-batch in the test's directory; `environment` is put before
    // the program ("NAME=value").
    BatchRun run(const std::vector<std::string>& args, const std::string& environment = "") {
        std::string command = environment + " " + shellQuoted(std::string(ORVEX_BIN_DIR) + "/orvex-batch");
        for (const std::string& a : args) {
            command += " " + shellQuoted(a);
        }
        return runShell(command);
    }
    // Runs a shell command line in the test's directory.
    BatchRun runShell(const std::string& commandLine) {
        const std::string command = "cd " + shellQuoted(dir_.path()) + " && { " + commandLine + "; } 2>&1";
        BatchRun result;
        FILE* pipe = popen(command.c_str(), "r");
        if (!pipe) {
            ADD_FAILURE() << "cannot run " << command;
            return result;
        }
        char buffer[4096];
        for (size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
            result.output.append(buffer, n);
        }
        int status = pclose(pipe);
        result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        return result;
    }
    std::string path(const std::string& name) const { return dir_ / name; }
    void write(const std::string& name, const std::string& text) {
        orvex_test::writeFileBytes(path(name), text);
    }
    bool exists(const std::string& name) const { return std::filesystem::exists(path(name)); }

    static bool contains(const BatchRun& r, const std::string& part) {
        return r.output.find(part) != std::string::npos;
    }

private:
    orvex_test::TempDirectory dir_;
};

const char* const kScene = "//Maya ASCII 2014 scene\n"
                           "requires maya \"2014\";\n"
                           "currentUnit -l centimeter -a degree -t film;\n"
                           "createNode transform -n \"box\";\n"
                           "\tsetAttr \".t\" -type \"double3\" 0 1 0 ;\n";

std::vector<std::string> builtApis() {
    std::istringstream list(ORVEX_BUILT_APIS);
    std::vector<std::string> apis;
    for (std::string api; list >> api;) {
        apis.push_back(api);
    }
    return apis;
}

} // namespace

TEST_F(BatchProgram, EveryBuiltVersionLoadsItsPlugInAndReportsItsApiVersion) {
    for (const std::string& api : builtApis()) {
        BatchRun r = run({"--api", api});
        EXPECT_EQ(r.status, 0) << r.output;
        EXPECT_TRUE(contains(r, "// Notice: Plug-in OrvexExporter" + api + "-x64.mll (API " + api + "00)\n"))
            << r.output;
    }
    BatchRun byDefault = run({});
    EXPECT_TRUE(contains(byDefault, "(API 201400)")) << byDefault.output;
}

TEST_F(BatchProgram, VersionsThatAreNotBuiltOrUnknownAreRefused) {
    std::vector<std::string> built = builtApis();
    for (const char* api : {"2010", "2011", "2012", "2013"}) {
        if (std::find(built.begin(), built.end(), api) == built.end()) {
            BatchRun r = run({"--api", api, "-c", "OrvexExporter -f \"x.xml\""});
            EXPECT_EQ(r.status, 1);
            EXPECT_TRUE(contains(r, std::string("host API version ") + api + " is not built here"))
                << r.output;
            BatchRun help = run({"--api", api, "--help"});
            EXPECT_EQ(help.status, 0) << help.output;
            EXPECT_TRUE(contains(help, "Exit status: 0")) << help.output;
        }
    }
    BatchRun unknown = run({"--api=2015"});
    EXPECT_EQ(unknown.status, 2);
    EXPECT_TRUE(contains(unknown, "unknown host API version \"2015\"")) << unknown.output;
}

TEST_F(BatchProgram, ExportsTheSceneAndPrintsTheCommandsMessages) {
    write("scene.ma", kScene);
    BatchRun r = run({"scene.ma", "-c", "select -r box", "-c", "OrvexExporter -sel -f \"out/level.xml\""});
    EXPECT_EQ(r.status, 1) << r.output; // the folder "out" does not exist yet
    EXPECT_FALSE(exists("out/level.xml"));
    EXPECT_TRUE(contains(r, "// Error: Command failed: OrvexExporter -sel -f \"out/level.xml\"\n"))
        << r.output;

    std::filesystem::create_directory(path("out"));
    r = run({"scene.ma", "-c", "select -r box", "-c", "OrvexExporter -sel -f \"out/level.xml\""});
    EXPECT_EQ(r.status, 0) << r.output;
    EXPECT_TRUE(contains(r, "Export scene to: " + path("out/level.xml") + "\n")) << r.output;
    EXPECT_TRUE(contains(r, "\ndone.\n")) << r.output;
    EXPECT_TRUE(exists("out/level.xml"));
}

TEST_F(BatchProgram, ScriptFilesRunTheirStatementsInOrder) {
    write("scene.ma", kScene);
    write(
        "export.mel",
        "// select, then export\nselect -r box;\nOrvexExporter\n  -f \"a.xml\";\nOrvexExporter -f \"b.xml\"");
    BatchRun r = run({"scene.ma", "-s", "export.mel", "-c", "OrvexExporter -f \"c.xml\""});
    EXPECT_EQ(r.status, 0) << r.output;
    EXPECT_TRUE(exists("a.xml") && exists("b.xml") && exists("c.xml"));

    write("broken.mel", "select -r box;\nselect -r nothing;\nOrvexExporter -f \"d.xml\";\n");
    r = run({"scene.ma", "-s", "broken.mel"});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(contains(r, "// Error: No object matches name: nothing\n")) << r.output;
    EXPECT_TRUE(contains(r, "// Error: Script failed: broken.mel\n")) << r.output;
    EXPECT_FALSE(exists("d.xml"));

    write("unclosed.mel", "select -r box;\n\nOrvexExporter -f \"e.xml;\n");
    r = run({"scene.ma", "-s", "unclosed.mel"});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(contains(r, "// Error: unclosed.mel:3: expected the closing '\"' of the string\n"))
        << r.output;

    r = run({"scene.ma", "-s", "missing.mel"});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(contains(r, "// Error: missing.mel: cannot read the script file\n")) << r.output;
    r = run({"scene.ma", "-s", "."});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(contains(r, "// Error: .: cannot read the script file\n")) << r.output;

    write("empty.mel", ""); // nothing to run is no failure
    r = run({"scene.ma", "-s", "empty.mel", "-c", "OrvexExporter -f \"f.xml\""});
    EXPECT_EQ(r.status, 0) << r.output;
    EXPECT_TRUE(exists("f.xml"));
}

TEST_F(BatchProgram, AFailingCommandStopsTheRunWithNonZeroStatus) {
    BatchRun r = run({"-c", "noSuchCommand -x", "-c", "OrvexExporter -f \"x.xml\""});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(contains(r, "// Error: Cannot find procedure \"noSuchCommand\".\n")) << r.output;
    EXPECT_FALSE(exists("x.xml"));

    r = run({"-c", "OrvexExporter -v"}); // no -f: the command fails without a message of its own
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(contains(r, "// Error: Command failed: OrvexExporter -v\n")) << r.output;
}

TEST_F(BatchProgram, UnreadableOrMalformedScenesFailWithTheErrorShown) {
    write("bad.ma", "createNode transform -n \"box\";\n\tsetAttr \".t\" -type \"double3\" 0 one 0 ;\n");
    BatchRun r = run({"bad.ma", "-c", "OrvexExporter -f \"x.xml\""});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(contains(r, "// Error: bad.ma:2: expected a number for \".t\"\n")) << r.output;
    EXPECT_FALSE(exists("x.xml")); // no command runs on a half-read scene

    r = run({"missing.ma"});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(contains(r, "// Error: missing.ma: no such scene file\n")) << r.output;
}

TEST_F(BatchProgram, RegistrationFailureIsReported) {
    BatchRun r = run({"-c", "OrvexExporter -f \"x.xml\""}, "ORVEX_HOST_FAULTS=registerCommand");
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(contains(r, "registerCommand")) << r.output;
    EXPECT_TRUE(contains(r, "// Error: initializePlugin of OrvexExporter2014-x64.mll failed\n")) << r.output;
    EXPECT_FALSE(exists("x.xml"));

    r = run({}, "ORVEX_HOST_FAULTS=deregisterCommand");
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(contains(r, "deregisterCommand")) << r.output;
}

TEST_F(BatchProgram, HelpAndWrongCommandLines) {
    BatchRun help = run({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.output.rfind("Usage: orvex-batch [--api 2010|2011|2012|2013|2014] [SCENE.ma]", 0), 0u)
        << help.output;
    EXPECT_TRUE(contains(help, "Exit status: 0 when the scene was read and every command succeeded"));

    for (const auto& args :
         std::vector<std::vector<std::string>>{{"-c"}, {"a.ma", "b.ma"}, {"--verbose"}, {"--api"}, {"-s"}}) {
        BatchRun r = run(args);
        EXPECT_EQ(r.status, 2) << args[0];
        EXPECT_TRUE(contains(r, "Usage: orvex-batch")) << r.output;
    }
}

// The demo of the README, run as the README gives it (on a copy of the
// example folder): the first command's batch-program call, which .ci/run
// repeats word for word, exports the example level with every section.
TEST_F(BatchProgram, TheReadmeDemoExportsEverySectionOfTheExampleLevel) {
    const std::string source = ORVEX_SOURCE_DIR;
    const std::string program = "build/bin/orvex-batch ";
    const std::string readme = orvex_test::readFileBytes(source + "/README.md");
    const size_t at = readme.find("mkdir -p out && " + program);
    ASSERT_NE(at, std::string::npos) << "the README's first command runs no demo";
    const size_t from = readme.find(program, at) + program.size();
    const std::string demo = readme.substr(from, readme.find('\n', from) - from);
    EXPECT_NE(orvex_test::readFileBytes(source + "/.ci/run").find(program + demo + "\n"), std::string::npos)
        << ".ci/run does not run the README's demo: " << demo;
    ASSERT_NE(demo.find("-f \"out/level.xml\""), std::string::npos) << demo;

    std::filesystem::copy(source + "/examples", path("examples"), std::filesystem::copy_options::recursive);
    BatchRun r =
        runShell("mkdir -p out && " + shellQuoted(std::string(ORVEX_BIN_DIR) + "/orvex-batch") + " " + demo);
    ASSERT_EQ(r.status, 0) << r.output;
    EXPECT_TRUE(contains(r, "Export scene to: " + path("out/level.xml") + "\n")) << r.output;
    EXPECT_TRUE(contains(r, "\ndone.\n")) << r.output;
    // Only the host application's own nodes and settings that the host does
    // not keep are noticed; the only warnings are the blinn approximations.
    std::istringstream lines(r.output);
    for (std::string line; std::getline(lines, line);) {
        EXPECT_EQ(line.rfind("// Error:", 0), std::string::npos) << line;
        if (line.rfind("// Warning:", 0) == 0) {
            EXPECT_EQ(line.rfind("// Warning: Blinn shader type is not directly supported", 0), 0u) << line;
        }
        if (line.rfind("// Notice: examples/level.ma:", 0) == 0) {
            const std::string what = line.substr(line.find(": ", 11) + 2);
            EXPECT_TRUE(what.find("is unknown; its nodes are kept as generic nodes") != std::string::npos ||
                        what == "node type \"shadingEngine\" has no attribute \"ro\"; its values are skipped")
                << line;
        }
    }

    const std::string document = orvex_test::readFileBytes(path("out/level.xml"));
    xmlDocPtr doc = xmlReadMemory(document.data(), static_cast<int>(document.size()), "level.xml", nullptr,
                                  XML_PARSE_NONET);
    ASSERT_NE(doc, nullptr);
    std::vector<std::string> sections;
    for (xmlNodePtr n = xmlDocGetRootElement(doc)->children; n; n = n->next) {
        if (n->type == XML_ELEMENT_NODE) {
            sections.emplace_back(reinterpret_cast<const char*>(n->name));
            // Every section has content; the Shapes element names the side file.
            EXPECT_TRUE(n->children != nullptr || sections.back() == "Shapes") << sections.back();
        }
    }
    xmlFreeDoc(doc);
    EXPECT_EQ(sections, (std::vector<std::string>{"Files", "Materials", "Shapes", "Dynamics", "Scene",
                                                  "Animation", "UserAttributes"}));
    const orvex_test::FileReferences files = orvex_test::fileReferences(document);
    EXPECT_EQ(files.used.size(), 5u);
    EXPECT_TRUE(orvex_test::unlistedIds(files).empty());

    // The side file holds one record for each shape id the document names:
    // seven meshes (the instanced lantern once, the emitter's plane among
    // them) and the patrol path.
    orvex_test::ParsedSideFile side;
    std::string error;
    ASSERT_TRUE(
        orvex_test::parseSideFile(orvex_test::readFileBytes(path("out/level.xml.shapes")), side, error))
        << error;
    EXPECT_EQ(side.shapes.size(), 8u);
    std::set<uint32_t> named, written;
    for (const char* attribute : {"shapeId", "emitterShapeId"}) {
        for (const std::string& id : orvex_test::attributeValues(document, attribute)) {
            named.insert(static_cast<uint32_t>(std::stoul(id)));
        }
    }
    for (const orvex_test::ParsedShape& shape : side.shapes) {
        written.insert(shape.shapeId);
    }
    EXPECT_EQ(named, written);
}

TEST_F(BatchProgram, ComputedNormalsFollowTheNormalMethodAndEachVersionsDefault) {
    // Five folds: the first leaves vertexNormalMethod unset, the others set
    // it to 0 ... 3 as files write it.
    std::string scene = "//Maya ASCII 2012 scene\n"
                        "requires maya \"2012\";\n"
                        "currentUnit -l centimeter -a degree -t film;\n";
    for (int method = -1; method < 4; ++method) {
        const std::string name = method < 0 ? "foldUnset" : "fold" + std::to_string(method);
        scene += "createNode transform -n \"" + name + "\";\n" + "createNode mesh -n \"" + name +
                 "Shape\" -p \"" + name + "\";\n" +
                 (method < 0 ? "" : "\tsetAttr \".vnm\" " + std::to_string(method) + ";\n") +
                 orvex_test::sceneText(orvex_test::meshStatements(orvex_test::foldMesh()));
    }
    write("folds.ma", scene);
    const std::vector<std::string> built = builtApis();
    for (const std::string api : {"2014", "2012"}) {
        if (std::find(built.begin(), built.end(), api) == built.end()) {
            continue;
        }
        BatchRun r = run({"--api", api, "folds.ma", "-c", "OrvexExporter -shap -n -f \"folds.xml\""});
        ASSERT_EQ(r.status, 0) << r.output;
        orvex_test::ParsedSideFile side;
        std::string error;
        ASSERT_TRUE(
            orvex_test::parseSideFile(orvex_test::readFileBytes(path("folds.xml.shapes")), side, error))
            << error;
        ASSERT_EQ(side.shapes.size(), 5u) << api;
        for (const orvex_test::ParsedShape& shape : side.shapes) {
            // Unset, the method is unweighted up to 2012, angle and area weighted after.
            const char last = shape.name[shape.name.size() - std::string("Shape").size() - 1];
            const int method = last >= '0' && last <= '3' ? last - '0' : (api == "2012" ? 0 : 3);
            const std::array<double, 3> want = orvex_test::foldNormalAtOrigin(method);
            const orvex_test::ParsedTriangleSet& set = shape.set;
            ASSERT_EQ(set.flags, 0x01u) << shape.name;
            int origins = 0;
            for (uint32_t v = 0; v < set.numVertices; ++v) {
                if (set.positions[3 * v] == 0.0f && set.positions[3 * v + 1] == 0.0f &&
                    set.positions[3 * v + 2] == 0.0f) {
                    ++origins;
                    for (int k = 0; k < 3; ++k) {
                        EXPECT_NEAR(set.normals[3 * v + k], want[k], 1e-6)
                            << api << " " << shape.name << " " << k;
                    }
                }
            }
            EXPECT_EQ(origins, 1) << api << " " << shape.name;
        }
    }
}
