#pragma once
// Cuts one section out of an exported document, for tests that compare a
// section byte for byte, and checks that a document parses.

#include <string>

namespace orvex_test {

// The section of the named element, from the line of its start tag up to and
// including its end tag (without the line break behind it); empty when the
// document has no such section.
std::string documentSection(const std::string& document, const std::string& element);

// Whether an XML parser reads the document without error.
bool isWellFormed(const std::string& document);

} // namespace orvex_test
