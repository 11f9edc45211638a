// The plug-in's entry points and the API version it was built for.

#include "plugin/OrvexExporter.h"

#include <maya/MFnPlugin.h>
#include <maya/MGlobal.h>
#include <maya/MObject.h>
#include <maya/MStatus.h>

#include <exception>

#define ORVEX_STRINGIFY2(x) #x
#define ORVEX_STRINGIFY(x) ORVEX_STRINGIFY2(x)

PLUGIN_EXPORT const char MApiVersion[] = ORVEX_STRINGIFY(MAYA_API_VERSION);

namespace {

const char kCommandName[] = "OrvexExporter";
const char kVendor[] = "Orvex";

// No exception may reach the host: it is reported and the call fails.
MStatus reportException(const char* entryPoint, const std::exception& e) {
    MGlobal::displayError(MString("orvexExport: ") + entryPoint + " failed (" + e.what() + ")");
    return MS::kFailure;
}

} // namespace

PLUGIN_EXPORT MStatus initializePlugin(MObject obj) {
    try {
        MFnPlugin plugin(obj, kVendor, "5.0.4", "Any");
        MStatus status = plugin.registerCommand(kCommandName, OrvexExporter::creator);
        if (!status) {
            status.perror("registerCommand");
        }
        return status;
    } catch (const std::exception& e) {
        return reportException("initializePlugin", e);
    }
}

PLUGIN_EXPORT MStatus uninitializePlugin(MObject obj) {
    try {
        MFnPlugin plugin(obj, "Unknown", "Unknown", "Any");
        MStatus status = plugin.deregisterCommand(kCommandName);
        if (!status) {
            status.perror("deregisterCommand");
        }
        return status;
    } catch (const std::exception& e) {
        return reportException("uninitializePlugin", e);
    }
}
