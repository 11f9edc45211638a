#include "scenefile/ReaderContext.h"

#include "scenefile/ParentNames.h"

#include <orvex_host/Session.h>

namespace orvex_host {

ReaderContext::ReaderContext(Scene& scene, const std::string& fileName, const char* begin, const char* end)
    : scene_(scene), fileName_(fileName), lines_(begin), rest_(begin), end_(end) {}

bool ReaderContext::usedAsParentLater(const std::string& name) {
    if (!parentsKnown_) {
        laterParents_ = namesUsedAsParents(rest_, end_);
        parentsKnown_ = true;
    }
    return laterParents_.count(name) != 0;
}

Node* ReaderContext::currentOrSkip(const char* at, const char* command) {
    if (!current_ && !currentSkipped_) {
        fail(at,
             std::string("expected a node for ") + command + " (a createNode or select statement before it)");
    }
    return current_;
}

int ReaderContext::lineAt(const char* at) {
    if (copyBegin_ && at >= copyBegin_ && at <= copyEnd_) {
        at = copyOrigin_ + (at - copyBegin_);
    }
    return lines_.lineAt(at);
}

void ReaderContext::fail(const char* at, const std::string& what) {
    throw SceneFileError(fileName_ + ":" + std::to_string(lineAt(at)) + ": " + what);
}

void ReaderContext::noticeOnce(const std::string& key, const char* at, const std::string& text) {
    if (noticed_.count(key) == 0) {
        noticeOnceAtLine(key, lineAt(at), text);
    }
}

void ReaderContext::noticeOnceAtLine(const std::string& key, int line, const std::string& text) {
    if (noticed_.insert(key).second) {
        logMessage(MessageKind::Notice, fileName_ + ":" + std::to_string(line) + ": " + text);
    }
}

void ReaderContext::readingCopy(const std::string& copy, const char* origin) {
    copyBegin_ = copy.data();
    copyEnd_ = copy.data() + copy.size();
    copyOrigin_ = origin;
}

Node* ReaderContext::node(const std::string& name, const char* at) {
    bool ambiguous = false;
    if (Node* found = scene_.find(name, &ambiguous)) {
        return found;
    }
    if (ambiguous) {
        fail(at, "expected the name of one node, found \"" + name + "\", which several nodes answer to");
    }
    bool rootDefault = name.size() > 1 && name[0] == ':' && !isPathText(name);
    if (!rootDefault) {
        noticeOnce("missing " + name, at,
                   "\"" + name +
                       "\" names no node of the scene (the file does not create it); "
                       "statements naming it are skipped");
        return nullptr;
    }
    Node* made = scene_.createNode(*TypeRegistry::instance().find("unknown"), name.substr(1));
    made->isDefault = true;
    noticeOnce("default:" + name, at,
               "default node \"" + name + "\" is not among the host's startup nodes; made as a generic node");
    return made;
}

ParsedWords ReaderContext::readWords(ValueCursor& cursor, const std::vector<FlagSpec>& specs,
                                     std::vector<Word>& words) {
    words = orvex_host::readWords(cursor);
    const Word* missing = nullptr;
    ParsedWords parsed = parseWords(words, specs, missing);
    if (missing) {
        fail(missing->at, "expected an argument after " + missing->text);
    }
    return parsed;
}

bool ReaderContext::isGeneric(const Node& node) {
    return node.type->keepsUnlistedAttributes;
}

} // namespace orvex_host
