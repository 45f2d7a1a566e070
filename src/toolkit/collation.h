#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tk {

// The order of a sorted list box. A collation turns a text into a key; keys
// compare byte by byte (as unsigned chars) in the order the texts sort.
class Collation {
public:
    virtual ~Collation() = default;
    virtual std::string sort_key(std::string_view utf8) const = 0;
};

// The installed screen fonts, as the machine reports them.
class Screen {
public:
    virtual ~Screen() = default;
    virtual std::vector<std::string> font_names() const = 0;
    // The size in points a font asked for at requested points is drawn at.
    virtual double font_size_taken(const std::string& /*name*/, double requested) const { return requested; }
};

} // namespace tk
