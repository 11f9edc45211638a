#include "plugin/OrvexExporter.h"

#include "export/AnimationExporter.h"
#include "export/DynamicsExporter.h"
#include "export/FileExportContext.h"
#include "export/IdTable.h"
#include "export/SceneExporter.h"
#include "export/SceneNodeTable.h"
#include "export/UserAttributeExporter.h"
#include "plugin/DocumentWriter.h"
#include "plugin/ExportPaths.h"
#include "plugin/OutputDirectory.h"
#include "plugin/TextStream.h"
#include "shapes/ShapeExportContext.h"

#include <maya/MGlobal.h>

#include <exception>
#include <vector>

namespace {

// The command's flags, queried in this order.
struct ExportFlags {
    bool verbose, floatEpsilon, shapes, normals, colors, uvs, skinWeights, nurbsCurves, relativePaths, ik,
        lights, cameras, userAttributes, defaultCameras, particleSystems, animation, selection;
    unsigned int fileIndex;
};

ExportFlags readFlags(const MArgList& args) {
    auto has = [&](const char* shortName, const char* longName) {
        return args.flagIndex(shortName, longName) != MArgList::kInvalidArgIndex;
    };
    ExportFlags f;
    f.verbose = has("v", "verbose");
    f.floatEpsilon = has("fe", "floatEpsilon");
    f.shapes = has("shap", "shapes");
    f.normals = has("n", "normals");
    f.colors = has("c", "colors");
    f.uvs = has("uvs", "textureCoords");
    f.skinWeights = has("sw", "skinWeights");
    f.nurbsCurves = has("nc", "nurbscurves");
    f.relativePaths = has("rp", "relativePaths");
    f.ik = has("ik", "ik");
    f.lights = has("l", "lights");
    f.cameras = has("cams", "cameras");
    f.userAttributes = has("ua", "userattributes");
    f.defaultCameras = has("dcams", "defaultcameras");
    f.particleSystems = has("ps", "particlesystems");
    f.animation = has("an", "animation");
    f.selection = has("sel", "selection");
    f.fileIndex = args.flagIndex("f", "file");
    return f;
}

// A relative output path is put behind the working directory; when that
// cannot be read the path stays as it is.
void resolveAgainstWorkingDirectory(std::string& outputPath) {
    if (isAbsolutePath(outputPath)) {
        return;
    }
    std::string directory;
    if (!currentWorkingDirectory(directory)) {
        return;
    }
    MGlobal::displayInfo(MString("CWD: ") + directory.c_str() + "\n");
    for (char& c : directory) {
        if (c == '\\') {
            c = '/';
        }
    }
    if (directory.empty() || directory.back() != '/') {
        directory += '/';
    }
    outputPath = directory + outputPath;
}

std::string sceneNameQuery(bool verbose) {
    MString result;
    MGlobal::executeCommand("file -q -sceneName", result, verbose, false);
    return result.asChar();
}

MStatus runExport(const MArgList& args) {
    const ExportFlags flags = readFlags(args);
    if (flags.fileIndex == MArgList::kInvalidArgIndex || flags.fileIndex + 1 >= args.length()) {
        return MS::kFailure;
    }
    std::string outputPath = args.asString(flags.fileIndex + 1).asChar();
    for (char& c : outputPath) {
        if (c == '$') {
            c = '/';
        }
    }
    resolveAgainstWorkingDirectory(outputPath);
    MGlobal::displayInfo(MString("Export scene to: ") + outputPath.c_str());
    registerOutputDirectoryLoader(outputPath);

    TextStream sceneStream;
    IdTable shapeIds, fileIds, extraFileIds, materialIds, dynamicIds;
    SceneNodeTable sceneNodes;
    std::vector<ShapeBlob> shapeBlobs;

    SceneExporter scene(flags.lights, flags.cameras, flags.defaultCameras, flags.particleSystems,
                        flags.shapes, flags.skinWeights, flags.nurbsCurves, flags.ik, flags.selection,
                        flags.verbose);
    scene.writeScene(fileIds, shapeIds, materialIds, dynamicIds, sceneNodes, sceneStream);

    TextStream dynamicsStream;
    if (flags.particleSystems) {
        DynamicsExporter dynamics(flags.particleSystems, flags.verbose);
        dynamics.writeDynamics(shapeIds, materialIds, dynamicIds, dynamicsStream);
    }

    if (flags.shapes) {
        ShapeExportContext shapeContext(flags.normals, flags.colors, flags.uvs, flags.skinWeights,
                                        flags.nurbsCurves, flags.verbose);
        if (shapeContext.exportShapes(shapeIds, shapeBlobs) != MS::kSuccess) {
            return MS::kFailure; // the blobs are freed with the vector
        }
    }

    const std::string sceneName = sceneNameQuery(flags.verbose);
    FileExportContext fileContext(flags.relativePaths, flags.verbose, flags.floatEpsilon,
                                  directoryOrWhole(sceneName), directoryOrWhole(outputPath));
    TextStream filesAndMaterialsStream;
    if (!fileContext.writeFilesAndMaterials(fileIds, extraFileIds, materialIds, flags.shapes,
                                            filesAndMaterialsStream)) {
        return MS::kFailure;
    }

    TextStream animationStream;
    if (flags.animation) {
        AnimationExporter animation(sceneNodes, flags.verbose);
        if (!animation.writeAnimation(animationStream)) {
            return MS::kFailure;
        }
    }

    TextStream userAttributesStream;
    if (flags.userAttributes) {
        UserAttributeExporter userAttributes(sceneNodes, flags.verbose);
        userAttributes.write(userAttributesStream);
    }

    ExportDocument document;
    document.outputPath = outputPath;
    document.sceneName = sceneName;
    document.filesAndMaterials = filesAndMaterialsStream.take();
    document.dynamics = dynamicsStream.take();
    document.scene = sceneStream.take();
    document.animation = animationStream.take();
    document.userAttributes = userAttributesStream.take();
    document.writeDynamics = flags.particleSystems;
    document.writeAnimation = flags.animation;
    document.writeUserAttributes = flags.userAttributes;
    return writeDocument(document, shapeBlobs);
}

} // namespace

OrvexExporter::~OrvexExporter() = default;

void* OrvexExporter::creator() {
    return new OrvexExporter;
}

MStatus OrvexExporter::doIt(const MArgList& args) {
    // No exception may reach the host: report it and fail the command.
    try {
        return runExport(args);
    } catch (const std::exception& e) {
        MGlobal::displayError(MString("orvexExport: Export failed (") + e.what() + ")");
    } catch (...) {
        MGlobal::displayError("orvexExport: Export failed (unknown error)");
    }
    return MS::kFailure;
}
