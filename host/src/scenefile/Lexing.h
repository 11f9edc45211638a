#pragma once
// The two lexical rules every reader of scene-file text shares.

namespace orvex_host {

inline bool isSceneSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
}

// Just past the closing quote of the double-quoted string that opens at `p`
// (a backslash escapes the next character); null when the text ends first.
inline const char* quotedStringEnd(const char* p, const char* end) {
    for (++p; p < end; ++p) {
        if (*p == '"') {
            return p + 1;
        }
        if (*p == '\\') {
            ++p;
        }
    }
    return nullptr;
}

} // namespace orvex_host
