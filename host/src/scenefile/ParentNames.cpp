#include "scenefile/ParentNames.h"

#include "graph/DagPathText.h"
#include "scenefile/Words.h"

namespace orvex_host {

namespace {

// The name of the node a written path ends in ("c" for "|a|b->|c").
std::string lastComponent(const std::string& path) {
    WrittenPath parsed;
    return parseDagPath(path, parsed) ? parsed.parts.back().name : std::string();
}

void collect(const std::vector<Word>& words, std::set<std::string>& names) {
    if (words.empty() || words[0].quoted) {
        return;
    }
    if (words[0].text == "createNode") {
        for (size_t i = 1; i + 1 < words.size(); ++i) {
            if (words[i].text == "-p" || words[i].text == "-parent") {
                names.insert(lastComponent(words[i + 1].text));
            }
        }
    } else if (words[0].text == "parent") {
        const Word* last = nullptr;
        for (size_t i = 1; i < words.size(); ++i) {
            if (words[i].text == "-w" || words[i].text == "-world") {
                return;
            }
            if (!words[i].isFlag()) {
                last = &words[i];
            }
        }
        if (last) {
            names.insert(lastComponent(last->text));
        }
    }
}

// Only these two statements can name a parent; the rest are passed over
// after their first word.
bool mayNameParent(const StatementText& statement) {
    std::string_view text(statement.begin, static_cast<size_t>(statement.end - statement.begin));
    return text.compare(0, 10, "createNode") == 0 || text.compare(0, 6, "parent") == 0;
}

} // namespace

std::set<std::string> namesUsedAsParents(const char* begin, const char* end) {
    std::set<std::string> names;
    StatementScanner scanner(begin, end);
    std::string error;
    const char* errorAt = nullptr;
    forEachStatementText(scanner, error, errorAt, [&](const StatementText& statement) {
        if (!mayNameParent(statement)) {
            return true;
        }
        std::string copy;
        ValueCursor cursor = statementCursor(statement, copy);
        collect(readWords(cursor), names);
        return true;
    });
    return names;
}

} // namespace orvex_host
