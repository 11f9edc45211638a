#include "export/XmlEscape.h"

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool isHexDigit(char c) {
    return isDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

// Whether the '&' at `pos` starts "&name;" for a predefined entity, "&#123;"
// or "&#x1F;".
bool startsReference(const std::string& text, size_t pos) {
    static const char* const kEntities[] = {"&lt;", "&gt;", "&amp;", "&quot;", "&apos;"};
    for (const char* entity : kEntities) {
        if (text.compare(pos, std::char_traits<char>::length(entity), entity) == 0) {
            return true;
        }
    }
    if (pos + 1 >= text.size() || text[pos + 1] != '#') {
        return false;
    }
    size_t i = pos + 2;
    bool hex = i < text.size() && (text[i] == 'x' || text[i] == 'X');
    if (hex) {
        ++i;
    }
    size_t digitsStart = i;
    while (i < text.size() && (hex ? isHexDigit(text[i]) : isDigit(text[i]))) {
        ++i;
    }
    return i > digitsStart && i < text.size() && text[i] == ';';
}

bool isForbiddenControl(unsigned char c) {
    return c < 0x20 && c != '\t' && c != '\n' && c != '\r';
}

} // namespace

std::string escapeAttribute(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '<') {
            out += "&lt;";
        } else if (c == '"') {
            out += "&quot;";
        } else if (c == '&') {
            out += startsReference(text, i) ? "&" : "&amp;";
        } else if (!isForbiddenControl(static_cast<unsigned char>(c))) {
            out += c;
        }
    }
    return out;
}
