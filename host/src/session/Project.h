#pragma once
// The project a scene file belongs to, found as the host application finds
// it: the nearest folder at or above the scene's folder that holds a
// workspace.mel.

#include <string>

namespace orvex_host {

struct Project {
    std::string root;         // the project folder, ending in '/'
    std::string sourceImages; // the "sourceImages" file rule
};

// False for an untitled scene and for a scene outside any project.
bool findProject(const std::string& sceneName, Project& project);

} // namespace orvex_host
