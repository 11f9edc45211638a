#pragma once
// Runs the exporter the way the host does: the plug-in build is loaded once
// per test program, each test gets a fresh scene, an empty message log, no
// fault switches and its own temporary working directory.

#include "support/TempDirectory.h"

#include <orvex_host/Session.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace orvex_test {

// Path of a built program or library in build/bin.
std::string binPath(const std::string& name);
bool fileExists(const std::string& path);

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
    std::string workDir() const { return dir_->path(); }
    std::string readFile(const std::string& path) const { return readFileBytes(path); }

private:
    std::unique_ptr<TempDirectory> dir_;
    std::unique_ptr<ScopedWorkingDirectory> cwd_;
};

} // namespace orvex_test
