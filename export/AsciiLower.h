#pragma once
// Lowering for case-insensitive path comparisons: only the ASCII letters A
// to Z change, byte by byte, so a position in the lowered text is the same
// position in the original.

#include <string>

inline std::string lowerAscii(std::string text) {
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return text;
}
