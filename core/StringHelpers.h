// Text replacement and a small decimal-number reader.
#ifndef ORVEX_CORE_STRING_HELPERS_H
#define ORVEX_CORE_STRING_HELPERS_H

#include <string>

// Replaces every occurrence of pattern in subject, left to right; text that a
// replacement brings in is not searched again.  An empty pattern changes
// nothing.
void replaceAll(std::string& subject, const std::string& pattern, const std::string& replacement);

// Reads a number of the form [spaces][-]digits[.digits][e[+|-]digits] from
// zero-terminated text into value and returns a pointer to the first
// character it did not consume.  It never fails: text without digits gives 0
// (-0 after a '-'); '+' in front and 'E' end the number.  The arithmetic is
// done step by step in fixed float and double precisions, so the same text
// always gives the same float.
const char* parseFloat(const char* text, float& value);

#endif
