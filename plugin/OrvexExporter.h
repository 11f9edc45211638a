#pragma once
// The export command. It holds no data: every value of a run lives in doIt.

#include <maya/MArgList.h>
#include <maya/MPxCommand.h>
#include <maya/MStatus.h>

class OrvexExporter : public MPxCommand {
public:
    ~OrvexExporter() override;
    MStatus doIt(const MArgList& args) override;

    static void* creator();
};
