#pragma once
// What a successful export wrote, checked as its readers would read it: the
// document by libxml2 (as xmllint does), the side file by the test parser.

#include <string>

namespace orvex_fuzz {

// Empty when libxml2 reads the document without an error; otherwise the
// kind of the first error: libxml2's message with its numbers taken out.
std::string documentErrorKind(const std::string& document);

// Empty when the side file parses back; otherwise the kind of the failure.
std::string sideFileErrorKind(const std::string& sideFile);

} // namespace orvex_fuzz
