#pragma once
// Escaping of text that comes from the scene or the user and goes into an
// XML attribute value.

#include <string>

// '<' becomes "&lt;", '"' becomes "&quot;", and '&' becomes "&amp;" unless it
// already starts a predefined entity or a numeric character reference;
// bytes XML 1.0 cannot carry (control characters other than tab, line feed
// and carriage return) are dropped. Well-formed text comes out unchanged.
std::string escapeAttribute(const std::string& text);
