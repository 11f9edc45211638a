#include "export/XmlEscape.h"

namespace {

// One past the largest character XML can carry; larger references stop
// counting here, so a long run of digits cannot overflow.
constexpr unsigned long kPastLastCharacter = 0x110000;

// The value of a digit in the given base, or -1.
int digitValue(char c, bool hex) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (hex && c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (hex && c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

// Whether XML 1.0 allows the character with this code in a document.
bool isXmlCharacter(unsigned long code) {
    return code == 0x9 || code == 0xA || code == 0xD || (code >= 0x20 && code <= 0xD7FF) ||
           (code >= 0xE000 && code <= 0xFFFD) || (code >= 0x10000 && code < kPastLastCharacter);
}

// Whether the '&' at `pos` starts "&#123;" or "&#x1F;" naming a character
// that XML allows.
bool startsCharacterReference(const std::string& text, size_t pos) {
    if (pos + 1 >= text.size() || text[pos + 1] != '#') {
        return false;
    }
    size_t i = pos + 2;
    const bool hex = i < text.size() && text[i] == 'x'; // XML has no "&#X"
    if (hex) {
        ++i;
    }
    const size_t digitsStart = i;
    unsigned long code = 0;
    for (int digit; i < text.size() && (digit = digitValue(text[i], hex)) >= 0; ++i) {
        if (code < kPastLastCharacter) {
            code = code * (hex ? 16 : 10) + static_cast<unsigned long>(digit);
        }
    }
    return i > digitsStart && i < text.size() && text[i] == ';' && isXmlCharacter(code);
}

// Whether the '&' at `pos` starts "&name;" for a predefined entity, or a
// character reference that XML allows.
bool startsReference(const std::string& text, size_t pos) {
    static const char* const kEntities[] = {"&lt;", "&gt;", "&amp;", "&quot;", "&apos;"};
    for (const char* entity : kEntities) {
        if (text.compare(pos, std::char_traits<char>::length(entity), entity) == 0) {
            return true;
        }
    }
    return startsCharacterReference(text, pos);
}

} // namespace

std::string escapeAttribute(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        switch (c) {
        case '<':
            out += "&lt;";
            break;
        case '"':
            out += "&quot;";
            break;
        case '&':
            out += startsReference(text, i) ? "&" : "&amp;";
            break;
        // A reader turns raw tab, line feed and carriage return in an
        // attribute value into blanks; references keep them.
        case '\t':
            out += "&#9;";
            break;
        case '\n':
            out += "&#10;";
            break;
        case '\r':
            out += "&#13;";
            break;
        default:
            // The other control characters cannot be carried at all.
            if (static_cast<unsigned char>(c) >= 0x20) {
                out += c;
            }
        }
    }
    return out;
}
