#pragma once
// The words of a short statement (createNode, connectAttr, addAttr...) and
// the flags among them.

#include "scenefile/SetAttrRequest.h"
#include "scenefile/StatementScanner.h"

#include <string>
#include <vector>

namespace orvex_host {

struct Word {
    std::string text;    // a string's contents (escapes resolved), or the word as written
    bool quoted = false; // written as a string
    const char* at = nullptr;

    // "-name": unquoted, a '-' and then a letter (so "-1" is a number).
    bool isFlag() const;
};

// A cursor over the statement's words; a statement with comments is read
// from `copy`, made without them.
ValueCursor statementCursor(const StatementText& statement, std::string& copy);

// Reads every remaining word of the cursor.
std::vector<Word> readWords(ValueCursor& cursor);

// How a command's flags are written: short and long name, and whether an
// argument follows.
struct FlagSpec {
    const char* shortName; // without the '-'
    const char* longName;
    bool takesArgument;
};

struct ParsedFlag {
    const FlagSpec* definition = nullptr; // null for a flag the command does not know
    const Word* flag = nullptr;
    const Word* argument = nullptr; // null when the flag takes none
};

struct ParsedWords {
    std::vector<ParsedFlag> flags;
    std::vector<const Word*> positional;

    // The flag as written last (short or long name), or null.
    const ParsedFlag* find(const char* shortName) const;
    bool has(const char* shortName) const { return find(shortName) != nullptr; }
};

// Sorts the words into flags and positional words. A flag that takes an
// argument and has none is a `missingArgument`; an unknown flag takes the
// next word as its argument unless that word is a flag itself.
ParsedWords parseWords(const std::vector<Word>& words, const std::vector<FlagSpec>& specs,
                       const Word*& missingArgument);

} // namespace orvex_host
