// Exporting one big mesh: a generated scene file holding a grid of about a
// million triangles (positions, locked normals, one UV set), written as the
// host writes meshes. Times reading the scene and exporting it, once through
// the batch program (whole runs, with the run's peak memory) and once in
// this process (reading and exporting apart).
//
//   build/bin/orvex-bench --benchmark_filter=BigMesh

#include "plugin/OrvexExporter.h"

#include <orvex_host/Session.h>

#include <maya/MFnPlugin.h>

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

extern char** environ;

namespace {

// 1000 x 500 quads: 1,000,000 triangles over 501,501 points.
const int kColumns = 1000;
const int kRows = 500;
// Elements per setAttr statement, as the host splits long arrays.
const int kChunk = 1000;

// Writes numbers the way scene files do: shortest round-trip text.
class SceneWriter {
public:
    explicit SceneWriter(const std::string& path) : out_(path, std::ios::binary) {}
    void text(const char* s) { out_ << s; }
    void number(double v) {
        char buffer[32];
        std::snprintf(buffer, sizeof buffer, " %.9g", v);
        out_ << buffer;
    }
    void integer(long long v) { out_ << ' ' << v; }
    // Starts ".attr[first:last]" with the array's total size on the first statement.
    void begin(const char* attr, int first, int last, int total, const char* type = nullptr) {
        out_ << "\tsetAttr";
        if (first == 0) {
            out_ << " -s " << total;
        }
        out_ << " \"." << attr << "[" << first << ":" << last << "]\"";
        if (type && first == 0) {
            out_ << " -type \"" << type << "\"";
        }
    }
    void end() { out_ << ";\n"; }
    bool ok() const { return bool(out_); }

private:
    std::ofstream out_;
};

double heightAt(int x, int y) {
    return 0.25 * std::sin(x * 0.05) * std::cos(y * 0.07);
}

void normalAt(int x, int y, double n[3]) {
    double dx = 0.25 * 0.05 * std::cos(x * 0.05) * std::cos(y * 0.07);
    double dy = -0.25 * 0.07 * std::sin(x * 0.05) * std::sin(y * 0.07);
    double length = std::sqrt(dx * dx + dy * dy + 1.0);
    n[0] = -dx / length;
    n[1] = -dy / length;
    n[2] = 1.0 / length;
}

int vertexOf(int x, int y) {
    return y * (kColumns + 1) + x;
}

// Edges: first the horizontal ones row by row, then the vertical ones.
int horizontalEdge(int x, int y) {
    return y * kColumns + x;
}
int verticalEdge(int x, int y) {
    return (kRows + 1) * kColumns + y * (kColumns + 1) + x;
}

void writeGridScene(const std::string& path) {
    SceneWriter w(path);
    w.text("//Maya ASCII 2014 scene\n//Name: bigMesh.ma\nrequires maya \"2014\";\n"
           "currentUnit -l centimeter -a degree -t film;\n"
           "createNode transform -n \"grid\";\n"
           "createNode mesh -n \"gridShape\" -p \"grid\";\n"
           "\tsetAttr -k off \".v\";\n"
           "\tsetAttr \".uvst[0].uvsn\" -type \"string\" \"map1\";\n");
    const int points = (kColumns + 1) * (kRows + 1);
    for (int first = 0; first < points; first += kChunk) {
        int last = std::min(points, first + kChunk) - 1;
        w.begin("uvst[0].uvsp", first, last, points, "float2");
        for (int v = first; v <= last; ++v) {
            w.number(double(v % (kColumns + 1)) / kColumns);
            w.number(double(v / (kColumns + 1)) / kRows);
        }
        w.end();
    }
    w.text("\tsetAttr \".cuvs\" -type \"string\" \"map1\";\n");
    for (int first = 0; first < points; first += kChunk) {
        int last = std::min(points, first + kChunk) - 1;
        w.begin("vt", first, last, points);
        for (int v = first; v <= last; ++v) {
            int x = v % (kColumns + 1), y = v / (kColumns + 1);
            w.number(x * 0.01);
            w.number(y * 0.01);
            w.number(heightAt(x, y));
        }
        w.end();
    }
    const int edges = verticalEdge(0, kRows);
    for (int first = 0; first < edges; first += kChunk) {
        int last = std::min(edges, first + kChunk) - 1;
        w.begin("ed", first, last, edges);
        for (int e = first; e <= last; ++e) {
            int a, b;
            if (e < verticalEdge(0, 0)) {
                int y = e / kColumns, x = e % kColumns;
                a = vertexOf(x, y);
                b = vertexOf(x + 1, y);
            } else {
                int local = e - verticalEdge(0, 0);
                int y = local / (kColumns + 1), x = local % (kColumns + 1);
                a = vertexOf(x, y);
                b = vertexOf(x, y + 1);
            }
            w.integer(a);
            w.integer(b);
            w.integer(1);
        }
        w.end();
    }
    // Face f walks (x, y) -> (x+1, y) -> (x+1, y+1) -> (x, y+1).
    const int faces = kColumns * kRows;
    auto cornerVertex = [](int f, int k) {
        int x = f % kColumns, y = f / kColumns;
        const int dx[4] = {0, 1, 1, 0}, dy[4] = {0, 0, 1, 1};
        return vertexOf(x + dx[k], y + dy[k]);
    };
    for (int first = 0; first < 4 * faces; first += kChunk) {
        int last = std::min(4 * faces, first + kChunk) - 1;
        w.begin("n", first, last, 4 * faces, "float3");
        for (int c = first; c <= last; ++c) {
            int v = cornerVertex(c / 4, c % 4);
            double n[3];
            normalAt(v % (kColumns + 1), v / (kColumns + 1), n);
            w.number(n[0]);
            w.number(n[1]);
            w.number(n[2]);
        }
        w.end();
    }
    for (int first = 0; first < faces; first += kChunk) {
        int last = std::min(faces, first + kChunk) - 1;
        w.text("\tsetAttr");
        if (first == 0) {
            w.text((" -s " + std::to_string(faces) + " -ch " + std::to_string(4 * faces)).c_str());
        }
        w.text((" \".fc[" + std::to_string(first) + ":" + std::to_string(last) + "]\" -type \"polyFaces\"")
                   .c_str());
        for (int f = first; f <= last; ++f) {
            int x = f % kColumns, y = f / kColumns;
            w.text("\n\t\tf 4");
            w.integer(horizontalEdge(x, y));
            w.integer(verticalEdge(x + 1, y));
            w.integer(-horizontalEdge(x, y + 1) - 1);
            w.integer(-verticalEdge(x, y) - 1);
            w.text("\n\t\tmu 0 4");
            for (int k = 0; k < 4; ++k) {
                w.integer(cornerVertex(f, k));
            }
        }
        w.end();
    }
    w.text("connectAttr \"gridShape.iog\" \":initialShadingGroup.dsm\" -na;\n");
}

struct BigScene {
    std::string dir;
    std::string path;
    double megabytes = 0;
    ~BigScene() {
        std::error_code ignored;
        if (!dir.empty()) {
            std::filesystem::remove_all(dir, ignored);
        }
    }
};

// Written once per run of the benchmark program, removed at its end.
const BigScene& bigScene() {
    static BigScene scene;
    if (scene.path.empty()) {
        scene.dir =
            (std::filesystem::temp_directory_path() / ("orvex-bench-" + std::to_string(getpid()))).string();
        std::filesystem::create_directories(scene.dir);
        scene.path = scene.dir + "/bigMesh.ma";
        writeGridScene(scene.path);
        scene.megabytes = double(std::filesystem::file_size(scene.path)) / 1e6;
    }
    return scene;
}

struct ChildRun {
    bool ok = false;
    double seconds = 0;
    double peakMegabytes = 0;
};

// Runs the batch program on the big scene, with the given command or none.
ChildRun runBatch(const std::string& command) {
    std::vector<std::string> args = {std::string(ORVEX_BIN_DIR) + "/orvex-batch", bigScene().path};
    if (!command.empty()) {
        args.push_back("-c");
        args.push_back(command);
    }
    std::vector<char*> argv;
    for (std::string& a : args) {
        argv.push_back(a.data());
    }
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    ChildRun run;
    if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) == 0) {
        int status = 0;
        rusage usage{};
        if (wait4(pid, &status, 0, &usage) == pid) {
            run.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
            run.peakMegabytes = double(usage.ru_maxrss) * 1024 / 1e6;
        }
    }
    run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    posix_spawn_file_actions_destroy(&actions);
    return run;
}

std::string exportCommand() {
    return "OrvexExporter -shap -n -uvs -f \"" + bigScene().dir + "/grid.xml\"";
}

void reportChild(benchmark::State& state, const std::string& command) {
    const BigScene& scene = bigScene();
    double peak = 0;
    for (auto _ : state) {
        ChildRun run = runBatch(command);
        if (!run.ok) {
            state.SkipWithError("the batch program failed");
            break;
        }
        state.SetIterationTime(run.seconds);
        peak = std::max(peak, run.peakMegabytes);
    }
    state.counters["sceneMB"] = scene.megabytes;
    state.counters["peakMB"] = peak;
    state.counters["peakPerSceneSize"] = peak / scene.megabytes;
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * scene.megabytes * 1e6));
}

// The batch program reading the scene and nothing else.
void BM_BigMeshBatchRead(benchmark::State& state) {
    reportChild(state, "");
}
BENCHMARK(BM_BigMeshBatchRead)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);

// The whole run: reading the scene and exporting the mesh with the shapes,
// normals and UV flags.
void BM_BigMeshBatchExport(benchmark::State& state) {
    reportChild(state, exportCommand());
}
BENCHMARK(BM_BigMeshBatchExport)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);

// In this process: the scene reader alone.
void BM_BigMeshRead(benchmark::State& state) {
    const BigScene& scene = bigScene();
    for (auto _ : state) {
        std::string error;
        if (!orvex_host::openScene(scene.path, error)) {
            state.SkipWithError(error.c_str());
            break;
        }
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * scene.megabytes * 1e6));
}
BENCHMARK(BM_BigMeshRead)->Iterations(3)->Unit(benchmark::kMillisecond);

// In this process: the export alone, on the scene read once.
void BM_BigMeshExport(benchmark::State& state) {
    static bool registered = [] {
        MObject pluginObject;
        MFnPlugin plugin(pluginObject, "Orvex", "5.0.4", "Any");
        return plugin.registerCommand("OrvexExporter", OrvexExporter::creator) == MS::kSuccess;
    }();
    std::string error;
    if (!registered || !orvex_host::openScene(bigScene().path, error)) {
        state.SkipWithError("cannot set up the export");
        return;
    }
    for (auto _ : state) {
        if (orvex_host::runCommand(exportCommand()) != MS::kSuccess) {
            state.SkipWithError("the export failed");
            break;
        }
    }
}
BENCHMARK(BM_BigMeshExport)->Iterations(3)->Unit(benchmark::kMillisecond);

} // namespace
