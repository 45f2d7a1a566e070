// Reading and writing the items of the appearance record, and applying the
// record to the main window's look.
#pragma once

#include "toolkit/controls.h"
#include "toolkit/window.h"

#include <array>
#include <cstdint>
#include <string>

namespace appearance {

// Item positions in the record.
inline constexpr int font_name_item = 1;
inline constexpr int font_size_item = 2;
// Slot s keeps its whole colour here and its red, green and blue in the next
// three items.
constexpr int colour_item(int slot)
{
    return 4 * slot + 3;
}

// An item read as a whole number.
std::int32_t whole_item(const tk::ListBox& record, int item);
// An item read as a real number.
double real_item(const tk::ListBox& record, int item);

// The parts of the main window that the record changes.
struct MainWindowLook {
    tk::Window& form;
    std::array<tk::ListBox*, 3> lists; // the left, right and recorded-pairs lists
    tk::TextBox& answer_box; // instructions and explanations
    tk::Label& count_label; // remaining count and result
};

// Gives the main window the background, text background, text colour, font
// name and font size the record holds now. Nothing else changes: the buttons,
// the verdict box, the pictures, the label's font and the window's own font
// keep theirs.
void apply_record(const tk::ListBox& record, const MainWindowLook& look);

} // namespace appearance
