// The colour and font dialog Cwiat: the learner picks one colour slot of the
// appearance record with an option button, mixes it from red, green and blue
// with three sliders and picks a font size. Every change goes into the record
// at once and shows in the dialog; "Запис" applies the record to the main
// window and closes, "Отказ" only closes.
#pragma once

#include "appearance/apply.h"
#include "toolkit/window.h"

#include <cstdint>
#include <string>

namespace appearance {

// The caption of the colour line for a colour: decimal, then hexadecimal with
// blue in the highest digits.
std::string colour_line(std::int32_t colour);

class Cwiat : public tk::Window {
public:
    // record: the main window's Cweta(0); look: what "Запис" changes.
    Cwiat(tk::Application& application, tk::ListBox& record, MainWindowLook look);

    tk::PictureBox picColor; // the mixed colour
    tk::ControlArray<tk::Label> Label_Cv; // 0-2 Ч З С, 3 colour line, 4 size caption, 5-8 slot names
    tk::ControlArray<tk::Slider> Slider1; // red, green, blue
    tk::ControlArray<tk::Label> Label_ST; // the sliders' values
    tk::ControlArray<tk::OptionButton> Option1; // slot choice and swatch; 3 hidden
    tk::ControlArray<tk::ListBox> List_font; // 0 font names (hidden, sorted), 1 font sizes
    tk::ControlArray<tk::TextBox> Text_Cv; // the sample

    std::uint8_t Color_Slot = 0;
    std::int32_t Mixed_Color = 0;
    std::int32_t Red_Part = 0;
    std::int32_t Green_Part = 0;
    std::uint8_t Blue_Part = 0;

    // Splits a colour into Red_Part, Green_Part and Blue_Part.
    void cwetowe_RGB(const std::int32_t& colour);
    // Paints the strip, the sample and the swatches from the record and
    // recomputes the component items of every slot.
    void Opredeli_cwqt();
    // Refreshes the value labels, the edited slot's preview and swatch, the
    // strip and the colour line from the sliders and Mixed_Color.
    void Otdelni_Update();

    // Event handlers.
    void Option1_Click(std::int16_t Index);
    void Slider1_Scroll(std::int16_t Index);
    void List_font_Click(std::int16_t Index);
    void mnu_zapis_Click();
    void mnu_Otkaz_Click();

    // The close box acts as "Отказ".
    void close_requested() override { mnu_Otkaz_Click(); }

protected:
    void Form_Load() override;

private:
    void Fill_Font_List();
    void Compose_Mixed_Color();

    tk::ListBox& Cweta_;
    MainWindowLook look_;
};

} // namespace appearance
