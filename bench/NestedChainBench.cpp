// A chain of nested transforms exported through the batch program: the
// document grows with the square of the depth (each level is indented two
// blanks further), and the run's peak memory is reported beside the
// document's size.
//
//   build/bin/orvex-bench --benchmark_filter=NestedChain

#include "BatchRuns.h"

#include <benchmark/benchmark.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace {

namespace fs = std::filesystem;

// Transform n0, with n1 below it, n2 below that, and so on.
std::string chainScene(int depth) {
    std::string text = "createNode transform -n \"n0\";\n";
    for (int i = 1; i < depth; ++i) {
        text +=
            "createNode transform -n \"n" + std::to_string(i) + "\" -p \"n" + std::to_string(i - 1) + "\";\n";
    }
    return text;
}

void BM_NestedChainBatchExport(benchmark::State& state) {
    const fs::path dir = fs::temp_directory_path() / ("orvex-chain-bench-" + std::to_string(getpid()));
    fs::create_directories(dir);
    const std::string scene = (dir / "chain.ma").string();
    const std::string document = (dir / "chain.xml").string();
    std::ofstream(scene) << chainScene(static_cast<int>(state.range(0)));
    double peak = 0;
    for (auto _ : state) {
        const ChildRun run = runBatch(scene, "OrvexExporter -f \"" + document + "\"");
        if (!run.ok) {
            state.SkipWithError("the batch program failed");
            break;
        }
        state.SetIterationTime(run.seconds);
        peak = std::max(peak, run.peakMegabytes);
    }
    std::error_code ignored;
    const double documentMegabytes = double(fs::file_size(document, ignored)) / 1e6;
    state.counters["documentMB"] = documentMegabytes;
    state.counters["peakMB"] = peak;
    state.counters["peakPerDocument"] = documentMegabytes > 0 ? peak / documentMegabytes : 0;
    fs::remove_all(dir, ignored);
}
BENCHMARK(BM_NestedChainBatchExport)
    ->Arg(10000)
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

} // namespace
