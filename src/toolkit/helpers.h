// Shared value helpers of the toolkit: numbers from text and back, rounding,
// colours and hexadecimal text. Everything here is pure and allocation-light.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tk {

// A colour is red + 256 * green + 65536 * blue, each component 0 to 255.
using Colour = std::int32_t;

constexpr Colour rgb(int red, int green, int blue)
{
    return red + 256 * green + 65536 * blue;
}
constexpr int red_of(Colour c)
{
    return c & 255;
}
constexpr int green_of(Colour c)
{
    return (c >> 8) & 255;
}
constexpr int blue_of(Colour c)
{
    return (c >> 16) & 255;
}

// Lenient number from text: leading blanks are skipped and the value of the
// longest leading decimal number (optional sign, digits, optional fraction) is
// taken; a text that does not begin with a number gives 0.
double number_from_text(std::string_view text);

// Strict number from text: only a text that is, as a whole, a decimal number
// (blanks around it allowed) converts; anything else gives no value.
std::optional<double> strict_number_from_text(std::string_view text);

// The nearest whole number, an exact half going to the even neighbour,
// saturated to the 16-bit signed range.
std::int16_t round_half_even_16(double value);

// Lenient conversion straight to a 16-bit signed whole number.
std::int16_t int16_from_text(std::string_view text);

// Decimal digits of a whole number, "-" before a negative one.
std::string text_from_number(long long value);

// Upper-case hexadecimal digits without leading zeros ("0" for 0).
std::string hex_text(std::uint32_t value);

// Number of Unicode characters in a UTF-8 text.
std::size_t character_count(std::string_view utf8);

} // namespace tk
