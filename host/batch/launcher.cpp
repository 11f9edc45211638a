// orvex-batch: picks the runner of the requested host API version
// (orvex-batch-<api>, which links that version's host library) in its own
// folder and runs it with the same arguments.

#include "BatchUsage.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    std::string api = ORVEX_DEFAULT_API;
    std::string error;
    if (!orvex_batch::findApiOption(argc, argv, api, error)) {
        std::fprintf(stderr, "orvex-batch: %s\n%s", error.c_str(), orvex_batch::kUsageLine);
        return orvex_batch::kUsageError;
    }
    if (orvex_batch::helpWanted(argc, argv)) {
        orvex_batch::printHelp(); // also where the version asked for is not built
        return orvex_batch::kSuccess;
    }
    std::string runner = orvex_batch::ownFolder() + "/orvex-batch-" + api;
    if (access(runner.c_str(), X_OK) != 0) {
        std::fprintf(
            stderr,
            "orvex-batch: host API version %s is not built here (no %s); build it by including %s in "
            "ORVEX_API_VERSIONS\n",
            api.c_str(), runner.c_str(), api.c_str());
        return orvex_batch::kFailure;
    }
    std::vector<char*> args(argv, argv + argc);
    args[0] = &runner[0];
    args.push_back(nullptr);
    execv(runner.c_str(), args.data());
    std::fprintf(stderr, "orvex-batch: cannot run %s: %s\n", runner.c_str(), std::strerror(errno));
    return orvex_batch::kFailure;
}
