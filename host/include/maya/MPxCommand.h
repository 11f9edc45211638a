#pragma once
// Base class of commands that a plug-in registers.

#include <maya/MArgList.h>
#include <maya/MStatus.h>

class MPxCommand {
public:
    MPxCommand();
    virtual ~MPxCommand();
    virtual MStatus doIt(const MArgList& args);
    virtual MStatus undoIt();
    virtual MStatus redoIt();
    virtual bool isUndoable() const;
    virtual bool hasSyntax() const;
};
