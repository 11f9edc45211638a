#pragma once
// Cuts one section out of an exported document, for tests that compare a
// section byte for byte, and checks that a document parses.

#include <string>
#include <vector>

namespace orvex_test {

// The section of the named element, from the line of its start tag up to and
// including its end tag (without the line break behind it); empty when the
// document has no such section.
std::string documentSection(const std::string& document, const std::string& element);

// The values of every attribute of that name in the text (" name=\"...\""),
// in document order.
std::vector<std::string> attributeValues(const std::string& text, const std::string& name);

// Whether an XML parser reads the document without error.
bool isWellFormed(const std::string& document);

} // namespace orvex_test
