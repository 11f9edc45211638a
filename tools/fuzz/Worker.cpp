#include "Worker.h"

#include "OutputChecks.h"
#include "plugin/OrvexExporter.h"

#include <maya/MFnPlugin.h>
#include <orvex_host/Session.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <memory>

namespace orvex_fuzz {

const char kExportFlags[] = "OrvexExporter -shap -n -uvs -c -sw -nc -ik -l -cams -dcams -ua -ps -an -rp -f ";

namespace {

bool readWholeFile(const std::string& path, std::string& bytes) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return false;
    }
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return true;
}

// The outcome word of one scene and, for faults, their kind.
std::string exportOne(const std::string& text, const std::string& sceneName, const std::string& output) {
    std::remove(output.c_str());
    std::remove((output + ".shapes").c_str());
    std::string error;
    if (!orvex_host::openSceneText(text, sceneName, error, true)) {
        return "unreadable";
    }
    orvex_host::clearMessages();
    const bool exported = orvex_host::runCommand(kExportFlags + ("\"" + output + "\"")) == MS::kSuccess;
    orvex_host::clearMessages();
    if (!exported) {
        return "failed";
    }
    std::string document;
    if (!readWholeFile(output, document)) {
        return "baddocument no document written";
    }
    if (const std::string kind = documentErrorKind(document); !kind.empty()) {
        return "baddocument " + kind;
    }
    std::string side;
    if (document.find("externalShapesFile=") != std::string::npos) {
        if (!readWholeFile(output + ".shapes", side)) {
            return "badside no side file written";
        }
        if (const std::string kind = sideFileErrorKind(side); !kind.empty()) {
            return "badside " + kind;
        }
    }
    return "exported";
}

} // namespace

int runWorker(const WorkerJob& job) {
    MObject pluginObject;
    MFnPlugin plugin(pluginObject, "Orvex", "fuzz", "Any");
    if (plugin.registerCommand("OrvexExporter", OrvexExporter::creator) != MS::kSuccess) {
        return 2;
    }
    std::FILE* log = std::fopen(job.logPath.c_str(), "a");
    if (log == nullptr) {
        return 2;
    }
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> closer(log, &std::fclose);
    const std::string output = job.outputDirectory + "/scene.xml";
    for (uint64_t i = job.first; i < job.end; ++i) {
        size_t seed = 0;
        const std::string text = damagedScene(job.seeds, job.runSeed, i, seed);
        std::fprintf(log, "S %llu\n", static_cast<unsigned long long>(i));
        std::fflush(log);
        const std::string outcome = exportOne(text, job.seeds[seed].path, output);
        std::fprintf(log, "R %llu %s\n", static_cast<unsigned long long>(i), outcome.c_str());
        std::fflush(log);
    }
    return 0;
}

} // namespace orvex_fuzz
