#include "support/DocumentSections.h"

#include <libxml/parser.h>

namespace orvex_test {

std::string documentSection(const std::string& document, const std::string& element) {
    const std::string open = "\n  <" + element + ">\n", close = "  </" + element + ">";
    const size_t begin = document.find(open);
    if (begin == std::string::npos) {
        return "";
    }
    const size_t end = document.find(close, begin);
    if (end == std::string::npos) {
        return "";
    }
    return document.substr(begin + 1, end + close.size() - begin - 1);
}

std::vector<std::string> attributeValues(const std::string& text, const std::string& name) {
    std::vector<std::string> values;
    const std::string opening = " " + name + "=\"";
    for (size_t at = text.find(opening); at != std::string::npos; at = text.find(opening, at + 1)) {
        const size_t begin = at + opening.size();
        const size_t end = text.find('"', begin);
        if (end == std::string::npos) {
            break;
        }
        values.push_back(text.substr(begin, end - begin));
    }
    return values;
}

bool isWellFormed(const std::string& document) {
    xmlDoc* doc = xmlReadMemory(document.data(), static_cast<int>(document.size()), "document.xml", nullptr,
                                XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING);
    if (!doc) {
        return false;
    }
    xmlFreeDoc(doc);
    return true;
}

} // namespace orvex_test
