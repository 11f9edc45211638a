#pragma once
// Session services: messages to the script output, running script commands
// and the active selection.

#include <maya/MStatus.h>
#include <maya/MString.h>

class MSelectionList;
class MStringArray;

class MGlobal {
public:
    static void displayInfo(const MString& text);
    static void displayWarning(const MString& text);
    static void displayError(const MString& text);

    static MStatus executeCommand(const MString& command, bool displayEnabled = false,
                                  bool undoEnabled = false);
    static MStatus executeCommand(const MString& command, MString& result, bool displayEnabled = false,
                                  bool undoEnabled = false);
    static MStatus executeCommand(const MString& command, int& result, bool displayEnabled = false,
                                  bool undoEnabled = false);

    static MStatus getActiveSelectionList(MSelectionList& list, bool orderedSelectionIfAvailable = false);
};
