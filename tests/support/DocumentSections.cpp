#include "support/DocumentSections.h"

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

} // namespace orvex_test
