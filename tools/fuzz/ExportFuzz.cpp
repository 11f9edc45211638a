// Export fuzzing: damages scene files the way the reader's fuzz tests do,
// puts hostile values into the attributes the exporter writes, exports each
// scene with every section switched on, and counts crashes, documents that
// libxml2 rejects and side files that do not parse back. Scenes run in
// worker processes, a thousand to a process, so a crash is counted and the
// run goes on with the next scene. Not part of the test suite: run it by
// hand (see the README).

#include "Worker.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using namespace orvex_fuzz;

namespace {

struct Options {
    uint64_t scenes = 100000;
    uint32_t seed = 1;
    int jobs = 4;
    uint64_t perWorker = 1000;
    std::string keep = "fuzz-findings";
    std::vector<std::string> seedFiles;
};

const char kUsage[] =
    "usage: orvex-export-fuzz [--scenes N] [--seed S] [--jobs J] [--keep DIR] [SEED.ma]...\n"
    "Exports N damaged copies of the seed scenes (default: the bundled example) with every\n"
    "section switched on, J worker processes at a time, and counts crashes, documents that\n"
    "libxml2 rejects and side files that do not parse back. Scenes that show a fault are\n"
    "written to DIR (default fuzz-findings). Exits 0 only when there is none.\n";

bool parseOptions(int argc, char** argv, Options& options) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--scenes" && hasValue) {
            options.scenes = std::strtoull(argv[++i], nullptr, 10);
        } else if (arg == "--seed" && hasValue) {
            options.seed = static_cast<uint32_t>(std::strtoul(argv[++i], nullptr, 10));
        } else if (arg == "--jobs" && hasValue) {
            options.jobs = std::max(1, std::atoi(argv[++i]));
        } else if (arg == "--keep" && hasValue) {
            options.keep = argv[++i];
        } else if (!arg.empty() && arg[0] != '-') {
            options.seedFiles.push_back(arg);
        } else {
            return false;
        }
    }
    if (options.seedFiles.empty()) {
        options.seedFiles.push_back(std::string(ORVEX_SOURCE_DIR) + "/examples/level.ma");
    }
    return true;
}

bool loadSeeds(const Options& options, std::vector<SeedScene>& seeds) {
    for (const std::string& path : options.seedFiles) {
        std::ifstream in(path, std::ios::binary);
        if (!in) {
            std::cerr << "cannot read " << path << "\n";
            return false;
        }
        seeds.push_back({fs::absolute(path).string(),
                         std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>())});
    }
    return true;
}

// The counts of a run, by outcome and by kind of fault.
struct Tally {
    std::map<std::string, uint64_t> outcomes;
    std::map<std::string, uint64_t> faults; // "outcome: kind"
    std::map<std::string, uint64_t> kept;   // findings written per outcome

    void add(const std::string& outcome, const std::string& kind) {
        ++outcomes[outcome];
        if (!kind.empty()) {
            ++faults[outcome + ": " + kind];
        }
    }
    uint64_t count(const std::string& outcome) const {
        const auto it = outcomes.find(outcome);
        return it == outcomes.end() ? 0 : it->second;
    }
};

class Run {
public:
    Run(Options options, std::vector<SeedScene> seeds, std::string workDirectory)
        : options_(std::move(options)), seeds_(std::move(seeds)), work_(std::move(workDirectory)) {}

    void all() {
        uint64_t next = 0;
        std::map<pid_t, WorkerJob> running;
        while (next < options_.scenes || !running.empty()) {
            while (next < options_.scenes && static_cast<int>(running.size()) < options_.jobs) {
                const uint64_t end = std::min(options_.scenes, next + options_.perWorker);
                start(next, end, running);
                next = end;
            }
            int status = 0;
            const pid_t done = ::wait(&status);
            const auto it = running.find(done);
            if (it == running.end()) {
                continue;
            }
            const WorkerJob job = it->second;
            running.erase(it);
            collect(job, status, running);
        }
    }

    const Tally& tally() const { return tally_; }

private:
    void start(uint64_t first, uint64_t end, std::map<pid_t, WorkerJob>& running) {
        WorkerJob job;
        job.seeds = seeds_;
        job.runSeed = options_.seed;
        job.first = first;
        job.end = end;
        job.outputDirectory = work_ + "/w" + std::to_string(first);
        job.logPath = job.outputDirectory + ".log";
        fs::create_directories(job.outputDirectory);
        std::cout.flush();
        const pid_t pid = ::fork();
        if (pid == 0) {
            std::_Exit(runWorker(job));
        }
        running.emplace(pid, job);
    }

    // Reads a finished worker's log; a scene started and not finished
    // crashed it, and the scenes after it go to a new worker.
    void collect(const WorkerJob& job, int status, std::map<pid_t, WorkerJob>& running) {
        std::ifstream log(job.logPath);
        std::string line;
        uint64_t started = job.first;
        bool open = false;
        while (std::getline(log, line)) {
            std::istringstream words(line);
            std::string tag, outcome;
            uint64_t index = 0;
            words >> tag >> index;
            if (tag == "S") {
                started = index;
                open = true;
                continue;
            }
            words >> outcome;
            std::string kind;
            std::getline(words, kind);
            kind.erase(0, kind.find_first_not_of(' '));
            tally_.add(outcome, kind);
            if (outcome == "baddocument" || outcome == "badside") {
                keep(index, outcome);
            }
            open = false;
        }
        fs::remove(job.logPath);
        std::error_code ignored;
        fs::remove_all(job.outputDirectory, ignored);
        const bool clean = WIFEXITED(status) && WEXITSTATUS(status) == 0;
        if (clean && !open) {
            return;
        }
        if (!open) {
            std::cerr << "worker for scenes " << job.first << "-" << job.end << " stopped before it began\n";
            std::exit(2);
        }
        tally_.add("crash", "");
        keep(started, "crash");
        if (started + 1 < job.end) {
            start(started + 1, job.end, running);
        }
    }

    // Writes a scene that showed a fault (the first few of each outcome).
    void keep(uint64_t index, const std::string& outcome) {
        if (tally_.kept[outcome]++ >= 20) {
            return;
        }
        fs::create_directories(options_.keep);
        size_t seed = 0;
        const std::string text = damagedScene(seeds_, options_.seed, index, seed);
        std::ofstream(options_.keep + "/" + outcome + "-" + std::to_string(index) + ".ma", std::ios::binary)
            << text;
    }

    Options options_;
    std::vector<SeedScene> seeds_;
    std::string work_;
    Tally tally_;
};

void report(const Options& options, const Tally& tally) {
    std::cout << "damaged scenes:                " << options.scenes << " (seed " << options.seed << ")\n"
              << "  not readable (refused):      " << tally.count("unreadable") << "\n"
              << "  export failed (reported):    " << tally.count("failed") << "\n"
              << "  exported:                    "
              << tally.count("exported") + tally.count("baddocument") + tally.count("badside") << "\n"
              << "crashes:                       " << tally.count("crash") << "\n"
              << "documents libxml2 rejects:     " << tally.count("baddocument") << "\n"
              << "side files that do not parse:  " << tally.count("badside") << "\n";
    for (const auto& [kind, count] : tally.faults) {
        std::cout << "  " << count << " x " << kind << "\n";
    }
}

} // namespace

int main(int argc, char** argv) {
    Options options;
    if (!parseOptions(argc, argv, options)) {
        std::cerr << kUsage;
        return 2;
    }
    std::vector<SeedScene> seeds;
    if (!loadSeeds(options, seeds)) {
        return 2;
    }
    std::string pattern = (fs::temp_directory_path() / "orvex-fuzz-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) {
        std::cerr << "cannot make a work folder\n";
        return 2;
    }
    Run run(options, seeds, pattern);
    run.all();
    std::error_code ignored;
    fs::remove_all(pattern, ignored);
    report(options, run.tally());
    const Tally& tally = run.tally();
    return tally.count("crash") + tally.count("baddocument") + tally.count("badside") == 0 ? 0 : 1;
}
