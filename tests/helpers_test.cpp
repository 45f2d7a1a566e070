#include "toolkit/helpers.h"

#include <gtest/gtest.h>

namespace {

struct NumberCase {
    const char* meaning;
    const char* text;
    double lenient;
    bool strict_ok;
};

class NumberFromText : public testing::TestWithParam<NumberCase> { };

TEST_P(NumberFromText, LenientAndStrict)
{
    const NumberCase& c = GetParam();
    EXPECT_DOUBLE_EQ(tk::number_from_text(c.text), c.lenient) << c.meaning;
    const auto strict = tk::strict_number_from_text(c.text);
    EXPECT_EQ(strict.has_value(), c.strict_ok) << c.meaning;
    if (strict) {
        EXPECT_DOUBLE_EQ(*strict, c.lenient) << c.meaning;
    }
}

INSTANTIATE_TEST_SUITE_P(Table, NumberFromText,
    testing::Values(NumberCase { "plain whole number", "11250", 11250, true },
        NumberCase { "leading blanks skipped", "   17", 17, true },
        NumberCase { "longest leading number", "12abc", 12, false },
        NumberCase { "fraction", "9.75", 9.75, true }, NumberCase { "negative", "-3", -3, true },
        NumberCase { "empty text", "", 0, false },
        NumberCase { "not a number", "Ima li obqsneniq", 0, false },
        NumberCase { "sign alone", "-", 0, false },
        NumberCase { "number then word", "5 pictures", 5, false }));

TEST(RoundHalfEven, ExactHalvesGoToTheEvenNeighbour)
{
    EXPECT_EQ(tk::round_half_even_16(12.5), 12);
    EXPECT_EQ(tk::round_half_even_16(37.5), 38);
    EXPECT_EQ(tk::round_half_even_16(76.47), 76);
    EXPECT_EQ(tk::round_half_even_16(29.41), 29);
    EXPECT_EQ(tk::round_half_even_16(-0.5), 0);
    EXPECT_EQ(tk::round_half_even_16(1e9), 32767); // saturates to 16 bits
}

TEST(Colour, ComposeSplitAndHex)
{
    struct Case {
        int r, g, b;
        tk::Colour whole;
        const char* hex;
    };
    for (const Case& c : { Case { 0, 0, 0, 0, "0" }, Case { 255, 0, 0, 255, "FF" },
             Case { 128, 128, 128, 8421504, "808080" }, Case { 0, 0, 255, 16711680, "FF0000" },
             Case { 255, 255, 255, 16777215, "FFFFFF" }, Case { 255, 0, 255, 16711935, "FF00FF" } }) {
        EXPECT_EQ(tk::rgb(c.r, c.g, c.b), c.whole);
        EXPECT_EQ(tk::red_of(c.whole), c.r);
        EXPECT_EQ(tk::green_of(c.whole), c.g);
        EXPECT_EQ(tk::blue_of(c.whole), c.b);
        EXPECT_EQ(tk::hex_text(static_cast<std::uint32_t>(c.whole)), c.hex);
    }
}

TEST(TextFromNumber, DigitsAndSign)
{
    EXPECT_EQ(tk::text_from_number(0), "0");
    EXPECT_EQ(tk::text_from_number(17), "17");
    EXPECT_EQ(tk::text_from_number(-4), "-4");
}

} // namespace
