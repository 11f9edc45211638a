// Benchmarks of the geometry core: the vertex-cache optimiser (beside meshoptimizer when
// it is installed), welding and the smallest enclosing sphere.

#include "core/SmallestEnclosingSphere.h"
#include "core/TriangleSetBuilder.h"
#include "core/VertexCacheOptimizer.h"
#include "tests/core/TestMeshes.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <random>
#include <vector>

#ifdef ORVEX_HAVE_MESHOPT
#include <meshoptimizer.h>
#endif

namespace {

struct GridMesh {
    std::vector<uint32_t> indices;
    uint32_t numVertices = 0;
};

// A grid of about `triangles` triangles, twice as wide as high (1,000,000: 1000 x 500
// quads), in row order or with its triangles shuffled.
GridMesh makeGrid(int64_t triangles, bool shuffled) {
    const auto rows = uint32_t(std::lround(std::sqrt(double(triangles) / 4.0)));
    const uint32_t columns = 2 * rows;
    GridMesh mesh;
    mesh.indices = testmeshes::grid(columns, rows);
    if (shuffled) {
        mesh.indices = testmeshes::shuffledTriangles(mesh.indices, 12345);
    }
    mesh.numVertices = testmeshes::gridVertexCount(columns, rows);
    return mesh;
}

// Average cache misses per triangle of a 64-entry least-recently-used cache.
double acmr(const std::vector<uint32_t>& indices) {
    std::vector<uint32_t> cache;
    size_t misses = 0;
    for (uint32_t v : indices) {
        auto hit = std::find(cache.begin(), cache.end(), v);
        if (hit != cache.end()) {
            cache.erase(hit);
        } else {
            ++misses;
            if (cache.size() == 64) {
                cache.pop_back();
            }
        }
        cache.insert(cache.begin(), v);
    }
    return double(misses) / double(indices.size() / 3);
}

void reportMesh(benchmark::State& state, const GridMesh& mesh, const std::vector<uint32_t>& output) {
    state.counters["triangles"] = double(mesh.indices.size() / 3);
    state.counters["ACMR_in"] = acmr(mesh.indices);
    state.counters["ACMR_out"] = acmr(output);
}

// Times optimize(indices, vertexCount, output) on a grid of state.range(0) triangles.
template <class Optimize> void optimizeGrid(benchmark::State& state, bool shuffled, Optimize optimize) {
    const GridMesh mesh = makeGrid(state.range(0), shuffled);
    std::vector<uint32_t> output(mesh.indices.size());
    for (auto _ : state) {
        optimize(mesh.indices, mesh.numVertices, output);
        benchmark::DoNotOptimize(output.data());
    }
    reportMesh(state, mesh, output);
}

void ours(const std::vector<uint32_t>& indices, uint32_t vertices, std::vector<uint32_t>& output) {
    reorderForVertexCache(uint32_t(indices.size() / 3), 0, vertices, indices.data(), output.data());
}

void BM_OptimizeGrid(benchmark::State& state) {
    optimizeGrid(state, false, ours);
}
void BM_OptimizeShuffledGrid(benchmark::State& state) {
    optimizeGrid(state, true, ours);
}
BENCHMARK(BM_OptimizeGrid)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OptimizeShuffledGrid)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

#ifdef ORVEX_HAVE_MESHOPT
void meshopt(const std::vector<uint32_t>& indices, uint32_t vertices, std::vector<uint32_t>& output) {
    meshopt_optimizeVertexCache(output.data(), indices.data(), indices.size(), vertices);
}

void BM_MeshoptOptimizeGrid(benchmark::State& state) {
    optimizeGrid(state, false, meshopt);
}
void BM_MeshoptOptimizeShuffledGrid(benchmark::State& state) {
    optimizeGrid(state, true, meshopt);
}
BENCHMARK(BM_MeshoptOptimizeGrid)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MeshoptOptimizeShuffledGrid)
    ->Arg(10000)
    ->Arg(100000)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond);

// Ours and meshoptimizer in turn on the same buffers, each iteration timing one call of each,
// so that both meet the same state of the process's memory. Both allocate their work memory
// inside the call, and whether it comes as fresh pages (a page fault per 4 KB) or as memory
// freed before depends on what the process did earlier: in separate benchmarks, or separate
// programs, one of the two may get reused memory and the other fresh pages. Reports the
// median of each and their ratio.
void BM_OptimizeGridInTurnWithMeshopt(benchmark::State& state) {
    const GridMesh mesh = makeGrid(state.range(0), false);
    std::vector<uint32_t> output(mesh.indices.size());
    std::vector<double> times[2];
    for (auto _ : state) {
        for (int which = 0; which < 2; ++which) {
            const auto start = std::chrono::steady_clock::now();
            (which == 0 ? ours : meshopt)(mesh.indices, mesh.numVertices, output);
            benchmark::DoNotOptimize(output.data());
            times[which].push_back(
                std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        }
    }
    for (std::vector<double>& t : times) {
        std::sort(t.begin(), t.end());
    }
    const double oursMs = 1e3 * times[0][times[0].size() / 2];
    const double meshoptMs = 1e3 * times[1][times[1].size() / 2];
    state.counters["ours_ms"] = oursMs;
    state.counters["meshopt_ms"] = meshoptMs;
    state.counters["ratio"] = oursMs / meshoptMs;
}
BENCHMARK(BM_OptimizeGridInTurnWithMeshopt)->Arg(1000000)->Unit(benchmark::kMillisecond);
#endif

// A builder holding one corner per triangle corner of a grid with normals and UVs, the way
// mesh extraction fills it: corners shared by neighbouring triangles weld together.
TriangleSetBuilder makeGridBuilder(int64_t triangles) {
    const GridMesh mesh = makeGrid(triangles, false);
    const uint32_t columns = 2 * uint32_t(std::lround(std::sqrt(double(triangles) / 4.0)));
    TriangleSetBuilder builder;
    builder.reserveTriangles(uint32_t(mesh.indices.size() / 3));
    builder.reserveCorners(mesh.indices.size(), VertexNormals | VertexUv0);
    for (size_t corner = 0; corner < mesh.indices.size(); ++corner) {
        const uint32_t v = mesh.indices[corner];
        BuilderVertex vertex;
        vertex.position[0] = float(v % (columns + 1)) * 0.5f;
        vertex.position[1] = float(v / (columns + 1)) * 0.5f;
        vertex.position[2] = std::sin(vertex.position[0]) * std::cos(vertex.position[1]);
        vertex.normal[2] = 1.0f;
        vertex.uv[0][0] = vertex.position[0] / 100.0f;
        vertex.uv[0][1] = vertex.position[1] / 100.0f;
        builder.addVertex(vertex);
        if (corner % 3 == 2) {
            const auto first = uint32_t(corner - 2);
            // Two materials: the lower and the upper half of the grid.
            const uint32_t material = corner < mesh.indices.size() / 2 ? 0 : 1;
            builder.addTriangle(BuilderTriangle{first, first + 1, first + 2, material});
        }
    }
    builder.setFlags(VertexNormals | VertexUv0);
    return builder;
}

void BM_WeldVertices(benchmark::State& state) {
    // state.range(0) corners: a grid of a third as many triangles.
    for (auto _ : state) {
        state.PauseTiming();
        TriangleSetBuilder builder = makeGridBuilder(state.range(0) / 3);
        state.ResumeTiming();
        builder.weldVertices();
        benchmark::DoNotOptimize(builder.vertices.position.data());
        state.counters["welded_vertices"] = double(builder.vertices.size());
    }
}
BENCHMARK(BM_WeldVertices)->Arg(1000000)->Unit(benchmark::kMillisecond);

void BM_SmallestEnclosingSphere(benchmark::State& state) {
    std::mt19937 random(7);
    std::normal_distribution<float> gauss(0.0f, 10.0f);
    std::vector<float> points(3 * size_t(state.range(0)));
    for (float& coordinate : points) {
        coordinate = gauss(random);
    }
    for (auto _ : state) {
        auto sphere = smallestEnclosingSphere(points.data(), uint32_t(state.range(0)));
        benchmark::DoNotOptimize(sphere->radius);
    }
}
BENCHMARK(BM_SmallestEnclosingSphere)->Arg(1000000)->Unit(benchmark::kMillisecond);

// What the shape export does to one mesh after reading it: weld, build the set, optimise
// and bound it.
void BM_WeldOptimizeSphere(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        TriangleSetBuilder builder = makeGridBuilder(state.range(0));
        state.ResumeTiming();
        builder.weldVertices();
        auto set = builder.createIndexedTriangleSet();
        set->optimize();
        auto sphere = set->boundingSphere();
        benchmark::DoNotOptimize(sphere->radius);
    }
}
BENCHMARK(BM_WeldOptimizeSphere)->Arg(1000000)->Unit(benchmark::kMillisecond);

} // namespace
