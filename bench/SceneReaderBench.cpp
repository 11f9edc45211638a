// Reading scene files: statement-heavy text (many small nodes) and value-
// heavy text (long number lists), in bytes per second; and statements whose
// cost must stay in proportion to their count (distinct fileInfo keys, one
// select of many names), at three sizes for the fitted complexity.

#include <orvex_host/Session.h>

#include <benchmark/benchmark.h>

#include <string>

namespace {

// Transforms with the setAttr lines real files write for them.
std::string manyNodes(int count) {
    std::string text = "requires maya \"2014\";\ncurrentUnit -l centimeter -a degree -t film;\n";
    for (int i = 0; i < count; ++i) {
        std::string name = "node" + std::to_string(i);
        text += "createNode transform -n \"" + name + "\";\n";
        text += "\taddAttr -ci true -sn \"Orvex_static\" -ln \"Orvex_static\" -min 0 -max 1 -at \"bool\";\n";
        text += "\tsetAttr \".t\" -type \"double3\" 1.2345678901234567 -2.5 3.75 ;\n";
        text += "\tsetAttr \".r\" -type \"double3\" 0 45.000000000000007 -90 ;\n";
        text += "\tsetAttr \".s\" -type \"double3\" 1 1 1.5 ;\n";
        text += "\tsetAttr \".Orvex_static\" yes;\n";
    }
    return text;
}

// Groups whose children share one name, so that files must name them by
// their paths, as they do for the shapes of real scenes.
std::string sharedNames(int count) {
    std::string text;
    for (int i = 0; i < count; ++i) {
        std::string group = "|group" + std::to_string(i);
        text += "createNode transform -n \"group" + std::to_string(i) + "\";\n";
        text += "createNode transform -n \"part\" -p \"" + group + "\";\n";
        text += "\tsetAttr \".t\" -type \"double3\" 1 2 3 ;\n";
        text += "createNode transform -n \"leaf\" -p \"" + group + "|part\";\n";
        text += "connectAttr \"" + group + "|part.tx\" \"" + group + "|part|leaf.ty\";\n";
    }
    return text;
}

// One node holding long number arrays, written as files write them:
// several numbers to a line.
std::string longArrays(int arrays, int valuesPerArray) {
    std::string text = "createNode transform -n \"holder\";\n";
    for (int a = 0; a < arrays; ++a) {
        std::string name = "data" + std::to_string(a);
        text += "\taddAttr -ci true -sn \"" + name + "\" -ln \"" + name + "\" -dt \"doubleArray\";\n";
        text += "\tsetAttr \"." + name + "\" -type \"doubleArray\" " + std::to_string(valuesPerArray);
        for (int v = 0; v < valuesPerArray; ++v) {
            text += v % 9 == 0 ? "\n\t\t" : " ";
            text += std::to_string(v * 0.001 - 250.0);
        }
        text += ";\n";
    }
    return text;
}

// N distinct fileInfo keys, as a header block would hold them.
std::string fileInfoStatements(int count) {
    std::string text;
    for (int i = 0; i < count; ++i) {
        text += "fileInfo \"key" + std::to_string(i) + "\" \"value " + std::to_string(i) + "\";\n";
    }
    return text;
}

// N transforms, then one select statement naming all of them.
std::string selectOfMany(int count) {
    std::string text;
    std::string select = "select -r";
    for (int i = 0; i < count; ++i) {
        const std::string name = "t" + std::to_string(i);
        text += "createNode transform -n \"" + name + "\";\n";
        select += " " + name;
    }
    return text + select + ";\n";
}

void readText(benchmark::State& state, const std::string& text) {
    for (auto _ : state) {
        std::string error;
        bool ok = orvex_host::openSceneText(text, "bench.ma", error, false);
        benchmark::DoNotOptimize(ok);
        if (!ok) {
            state.SkipWithError(error.c_str());
            break;
        }
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(text.size()));
}

void BM_ReadManyNodes(benchmark::State& state) {
    static const std::string text = manyNodes(20000);
    readText(state, text);
}
BENCHMARK(BM_ReadManyNodes)->Unit(benchmark::kMillisecond);

void BM_ReadSharedNames(benchmark::State& state) {
    static const std::string text = sharedNames(5000);
    readText(state, text);
}
BENCHMARK(BM_ReadSharedNames)->Unit(benchmark::kMillisecond);

void BM_ReadLongArrays(benchmark::State& state) {
    static const std::string text = longArrays(20, 100000);
    readText(state, text);
}
BENCHMARK(BM_ReadLongArrays)->Unit(benchmark::kMillisecond);

void scaleArguments(benchmark::internal::Benchmark* b) {
    b->Arg(10000)->Arg(50000)->Arg(150000)->Complexity(benchmark::oN)->Unit(benchmark::kMillisecond);
}

void BM_ReadFileInfoStatements(benchmark::State& state) {
    const std::string text = fileInfoStatements(static_cast<int>(state.range(0)));
    readText(state, text);
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_ReadFileInfoStatements)->Apply(scaleArguments);

// Includes creating the N transforms, which alone is linear.
void BM_ReadSelectOfManyNames(benchmark::State& state) {
    const std::string text = selectOfMany(static_cast<int>(state.range(0)));
    readText(state, text);
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_ReadSelectOfManyNames)->Apply(scaleArguments);

} // namespace
