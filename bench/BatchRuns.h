#pragma once
// Running the batch program as a child process, for benchmarks that time
// whole runs and report their peak memory.

#include <string>

struct ChildRun {
    bool ok = false;
    double seconds = 0;
    double peakMegabytes = 0;
};

// Runs build/bin/orvex-batch on a scene, with one command or none; its
// output goes nowhere.
ChildRun runBatch(const std::string& scenePath, const std::string& command);
