#include "OutputChecks.h"

#include "support/SideFileReader.h"

#include <libxml/parser.h>
#include <libxml/xmlerror.h>

#include <cctype>
#include <memory>

namespace orvex_fuzz {

namespace {

// A message with every run of digits (and hexadecimal after "0x") shown as
// "N", and without its line end, so that one kind of fault counts once.
std::string kindOf(const std::string& message) {
    std::string kind;
    for (size_t i = 0; i < message.size(); ++i) {
        const char c = message[i];
        if (std::isdigit(static_cast<unsigned char>(c)) != 0) {
            bool hex = message.compare(i, 2, "0x") == 0;
            i += hex ? 2 : 0;
            while (i + 1 < message.size() &&
                   (std::isdigit(static_cast<unsigned char>(message[i + 1])) != 0 ||
                    (hex && std::isxdigit(static_cast<unsigned char>(message[i + 1])) != 0))) {
                ++i;
            }
            kind += 'N';
        } else if (c != '\n') {
            kind += c;
        }
    }
    return kind;
}

// libxml2 reports through a callback; the parse keeps only its first error.
// (A template, as libxml2 versions differ in the constness of the error.)
template <typename ErrorPointer> void keepFirstError(void* context, ErrorPointer error) {
    auto* first = static_cast<std::string*>(context);
    if (first->empty() && error != nullptr && error->level >= XML_ERR_ERROR) {
        *first = kindOf(error->message != nullptr ? error->message : "unknown error");
    }
}

} // namespace

std::string documentErrorKind(const std::string& document) {
    std::string first;
    const std::unique_ptr<xmlParserCtxt, void (*)(xmlParserCtxtPtr)> context(xmlNewParserCtxt(),
                                                                             &xmlFreeParserCtxt);
    xmlSetStructuredErrorFunc(&first, &keepFirstError);
    const std::unique_ptr<xmlDoc, void (*)(xmlDocPtr)> parsed(
        xmlCtxtReadMemory(context.get(), document.data(), static_cast<int>(document.size()), "document.xml",
                          nullptr, XML_PARSE_NONET | XML_PARSE_HUGE),
        &xmlFreeDoc);
    xmlSetStructuredErrorFunc(nullptr, nullptr);
    if (first.empty() && (!parsed || context->wellFormed == 0)) {
        first = "not well-formed";
    }
    return first;
}

std::string sideFileErrorKind(const std::string& sideFile) {
    orvex_test::ParsedSideFile parsed;
    std::string error;
    if (orvex_test::parseSideFile(sideFile, parsed, error)) {
        return "";
    }
    return kindOf(error.empty() ? "unknown error" : error);
}

} // namespace orvex_fuzz
