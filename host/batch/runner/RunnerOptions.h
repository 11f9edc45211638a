#pragma once
// The command line of a runner: the scene, the commands and scripts in
// their order, and the switches.

#include <string>
#include <vector>

namespace orvex_batch {

struct Step {
    bool script = false; // -s FILE rather than -c COMMAND
    std::string text;    // the command, or the script's path
};

struct RunnerOptions {
    std::string api; // the version asked for, when given
    std::string scene;
    std::vector<Step> steps;
    bool help = false;
};

// False with `error` for a wrong command line.
bool parseRunnerOptions(int argc, char** argv, RunnerOptions& options, std::string& error);

} // namespace orvex_batch
