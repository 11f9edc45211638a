#include "support/SceneDamage.h"

#include <iterator>

namespace orvex_test {

const char* const kExtremeNumbers[] = {
    "4294967295",  "4294967296",
    "2147483647",  "2147483648",
    "-2147483649", "9223372036854775808",
    "1e308",       "-1e308",
    "1e-320",      "nan",
    "inf",         "-inf",
    "-0",          "0x10",
    "1.#INF",      "99999999999999999999",
    "16777216",    "-1",
};

const size_t kExtremeNumberCount = std::size(kExtremeNumbers);

namespace {

bool inNumber(char c) {
    return (c >= '0' && c <= '9') || c == '.' || c == 'e' || c == '-' || c == '+';
}

} // namespace

void damageSceneText(std::string& text, std::mt19937& random) {
    static const char kAlphabet[] = ";\"[]:.-+()*\\| \n\r\t0123456789eE-xyzf.\0\xff";
    const std::string alphabet(kAlphabet, sizeof kAlphabet - 1); // with the NUL
    size_t at = random() % text.size();
    switch (random() % 5) {
    case 0:
        text[at] = alphabet[random() % alphabet.size()];
        break;
    case 1:
        text.erase(at, 1 + random() % 8);
        break;
    case 2:
        text.insert(at, 1, alphabet[random() % alphabet.size()]);
        break;
    case 3: {
        size_t from = random() % text.size();
        text.insert(at, text.substr(from, random() % 40));
        break;
    }
    default: {
        size_t digit = text.find_first_of("0123456789", at);
        if (digit == std::string::npos) {
            break;
        }
        size_t begin = digit, end = digit;
        while (begin > 0 && inNumber(text[begin - 1])) {
            --begin;
        }
        while (end < text.size() && inNumber(text[end])) {
            ++end;
        }
        text.replace(begin, end - begin, kExtremeNumbers[random() % kExtremeNumberCount]);
        break;
    }
    }
    if (text.empty()) {
        text = ";";
    }
}

} // namespace orvex_test
