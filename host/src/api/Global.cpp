// MGlobal and MFnPlugin.

#include "api/Access.h"
#include "session/GeometryQueries.h"
#include "session/SessionState.h"

#include <orvex_host/Session.h>

#include <maya/MFnPlugin.h>
#include <maya/MGlobal.h>
#include <maya/MSelectionList.h>

using namespace orvex_host;

void MGlobal::displayInfo(const MString& text) {
    logMessage(MessageKind::Info, text.str());
}

void MGlobal::displayWarning(const MString& text) {
    logMessage(MessageKind::Warning, text.str());
}

void MGlobal::displayError(const MString& text) {
    logMessage(MessageKind::Error, text.str());
}

MStatus MGlobal::executeCommand(const MString& command, MString& result, bool displayEnabled, bool) {
    const std::string& text = command.str();
    std::string answer;
    if (faultActive("executeCommand:" + text) || !answerScriptQuery(text, answer)) {
        if (displayEnabled) {
            logMessage(MessageKind::Echo, text);
        }
        return MS::kFailure;
    }
    result = MString(answer);
    if (displayEnabled) {
        // The script output echoes the command and then its result.
        logMessage(MessageKind::Echo, text);
        logMessage(MessageKind::Echo, "// Result: " + answer + " //");
    }
    return MS::kSuccess;
}

MStatus MGlobal::executeCommand(const MString& command, bool displayEnabled, bool undoEnabled) {
    MString ignored;
    return executeCommand(command, ignored, displayEnabled, undoEnabled);
}

MStatus MGlobal::executeCommand(const MString& command, int& result, bool displayEnabled, bool undoEnabled) {
    MString text;
    MStatus status = executeCommand(command, text, displayEnabled, undoEnabled);
    if (status) {
        result = std::atoi(text.asChar());
    }
    return status;
}

MStatus MGlobal::getActiveSelectionList(MSelectionList& list, bool) {
    list.clear();
    for (const SelectionItem& item : currentScene().selection()) {
        if (!item.path.empty()) {
            list.add(ObjectAccess::path(item.path));
        } else {
            list.add(ObjectAccess::fromNode(item.node));
        }
    }
    return MS::kSuccess;
}

MFnPlugin::MFnPlugin(MObject&, const char* vendor, const char* version, const char* requiredApiVersion,
                     MStatus* status)
    : vendor_(vendor), version_(version), requiredApiVersion_(requiredApiVersion) {
    lastPluginInfo() = {vendor_.str(), version_.str(), requiredApiVersion_.str()};
    if (status) {
        *status = MS::kSuccess;
    }
}

MStatus MFnPlugin::registerCommand(const MString& commandName, MCreatorFunction creatorFunction,
                                   MCreateSyntaxFunction) {
    if (queryFaulted("registerCommand") || !creatorFunction || commandName.length() == 0 ||
        isCommandRegistered(commandName.str())) {
        return MS::kFailure;
    }
    commandTable()[commandName.str()] = {creatorFunction};
    return MS::kSuccess;
}

MStatus MFnPlugin::deregisterCommand(const MString& commandName) {
    if (queryFaulted("deregisterCommand") || !isCommandRegistered(commandName.str())) {
        return MS::kFailure;
    }
    commandTable().erase(commandName.str());
    return MS::kSuccess;
}

MString MFnPlugin::vendor(MStatus*) const {
    return vendor_;
}
MString MFnPlugin::version(MStatus*) const {
    return version_;
}
MString MFnPlugin::apiVersion(MStatus*) const {
    return requiredApiVersion_;
}
