#pragma once
// The host's own services for the batch program and for tests: the scene,
// the message log, loading a plug-in and running commands, and switches that
// make host calls fail. Plug-in code never includes this header.

#include <maya/MStatus.h>

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace orvex_host {

class Scene;

// ---- Messages -------------------------------------------------------------

enum class MessageKind {
    Info,    // MGlobal::displayInfo
    Warning, // MGlobal::displayWarning
    Error,   // MGlobal::displayError
    Perror,  // MStatus::perror
    Echo,    // a script command run with display on, and its result
    Notice,  // the host's own notes (for example about skipped scene-file content)
};

struct Message {
    MessageKind kind;
    std::string text; // exactly as given, nothing added
};

const std::vector<Message>& messages();
void clearMessages();
void logMessage(MessageKind kind, const std::string& text);
// The message as the host's script output shows it ("// Warning: ...").
std::string formatMessage(const Message& message);
// When set, every message is also printed to the terminal as it arrives.
void setEchoMessages(bool on);

// ---- Scene ----------------------------------------------------------------

// Replaces the current scene by a new one (untitled). With `startupNodes`
// it holds what a new host scene holds: the four startup cameras, lambert1,
// initialShadingGroup and the default DG nodes.
void newScene(bool startupNodes = true);
// Reads a scene file (the host's ASCII scene syntax) into a new scene. On
// failure the current scene is an untitled new one and `error` names the
// file, the line and what was expected.
bool openScene(const std::string& path, std::string& error);
// The same from text; `fileName` names the source in messages and becomes
// the scene's name (empty: untitled).
bool openSceneText(std::string_view text, const std::string& fileName, std::string& error,
                   bool startupNodes = true);
Scene& currentScene();
// The scene name the host reports ("file -q -sceneName"); empty when untitled.
void setSceneName(const std::string& name);

// ---- Plug-ins and commands -------------------------------------------------

class Plugin {
public:
    // Loads a plug-in library; null with `error` set when it cannot be loaded
    // or lacks its entry points.
    static std::unique_ptr<Plugin> load(const std::string& path, std::string& error);
    ~Plugin();
    Plugin(const Plugin&) = delete;
    Plugin& operator=(const Plugin&) = delete;

    MStatus initialize();           // initializePlugin
    MStatus uninitialize();         // uninitializePlugin
    std::string apiVersion() const; // the library's MApiVersion text
    // What initializePlugin gave its MFnPlugin.
    std::string vendor() const;
    std::string version() const;
    std::string requiredApiVersion() const;

private:
    Plugin() = default;
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

// Splits a command line as the host's script language does: words, double-
// quoted strings with backslash escapes, an optional closing ';'.
bool tokenizeCommand(const std::string& line, std::vector<std::string>& tokens, std::string& error);
// Runs one command line: a command a plug-in registered, or one of the
// host's own ("select"). Unknown commands fail with an error message.
MStatus runCommand(const std::string& line);
// Runs the statements of a script in order (';' ends a statement, "//"
// starts a comment) and stops at the first that fails; `sourceName` names
// the script in messages ("FILE:LINE: ...").
MStatus runScript(const std::string& text, const std::string& sourceName);
bool isCommandRegistered(const std::string& name);

// ---- Host version -----------------------------------------------------------

// The host API versions this host can answer as. It numbers MFn::Type as the
// version it answers as does, and follows that version's behaviour where
// versions differ, so a plug-in must be built for the same version.
constexpr int kFirstApiVersion = 2010;
constexpr int kLastApiVersion = 2014;
constexpr int kDefaultApiVersion = 2014;
// False, changing nothing, for a version outside the range.
bool setApiVersion(int version);
int apiVersion();

// ---- Fault switches --------------------------------------------------------
// Names: "registerCommand", "deregisterCommand" (and "throw:registerCommand",
// "throw:deregisterCommand", which make the call throw std::bad_alloc),
// "MItDag", "MItDependencyNodes" (every filter) or "MItDependencyNodes:<kind name>" (one filter),
// "MItDependencyGraph", "executeCommand:<command text>", the geometry
// queries "MItMeshPolygon", "MItGeometry", "MFnNurbsCurve" (attaching the
// set), "getPoints", "getNormals", "getUVSetNames", "getConnectedShaders",
// "getFaceVertexColors", "getColors", "numTriangles", "getTriangle", "getColorIndex",
// "getCVs", "indexForOutputShape", "getWeights" (and "throw:<one of these>",
// which makes the query throw std::bad_alloc, as running out of memory
// would), and those that other host parts document beside their calls.

void setFault(const std::string& name, bool on = true);
bool faultActive(const std::string& name);
bool anyFaultActive();
void clearFaults();

// ---- Watching geometry queries (tests) ---------------------------------------
// Called with the query's name (as in the fault list) each time the host
// answers one of the whole-shape queries "getPoints", "getNormals",
// "getUVSetNames", "getConnectedShaders", "getFaceVertexColors", "getColors",
// "getCVs" and "getWeights"; an empty function stops the calls.

void setGeometryQueryObserver(std::function<void(const std::string& query)> observer);

} // namespace orvex_host
