#pragma once
// Runs the exporter the way the host does: the plug-in build is loaded once
// per test program, each test gets a fresh scene, an empty message log and
// its own temporary working directory.

#include <orvex_host/Session.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace orvex_test {

// Path of a built program or library in build/bin.
std::string binPath(const std::string& name);
std::string readFile(const std::string& path);
bool fileExists(const std::string& path);
void writeFile(const std::string& path, const std::string& text);

// Messages of one kind, in order.
std::vector<std::string> messagesOf(orvex_host::MessageKind kind);

class ExportTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Reads scene-file text into a new scene (failing the test on error).
    void openScene(const std::string& text, const std::string& fileName = "");
    // Runs "OrvexExporter <arguments>".
    MStatus exportWith(const std::string& arguments);
    std::string workDir() const { return workDir_; }

private:
    std::string oldDir_;
    std::string workDir_;
};

} // namespace orvex_test
