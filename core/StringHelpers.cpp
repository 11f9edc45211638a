#include "core/StringHelpers.h"

#include <algorithm>

namespace {

// Exponents beyond this give the same float as the cap itself (infinity or
// zero for every nonzero value), so reading stops growing them there; this
// keeps the exponent from overflowing and bounds the scaling loop.
constexpr int exponentCap = 1000;

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

int digitValue(char c) {
    return c - '0';
}

// The integer part: each digit is added in double and the sum kept as float.
const char* readIntegerPart(const char* cursor, float& value) {
    for (; isDigit(*cursor); ++cursor) {
        value = static_cast<float>(digitValue(*cursor) + static_cast<double>(value) * 10.0);
    }
    return cursor;
}

// The fraction after '.': each digit scaled by a power of 0.1 kept in double.
const char* readFraction(const char* cursor, float& value) {
    double scale = 0.1;
    for (; isDigit(*cursor); ++cursor) {
        value =
            static_cast<float>(static_cast<double>(digitValue(*cursor)) * scale + static_cast<double>(value));
        scale *= 0.1;
    }
    return cursor;
}

// The exponent after 'e': the value is multiplied or divided by a power of
// ten built up in float, one factor of 10 at a time.
const char* readExponent(const char* cursor, float& value) {
    bool negative = false;
    if (*cursor == '-' || *cursor == '+') {
        negative = *cursor == '-';
        ++cursor;
    }
    int exponent = 0;
    for (; isDigit(*cursor); ++cursor) {
        exponent = std::min(exponent * 10 + digitValue(*cursor), exponentCap);
    }
    float factor = 1.0f;
    for (int step = 0; step < exponent; ++step) {
        factor = static_cast<float>(static_cast<double>(factor) * 10.0);
    }
    value = negative ? value / factor : value * factor;
    return cursor;
}

} // namespace

void replaceAll(std::string& subject, const std::string& pattern, const std::string& replacement) {
    if (pattern.empty()) {
        return;
    }
    std::size_t position = subject.find(pattern);
    while (position != std::string::npos) {
        subject.replace(position, pattern.size(), replacement);
        position = subject.find(pattern, position + replacement.size());
    }
}

const char* parseFloat(const char* text, float& value) {
    const char* cursor = text;
    while (*cursor == ' ') {
        ++cursor;
    }
    const bool negative = *cursor == '-';
    if (negative) {
        ++cursor;
    }
    float magnitude = 0.0f;
    cursor = readIntegerPart(cursor, magnitude);
    if (*cursor == '.') {
        cursor = readFraction(cursor + 1, magnitude);
    }
    if (*cursor == 'e') {
        cursor = readExponent(cursor + 1, magnitude);
    }
    value = negative ? -magnitude : magnitude;
    return cursor;
}
