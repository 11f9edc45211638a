#pragma once
// Reads a scene written in the host's ASCII scene syntax into a scene.

#include <string>
#include <string_view>

namespace orvex_host {

class Scene;

// Runs the file's statements against `scene` (a new scene that already holds
// the startup nodes). Unknown commands, node types and attributes are kept
// generically or skipped with one notice each; a malformed statement stops the
// read with an error naming the file, the line and what was expected.
bool readSceneText(Scene& scene, std::string_view text, const std::string& fileName, std::string& error);

} // namespace orvex_host
