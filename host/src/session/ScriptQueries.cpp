// The script commands the exporter runs through MGlobal::executeCommand.
// Only these exact texts are answered; any other text fails, which catches
// a misspelt query at once.

#include "graph/Scene.h"
#include "session/SessionState.h"

#include <orvex_host/Session.h>

namespace orvex_host {

bool answerScriptQuery(const std::string& command, std::string& result) {
    if (command == "file -q -sceneName") {
        result = currentScene().settings().sceneName;
        return true;
    }
    return false;
}

} // namespace orvex_host
