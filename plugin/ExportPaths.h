#pragma once
// Path helpers of the export command.

#include <string>

// The document's name taken from the scene file's path: the text after the
// last '/' up to its last '.', e.g. "level1" for "D:/maya/scenes/level1.mb".
std::string sceneBaseName(const std::string& path);

// Whether the command uses an output path as it stands: it begins with '/'
// or with an ASCII letter and ':'.
bool isAbsolutePath(const std::string& path);

// The text up to and including the last '/'; the whole text without one.
std::string directoryOrWhole(const std::string& path);
