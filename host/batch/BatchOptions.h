#pragma once
// The command line of orvex-batch: the host API version, the scene, the commands and scripts in
// their order, and the switches.

#include <string>
#include <vector>

namespace orvex_batch {

struct Step {
    bool script = false; // -s FILE rather than -c COMMAND
    std::string text;    // the command, or the script's path
};

struct BatchOptions {
    std::string api; // the version asked for (set the default before parsing)
    std::string scene;
    std::vector<Step> steps;
    bool help = false;
};

// False with `error` for a wrong command line.
bool parseBatchOptions(int argc, char** argv, BatchOptions& options, std::string& error);

} // namespace orvex_batch
