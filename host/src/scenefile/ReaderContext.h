#pragma once
// What the statements of one scene file share while it is read: the scene,
// the node the setAttr and addAttr statements apply to, the notices already
// given, and how an error names the file and the line.

#include "graph/Scene.h"
#include "scenefile/StatementScanner.h"
#include "scenefile/Words.h"

#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace orvex_host {

// Thrown by a statement that cannot be read; the reader turns it into its
// error text.
struct SceneFileError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

class ReaderContext {
public:
    ReaderContext(Scene& scene, const std::string& fileName, const char* begin, const char* end);

    Scene& scene() { return scene_; }
    const std::string& fileName() const { return fileName_; }

    // The node that the following setAttr and addAttr statements apply to.
    void setCurrent(Node* node) {
        current_ = node;
        currentSkipped_ = false;
    }
    // The statement that would have chosen the current node was skipped: the
    // statements that apply to it are skipped too.
    void skipCurrent() {
        current_ = nullptr;
        currentSkipped_ = true;
    }
    // The current node; null after skipCurrent. Stops the read when no
    // statement chose one.
    Node* currentOrSkip(const char* at, const char* command);

    // Stops the read: "FILE:LINE: what".
    [[noreturn]] void fail(const char* at, const std::string& what);
    // A notice "FILE:LINE: text", given once for each key.
    void noticeOnce(const std::string& key, const char* at, const std::string& text);
    void noticeOnceAtLine(const std::string& key, int line, const std::string& text);
    int lineAt(const char* at);

    // A connection into a mesh's geometry input, kept until the end of the
    // file, when it is known whether the mesh got geometry by other means.
    struct GeometryInput {
        Node* mesh;
        int line;
    };
    void geometryInputConnected(Node& mesh, const char* at) {
        geometryInputs_.push_back({&mesh, lineAt(at)});
    }
    const std::vector<GeometryInput>& geometryInputs() const { return geometryInputs_; }

    // Statements with comments are read from a copy; places in the copy map
    // back to the file.
    void readingCopy(const std::string& copy, const char* origin);
    void readingFile() { copyBegin_ = copyEnd_ = nullptr; }

    // The node a statement names. A name no node has gives a notice (once
    // per name) and null, and the statement is skipped: files that
    // reference other files name nodes that only those files create. A
    // default node written with the root namespace (":name") is made as a
    // generic default node instead, as the host has many the startup set
    // lacks. A name that several nodes answer to stops the read.
    Node* node(const std::string& name, const char* at);

    // Reads the rest of a statement as words and sorts them into flags and
    // positional words; a flag without its argument stops the read.
    ParsedWords readWords(ValueCursor& cursor, const std::vector<FlagSpec>& specs, std::vector<Word>& words);

    // Whether a later statement names `name` as a DAG parent (createNode -p,
    // parent); the rest of the file is looked through once, on the first
    // question. `setRest` tells where the statements not yet read begin.
    bool usedAsParentLater(const std::string& name);
    void setRest(const char* rest) { rest_ = rest; }

    // Nodes of types the host does not model, and of types it models only
    // by their place in the type hierarchy, keep any attribute they are
    // given (as generic dynamic attributes) so that values and connections
    // on them are not lost.
    static bool isGeneric(const Node& node);

    // Where each fileInfo key stands in the scene's list, so that a key set
    // again is found at once; the statement rebuilds it when it falls out of
    // step with the list.
    std::map<std::string, size_t>& fileInfoPositions() { return fileInfoPositions_; }

private:
    Scene& scene_;
    std::string fileName_;
    LineCounter lines_;
    Node* current_ = nullptr;
    bool currentSkipped_ = false;
    std::set<std::string> noticed_;
    std::vector<GeometryInput> geometryInputs_;
    const char* rest_ = nullptr;
    const char* end_ = nullptr;
    bool parentsKnown_ = false;
    std::set<std::string> laterParents_;
    std::map<std::string, size_t> fileInfoPositions_;
    const char* copyBegin_ = nullptr;
    const char* copyEnd_ = nullptr;
    const char* copyOrigin_ = nullptr;
};

} // namespace orvex_host
