#pragma once
// Function set on the plug-in object: registers what the plug-in provides.

#include <maya/MFnBase.h>
#include <maya/MString.h>
#include <maya/MSyntax.h>

typedef void* (*MCreatorFunction)();
typedef MSyntax (*MCreateSyntaxFunction)();

class MFnPlugin : public MFnBase {
public:
    MFnPlugin() = default;
    MFnPlugin(MObject& object, const char* vendor = "Unknown", const char* version = "Unknown",
              const char* requiredApiVersion = "Any", MStatus* status = NULL);

    MStatus registerCommand(const MString& commandName, MCreatorFunction creatorFunction,
                            MCreateSyntaxFunction createSyntaxFunction = NULL);
    MStatus deregisterCommand(const MString& commandName);

    MString vendor(MStatus* status = NULL) const;
    MString version(MStatus* status = NULL) const;
    MString apiVersion(MStatus* status = NULL) const;

private:
    MString vendor_, version_, requiredApiVersion_;
};
