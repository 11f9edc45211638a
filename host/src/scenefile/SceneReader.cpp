// The scene reader: finds the statements of the file and hands each to the
// reader of its command. Nothing is tokenised ahead: each statement is read
// straight from the file's text when its turn comes.

#include "scenefile/SceneReader.h"

#include "scenefile/ModellingHistory.h"
#include "scenefile/ReaderContext.h"
#include "scenefile/Statements.h"

#include <algorithm>
#include <new>
#include <string_view>

namespace orvex_host {

namespace {

using StatementReader = void (*)(ReaderContext&, ValueCursor&);

void ignoreStatement(ReaderContext&, ValueCursor&) {}

struct Command {
    std::string_view name;
    StatementReader read;
};

// setAttr first: it is by far the most frequent statement.
const Command kCommands[] = {
    {"setAttr", readSetAttr},
    {"connectAttr", readConnectAttr},
    {"createNode", readCreateNode},
    {"addAttr", readAddAttr},
    {"select", readSelect},
    {"rename", readRename},
    {"parent", readParent},
    {"disconnectAttr", readDisconnectAttr},
    {"requires", readRequires},
    {"file", readFile},
    {"currentUnit", readCurrentUnit},
    {"fileInfo", readFileInfo},
    // Node locks, set relationships (light linking...) and metadata
    // structures do not reach the exporter.
    {"lockNode", ignoreStatement},
    {"relationship", ignoreStatement},
    {"dataStructure", ignoreStatement},
};

// Commands are named like identifiers: "createNode", "applyMetadata"; a
// statement that starts otherwise (a string, a flag, binary garbage) is
// malformed rather than an unknown command.
bool isCommandName(std::string_view name) {
    auto letter = [](char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_'; };
    if (name.empty() || !letter(name.front())) {
        return false;
    }
    return std::all_of(name.begin(), name.end(), [&](char c) { return letter(c) || (c >= '0' && c <= '9'); });
}

void readStatement(ReaderContext& ctx, const StatementText& statement) {
    std::string copy;
    ValueCursor cursor = statementCursor(statement, copy);
    if (statement.hasComment) {
        ctx.readingCopy(copy, statement.begin);
    }
    ctx.setRest(statement.end);
    const char* at = cursor.position();
    std::string_view name;
    if (!cursor.nextWord(name) || !isCommandName(name)) {
        ctx.fail(at, "expected a command name at the start of the statement");
    }
    for (const Command& command : kCommands) {
        if (command.name == name) {
            command.read(ctx, cursor);
            ctx.readingFile();
            return;
        }
    }
    ctx.noticeOnce("command " + std::string(name), at,
                   "command \"" + std::string(name) + "\" is not supported by the host; skipped");
    ctx.readingFile();
}

} // namespace

bool readSceneText(Scene& scene, std::string_view text, const std::string& fileName, std::string& error) {
    const char* begin = text.data();
    const char* end = begin + text.size();
    if (text.substr(0, 3) == "\xEF\xBB\xBF") {
        begin += 3; // a UTF-8 byte order mark
    }
    ReaderContext ctx(scene, fileName, begin, end);
    StatementScanner scanner(begin, end);
    // Arrays that payload hooks fill may leave out, in all, no more elements
    // than the file has bytes (or 16M for small files): sparse offsets on
    // meshes with history are the only real files that leave any out.
    ElementGapBudget gapBudget(std::max<unsigned long long>(1ull << 24, text.size()));
    try {
        std::string expected;
        const char* at = nullptr;
        auto r = forEachStatementText(scanner, expected, at, [&](const StatementText& statement) {
            readStatement(ctx, statement);
            return true;
        });
        if (r == StatementScanner::Result::Error) {
            ctx.fail(at, expected);
        }
        noteMeshesBuiltByHistory(ctx);
        return true;
    } catch (const SceneFileError& e) {
        error = e.what();
    } catch (const std::bad_alloc&) {
        error = fileName + ": not enough memory to read the scene";
    } catch (const std::exception& e) {
        error = fileName + ": " + e.what();
    }
    return false;
}

} // namespace orvex_host
