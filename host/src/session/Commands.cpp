// Loading plug-ins, opening scenes and running command lines.

#include "api/Access.h"
#include "graph/Scene.h"
#include "scenefile/SceneReader.h"
#include "scenefile/Selection.h"
#include "scenefile/StatementScanner.h"
#include "scenefile/Words.h"
#include "session/SceneFileText.h"
#include "session/SessionState.h"

#include <orvex_host/Session.h>

#include <maya/MArgList.h>
#include <maya/MObject.h>
#include <maya/MPxCommand.h>

#include <dlfcn.h>

#include <algorithm>
#include <filesystem>
#include <string_view>

namespace orvex_host {

// ---- Scenes ------------------------------------------------------------------

namespace {

// The scene name the host reports: the file's path with '/' separators.
std::string sceneNameFor(const std::string& path) {
    std::string name = path;
    for (char& c : name) {
        if (c == '\\') {
            c = '/';
        }
    }
    return name;
}

} // namespace

bool openSceneText(std::string_view text, const std::string& fileName, std::string& error,
                   bool startupNodes) {
    newScene(startupNodes);
    if (!readSceneText(currentScene(), text, fileName.empty() ? std::string("<scene>") : fileName, error)) {
        newScene(startupNodes); // no command runs on a half-read scene
        return false;
    }
    currentScene().settings().sceneName = sceneNameFor(fileName);
    return true;
}

namespace {

// Scenes saved in the host's binary format begin with an IFF group tag;
// other binary data holds NUL bytes early on. Neither is read as text.
bool looksBinary(std::string_view text) {
    if (text.compare(0, 4, "FOR4") == 0 || text.compare(0, 4, "FOR8") == 0) {
        return true;
    }
    return text.substr(0, 4096).find('\0') != std::string_view::npos;
}

} // namespace

bool openScene(const std::string& path, std::string& error) {
    SceneFileText file;
    if (!file.open(path, error)) {
        newScene(true);
        return false;
    }
    const std::string_view text = file.text();
    if (looksBinary(text)) {
        newScene(true);
        error = path + ": not a scene file in the host's ASCII syntax (a binary file)";
        return false;
    }
    if (!openSceneText(text, path, error, true)) {
        return false;
    }
    // The host reports a scene opened from a file by its full path, however
    // the file was named when it was opened; messages above keep the name
    // as given.
    std::error_code ec;
    std::filesystem::path full = std::filesystem::absolute(path, ec);
    if (!ec) {
        setSceneName(sceneNameFor(full.lexically_normal().generic_string()));
    }
    return true;
}

// ---- Plug-ins ----------------------------------------------------------------

struct Plugin::Impl {
    void* handle = nullptr;
    MStatus (*initializePlugin)(MObject) = nullptr;
    MStatus (*uninitializePlugin)(MObject) = nullptr;
    const char* apiVersion = nullptr;
    PluginInfo info;
};

std::unique_ptr<Plugin> Plugin::load(const std::string& path, std::string& error) {
    void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        const char* why = dlerror();
        error = "cannot load plug-in " + path + ": " + (why ? why : "unknown error");
        return nullptr;
    }
    std::unique_ptr<Plugin> plugin(new Plugin);
    plugin->impl_ = std::make_unique<Impl>();
    Impl& impl = *plugin->impl_;
    impl.handle = handle;
    impl.initializePlugin = reinterpret_cast<MStatus (*)(MObject)>(dlsym(handle, "initializePlugin"));
    impl.uninitializePlugin = reinterpret_cast<MStatus (*)(MObject)>(dlsym(handle, "uninitializePlugin"));
    impl.apiVersion = static_cast<const char*>(dlsym(handle, "MApiVersion"));
    if (!impl.initializePlugin || !impl.uninitializePlugin || !impl.apiVersion) {
        error = "plug-in " + path + " lacks initializePlugin, uninitializePlugin or MApiVersion";
        return nullptr;
    }
    return plugin;
}

Plugin::~Plugin() {
    if (impl_ && impl_->handle) {
        dlclose(impl_->handle);
    }
}

MStatus Plugin::initialize() {
    MStatus status = impl_->initializePlugin(MObject());
    impl_->info = lastPluginInfo();
    return status;
}

MStatus Plugin::uninitialize() {
    return impl_->uninitializePlugin(MObject());
}

std::string Plugin::apiVersion() const {
    return impl_->apiVersion;
}
std::string Plugin::vendor() const {
    return impl_->info.vendor;
}
std::string Plugin::version() const {
    return impl_->info.version;
}
std::string Plugin::requiredApiVersion() const {
    return impl_->info.requiredApiVersion;
}

// ---- Command lines -----------------------------------------------------------

namespace {

MStatus runSelect(const std::vector<Word>& words) {
    Scene& scene = currentScene();
    std::vector<std::string> texts;
    for (size_t i = 1; i < words.size(); ++i) {
        texts.push_back(words[i].quoted ? "\"" : words[i].text); // a quoted word is never a flag
    }
    SelectArgs args = parseSelectArgs(texts);
    std::vector<std::pair<Node*, std::string>> named;
    for (size_t i : args.names) {
        const std::string& name = words[i + 1].text;
        Node* node = scene.find(name);
        if (!node) {
            logMessage(MessageKind::Error, "No object matches name: " + name);
            return MS::kFailure;
        }
        named.emplace_back(node, name);
    }
    applySelection(scene, args, named);
    return MS::kSuccess;
}

MStatus runStatement(const std::vector<Word>& words) {
    const std::string& name = words.front().text;
    if (name == "select") {
        return runSelect(words);
    }
    auto it = commandTable().find(name);
    if (it == commandTable().end()) {
        logMessage(MessageKind::Error, "Cannot find procedure \"" + name + "\".");
        return MS::kFailure;
    }
    MArgList args;
    for (size_t i = 1; i < words.size(); ++i) {
        args.addArg(MString(words[i].text));
    }
    std::unique_ptr<MPxCommand> command(static_cast<MPxCommand*>(it->second.creator()));
    return command->doIt(args);
}

// Calls `each` with the words of every statement of the text in order and
// stops at the first that fails. Malformed text fails with `error` saying
// where ("WHERE:LINE: ...").
template <class Each>
MStatus forEachStatement(const std::string& text, const std::string& where, std::string& error, Each each) {
    StatementScanner scanner(text.data(), text.data() + text.size(), false);
    MStatus status;
    std::string expected;
    const char* at = nullptr;
    auto r = forEachStatementText(scanner, expected, at, [&](const StatementText& statement) {
        std::string copy;
        ValueCursor cursor = statementCursor(statement, copy);
        std::vector<Word> words = readWords(cursor);
        status = words.empty() ? MStatus(MS::kSuccess) : each(words);
        return static_cast<bool>(status);
    });
    if (r == StatementScanner::Result::Error) {
        LineCounter lines(text.data());
        error = where + ":" + std::to_string(lines.lineAt(at)) + ": " + expected;
        return MS::kFailure;
    }
    return status;
}

// Runs the statements; a malformed text is reported as an error message.
MStatus runStatements(const std::string& text, const std::string& where) {
    std::string error;
    MStatus status = forEachStatement(text, where, error, runStatement);
    if (!error.empty()) {
        logMessage(MessageKind::Error, error);
    }
    return status;
}

} // namespace

bool tokenizeCommand(const std::string& line, std::vector<std::string>& tokens, std::string& error) {
    tokens.clear();
    return forEachStatement(line, "command", error, [&](const std::vector<Word>& words) {
        for (const Word& w : words) {
            tokens.push_back(w.text);
        }
        return MStatus(MS::kSuccess);
    });
}

MStatus runCommand(const std::string& line) {
    return runStatements(line, "command");
}

MStatus runScript(const std::string& text, const std::string& sourceName) {
    return runStatements(text, sourceName);
}

} // namespace orvex_host
