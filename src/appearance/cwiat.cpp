#include "appearance/cwiat.h"

#include "appearance/icon.h"

#include <memory>
#include <string>

namespace appearance {

namespace {

    constexpr tk::Colour grey = 8421504;
    constexpr tk::Colour red_text = 192;
    constexpr tk::Colour green_text = 49152;
    constexpr tk::Colour blue_text = 12582912;
    constexpr double label_points = 9.75;
    constexpr int slider_tops[] = { 1560, 2040, 2520 };

    tk::WindowDesign window_design()
    {
        tk::WindowDesign d;
        d.caption = "Формиране на цвят/избор на шрифт";
        d.client_width = 5535;
        d.client_height = 4710;
        d.frame_width = tk::bordered_frame_width;
        d.frame_height = tk::bordered_frame_height;
        d.back_color = grey;
        d.font = tk::Font { "Times New Roman", 12.0, false };
        d.fixed_border = true;
        d.centred = true;
        d.icon = emblem_icon();
        return d;
    }

    void use_label_font(tk::Control& control)
    {
        control.SetFont(tk::Font { "Times New Roman", label_points, false });
    }

} // namespace

std::string colour_line(std::int32_t colour)
{
    return "Цвят в 10/16-тичен код = " + tk::text_from_number(colour) + " /H"
        + tk::hex_text(static_cast<std::uint32_t>(colour));
}

Cwiat::Cwiat(tk::Application& application, tk::ListBox& record, MainWindowLook look)
    : tk::Window(application, "Cwiat", window_design())
    , picColor(*this, "picColor", -1, { 240, 120, 5055, 915 })
    , Label_Cv(9,
          [this](int i) {
              struct Design {
                  tk::Rect at;
                  const char* caption;
                  const char* tooltip;
                  tk::Colour fore;
              };
              static const Design designs[] = {
                  { { 120, 1560, 320, 315 }, "Ч", "", red_text },
                  { { 120, 2040, 320, 315 }, "З", "", green_text },
                  { { 120, 2520, 320, 315 }, "С", "", blue_text },
                  { { 795, 1150, 4020, 255 }, "Цвят",
                      "Показва цифровата стойност на формирания цвят в 16-ична бройна система ", -1 },
                  { { 3860, 3450, 1490, 285 }, "Размер  шрифт",
                      "Показва размера на буквите във формирания текст ", -1 },
                  { { 4200, 1560, 1155, 285 }, "Цвят форма", "За настройване цвета на фона на формата ", -1 },
                  { { 4200, 2040, 1155, 285 }, "Фон текст",
                      "За настройване цвета на фона в текстовите полета ", -1 },
                  { { 4200, 2520, 1155, 285 }, "Цвят текст",
                      " За настройване цвета на текста в текстовите полета ", -1 },
                  { { 4200, 3000, 1155, 285 }, "Цвят бутон", " За настройване цвета на фона на бутоните ",
                      -1 },
              };
              const Design& d = designs[i];
              auto label = std::make_unique<tk::Label>(*this, "Label_Cv", i, d.at, d.caption, true);
              label->SetToolTipText(d.tooltip);
              if (d.fore >= 0)
                  label->SetForeColor(d.fore);
              use_label_font(*label);
              label->SetVisible(i != 8);
              return label;
          })
    , Slider1(3,
          [this](int i) {
              static const char* const tooltips[] = {
                  "Промяна на стойн остта на червената съставка ",
                  "Промяна на стойн остта на зелената съставка ",
                  "Промяна на стойн остта на синята съставка ",
              };
              auto slider = std::make_unique<tk::Slider>(
                  *this, "Slider1", i, tk::Rect { 440, slider_tops[i], 3000, 315 }, 0, 255);
              slider->SetToolTipText(tooltips[i]);
              slider->set_tab_index(1 + i);
              slider->on_scroll = [this, i] { Slider1_Scroll(static_cast<std::int16_t>(i)); };
              return slider;
          })
    , Label_ST(3,
          [this](int i) {
              static const char* const captions[] = { "R", "G", "B" };
              static const char* const tooltips[] = {
                  "Цифрова стойност на червения цвят в обхвата [0 - 255] ",
                  "Цифрова стойност на зеления цвят в обхвата [0 - 255] ",
                  "Цифрова стойност на синия цвят в обхвата [0 - 255] ",
              };
              static constexpr tk::Colour fores[] = { red_text, green_text, blue_text };
              auto label = std::make_unique<tk::Label>(
                  *this, "Label_ST", i, tk::Rect { 3440, slider_tops[i], 315, 315 }, captions[i], true);
              label->SetToolTipText(tooltips[i]);
              label->SetForeColor(fores[i]);
              use_label_font(*label);
              return label;
          })
    , Option1(4,
          [this](int i) {
              static const char* const tooltips[] = {
                  " За настройване цвета на фона на формата ",
                  " За настройване цвета на фона в текстовите полета ",
                  " За настройване цвета на текста в текстовите полета ",
                  " За настройване цвета на фона на бутоните ",
              };
              static constexpr int tops[] = { 1560, 2040, 2520, 3000 };
              auto option = std::make_unique<tk::OptionButton>(
                  *this, "Option1", i, tk::Rect { 3860, tops[i], 345, 285 });
              option->SetToolTipText(tooltips[i]);
              if (i < 3)
                  option->set_tab_index(6 + i);
              else
                  option->SetVisible(false); // the button colour is never edited
              option->on_click = [this, i] { Option1_Click(static_cast<std::int16_t>(i)); };
              return option;
          })
    , List_font(2,
          [this](int i) {
              std::unique_ptr<tk::ListBox> list;
              if (i == 0) {
                  list = std::make_unique<tk::ListBox>(*this, "List_font", 0,
                      tk::Rect { 600, 2900, 2655, 1200 }, &this->application().collation());
                  list->SetToolTipText(" Определя избрания шрифт ");
                  list->SetVisible(false); // filled and selected by the dialog itself
              } else {
                  list = std::make_unique<tk::ListBox>(
                      *this, "List_font", 1, tk::Rect { 3840, 3840, 855, 735 });
                  list->SetToolTipText(" Определя размера на буквите ");
                  use_label_font(*list);
                  for (int points = 8; points <= 14; ++points)
                      list->AddItem(tk::text_from_number(points));
                  list->set_tab_index(4);
              }
              list->on_click = [this, i] { List_font_Click(static_cast<std::int16_t>(i)); };
              return list;
          })
    , Text_Cv(1,
          [this](int i) {
              auto box = std::make_unique<tk::TextBox>(*this, "Text_Cv", i, tk::Rect { 600, 4200, 2655, 405 },
                  tk::TextBoxStyle { .read_only = true, .centred = true });
              box->SetText("Шрифт");
              box->SetToolTipText("Полето илюстрира шрифт, размер на букви, цвят и фон на букви ");
              box->set_tab_index(5);
              return box;
          })
    , Cweta_(record)
    , look_(look)
{
    picColor.SetToolTipText("Получен изходен цвят");
    picColor.set_tab_index(0);
    Option1[0].SetValue(true);
    add_menu_command("mnu_zapis", "Запис", [this] { mnu_zapis_Click(); });
    add_menu_command("mnu_Otkaz", "Отказ", [this] { mnu_Otkaz_Click(); });
}

// ---------------------------------------------------------------- opening

void Cwiat::Form_Load()
{
    Color_Slot = 0;
    Mixed_Color = 0;
    SetFontName(Cweta_.List(font_name_item));

    List_font[0].Clear();
    Fill_Font_List();
    for (int i = 0; i < List_font[0].ListCount(); ++i)
        if (List_font[0].List(i) == Cweta_.List(font_name_item))
            List_font[0].SetListIndex(i);

    Text_Cv[0].SetFontSize(real_item(Cweta_, font_size_item));
    for (int i = 0; i < List_font[1].ListCount(); ++i)
        if (List_font[1].List(i) == Cweta_.List(font_size_item))
            List_font[1].SetListIndex(i);

    Opredeli_cwqt();
    for (int k = 0; k < 3; ++k)
        Slider1[k].SetValue(whole_item(Cweta_, colour_item(0) + 1 + k));
}

void Cwiat::Fill_Font_List()
{
    tk::ListBox& names = List_font[0];
    names.Clear();
    for (std::string& name : application().screen().font_names())
        names.AddItem(std::move(name));
    for (int j = 0; j < names.ListCount(); ++j)
        if (names.List(j) == Font().name)
            names.SetListIndex(j);
}

// ---------------------------------------------------------------- colours

void Cwiat::cwetowe_RGB(const std::int32_t& colour)
{
    Red_Part = tk::red_of(colour);
    Green_Part = tk::green_of(colour);
    Blue_Part = static_cast<std::uint8_t>(tk::blue_of(colour));
}

void Cwiat::Compose_Mixed_Color()
{
    Mixed_Color = tk::rgb(Slider1[0].Value(), Slider1[1].Value(), Slider1[2].Value());
}

void Cwiat::Opredeli_cwqt()
{
    const tk::Colour form = whole_item(Cweta_, colour_item(0));
    picColor.SetBackColor(form);
    Option1[0].SetBackColor(form);

    const tk::Colour text_background = whole_item(Cweta_, colour_item(1));
    Text_Cv[0].SetBackColor(text_background);
    Option1[1].SetBackColor(text_background);

    const tk::Colour text_colour = whole_item(Cweta_, colour_item(2));
    Text_Cv[0].SetForeColor(text_colour);
    Option1[2].SetBackColor(text_colour);

    Option1[3].SetBackColor(whole_item(Cweta_, colour_item(3)));

    for (int slot = 0; slot < 4; ++slot) {
        const std::int32_t colour = whole_item(Cweta_, colour_item(slot));
        cwetowe_RGB(colour);
        Cweta_.SetList(colour_item(slot) + 1, tk::text_from_number(Red_Part));
        Cweta_.SetList(colour_item(slot) + 2, tk::text_from_number(Green_Part));
        Cweta_.SetList(colour_item(slot) + 3, tk::text_from_number(Blue_Part));
    }
}

void Cwiat::Otdelni_Update()
{
    for (int k = 0; k < 3; ++k)
        Label_ST[k].SetCaption(tk::text_from_number(Slider1[k].Value()));

    switch (Color_Slot) {
    case 0:
        SetBackColor(Mixed_Color);
        Option1[0].SetBackColor(Mixed_Color);
        break;
    case 1:
        Text_Cv[0].SetBackColor(Mixed_Color);
        Option1[1].SetBackColor(Mixed_Color);
        break;
    case 2:
        Text_Cv[0].SetForeColor(Mixed_Color);
        Option1[2].SetBackColor(Mixed_Color);
        break;
    case 3:
        Option1[3].SetBackColor(Mixed_Color);
        break;
    default:
        break;
    }
    picColor.SetBackColor(Mixed_Color);
    Label_Cv[3].SetCaption(colour_line(Mixed_Color));
}

// ---------------------------------------------------------------- handlers

void Cwiat::Option1_Click(std::int16_t Index)
{
    if (Index < 0 || Index > 3)
        return;
    Color_Slot = static_cast<std::uint8_t>(Index);
    for (int k = 0; k < 3; ++k)
        Slider1[k].SetValue(whole_item(Cweta_, colour_item(Index) + 1 + k));
    Compose_Mixed_Color();
    Otdelni_Update();
}

void Cwiat::Slider1_Scroll(std::int16_t Index)
{
    if (Index < 0 || Index > 2)
        return;
    const int b = colour_item(Color_Slot);
    Cweta_.SetList(b + 1 + Index, tk::text_from_number(Slider1[Index].Value()));
    Compose_Mixed_Color();
    Cweta_.SetList(b, tk::text_from_number(Mixed_Color));
    Otdelni_Update();
}

void Cwiat::List_font_Click(std::int16_t Index)
{
    if (Index < 0 || Index > 1)
        return;
    const tk::ListBox& list = List_font[Index];
    const int selected = list.ListIndex();
    if (selected == -1)
        return;
    if (Index == 0) {
        const std::string name = list.List(selected);
        Text_Cv[0].SetFontName(name);
        Cweta_.SetList(font_name_item, name);
    } else {
        Text_Cv[0].SetFontSize(tk::number_from_text(list.List(selected)));
        const std::int16_t taken = tk::round_half_even_16(Text_Cv[0].FontSizeTaken());
        Cweta_.SetList(font_size_item, tk::text_from_number(taken));
    }
}

void Cwiat::mnu_zapis_Click()
{
    apply_record(Cweta_, look_);
    Close();
}

void Cwiat::mnu_Otkaz_Click()
{
    Close();
}

} // namespace appearance
