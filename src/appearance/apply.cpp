#include "appearance/apply.h"

#include <cmath>
#include <utility>

namespace appearance {

std::int32_t whole_item(const tk::ListBox& record, int item)
{
    return static_cast<std::int32_t>(std::lround(tk::number_from_text(record.List(item))));
}

double real_item(const tk::ListBox& record, int item)
{
    return tk::number_from_text(record.List(item));
}

void apply_record(const tk::ListBox& record, const MainWindowLook& look)
{
    look.form.SetBackColor(whole_item(record, colour_item(0)));

    const tk::Colour text_background = whole_item(record, colour_item(1));
    for (tk::ListBox* list : look.lists)
        list->SetBackColor(text_background);
    look.answer_box.SetBackColor(text_background);
    look.count_label.SetBackColor(text_background);

    const tk::Colour text_colour = whole_item(record, colour_item(2));
    for (tk::ListBox* list : look.lists)
        list->SetForeColor(text_colour);
    look.count_label.SetForeColor(text_colour);
    look.answer_box.SetForeColor(text_colour);

    const std::string& font_name = record.List(font_name_item);
    for (tk::ListBox* list : look.lists)
        list->SetFontName(font_name);
    look.answer_box.SetFontName(font_name);

    const double font_size = real_item(record, font_size_item);
    for (tk::ListBox* list : look.lists)
        list->SetFontSize(font_size);
    look.answer_box.SetFontSize(font_size);
}

} // namespace appearance
