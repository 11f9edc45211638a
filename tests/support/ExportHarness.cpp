#include "support/ExportHarness.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>

namespace orvex_test {

namespace {

// Loads the default plug-in build once for the whole test program.
class PluginEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        std::string error;
        plugin_ = orvex_host::Plugin::load(binPath("OrvexExporter2014-x64.mll"), error);
        ASSERT_TRUE(plugin_) << error;
        ASSERT_EQ(plugin_->initialize(), MS::kSuccess);
    }
    void TearDown() override {
        if (plugin_) {
            plugin_->uninitialize();
            plugin_.reset();
        }
    }

private:
    std::unique_ptr<orvex_host::Plugin> plugin_;
};

::testing::Environment* const pluginEnvironment = ::testing::AddGlobalTestEnvironment(new PluginEnvironment);

} // namespace

std::string binPath(const std::string& name) {
    return std::string(ORVEX_BIN_DIR) + "/" + name;
}

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

bool fileExists(const std::string& path) {
    return std::filesystem::exists(path);
}

void writeFile(const std::string& path, const std::string& text) {
    std::filesystem::path p(path);
    if (p.has_parent_path()) {
        std::filesystem::create_directories(p.parent_path());
    }
    std::ofstream out(path, std::ios::binary);
    out << text;
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
    char buffer[4096];
    oldDir_ = getcwd(buffer, sizeof buffer) ? buffer : ".";
    std::string pattern = (std::filesystem::temp_directory_path() / "orvex-test-XXXXXX").string();
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    ASSERT_NE(mkdtemp(name.data()), nullptr);
    workDir_ = name.data();
    ASSERT_EQ(chdir(workDir_.c_str()), 0);
    orvex_host::newScene(false);
    orvex_host::clearMessages();
    orvex_host::clearFaults();
}

void ExportTest::TearDown() {
    orvex_host::clearFaults();
    if (chdir(oldDir_.c_str()) != 0) {
        ADD_FAILURE() << "cannot return to " << oldDir_;
    }
    std::error_code ignored;
    std::filesystem::remove_all(workDir_, ignored);
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
