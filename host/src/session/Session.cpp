// The host session: current scene, message log and fault switches.

#include "graph/Scene.h"
#include "session/SessionState.h"

#include <orvex_host/Session.h>

#include <iostream>
#include <set>

namespace orvex_host {

namespace {

struct SessionData {
    std::unique_ptr<Scene> scene;
    std::vector<Message> messages;
    std::set<std::string> faults;
    bool echo = false;
    int apiVersion = kDefaultApiVersion;
};

SessionData& session() {
    static SessionData data;
    return data;
}

} // namespace

const std::vector<Message>& messages() {
    return session().messages;
}

void clearMessages() {
    session().messages.clear();
}

std::string formatMessage(const Message& message) {
    switch (message.kind) {
    case MessageKind::Warning:
        return "// Warning: " + message.text;
    case MessageKind::Error:
        return "// Error: " + message.text;
    case MessageKind::Notice:
        return "// Notice: " + message.text;
    default:
        return message.text;
    }
}

void setEchoMessages(bool on) {
    session().echo = on;
}

void logMessage(MessageKind kind, const std::string& text) {
    session().messages.push_back({kind, text});
    if (session().echo) {
        std::string shown = formatMessage(session().messages.back());
        std::ostream& out =
            (kind == MessageKind::Warning || kind == MessageKind::Error || kind == MessageKind::Perror)
                ? std::cerr
                : std::cout;
        out << shown;
        if (shown.empty() || shown.back() != '\n') {
            out << '\n';
        }
        out.flush();
    }
}

void newScene(bool startupNodes) {
    session().scene = std::make_unique<Scene>(startupNodes);
}

Scene& currentScene() {
    if (!session().scene) {
        newScene(true);
    }
    return *session().scene;
}

void setSceneName(const std::string& name) {
    currentScene().settings().sceneName = name;
}

void setFault(const std::string& name, bool on) {
    if (on) {
        session().faults.insert(name);
    } else {
        session().faults.erase(name);
    }
}

bool faultActive(const std::string& name) {
    return session().faults.count(name) != 0;
}

bool anyFaultActive() {
    return !session().faults.empty();
}

void clearFaults() {
    session().faults.clear();
}

bool setApiVersion(int version) {
    if (version < kFirstApiVersion || version > kLastApiVersion) {
        return false;
    }
    session().apiVersion = version;
    return true;
}

int apiVersion() {
    return session().apiVersion;
}

std::map<std::string, RegisteredCommand>& commandTable() {
    static std::map<std::string, RegisteredCommand> table;
    return table;
}

PluginInfo& lastPluginInfo() {
    static PluginInfo info;
    return info;
}

bool isCommandRegistered(const std::string& name) {
    return commandTable().count(name) != 0;
}

} // namespace orvex_host
