#pragma once
// Escaping of text that comes from the scene or the user and goes into an
// XML attribute value.

#include <string>

// '<' becomes "&lt;", '"' becomes "&quot;", and '&' becomes "&amp;" unless it
// already starts a predefined entity or a numeric character reference to a
// character XML 1.0 allows; tab, line feed and carriage return become
// "&#9;", "&#10;" and "&#13;", so that a reader keeps them; the other bytes
// XML 1.0 cannot carry (control characters) are dropped. Well-formed text
// without those three characters comes out unchanged.
std::string escapeAttribute(const std::string& text);
