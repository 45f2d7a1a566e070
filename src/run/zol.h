// The main window ZOL: the two expression lists, the recorded pairs, the
// invisible working lists that hold the whole state of a test run, and the
// handlers through which the learner pairs, evaluates and asks for
// explanations.
#pragma once

#include "content/package.h"
#include "pictures/zol_graphika.h"
#include "toolkit/window.h"

#include <cstdint>

namespace run {

class Program;

class ZOL : public tk::Window {
public:
    explicit ZOL(Program& program);

    // Visible controls.
    tk::ControlArray<tk::ListBox> Slowo; // 0 left, 1 right (sorted), 2 recorded pairs
    tk::ControlArray<tk::CommandButton> Uprawl; // Избрах, Върни, Оцени, Обясни
    tk::Label Ndapis;
    tk::ControlArray<tk::TextBox> Prowerka; // 0 instructions/explanation, 1 verdict
    tk::ControlArray<tk::PictureBox> Grafika; // 0 thumbnail, 1 default picture
    // Invisible working lists.
    tk::ControlArray<tk::ListBox> dum_N; // 0-3 twins of the visible lists, 4-5 number tables
    tk::ListBox Nastroiki; // item 0: number of correct combinations
    tk::ControlArray<tk::ListBox> Cweta; // the appearance record

    int Correct_Pairs = 0;
    std::int16_t Current_Left = 0;

    // Event handlers.
    void Slowo_Click(std::int16_t Index);
    void dum_N_Click(std::int16_t Index);
    void Uprawl_Click(std::int16_t Index);
    void Grafika_Click(std::int16_t Index);
    void Izhod_Click();
    void Cwqt_Click();

    void close_requested() override { Izhod_Click(); }

    bool evaluated() const { return !Uprawl[0].Enabled(); }

protected:
    void Form_Load() override;

private:
    void Fill_Number_Lists();
    void Fill_Expression_Lists();
    void Map_Expression_Numbers();
    void Show_Remaining();
    void Update_Evaluate_Button();
    void Record_Pair();
    void Withdraw_Pair();
    void Evaluate_Pairs();
    void Explain_Selection();
    void Explain_Recorded_Pair();
    void Explain_Expression(std::int16_t k);
    void Show_Thumbnail(std::int16_t k);

    Program& program_;
    const content::Package& danni_;
};

} // namespace run
