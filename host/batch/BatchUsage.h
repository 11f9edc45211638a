#pragma once
// The exit codes and usage text of orvex-batch, its --api option and
// where the program lies.

#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace orvex_batch {

const int kSuccess = 0;
const int kFailure = 1;    // the scene could not be read or a command failed
const int kUsageError = 2; // the command line is wrong

const char* const kUsageLine =
    "Usage: orvex-batch [--api 2010|2011|2012|2013|2014] [SCENE.ma] [-c COMMAND]... [-s SCRIPT]...\n";

const char* const kHelp =
    "Loads the plug-in build OrvexExporter<api>-x64.mll of the given host API version (2014 when none is\n"
    "given) from this program's folder and calls its initializePlugin; opens SCENE.ma (an untitled scene\n"
    "with the host's startup nodes when none is given); runs each -c COMMAND and each -s SCRIPT file (its\n"
    "statements end with ';') in the order given, parsed as the host's script language parses them (words,\n"
    "\"quoted strings\", flags), e.g. OrvexExporter with its flags and select; prints the host's messages "
    "as\n"
    "its script editor shows them (\"// Warning: \", \"// Error: \"); stops at the first command that "
    "fails;\n"
    "and calls uninitializePlugin.\n"
    "Exit status: 0 when the scene was read and every command succeeded, 1 otherwise, 2 for a wrong command\n"
    "line.\n"
    "Example: orvex-batch examples/level.ma -c 'OrvexExporter -shap -n -uvs -f \"out/level.xml\"'\n";

inline void printHelp() {
    std::printf("%s\n%s", kUsageLine, kHelp);
}

// Whether --help or -h stands among the options (not as the argument of -c
// or -s).
inline bool helpWanted(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "-c") == 0 || std::strcmp(argv[i], "-s") == 0) {
            ++i;
        } else if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            return true;
        }
    }
    return false;
}

inline bool knownApi(const std::string& api) {
    return api == "2010" || api == "2011" || api == "2012" || api == "2013" || api == "2014";
}

// Finds "--api V" or "--api=V" among the arguments (the last one counts);
// false with `error` when its value is missing or no known version.
inline bool findApiOption(int argc, char** argv, std::string& api, std::string& error) {
    for (int i = 1; i < argc; ++i) {
        const char* value = nullptr;
        if (std::strcmp(argv[i], "--api") == 0) {
            if (i + 1 >= argc) {
                error = "--api needs a host API version";
                return false;
            }
            value = argv[++i];
        } else if (std::strncmp(argv[i], "--api=", 6) == 0) {
            value = argv[i] + 6;
        } else if (std::strcmp(argv[i], "-c") == 0 || std::strcmp(argv[i], "-s") == 0) {
            ++i; // a command or script name is never an option
            continue;
        } else {
            continue;
        }
        if (!knownApi(value)) {
            error =
                std::string("unknown host API version \"") + value + "\" (2010, 2011, 2012, 2013 or 2014)";
            return false;
        }
        api = value;
    }
    return true;
}

// The folder of the running program (the plug-in builds lie beside
// it).
inline std::string ownFolder() {
    std::vector<char> buffer(4096);
    ssize_t n = readlink("/proc/self/exe", buffer.data(), buffer.size() - 1);
    std::string path = n > 0 ? std::string(buffer.data(), static_cast<size_t>(n)) : std::string();
    size_t slash = path.rfind('/');
    return slash == std::string::npos ? "." : path.substr(0, slash);
}

} // namespace orvex_batch
