#include "BatchOptions.h"

#include "BatchUsage.h"

#include <cstring>

namespace orvex_batch {

bool parseBatchOptions(int argc, char** argv, BatchOptions& options, std::string& error) {
    if (!findApiOption(argc, argv, options.api, error)) {
        return false;
    }
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            options.help = true;
        } else if (arg == "--api") {
            ++i; // checked by findApiOption
        } else if (arg.rfind("--api=", 0) == 0) {
            continue;
        } else if (arg == "-c" || arg == "-s") {
            if (i + 1 >= argc) {
                error = arg + (arg == "-c" ? " needs a command" : " needs a script file");
                return false;
            }
            options.steps.push_back({arg == "-s", argv[++i]});
        } else if (arg.size() > 1 && arg[0] == '-') {
            error = "unknown option " + arg;
            return false;
        } else if (!options.scene.empty()) {
            error = "more than one scene given (\"" + options.scene + "\" and \"" + arg + "\")";
            return false;
        } else {
            options.scene = arg;
        }
    }
    return true;
}

} // namespace orvex_batch
