#include "toolkit/helpers.h"

#include <cmath>
#include <cstdio>
#include <limits>

namespace tk {

namespace {

    bool is_blank(char c)
    {
        return c == ' ' || c == '\t';
    }
    bool is_digit(char c)
    {
        return c >= '0' && c <= '9';
    }

    // Length of the decimal number at the start of text (after no blanks), 0 if none.
    std::size_t number_length(std::string_view text)
    {
        std::size_t i = 0;
        if (i < text.size() && (text[i] == '+' || text[i] == '-'))
            ++i;
        std::size_t digits = 0;
        while (i < text.size() && is_digit(text[i])) {
            ++i;
            ++digits;
        }
        if (i < text.size() && text[i] == '.') {
            std::size_t j = i + 1;
            std::size_t fraction = 0;
            while (j < text.size() && is_digit(text[j])) {
                ++j;
                ++fraction;
            }
            if (digits + fraction > 0) {
                i = j;
                digits += fraction;
            }
        }
        return digits == 0 ? 0 : i;
    }

    double parse(std::string_view number)
    {
        std::string copy(number);
        return std::strtod(copy.c_str(), nullptr);
    }

} // namespace

double number_from_text(std::string_view text)
{
    std::size_t start = 0;
    while (start < text.size() && is_blank(text[start]))
        ++start;
    text.remove_prefix(start);
    const std::size_t length = number_length(text);
    return length == 0 ? 0.0 : parse(text.substr(0, length));
}

std::optional<double> strict_number_from_text(std::string_view text)
{
    while (!text.empty() && is_blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && is_blank(text.back()))
        text.remove_suffix(1);
    const std::size_t length = number_length(text);
    if (length == 0 || length != text.size())
        return std::nullopt;
    return parse(text);
}

std::int16_t round_half_even_16(double value)
{
    if (std::isnan(value))
        return 0;
    const double rounded = std::nearbyint(value); // default mode: to nearest, ties to even
    constexpr double low = std::numeric_limits<std::int16_t>::min();
    constexpr double high = std::numeric_limits<std::int16_t>::max();
    if (rounded < low)
        return std::numeric_limits<std::int16_t>::min();
    if (rounded > high)
        return std::numeric_limits<std::int16_t>::max();
    return static_cast<std::int16_t>(rounded);
}

std::int16_t int16_from_text(std::string_view text)
{
    return round_half_even_16(number_from_text(text));
}

std::string text_from_number(long long value)
{
    return std::to_string(value);
}

std::string hex_text(std::uint32_t value)
{
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%X", static_cast<unsigned>(value));
    return buffer;
}

std::size_t character_count(std::string_view utf8)
{
    std::size_t count = 0;
    for (const char c : utf8)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80)
            ++count;
    return count;
}

} // namespace tk
