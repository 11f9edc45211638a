// Loading plug-ins, opening scenes and running command lines.

#include "api/Access.h"
#include "graph/Scene.h"
#include "scenefile/SceneReader.h"
#include "session/SessionState.h"

#include <orvex_host/Session.h>

#include <maya/MArgList.h>
#include <maya/MObject.h>
#include <maya/MPxCommand.h>

#include <dlfcn.h>

#include <fstream>
#include <sstream>

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

bool openSceneText(const std::string& text, const std::string& fileName, std::string& error,
                   bool startupNodes) {
    newScene(startupNodes);
    if (!readSceneText(currentScene(), text, fileName.empty() ? std::string("<scene>") : fileName, error)) {
        newScene(startupNodes); // no command runs on a half-read scene
        return false;
    }
    currentScene().settings().sceneName = sceneNameFor(fileName);
    return true;
}

bool openScene(const std::string& path, std::string& error) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        newScene(true);
        error = path + ": cannot open the scene file";
        return false;
    }
    std::ostringstream text;
    text << in.rdbuf();
    if (in.bad()) {
        newScene(true);
        error = path + ": cannot read the scene file";
        return false;
    }
    return openSceneText(text.str(), path, error, true);
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

// Splits the text into statements at ';' outside quotes, then each into words.
bool splitStatements(const std::string& line, std::vector<std::vector<std::string>>& statements,
                     std::string& error) {
    std::vector<std::string> words;
    std::string word;
    bool inWord = false;
    auto endWord = [&]() {
        if (inWord) {
            words.push_back(word);
            word.clear();
            inWord = false;
        }
    };
    for (size_t i = 0; i < line.size(); ++i) {
        char c = line[i];
        if (c == '"') {
            inWord = true;
            for (++i; i < line.size() && line[i] != '"'; ++i) {
                if (line[i] == '\\' && i + 1 < line.size()) {
                    char e = line[++i];
                    word += e == 'n' ? '\n' : e == 't' ? '\t' : e == 'r' ? '\r' : e;
                } else {
                    word += line[i];
                }
            }
            if (i >= line.size()) {
                error = "unterminated string in: " + line;
                return false;
            }
        } else if (c == ';') {
            endWord();
            if (!words.empty()) {
                statements.push_back(std::move(words));
                words.clear();
            }
        } else if (c == ' ' || c == '\t' || c == '\n' || c == '\r') {
            endWord();
        } else {
            word += c;
            inWord = true;
        }
    }
    endWord();
    if (!words.empty()) {
        statements.push_back(std::move(words));
    }
    return true;
}

MStatus runSelect(const std::vector<std::string>& words) {
    Scene& scene = currentScene();
    bool add = false;
    std::vector<SelectionItem> items;
    for (size_t i = 1; i < words.size(); ++i) {
        const std::string& w = words[i];
        if (w == "-cl" || w == "-clear") {
            scene.selection().clear();
            continue;
        }
        if (w == "-add" || w == "-af") {
            add = true;
            continue;
        }
        if (w == "-r" || w == "-replace" || w == "-ne" || w == "-noExpand") {
            continue;
        }
        Node* node = scene.find(w);
        if (!node) {
            logMessage(MessageKind::Error, "No object matches name: " + w);
            return MS::kFailure;
        }
        SelectionItem item;
        item.node = node;
        if (node->isDag() && node != scene.world()) {
            if (w.find('|') != std::string::npos) {
                // The path as written names one instance.
                for (const DagChain& path : scene.pathsOf(node)) {
                    std::string full = Scene::fullPathName(path);
                    std::string wanted = w[0] == '|' ? w : "|" + w;
                    if (full.size() >= wanted.size() &&
                        full.compare(full.size() - wanted.size(), wanted.size(), wanted) == 0) {
                        item.path = path;
                        break;
                    }
                }
            }
            if (item.path.empty()) {
                item.path = scene.firstPath(node);
            }
        }
        items.push_back(std::move(item));
    }
    if (!add) {
        scene.selection().clear();
    }
    for (auto& item : items) {
        scene.selection().push_back(std::move(item));
    }
    return MS::kSuccess;
}

MStatus runStatement(const std::vector<std::string>& words) {
    const std::string& name = words.front();
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
        args.addArg(MString(words[i]));
    }
    std::unique_ptr<MPxCommand> command(static_cast<MPxCommand*>(it->second.creator()));
    return command->doIt(args);
}

} // namespace

bool tokenizeCommand(const std::string& line, std::vector<std::string>& tokens, std::string& error) {
    std::vector<std::vector<std::string>> statements;
    if (!splitStatements(line, statements, error)) {
        return false;
    }
    tokens.clear();
    for (const auto& s : statements) {
        tokens.insert(tokens.end(), s.begin(), s.end());
    }
    return true;
}

MStatus runCommand(const std::string& line) {
    std::vector<std::vector<std::string>> statements;
    std::string error;
    if (!splitStatements(line, statements, error)) {
        logMessage(MessageKind::Error, error);
        return MS::kFailure;
    }
    for (const auto& words : statements) {
        MStatus status = runStatement(words);
        if (!status) {
            return status;
        }
    }
    return MS::kSuccess;
}

} // namespace orvex_host
