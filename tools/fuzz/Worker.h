#pragma once
// One worker process: exports a range of damaged scenes with every section
// switched on and logs, for each, a start line before and an outcome line
// after, so that a crash shows which scene it was.

#include "FuzzScenes.h"

#include <cstdint>
#include <string>
#include <vector>

namespace orvex_fuzz {

// The command every scene is exported with (the output path follows).
extern const char kExportFlags[];

struct WorkerJob {
    std::vector<SeedScene> seeds;
    uint32_t runSeed = 0;
    uint64_t first = 0, end = 0; // scene indices [first, end)
    std::string outputDirectory;
    std::string logPath;
};

// Runs in the child process; returns its exit code.
int runWorker(const WorkerJob& job);

} // namespace orvex_fuzz
