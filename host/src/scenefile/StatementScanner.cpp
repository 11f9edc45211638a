// Finding statements in scene-file text: one pass, no copies.

#include "scenefile/StatementScanner.h"

#include "scenefile/Lexing.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>

namespace orvex_host {

namespace {

// Characters that end the fast run over ordinary statement text.
const std::array<bool, 256> kSpecial = [] {
    std::array<bool, 256> table{};
    table[static_cast<unsigned char>(';')] = true;
    table[static_cast<unsigned char>('"')] = true;
    table[static_cast<unsigned char>('/')] = true;
    return table;
}();

// Lines end at '\n', "\r\n" or a lone '\r' (old Mac text): a comment must
// not swallow the statements that follow it in a file of either kind.
bool isLineEnd(char c) {
    return c == '\n' || c == '\r';
}

const char* lineEnd(const char* p, const char* end) {
    return std::find_if(p, end, isLineEnd);
}

// Whether any byte of the word equals the byte that `pattern` repeats: a byte of x ^ pattern
// is zero exactly there (the classic test for a zero byte in a word).
bool hasByte(uint64_t x, uint64_t pattern) {
    constexpr uint64_t kLow = 0x0101010101010101ull;
    constexpr uint64_t kHigh = 0x8080808080808080ull;
    const uint64_t v = x ^ pattern;
    return ((v - kLow) & ~v & kHigh) != 0;
}

// The first special character from p on (or end): eight bytes a step through the long runs
// of numbers that make up most of a big scene, then byte by byte.
const char* nextSpecial(const char* p, const char* end) {
    constexpr uint64_t kEach = 0x0101010101010101ull;
    while (end - p >= 8) {
        uint64_t word = 0;
        std::memcpy(&word, p, sizeof word);
        if (hasByte(word, kEach * ';') || hasByte(word, kEach * '"') || hasByte(word, kEach * '/')) {
            break;
        }
        p += 8;
    }
    while (p < end && !kSpecial[static_cast<unsigned char>(*p)]) {
        ++p;
    }
    return p;
}

} // namespace

void StatementScanner::skipSpaceAndComments() {
    for (;;) {
        while (p_ < end_ && (isSceneSpace(*p_) || *p_ == ';')) {
            ++p_; // an empty statement (a lone ';') is no statement
        }
        if (p_ + 1 < end_ && p_[0] == '/' && p_[1] == '/') {
            p_ = lineEnd(p_, end_);
            continue;
        }
        return;
    }
}

StatementScanner::Result StatementScanner::next(StatementText& statement, std::string& error,
                                                const char*& errorAt) {
    skipSpaceAndComments();
    if (p_ >= end_) {
        return Result::End;
    }
    statement = StatementText();
    statement.begin = p_;
    const char* p = p_;
    for (;;) {
        p = nextSpecial(p, end_);
        if (p >= end_ && !lastNeedsSemicolon_) {
            statement.end = end_;
            p_ = end_;
            return Result::Statement;
        }
        if (p >= end_) {
            error = "expected ';' at the end of the statement";
            errorAt = statement.begin;
            p_ = end_;
            return Result::Error;
        }
        char c = *p;
        if (c == ';') {
            statement.end = p;
            p_ = p + 1;
            return Result::Statement;
        }
        if (c == '"') {
            const char* e = quotedStringEnd(p, end_);
            if (!e) {
                error = "expected the closing '\"' of the string";
                errorAt = p;
                p_ = end_;
                return Result::Error;
            }
            p = e;
            continue;
        }
        // '/': a comment when doubled.
        if (p + 1 < end_ && p[1] == '/') {
            statement.hasComment = true;
            p = lineEnd(p, end_);
            continue;
        }
        ++p;
    }
}

std::string withoutComments(const StatementText& statement) {
    std::string text(statement.begin, statement.end);
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '"') {
            const char* e = quotedStringEnd(text.data() + i, text.data() + text.size());
            i = e ? static_cast<size_t>(e - text.data()) - 1 : text.size();
        } else if (text[i] == '/' && i + 1 < text.size() && text[i + 1] == '/') {
            for (; i < text.size() && !isLineEnd(text[i]); ++i) {
                text[i] = ' ';
            }
        }
    }
    return text;
}

int LineCounter::lineAt(const char* p) {
    if (p < last_) {
        last_ = begin_;
        lastLine_ = 1;
    }
    // A '\r' not followed by '\n' ends a line of its own; one just before
    // `p` is counted once the character after it is known.
    const char* stop = p > last_ && p[-1] == '\r' ? p - 1 : p;
    lastLine_ += static_cast<int>(std::count(last_, stop, '\n'));
    for (const char* cr = std::find(last_, stop, '\r'); cr != stop; cr = std::find(cr + 1, stop, '\r')) {
        lastLine_ += cr[1] != '\n';
    }
    last_ = stop;
    return lastLine_;
}

} // namespace orvex_host
