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

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// The digits from p on, as a whole number, while there are at most `most` of them: a scene's
// numbers are nearly all short. False (p unmoved) when there are none or too many.
bool readDigits(const char*& p, const char* end, int most, unsigned long long& number, int& count) {
    const char* q = p;
    unsigned long long n = 0;
    for (; q < end && isDigit(*q); ++q) {
        if (q - p == most) {
            return false;
        }
        n = 10 * n + static_cast<unsigned long long>(*q - '0');
    }
    if (q == p) {
        return false;
    }
    count = static_cast<int>(q - p);
    number = n;
    p = q;
    return true;
}

// Steps over a leading minus sign; true when there was one.
bool skipMinus(const char*& q, const char* end) {
    const bool negative = q < end && *q == '-';
    q += negative ? 1 : 0;
    return negative;
}

// A short plain number at p ("12", "-0.25"), read without from_chars, with exactly the value
// and the end from_chars gives it: whole numbers of up to 18 digits, and decimals of up to 15
// digits in all, whose digits as a whole number and whose power of ten a double holds
// exactly, so that their one quotient is the correctly rounded value. False for anything
// else (an exponent, more digits, a bare sign or point, "inf"), which from_chars then reads.
bool readShortNumber(const char*& p, const char* end, long long& value) {
    const char* q = p;
    const bool negative = skipMinus(q, end);
    unsigned long long n = 0;
    int digits = 0;
    if (!readDigits(q, end, 18, n, digits)) {
        return false;
    }
    value = negative ? -static_cast<long long>(n) : static_cast<long long>(n);
    p = q;
    return true;
}

bool readShortNumber(const char*& p, const char* end, double& value) {
    const char* q = p;
    const bool negative = skipMinus(q, end);
    unsigned long long whole = 0;
    int wholeDigits = 0;
    if (!readDigits(q, end, 15, whole, wholeDigits)) {
        return false;
    }
    unsigned long long fraction = 0;
    int fractionDigits = 0;
    if (q < end && *q == '.') {
        ++q;
        if (!readDigits(q, end, 15 - wholeDigits, fraction, fractionDigits)) {
            return false;
        }
    }
    if (q < end && (*q == 'e' || *q == 'E' || *q == '.' || isDigit(*q))) {
        return false;
    }
    unsigned long long scale = 1;
    for (int i = 0; i < fractionDigits; ++i) {
        scale *= 10;
    }
    const double number = static_cast<double>(whole * scale + fraction) / static_cast<double>(scale);
    value = negative ? -number : number;
    p = q;
    return true;
}

// One number that fills the word starting at `p` (a leading '+' allowed);
// `p` moves past it only when it was read.
template <class T> bool readWholeNumber(const char*& p, const char* end, T& value) {
    const char* start = p < end && *p == '+' ? p + 1 : p;
    T v{};
    const char* shortEnd = start;
    if (readShortNumber(shortEnd, end, v) && (shortEnd == end || isSceneSpace(*shortEnd))) {
        value = v;
        p = shortEnd;
        return true;
    }
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
