#include "Injections.h"

#include "support/SceneDamage.h"

#include <vector>

namespace orvex_fuzz {

namespace {

std::string pick(const std::vector<std::string>& list, std::mt19937& random) {
    return list[random() % list.size()];
}

// Text as the exporter might see it in a string attribute.
std::string hostileText(std::mt19937& random) {
    static const std::vector<std::string> kTexts = {
        "&#0;",
        "&#1;",
        "&#x1F;",
        "&#99999999;",
        "&#xD800;",
        "&#xFFFE;",
        "&#65;",
        "&#x41;",
        "&#",
        "&#x;",
        "&amp;",
        "&lt;&gt;",
        "&",
        "<tag attr=\"1\">",
        "]]>",
        "a\"b'c",
        "tab\there",
        "line\nbreak",
        "cr\rhere",
        std::string("\x01\x02\x1f\x7f", 4),
        std::string("nul\0byte", 8),
        "\xff\xfe\x80",
        "C:\\textures\\a.png",
        "//server/share/a.png",
        "%s%n%x",
        "",
        " ",
        std::string(5000, 'x'),
    };
    std::string text = pick(kTexts, random);
    if (random() % 4 == 0) {
        text += pick(kTexts, random);
    }
    return text;
}

std::string hostileNumber(std::mt19937& random) {
    static const std::vector<std::string> kNumbers = {"3.4e38", "1e39", "-1e39", "1e-45", "0x7fffffff"};
    if (random() % 2 == 0) {
        return orvex_test::kExtremeNumbers[random() % orvex_test::kExtremeNumberCount];
    }
    return pick(kNumbers, random);
}

std::string hostileName(std::mt19937& random) {
    static const std::vector<std::string> kNames = {
        std::string(300, 'n'),
        std::string(70000, 'm'),
        "a&b",
        "a<b>c",
        "quote\"d",
        "tab\tname",
        "ümlaut",
        "Orvex_",
        "lod_1e39",
        "lod_nan",
        "lod_0x10",
        "lod_-1",
    };
    return pick(kNames, random);
}

// Written between double quotes in a scene file: the quote and the
// backslash escaped, line ends as escapes, every other byte as it is.
std::string quoted(const std::string& text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (c == '\n') {
            out += "\\n";
        } else {
            out += c;
        }
    }
    return out + "\"";
}

// The positions just after each occurrence of `marker`.
std::vector<size_t> positionsAfter(const std::string& text, const std::string& marker) {
    std::vector<size_t> found;
    for (size_t at = text.find(marker); at != std::string::npos; at = text.find(marker, at + 1)) {
        found.push_back(at + marker.size());
    }
    return found;
}

// The name of a random transform the text creates; empty when it has none.
std::string someTransform(const std::string& text, std::mt19937& random) {
    const std::vector<size_t> starts = positionsAfter(text, "createNode transform -n \"");
    if (starts.empty()) {
        return "";
    }
    const size_t start = starts[random() % starts.size()];
    const size_t end = text.find('"', start);
    return end == std::string::npos ? "" : text.substr(start, end - start);
}

void replaceStringValue(std::string& text, std::mt19937& random) {
    const std::vector<size_t> starts = positionsAfter(text, "-type \"string\" ");
    if (starts.empty()) {
        return;
    }
    const size_t start = starts[random() % starts.size()];
    if (text[start] != '"') {
        return;
    }
    size_t end = start + 1;
    while (end < text.size() && text[end] != '"') {
        end += text[end] == '\\' ? 2 : 1;
    }
    if (end < text.size()) {
        text.replace(start, end + 1 - start, quoted(hostileText(random)));
    }
}

std::string attributeName(std::mt19937& random) {
    static const std::vector<std::string> kSettings = {
        "Orvex_lightMask", "Orvex_objectMask",    "Orvex_clipDistance",
        "Orvex_lod",       "Orvex_density",       "Orvex_joint",
        "Orvex_dynamic",   "Orvex_collisionMask", "Orvex_affectedLightMasks",
    };
    switch (random() % 3) {
    case 0:
        return pick(kSettings, random);
    case 1:
        return std::string(1 + random() % 400, 'u');
    default:
        return "user" + std::to_string(random() % 100);
    }
}

void addUserAttribute(std::string& text, std::mt19937& random) {
    const std::string node = someTransform(text, random);
    if (node.empty()) {
        return;
    }
    const std::string name = attributeName(random);
    std::string statements = "select -ne " + quoted(node) + ";\n";
    switch (random() % 4) {
    case 0:
        statements +=
            "\taddAttr -ci true -sn " + quoted(name) + " -ln " + quoted(name) + " -dt \"string\";\n";
        statements +=
            "\tsetAttr " + quoted("." + name) + " -type \"string\" " + quoted(hostileText(random)) + ";\n";
        break;
    case 1:
        statements +=
            "\taddAttr -ci true -sn " + quoted(name) + " -ln " + quoted(name) + " -at \"double\";\n";
        statements += "\tsetAttr " + quoted("." + name) + " " + hostileNumber(random) + ";\n";
        break;
    case 2:
        statements += "\taddAttr -ci true -sn " + quoted(name) + " -ln " + quoted(name) + " -at \"long\";\n";
        statements += "\tsetAttr " + quoted("." + name) + " " + hostileNumber(random) + ";\n";
        break;
    default:
        statements += "\taddAttr -ci true -sn " + quoted(name) + " -ln " + quoted(name) + " -at \"bool\";\n";
        statements += "\tsetAttr " + quoted("." + name) + " " + (random() % 2 ? "yes" : "no") + ";\n";
        break;
    }
    text += statements;
}

void addOddlyNamedTransform(std::string& text, std::mt19937& random) {
    const std::string parent = someTransform(text, random);
    std::string statement = "createNode transform -n " + quoted(hostileName(random));
    if (!parent.empty() && random() % 2 == 0) {
        statement += " -p " + quoted(parent);
    }
    text += statement + ";\n";
}

} // namespace

void injectAttributeValue(std::string& text, std::mt19937& random) {
    switch (random() % 3) {
    case 0:
        replaceStringValue(text, random);
        break;
    case 1:
        addUserAttribute(text, random);
        break;
    default:
        addOddlyNamedTransform(text, random);
        break;
    }
}

} // namespace orvex_fuzz
