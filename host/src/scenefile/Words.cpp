#include "scenefile/Words.h"

#include <cctype>
#include <cstring>

namespace orvex_host {

bool Word::isFlag() const {
    return !quoted && text.size() >= 2 && text[0] == '-' && std::isalpha(static_cast<unsigned char>(text[1]));
}

ValueCursor statementCursor(const StatementText& statement, std::string& copy) {
    if (!statement.hasComment) {
        return ValueCursor(statement.begin, statement.end);
    }
    copy = withoutComments(statement);
    return ValueCursor(copy.data(), copy.data() + copy.size());
}

std::vector<Word> readWords(ValueCursor& cursor) {
    std::vector<Word> words;
    while (!cursor.atEnd()) {
        Word w;
        w.at = cursor.position();
        if (cursor.nextString(w.text)) {
            w.quoted = true;
        } else {
            std::string_view raw;
            if (!cursor.nextWord(raw)) {
                break; // only an unclosed string is left
            }
            w.text.assign(raw.data(), raw.size());
        }
        words.push_back(std::move(w));
    }
    return words;
}

const ParsedFlag* ParsedWords::find(const char* shortName) const {
    for (auto it = flags.rbegin(); it != flags.rend(); ++it) {
        if (it->definition && std::strcmp(it->definition->shortName, shortName) == 0) {
            return &*it;
        }
    }
    return nullptr;
}

ParsedWords parseWords(const std::vector<Word>& words, const std::vector<FlagSpec>& specs,
                       const Word*& missingArgument) {
    ParsedWords parsed;
    missingArgument = nullptr;
    for (size_t i = 0; i < words.size(); ++i) {
        const Word& w = words[i];
        if (!w.isFlag()) {
            parsed.positional.push_back(&w);
            continue;
        }
        ParsedFlag flag;
        flag.flag = &w;
        const char* name = w.text.c_str() + 1;
        for (const FlagSpec& definition : specs) {
            if (std::strcmp(definition.shortName, name) == 0 || std::strcmp(definition.longName, name) == 0) {
                flag.definition = &definition;
                break;
            }
        }
        bool wantsArgument =
            flag.definition ? flag.definition->takesArgument : i + 1 < words.size() && !words[i + 1].isFlag();
        if (wantsArgument) {
            if (i + 1 >= words.size() || words[i + 1].isFlag()) {
                missingArgument = &w;
                return parsed;
            }
            flag.argument = &words[++i];
        }
        parsed.flags.push_back(flag);
    }
    return parsed;
}

} // namespace orvex_host
