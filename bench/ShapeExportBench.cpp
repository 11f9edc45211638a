// Exporting one big mesh: a generated scene file holding a grid of about a
// million triangles (positions, locked normals or none, one UV set), written
// as the host writes meshes. Times reading the scene and exporting it, once
// through the batch program (whole runs, with the run's peak memory) and once
// in this process (reading and exporting apart).
//
//   build/bin/orvex-bench --benchmark_filter=BigMesh
//   ORVEX_BENCH_SCENE_DIR=/tmp/big build/bin/orvex-bench --benchmark_filter=BigMeshBatchRead
//       (keeps the scene files in /tmp/big for a profiler)

#include "BatchRuns.h"
#include "plugin/OrvexExporter.h"

#include <orvex_host/Session.h>

#include <maya/MFnPlugin.h>

#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

// The grid: 1000 x 500 cells over 501,501 points, written either as
// 500,000 quads or as 1,000,000 triangles (each cell split along its
// diagonal); both make a million triangles. The quads are written once with
// locked normals and once without (the plainer file a modeller saves).
const int kColumns = 1000;
const int kRows = 500;
// Elements per setAttr statement, as the host splits long arrays.
const int kChunk = 1000;

enum class Faces { Quads, Triangles };

// The benchmarks' scene argument.
struct SceneKind {
    Faces faces;
    bool normals;
    const char* file;
};
const SceneKind kScenes[] = {{Faces::Quads, true, "bigQuadMesh.ma"},
                             {Faces::Triangles, true, "bigTriangleMesh.ma"},
                             {Faces::Quads, false, "bigQuadMeshNoNormals.ma"}};
const int kSceneCount = 3;

// Writes numbers the way scene files do: shortest round-trip text.
class SceneWriter {
public:
    explicit SceneWriter(const std::string& path) : out_(path, std::ios::binary) {}
    void text(const std::string& s) { out_ << s; }
    void number(double v) {
        char buffer[32];
        std::snprintf(buffer, sizeof buffer, " %.9g", v);
        out_ << buffer;
    }
    void integer(long long v) { out_ << ' ' << v; }
    // Starts ".attr[first:last]", with the array's total size (and type) on
    // the first statement of the array.
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

private:
    std::ofstream out_;
};

// Writes `total` elements in statements of kChunk, each element by `write`.
template <class Write>
void writeArray(SceneWriter& w, const char* attr, int total, const char* type, Write write) {
    for (int first = 0; first < total; first += kChunk) {
        int last = std::min(total, first + kChunk) - 1;
        w.begin(attr, first, last, total, type);
        for (int i = first; i <= last; ++i) {
            write(i);
        }
        w.end();
    }
}

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

class Grid {
public:
    explicit Grid(Faces faces) : triangles_(faces == Faces::Triangles) {}

    int pointCount() const { return (kColumns + 1) * (kRows + 1); }
    // Horizontal edges row by row, then the vertical ones, then (for
    // triangles) the diagonals of the cells.
    int edgeCount() const { return diagonal(0, 0) + (triangles_ ? kColumns * kRows : 0); }
    int faceCount() const { return kColumns * kRows * (triangles_ ? 2 : 1); }
    int faceSize() const { return triangles_ ? 3 : 4; }

    void edgeEnds(int e, int& a, int& b) const {
        if (e < vertical(0, 0)) {
            a = vertexOf(e % kColumns, e / kColumns);
            b = a + 1;
        } else if (e < diagonal(0, 0)) {
            a = e - vertical(0, 0);
            b = a + kColumns + 1;
        } else {
            int cell = e - diagonal(0, 0);
            a = vertexOf(cell % kColumns, cell / kColumns);
            b = a + kColumns + 2;
        }
    }

    // Corner k of face f, and the signed edge that starts there (-e-1 for
    // edge e walked backwards). A quad walks (x, y), (x+1, y), (x+1, y+1),
    // (x, y+1); the two triangles of a cell share its diagonal.
    int cornerVertex(int f, int k) const {
        static const int quad[4][2] = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
        static const int lower[3][2] = {{0, 0}, {1, 0}, {1, 1}};
        static const int upper[3][2] = {{0, 0}, {1, 1}, {0, 1}};
        int cell = triangles_ ? f / 2 : f;
        int x = cell % kColumns, y = cell / kColumns;
        const int(*at)[2] = !triangles_ ? quad : f % 2 == 0 ? lower : upper;
        return vertexOf(x + at[k][0], y + at[k][1]);
    }
    int cornerEdge(int f, int k) const {
        int cell = triangles_ ? f / 2 : f;
        int x = cell % kColumns, y = cell / kColumns;
        if (!triangles_) {
            const int edges[4] = {horizontal(x, y), vertical(x + 1, y), -horizontal(x, y + 1) - 1,
                                  -vertical(x, y) - 1};
            return edges[k];
        }
        if (f % 2 == 0) {
            const int edges[3] = {horizontal(x, y), vertical(x + 1, y), -diagonal(x, y) - 1};
            return edges[k];
        }
        const int edges[3] = {diagonal(x, y), -horizontal(x, y + 1) - 1, -vertical(x, y) - 1};
        return edges[k];
    }

private:
    static int vertexOf(int x, int y) { return y * (kColumns + 1) + x; }
    static int horizontal(int x, int y) { return y * kColumns + x; }
    static int vertical(int x, int y) { return (kRows + 1) * kColumns + y * (kColumns + 1) + x; }
    static int diagonal(int x, int y) { return vertical(0, kRows) + y * kColumns + x; }

    bool triangles_;
};

void writeGridScene(const std::string& path, const SceneKind& kind) {
    const Grid grid(kind.faces);
    SceneWriter w(path);
    w.text("//Maya ASCII 2014 scene\n//Name: bigMesh.ma\nrequires maya \"2014\";\n"
           "currentUnit -l centimeter -a degree -t film;\n"
           "createNode transform -n \"grid\";\n"
           "createNode mesh -n \"gridShape\" -p \"grid\";\n"
           "\tsetAttr -k off \".v\";\n"
           "\tsetAttr \".uvst[0].uvsn\" -type \"string\" \"map1\";\n");
    writeArray(w, "uvst[0].uvsp", grid.pointCount(), "float2", [&](int v) {
        w.number(double(v % (kColumns + 1)) / kColumns);
        w.number(double(v / (kColumns + 1)) / kRows);
    });
    w.text("\tsetAttr \".cuvs\" -type \"string\" \"map1\";\n");
    writeArray(w, "vt", grid.pointCount(), nullptr, [&](int v) {
        int x = v % (kColumns + 1), y = v / (kColumns + 1);
        w.number(x * 0.01);
        w.number(y * 0.01);
        w.number(heightAt(x, y));
    });
    writeArray(w, "ed", grid.edgeCount(), nullptr, [&](int e) {
        int a = 0, b = 0;
        grid.edgeEnds(e, a, b);
        w.integer(a);
        w.integer(b);
        w.integer(1);
    });
    const int size = grid.faceSize();
    if (kind.normals) {
        writeArray(w, "n", grid.faceCount() * size, "float3", [&](int c) {
            int v = grid.cornerVertex(c / size, c % size);
            double n[3];
            normalAt(v % (kColumns + 1), v / (kColumns + 1), n);
            w.number(n[0]);
            w.number(n[1]);
            w.number(n[2]);
        });
    }
    const std::string count = std::to_string(size);
    for (int first = 0; first < grid.faceCount(); first += kChunk) {
        int last = std::min(grid.faceCount(), first + kChunk) - 1;
        w.text("\tsetAttr");
        if (first == 0) {
            w.text(" -s " + std::to_string(grid.faceCount()) + " -ch " +
                   std::to_string(size * grid.faceCount()));
        }
        w.text(" \".fc[" + std::to_string(first) + ":" + std::to_string(last) + "]\" -type \"polyFaces\"");
        for (int f = first; f <= last; ++f) {
            w.text("\n\t\tf " + count);
            for (int k = 0; k < size; ++k) {
                w.integer(grid.cornerEdge(f, k));
            }
            w.text("\n\t\tmu 0 " + count);
            for (int k = 0; k < size; ++k) {
                w.integer(grid.cornerVertex(f, k));
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
    bool keep = false;
    ~BigScene() {
        std::error_code ignored;
        if (!dir.empty() && !keep) {
            std::filesystem::remove_all(dir, ignored);
        }
    }
};

// Written once per run of the benchmark program and removed at its end;
// with ORVEX_BENCH_SCENE_DIR set it is written there and kept, for profiling
// the batch program on it.
const BigScene& bigScene(int kind) {
    static BigScene scenes[kSceneCount];
    BigScene& scene = scenes[kind];
    if (scene.path.empty()) {
        const char* keepIn = std::getenv("ORVEX_BENCH_SCENE_DIR");
        scene.keep = keepIn && *keepIn;
        scene.dir =
            scene.keep
                ? std::string(keepIn)
                : (std::filesystem::temp_directory_path() / ("orvex-bench-" + std::to_string(getpid())))
                      .string();
        std::filesystem::create_directories(scene.dir);
        scene.path = scene.dir + "/" + kScenes[kind].file;
        writeGridScene(scene.path, kScenes[kind]);
        scene.megabytes = double(std::filesystem::file_size(scene.path)) / 1e6;
    }
    return scene;
}

int sceneOf(const benchmark::State& state) {
    return int(state.range(0));
}

std::string exportCommand(const BigScene& scene) {
    return "OrvexExporter -shap -n -uvs -f \"" + scene.dir + "/grid.xml\"";
}

void reportChild(benchmark::State& state, bool exportToo) {
    const BigScene& scene = bigScene(sceneOf(state));
    double peak = 0;
    for (auto _ : state) {
        ChildRun run = runBatch(scene.path, exportToo ? exportCommand(scene) : std::string());
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

// Argument 0: the grid as quads; 1: as triangles; 2: as quads without normals.
void bigMeshArguments(benchmark::internal::Benchmark* b) {
    b->ArgName("scene")->DenseRange(0, kSceneCount - 1)->Iterations(3)->Unit(benchmark::kMillisecond);
}

// The batch program reading the scene and nothing else.
void BM_BigMeshBatchRead(benchmark::State& state) {
    reportChild(state, false);
}
BENCHMARK(BM_BigMeshBatchRead)->Apply(bigMeshArguments)->UseManualTime();

// The whole run: reading the scene and exporting the mesh with the shapes,
// normals and UV flags.
void BM_BigMeshBatchExport(benchmark::State& state) {
    reportChild(state, true);
}
BENCHMARK(BM_BigMeshBatchExport)->Apply(bigMeshArguments)->UseManualTime();

// In this process: the scene reader alone.
void BM_BigMeshRead(benchmark::State& state) {
    const BigScene& scene = bigScene(sceneOf(state));
    for (auto _ : state) {
        std::string error;
        if (!orvex_host::openScene(scene.path, error)) {
            state.SkipWithError(error.c_str());
            break;
        }
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * scene.megabytes * 1e6));
}
BENCHMARK(BM_BigMeshRead)->Apply(bigMeshArguments);

// In this process: the export alone, on the scene read once.
void BM_BigMeshExport(benchmark::State& state) {
    static bool registered = [] {
        MObject pluginObject;
        MFnPlugin plugin(pluginObject, "Orvex", "5.0.4", "Any");
        return plugin.registerCommand("OrvexExporter", OrvexExporter::creator) == MS::kSuccess;
    }();
    const BigScene& scene = bigScene(sceneOf(state));
    std::string error;
    if (!registered || !orvex_host::openScene(scene.path, error)) {
        state.SkipWithError("cannot set up the export");
        return;
    }
    for (auto _ : state) {
        if (orvex_host::runCommand(exportCommand(scene)) != MS::kSuccess) {
            state.SkipWithError("the export failed");
            break;
        }
    }
}
BENCHMARK(BM_BigMeshExport)->Apply(bigMeshArguments);

} // namespace
