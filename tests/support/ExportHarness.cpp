#include "support/ExportHarness.h"

#include "plugin/OrvexExporter.h"

#include <maya/MFnPlugin.h>
#include <orvex_platform/Faults.h>

#include <filesystem>

namespace orvex_test {

namespace {

// Registers the export command of the system code linked into the test
// program, as initializePlugin does, so that the command, the file layer and
// its fault switches share one copy of their state with the tests.
class CommandEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        MObject pluginObject;
        MFnPlugin plugin(pluginObject, "Orvex", "5.0.4", "Any");
        ASSERT_EQ(plugin.registerCommand("OrvexExporter", OrvexExporter::creator), MS::kSuccess);
    }
    void TearDown() override {
        MObject pluginObject;
        MFnPlugin plugin(pluginObject);
        plugin.deregisterCommand("OrvexExporter");
    }
};

::testing::Environment* const pluginEnvironment = ::testing::AddGlobalTestEnvironment(new CommandEnvironment);

} // namespace

std::string binPath(const std::string& name) {
    return std::string(ORVEX_BIN_DIR) + "/" + name;
}

bool fileExists(const std::string& path) {
    return std::filesystem::exists(path);
}

std::vector<std::string> messagesOf(orvex_host::MessageKind kind) {
    std::vector<std::string> result;
    for (const auto& m : orvex_host::messages()) {
        if (m.kind == kind) {
            result.push_back(m.text);
        }
    }
    return result;
}

void ExportTest::SetUp() {
    dir_ = std::make_unique<TempDirectory>();
    cwd_ = std::make_unique<ScopedWorkingDirectory>(dir_->path());
    orvex_host::newScene(false);
    orvex_host::clearMessages();
    orvex_host::clearFaults();
    orvex_platform::clearFaults();
}

void ExportTest::TearDown() {
    orvex_host::clearFaults();
    orvex_platform::clearFaults();
    cwd_.reset();
    dir_.reset();
}

void ExportTest::openScene(const std::string& text, const std::string& fileName) {
    std::string error;
    ASSERT_TRUE(orvex_host::openSceneText(text, fileName, error, false)) << error;
    orvex_host::clearMessages();
}

MStatus ExportTest::exportWith(const std::string& arguments) {
    return orvex_host::runCommand("OrvexExporter " + arguments);
}

} // namespace orvex_test
