#include "session/Project.h"

#include <orvex_host/Session.h>

#include <filesystem>
#include <fstream>
#include <vector>

namespace orvex_host {

namespace {

const char* const kWorkspaceFile = "workspace.mel";

// The folders from the scene's own folder up to the first component of its
// name, nearest first, each ending in '/'. A name without '/' lives in the
// working directory, written as "./".
std::vector<std::string> candidateFolders(std::string name) {
    for (char& c : name) {
        if (c == '\\') {
            c = '/';
        }
    }
    std::vector<std::string> folders;
    size_t slash = name.rfind('/');
    if (slash == std::string::npos) {
        folders.push_back("./");
        return folders;
    }
    for (;;) {
        folders.push_back(name.substr(0, slash + 1));
        if (slash == 0) {
            break;
        }
        size_t up = name.rfind('/', slash - 1);
        if (up == std::string::npos) {
            break;
        }
        slash = up;
    }
    return folders;
}

// The value of the last "workspace -fr "sourceImages" "..."" statement, one
// statement per line as the host writes the file; "sourceimages" when the
// file sets no such rule.
std::string sourceImagesRule(const std::string& workspaceFile) {
    std::string rule = "sourceimages";
    std::ifstream in(workspaceFile, std::ios::binary);
    std::string line;
    while (std::getline(in, line)) {
        std::vector<std::string> words;
        std::string error;
        if (!tokenizeCommand(line, words, error) || words.size() != 4 || words[0] != "workspace") {
            continue;
        }
        if ((words[1] == "-fr" || words[1] == "-fileRule") && words[2] == "sourceImages") {
            rule = words[3];
        }
    }
    return rule;
}

} // namespace

bool findProject(const std::string& sceneName, Project& project) {
    if (sceneName.empty()) {
        return false;
    }
    for (const std::string& folder : candidateFolders(sceneName)) {
        std::error_code ec;
        const std::string file = folder + kWorkspaceFile;
        if (std::filesystem::is_regular_file(file, ec)) {
            project.root = folder;
            project.sourceImages = sourceImagesRule(file);
            return true;
        }
    }
    return false;
}

} // namespace orvex_host
