// Reading the value words of one setAttr statement.

#include "scenefile/SetAttrRequest.h"

#include "scenefile/Lexing.h"

#include <charconv>

namespace orvex_host {

namespace {

// Appends the contents of the quoted string [p, e) (quotes included) with its
// escapes resolved.
void appendUnescaped(const char* p, const char* e, std::string& out) {
    for (++p, --e; p < e; ++p) {
        if (*p != '\\' || p + 1 >= e) {
            out += *p;
            continue;
        }
        ++p;
        switch (*p) {
        case 'n':
            out += '\n';
            break;
        case 't':
            out += '\t';
            break;
        case 'r':
            out += '\r';
            break;
        default:
            out += *p; // \" \\ and anything else stand for the character itself
            break;
        }
    }
}

} // namespace

void ValueCursor::skipSpace() {
    while (p_ < end_ && isSceneSpace(*p_)) {
        ++p_;
    }
}

bool ValueCursor::atEnd() {
    skipSpace();
    return p_ >= end_;
}

bool ValueCursor::nextWord(std::string_view& word) {
    skipSpace();
    if (p_ >= end_) {
        return false;
    }
    const char* start = p_;
    const char* e = nullptr;
    if (*p_ == '"') {
        e = quotedStringEnd(p_, end_);
        if (!e) {
            return false;
        }
    } else {
        // A quote ends a plain word, as it starts a string for the
        // statement scanner.
        e = p_;
        while (e < end_ && !isSceneSpace(*e) && *e != '"') {
            ++e;
        }
    }
    word = std::string_view(start, static_cast<size_t>(e - start));
    p_ = e;
    return true;
}

namespace {

// One number that fills the word starting at `p` (a leading '+' allowed);
// `p` moves past it only when it was read.
template <class T> bool readWholeNumber(const char*& p, const char* end, T& value) {
    const char* start = p < end && *p == '+' ? p + 1 : p;
    T v{};
    auto result = std::from_chars(start, end, v);
    if (result.ec != std::errc() || (result.ptr < end && !isSceneSpace(*result.ptr))) {
        return false;
    }
    value = v;
    p = result.ptr;
    return true;
}

} // namespace

bool ValueCursor::nextDouble(double& value) {
    skipSpace();
    return readWholeNumber(p_, end_, value);
}

bool ValueCursor::nextInt(long long& value) {
    skipSpace();
    return readWholeNumber(p_, end_, value);
}

bool ValueCursor::nextBool(bool& value) {
    const char* saved = p_;
    std::string_view w;
    if (!nextWord(w)) {
        return false;
    }
    if (w == "yes" || w == "true" || w == "on" || w == "1") {
        value = true;
        return true;
    }
    if (w == "no" || w == "false" || w == "off" || w == "0") {
        value = false;
        return true;
    }
    p_ = saved;
    return false;
}

bool ValueCursor::nextString(std::string& value) {
    skipSpace();
    if (p_ >= end_) {
        return false;
    }
    if (*p_ == '"') {
        const char* e = quotedStringEnd(p_, end_);
        if (!e) {
            return false;
        }
        value.clear();
        appendUnescaped(p_, e, value);
        p_ = e;
        return true;
    }
    if (*p_ != '(') {
        return false;
    }
    // ( "abc" + "def" ... )
    const char* saved = p_;
    ++p_;
    std::string joined;
    for (;;) {
        skipSpace();
        if (p_ >= end_ || *p_ != '"') {
            p_ = saved;
            return false;
        }
        const char* e = quotedStringEnd(p_, end_);
        if (!e) {
            p_ = saved;
            return false;
        }
        appendUnescaped(p_, e, joined);
        p_ = e;
        skipSpace();
        if (p_ < end_ && *p_ == '+') {
            ++p_;
            continue;
        }
        if (p_ < end_ && *p_ == ')') {
            ++p_;
            value = std::move(joined);
            return true;
        }
        p_ = saved;
        return false;
    }
}

bool ValueCursor::skip() {
    skipSpace();
    if (p_ < end_ && *p_ == '(') {
        std::string ignored;
        if (nextString(ignored)) {
            return true;
        }
    }
    std::string_view w;
    return nextWord(w);
}

} // namespace orvex_host
