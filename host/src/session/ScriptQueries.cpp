// The script commands the exporter runs through MGlobal::executeCommand.
// Only these exact texts are answered; any other text fails, which catches
// a misspelt query at once.

#include "graph/Scene.h"
#include "session/Project.h"
#include "session/SessionState.h"

#include <orvex_host/Session.h>

namespace orvex_host {

bool answerScriptQuery(const std::string& command, std::string& result) {
    const std::string& sceneName = currentScene().settings().sceneName;
    if (command == "file -q -sceneName") {
        result = sceneName;
        return true;
    }
    // The workspace queries answer from the scene's project; without one
    // (an untitled scene, or none found above it) they fail.
    Project project;
    if (command == "workspace -expandName \"\"") {
        if (!findProject(sceneName, project)) {
            return false;
        }
        result = project.root;
        return true;
    }
    if (command == "workspace -rte \"sourceImages\"") {
        if (!findProject(sceneName, project)) {
            return false;
        }
        result = project.sourceImages;
        return true;
    }
    return false;
}

} // namespace orvex_host
