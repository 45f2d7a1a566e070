// The appearance record: the 19 text items of the main window's invisible
// list Cweta(0). Slot s (0 to 3) holds its whole colour at item 4s + 3 and
// its red, green and blue components at items 4s + 4 to 4s + 6.
#pragma once

#include <string>
#include <vector>

namespace appearance {

inline constexpr int record_items = 19;

// The values every run starts with.
std::vector<std::string> shipped_record();

} // namespace appearance
