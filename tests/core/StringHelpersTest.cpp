#include "core/StringHelpers.h"

#include <cmath>
#include <gtest/gtest.h>
#include <string>

namespace {

TEST(ReplaceAll, InsertedTextIsNotSearchedAgain) {
    struct Case {
        const char* subject;
        const char* pattern;
        const char* replacement;
        const char* expected;
    };
    const Case cases[] = {
        {"aa", "a", "aa", "aaaa"},
        {"aabb", "ab", "b", "abb"},
        {"one&cr;two&cr;&cr;", "&cr;", "", "onetwo"},
        {"no match", "xyz", "!", "no match"},
        {"abc", "", "x", "abc"},
    };
    for (const Case& c : cases) {
        std::string subject = c.subject;
        replaceAll(subject, c.pattern, c.replacement);
        EXPECT_EQ(subject, c.expected) << c.subject << " / " << c.pattern;
    }
}

struct Parsed {
    float value;
    std::size_t consumed;
};

Parsed parse(const char* text) {
    float value = 12345.0f; // must always be overwritten
    const char* end = parseFloat(text, value);
    return {value, static_cast<std::size_t>(end - text)};
}

TEST(ParseFloat, GrammarAndWhereItStops) {
    struct Case {
        const char* text;
        float value;
        std::size_t consumed;
    };
    const Case cases[] = {
        {"  0.25", 0.25f, 6}, {"-1.5e2", -150.0f, 6}, {"3e-1", 0.3f, 4},    {"+2", 0.0f, 0},
        {"1E3", 1.0f, 1},     {"7.", 7.0f, 2},        {"2e+2x", 200.0f, 4}, {"5e", 5.0f, 2},
        {"\t1", 0.0f, 0},     {"12 34", 12.0f, 2},    {"", 0.0f, 0},        {".5", 0.5f, 2},
    };
    for (const Case& c : cases) {
        const Parsed parsed = parse(c.text);
        EXPECT_EQ(parsed.value, c.value) << '"' << c.text << '"';
        EXPECT_EQ(parsed.consumed, c.consumed) << '"' << c.text << '"';
    }
}

TEST(ParseFloat, MinusWithoutDigitsIsNegativeZero) {
    const Parsed parsed = parse("-x");
    EXPECT_EQ(parsed.value, 0.0f);
    EXPECT_TRUE(std::signbit(parsed.value));
    EXPECT_EQ(parsed.consumed, 1u);
}

// These differ from a correctly rounded conversion: the digits are summed in
// float and the exponent factor is built in float, step by step.
TEST(ParseFloat, StepByStepPrecision) {
    EXPECT_EQ(parse("9.99999999").value, 0x1.3ffffep+3f);
    EXPECT_EQ(parse("16777217.5").value, 0x1p+24f);
    EXPECT_EQ(parse("1e38").value, 0x1.2ced34p+126f);
    EXPECT_EQ(parse("4e-45").value, 0.0f); // divided by an infinite factor
    EXPECT_TRUE(std::isinf(parse("1e39").value));
}

TEST(ParseFloat, HugeExponentsGiveTheSameFloatAsTheCap) {
    EXPECT_TRUE(std::isinf(parse("1e99999999999999999999").value));
    EXPECT_EQ(parse("1e99999999999999999999").value, parse("1e1000").value);
    EXPECT_EQ(parse("5e-99999999999999999999").value, 0.0f);
    EXPECT_TRUE(std::isnan(parse("0e99999999999").value));
    EXPECT_EQ(parse("2e00000000000000000001").value, 20.0f);
    EXPECT_EQ(parse("1e99999999999999999999z").consumed, 22u);
}

} // namespace
