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
