// orvex-batch: the host's batch mode. It answers as the host API version
// asked for, loads that version's plug-in build from its own folder, opens
// the scene, runs the commands and prints the host's messages as they come.

#include "BatchOptions.h"
#include "BatchUsage.h"

#include <orvex_host/Session.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

using namespace orvex_host;

namespace {

// Tests make host calls fail through ORVEX_HOST_FAULTS, a comma-separated
// list of fault switch names (see Session.h), e.g. "registerCommand".
void setFaultsFromEnvironment() {
    const char* faults = std::getenv("ORVEX_HOST_FAULTS");
    std::stringstream list(faults ? faults : "");
    for (std::string name; std::getline(list, name, ',');) {
        if (!name.empty()) {
            setFault(name);
        }
    }
}

// The whole script; an empty file is an empty script.
bool readScript(const std::string& path, std::string& text) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) {
        return false;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return false;
    }
    text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

bool runStep(const orvex_batch::Step& step) {
    if (!step.script) {
        return runCommand(step.text);
    }
    std::string text;
    if (!readScript(step.text, text)) {
        logMessage(MessageKind::Error, step.text + ": cannot read the script file");
        return false;
    }
    return runScript(text, step.text);
}

// Everything after the plug-in is initialised: the scene, then the steps in
// order until one fails.
bool openAndRun(const orvex_batch::BatchOptions& options) {
    std::string error;
    if (options.scene.empty()) {
        newScene(true);
    } else if (!openScene(options.scene, error)) {
        logMessage(MessageKind::Error, error);
        return false;
    }
    for (const orvex_batch::Step& step : options.steps) {
        if (!runStep(step)) {
            logMessage(MessageKind::Error,
                       (step.script ? "Script failed: " : "Command failed: ") + step.text);
            return false;
        }
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    orvex_batch::BatchOptions options;
    options.api = std::to_string(kDefaultApiVersion);
    std::string error;
    if (!orvex_batch::parseBatchOptions(argc, argv, options, error)) {
        std::fprintf(stderr, "orvex-batch: %s\n%s", error.c_str(), orvex_batch::kUsageLine);
        return orvex_batch::kUsageError;
    }
    if (options.help) {
        orvex_batch::printHelp(); // also where the version asked for is not built
        return orvex_batch::kSuccess;
    }
    std::string file = "OrvexExporter" + options.api + "-x64.mll";
    std::string path = orvex_batch::ownFolder() + "/" + file;
    if (!std::filesystem::exists(path)) {
        std::fprintf(
            stderr,
            "orvex-batch: host API version %s is not built here (no %s); build it by including %s in "
            "ORVEX_API_VERSIONS\n",
            options.api.c_str(), path.c_str(), options.api.c_str());
        return orvex_batch::kFailure;
    }

    setApiVersion(std::stoi(options.api));
    setEchoMessages(true);
    setFaultsFromEnvironment();
    std::unique_ptr<Plugin> plugin = Plugin::load(path, error);
    if (!plugin) {
        logMessage(MessageKind::Error, error);
        return orvex_batch::kFailure;
    }
    logMessage(MessageKind::Notice, "Plug-in " + file + " (API " + plugin->apiVersion() + ")");
    if (plugin->apiVersion() != options.api + "00") {
        logMessage(MessageKind::Error, file + " is built for another host API version");
        return orvex_batch::kFailure;
    }
    if (!plugin->initialize()) {
        logMessage(MessageKind::Error, "initializePlugin of " + file + " failed");
        return orvex_batch::kFailure;
    }
    bool ok = openAndRun(options);
    if (!plugin->uninitialize()) {
        logMessage(MessageKind::Error, "uninitializePlugin of " + file + " failed");
        ok = false;
    }
    return ok ? orvex_batch::kSuccess : orvex_batch::kFailure;
}
