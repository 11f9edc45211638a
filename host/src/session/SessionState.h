#pragma once
// State of the host session that the API classes share.

#include <maya/MFnPlugin.h>

#include <map>
#include <string>

namespace orvex_host {

struct RegisteredCommand {
    MCreatorFunction creator = nullptr;
};

// Commands registered by plug-ins, by name.
std::map<std::string, RegisteredCommand>& commandTable();

// What the last MFnPlugin constructed in initializePlugin was given.
struct PluginInfo {
    std::string vendor, version, requiredApiVersion;
};
PluginInfo& lastPluginInfo();

// Answers the script queries the exporter runs through
// MGlobal::executeCommand; false for any other command text.
bool answerScriptQuery(const std::string& command, std::string& result);

} // namespace orvex_host
