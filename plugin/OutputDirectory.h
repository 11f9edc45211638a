#pragma once
// The export's side of the file layer: the working directory and the file
// loader registered for the output directory.

#include <string>

// The process's working directory as the runtime reports it; false when it
// cannot be read.
bool currentWorkingDirectory(std::string& directory);

// Registers a file loader for the output path's directory with the
// process-wide registry, before any pass runs.
void registerOutputDirectoryLoader(const std::string& outputPath);
