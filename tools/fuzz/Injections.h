#pragma once
// Hostile values put into the attributes the exporter writes: strings with
// control characters, character references, quotes and markup, huge and
// non-finite numbers, long and odd names.

#include <random>
#include <string>

namespace orvex_fuzz {

// Applies one injection to scene text: a string value replaced, a user
// attribute (string, number or one of the exporter's own settings) added to
// a transform, or a transform with an odd name added.
void injectAttributeValue(std::string& text, std::mt19937& random);

} // namespace orvex_fuzz
