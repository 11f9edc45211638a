#include "scenefile/SceneReader.h"

namespace orvex_host {

bool readSceneText(Scene&, const std::string& text, const std::string& fileName, std::string& error) {
    if (text.find_first_not_of(" \t\r\n") != std::string::npos) {
        error = fileName + ": scene files cannot be read yet";
        return false;
    }
    return true;
}

} // namespace orvex_host
