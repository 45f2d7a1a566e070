// The appearance record and the colour and font dialog, driven headless the
// way the learner drives them: "Color" in the main window, option choices,
// slider moves, a size pick, "Запис" and "Отказ".
#include "appearance/cwiat.h"
#include "appearance/record.h"
#include "content/package.h"
#include "run/program.h"
#include "run/zol.h"
#include "toolkit/qt/collation.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

using appearance::Cwiat;

// A machine with a fixed set of fonts; realised sizes may be off by a fixed
// amount, as a screen that only has certain sizes would make them.
class FixedScreen : public tk::Screen {
public:
    std::vector<std::string> fonts { "Verdana", "Times New Roman", "Arial", "Courier New" };
    double size_drift = 0.0;

    std::vector<std::string> font_names() const override { return fonts; }
    double font_size_taken(const std::string&, double requested) const override
    {
        return requested + size_drift;
    }
};

class Session {
public:
    explicit Session(
        std::vector<std::string> fonts = { "Verdana", "Times New Roman", "Arial", "Courier New" },
        double size_drift = 0.0)
    {
        screen_.fonts = std::move(fonts);
        screen_.size_drift = size_drift;
        zol_ = &program_.start();
    }

    run::ZOL& zol() { return *zol_; }
    tk::Application& application() { return app_; }

    // The learner's actions.
    Cwiat& choose_color()
    {
        zol_->learner_menu(1); // "Color"
        return dialog();
    }
    Cwiat& dialog()
    {
        Cwiat* open = program_.colour_dialog.loaded();
        EXPECT_NE(open, nullptr);
        return *open;
    }
    bool dialog_open() const { return program_.colour_dialog.loaded() != nullptr; }
    void pick_slot(int slot) { dialog().Option1[slot].learner_click(); }
    void move_slider(int component, int value) { dialog().Slider1[component].learner_move(value); }
    void pick_size(const std::string& points)
    {
        tk::ListBox& sizes = dialog().List_font[1];
        sizes.learner_select(sizes.FindFirst(points));
    }
    void zapis() { dialog().learner_menu(0); }
    void otkaz() { dialog().learner_menu(1); }

    // The record, item by item.
    std::string record(int item) { return zol_->Cweta[0].List(item); }
    std::vector<std::string> whole_record()
    {
        std::vector<std::string> items;
        for (int i = 0; i < zol_->Cweta[0].ListCount(); ++i)
            items.push_back(zol_->Cweta[0].List(i));
        return items;
    }

private:
    tk::qt::BulgarianCollation collation_;
    FixedScreen screen_;
    tk::Application app_ { collation_, screen_ };
    run::Program program_ { app_, content::builtin_test() };
    run::ZOL* zol_ = nullptr;
};

std::vector<int> sliders(const Cwiat& dialog)
{
    return { dialog.Slider1[0].Value(), dialog.Slider1[1].Value(), dialog.Slider1[2].Value() };
}

std::vector<std::string> value_labels(const Cwiat& dialog)
{
    return { dialog.Label_ST[0].Caption(), dialog.Label_ST[1].Caption(), dialog.Label_ST[2].Caption() };
}

// ---------------------------------------------------------------- colour arithmetic

struct ColourCase {
    const char* meaning;
    std::int32_t colour;
    int red, green, blue;
    const char* line;
};

class ColourArithmetic : public testing::TestWithParam<ColourCase> { };

TEST_P(ColourArithmetic, SplitsComposesAndWritesTheColourLine)
{
    const ColourCase& c = GetParam();
    Session run;
    Cwiat& dialog = run.choose_color();
    dialog.cwetowe_RGB(c.colour);
    EXPECT_EQ(dialog.Red_Part, c.red) << c.meaning;
    EXPECT_EQ(dialog.Green_Part, c.green) << c.meaning;
    EXPECT_EQ(dialog.Blue_Part, c.blue) << c.meaning;

    // Mixing the same components with the sliders gives the colour back.
    run.move_slider(0, c.red);
    run.move_slider(1, c.green);
    run.move_slider(2, c.blue);
    EXPECT_EQ(dialog.Mixed_Color, c.colour) << c.meaning;
    EXPECT_EQ(dialog.Label_Cv[3].Caption(), c.line) << c.meaning;
    EXPECT_EQ(appearance::colour_line(c.colour), c.line) << c.meaning;
}

INSTANTIATE_TEST_SUITE_P(Table, ColourArithmetic,
    testing::Values(ColourCase { "black", 0, 0, 0, 0, "Цвят в 10/16-тичен код = 0 /H0" },
        ColourCase { "pure red", 255, 255, 0, 0, "Цвят в 10/16-тичен код = 255 /HFF" },
        ColourCase { "grey", 8421504, 128, 128, 128, "Цвят в 10/16-тичен код = 8421504 /H808080" },
        ColourCase { "pure blue shows blue highest", 16711680, 0, 0, 255,
            "Цвят в 10/16-тичен код = 16711680 /HFF0000" },
        ColourCase { "white", 16777215, 255, 255, 255, "Цвят в 10/16-тичен код = 16777215 /HFFFFFF" },
        ColourCase { "magenta", 16711935, 255, 0, 255, "Цвят в 10/16-тичен код = 16711935 /HFF00FF" }));

TEST(ColourArithmeticHighByte, SplittingIgnoresTheHighestByte)
{
    Session run;
    Cwiat& dialog = run.choose_color();
    const std::int32_t colour = 0x7F123456;
    dialog.cwetowe_RGB(colour);
    EXPECT_EQ(colour, 0x7F123456); // left unchanged
    EXPECT_EQ(dialog.Red_Part, 0x56);
    EXPECT_EQ(dialog.Green_Part, 0x34);
    EXPECT_EQ(dialog.Blue_Part, 0x12);
}

// ---------------------------------------------------------------- opening

TEST(ColourDialog, FirstOpeningLoadsTheShippedRecord)
{
    Session run;
    std::vector<std::string> expected = appearance::shipped_record();
    expected[8] = expected[9] = expected[10] = "255"; // slot 1 split from its white

    Cwiat& dialog = run.choose_color();
    EXPECT_TRUE(dialog.Visible());
    EXPECT_EQ(dialog.Caption(), "Формиране на цвят/избор на шрифт");
    EXPECT_EQ(run.whole_record(), expected);

    EXPECT_EQ(sliders(dialog), (std::vector<int> { 128, 0, 0 }));
    EXPECT_TRUE(dialog.Option1[0].Value());
    EXPECT_EQ(dialog.Color_Slot, 0);
    EXPECT_EQ(dialog.picColor.BackColor(), 128);
    EXPECT_EQ(dialog.Option1[0].BackColor(), 128);
    EXPECT_EQ(dialog.Option1[1].BackColor(), 16777215);
    EXPECT_EQ(dialog.Option1[2].BackColor(), 8);
    EXPECT_EQ(dialog.Option1[3].BackColor(), 192);
    EXPECT_EQ(dialog.BackColor(), 8421504); // grey until a slot-0 move

    const tk::TextBox& sample = dialog.Text_Cv[0];
    EXPECT_EQ(sample.Text(), "Шрифт");
    EXPECT_EQ(sample.BackColor(), 16777215);
    EXPECT_EQ(sample.ForeColor(), 8);
    EXPECT_EQ(sample.Font().name, "Times New Roman");
    EXPECT_DOUBLE_EQ(sample.Font().size, 12.0);

    // Nothing has run the display refresh yet.
    EXPECT_EQ(value_labels(dialog), (std::vector<std::string> { "R", "G", "B" }));
    EXPECT_EQ(dialog.Label_Cv[3].Caption(), "Цвят");

    // The hidden font list holds the machine's fonts in order, with the
    // record's font selected; the size list offers 8 to 14 with 12 selected.
    const tk::ListBox& names = dialog.List_font[0];
    EXPECT_FALSE(names.Visible());
    ASSERT_EQ(names.ListCount(), 4);
    EXPECT_EQ(names.List(0), "Arial");
    EXPECT_EQ(names.List(3), "Verdana");
    EXPECT_EQ(names.List(names.ListIndex()), "Times New Roman");
    const tk::ListBox& sizes = dialog.List_font[1];
    ASSERT_EQ(sizes.ListCount(), 7);
    EXPECT_EQ(sizes.List(0), "8");
    EXPECT_EQ(sizes.List(6), "14");
    EXPECT_EQ(sizes.List(sizes.ListIndex()), "12");

    EXPECT_FALSE(dialog.Option1[3].Visible());
    EXPECT_FALSE(dialog.Label_Cv[8].Visible());

    // The main window keeps its design look while the dialog is open.
    EXPECT_EQ(run.zol().BackColor(), 32768);
}

TEST(ColourDialog, KeyboardVisitsTheControlsInTheDesignedOrder)
{
    Session run;
    Cwiat& dialog = run.choose_color();
    std::vector<std::pair<int, std::string>> order;
    for (const tk::Control* control : dialog.controls())
        if (control->tab_index() >= 0)
            order.emplace_back(control->tab_index(), control->display_name());
    std::sort(order.begin(), order.end());
    std::vector<std::string> names;
    for (const auto& [position, name] : order)
        names.push_back(name);
    EXPECT_EQ(names,
        (std::vector<std::string> { "picColor", "Slider1(0)", "Slider1(1)", "Slider1(2)", "List_font(1)",
            "Text_Cv(0)", "Option1(0)", "Option1(1)", "Option1(2)" }));
}

// ---------------------------------------------------------------- editing

TEST(ColourDialog, ChoosingTextBackgroundLoadsItIntoTheSliders)
{
    Session run;
    Cwiat& dialog = run.choose_color();
    const std::vector<std::string> before = run.whole_record();

    run.pick_slot(1);
    EXPECT_EQ(dialog.Color_Slot, 1);
    EXPECT_TRUE(dialog.Option1[1].Value());
    EXPECT_FALSE(dialog.Option1[0].Value());
    EXPECT_EQ(sliders(dialog), (std::vector<int> { 255, 255, 255 }));
    EXPECT_EQ(value_labels(dialog), (std::vector<std::string> { "255", "255", "255" }));
    EXPECT_EQ(dialog.Label_Cv[3].Caption(), "Цвят в 10/16-тичен код = 16777215 /HFFFFFF");
    EXPECT_EQ(dialog.Text_Cv[0].BackColor(), 16777215);
    EXPECT_EQ(dialog.picColor.BackColor(), 16777215);
    EXPECT_EQ(run.whole_record(), before); // choosing writes nothing
}

TEST(ColourDialog, MovingRedOnTheFormColour)
{
    Session run;
    Cwiat& dialog = run.choose_color();
    run.move_slider(0, 0);
    EXPECT_EQ(run.record(4), "0");
    EXPECT_EQ(run.record(3), "0");
    EXPECT_EQ(dialog.BackColor(), 0);
    EXPECT_EQ(dialog.picColor.BackColor(), 0);
    EXPECT_EQ(dialog.Option1[0].BackColor(), 0);
    EXPECT_EQ(value_labels(dialog), (std::vector<std::string> { "0", "0", "0" }));
    EXPECT_EQ(dialog.Label_Cv[3].Caption(), "Цвят в 10/16-тичен код = 0 /H0");
    // Other slots and the sample stay as they were.
    EXPECT_EQ(run.record(7), "16777215");
    EXPECT_EQ(dialog.Text_Cv[0].BackColor(), 16777215);
}

TEST(ColourDialog, MovingGreenOnTheTextBackground)
{
    Session run;
    Cwiat& dialog = run.choose_color();
    run.pick_slot(1);
    run.move_slider(1, 0);
    EXPECT_EQ(run.record(9), "0");
    EXPECT_EQ(run.record(7), "16711935");
    EXPECT_EQ(dialog.Text_Cv[0].BackColor(), 16711935);
    EXPECT_EQ(dialog.Option1[1].BackColor(), 16711935);
    EXPECT_EQ(dialog.picColor.BackColor(), 16711935);
    EXPECT_EQ(dialog.BackColor(), 8421504); // the form colour is not being edited
    EXPECT_EQ(run.record(3), "128");
}

TEST(ColourDialog, MovingOnTheTextColourRecoloursTheSampleText)
{
    Session run;
    Cwiat& dialog = run.choose_color();
    run.pick_slot(2);
    EXPECT_EQ(sliders(dialog), (std::vector<int> { 8, 0, 0 }));
    run.move_slider(2, 255);
    EXPECT_EQ(run.record(14), "255");
    EXPECT_EQ(run.record(11), "16711688");
    EXPECT_EQ(dialog.Text_Cv[0].ForeColor(), 16711688);
    EXPECT_EQ(dialog.Option1[2].BackColor(), 16711688);
    EXPECT_EQ(dialog.Text_Cv[0].BackColor(), 16777215);
}

TEST(ColourDialog, PickingASizeWritesItAtOnce)
{
    Session run;
    Cwiat& dialog = run.choose_color();
    run.pick_size("9");
    EXPECT_DOUBLE_EQ(dialog.Text_Cv[0].Font().size, 9.0);
    EXPECT_EQ(run.record(2), "9");
    EXPECT_DOUBLE_EQ(run.zol().Slowo[0].Font().size, 12.0); // not applied before "Запис"
}

TEST(ColourDialog, RecordKeepsTheSizeTheScreenRealised)
{
    Session run({ "Times New Roman" }, -0.5); // asked 11, the screen draws 10.5
    run.choose_color();
    run.pick_size("11");
    EXPECT_EQ(run.record(2), "10"); // nearest whole, the half to the even neighbour
}

// ---------------------------------------------------------------- closing and reopening

TEST(ColourDialog, OtkazKeepsTheMainWindowButTheRecordRemembers)
{
    Session run;
    run.choose_color();
    run.move_slider(0, 0);
    run.move_slider(2, 255);
    run.pick_slot(2);
    run.otkaz();

    EXPECT_FALSE(run.dialog_open());
    EXPECT_EQ(run.zol().BackColor(), 32768);
    EXPECT_EQ(run.zol().Slowo[0].BackColor(), -1);
    EXPECT_EQ(run.record(3), "16711680");

    // Reopening starts afresh on slot 0 with the changed values.
    Cwiat& again = run.choose_color();
    EXPECT_EQ(again.Color_Slot, 0);
    EXPECT_TRUE(again.Option1[0].Value());
    EXPECT_FALSE(again.Option1[2].Value());
    EXPECT_EQ(sliders(again), (std::vector<int> { 0, 0, 255 }));
    EXPECT_EQ(again.picColor.BackColor(), 16711680);
    EXPECT_EQ(again.BackColor(), 8421504);
    EXPECT_EQ(value_labels(again), (std::vector<std::string> { "R", "G", "B" }));

    run.zapis();
    EXPECT_EQ(run.zol().BackColor(), 16711680);
}

TEST(ColourDialog, CloseBoxActsAsOtkaz)
{
    Session run;
    run.choose_color();
    run.move_slider(1, 200);
    run.dialog().close_requested();
    EXPECT_FALSE(run.dialog_open());
    EXPECT_EQ(run.zol().BackColor(), 32768);
    EXPECT_EQ(run.record(5), "200");
}

TEST(ColourDialog, ZapisRightAfterOpeningAppliesTheShippedLook)
{
    Session run;
    run::ZOL& zol = run.zol();
    const tk::Font window_font = zol.Font();
    const tk::Font label_font = zol.Ndapis.Font();
    run.choose_color();
    run.zapis();

    EXPECT_FALSE(run.dialog_open());
    EXPECT_EQ(zol.BackColor(), 128);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(zol.Slowo[i].BackColor(), 16777215) << i;
        EXPECT_EQ(zol.Slowo[i].ForeColor(), 8) << i;
        EXPECT_EQ(zol.Slowo[i].Font().name, "Times New Roman") << i;
        EXPECT_DOUBLE_EQ(zol.Slowo[i].Font().size, 12.0) << i;
    }
    EXPECT_EQ(zol.Prowerka[0].BackColor(), 16777215);
    EXPECT_EQ(zol.Prowerka[0].ForeColor(), 8);
    EXPECT_EQ(zol.Prowerka[0].Font().name, "Times New Roman");
    EXPECT_DOUBLE_EQ(zol.Prowerka[0].Font().size, 12.0);
    EXPECT_EQ(zol.Ndapis.BackColor(), 16777215);
    EXPECT_EQ(zol.Ndapis.ForeColor(), 8);

    // Untouched: the buttons, the verdict box, the label's and window's font.
    EXPECT_EQ(zol.Uprawl[0].BackColor(), 33023);
    EXPECT_EQ(zol.Uprawl[1].BackColor(), 8454143);
    EXPECT_EQ(zol.Uprawl[2].BackColor(), 16761024);
    EXPECT_EQ(zol.Uprawl[3].BackColor(), 49152);
    EXPECT_EQ(zol.Prowerka[1].BackColor(), 65280);
    EXPECT_EQ(zol.Ndapis.Font().size, label_font.size);
    EXPECT_EQ(zol.Font().name, window_font.name);
    // Nor the state of the test.
    EXPECT_EQ(zol.Slowo[0].ListCount(), 17);
    EXPECT_EQ(zol.Slowo[0].ListIndex(), 0);
}

TEST(ColourDialog, ZapisAppliesEditedColoursAndSize)
{
    Session run;
    run::ZOL& zol = run.zol();
    run.choose_color();
    run.pick_slot(1);
    run.move_slider(1, 0); // magenta text background
    run.pick_size("14");
    run.zapis();
    EXPECT_EQ(zol.BackColor(), 128);
    EXPECT_EQ(zol.Slowo[2].BackColor(), 16711935);
    EXPECT_EQ(zol.Ndapis.BackColor(), 16711935);
    EXPECT_DOUBLE_EQ(zol.Prowerka[0].Font().size, 14.0);
}

TEST(ColourDialog, ColorAgainOnlyBringsTheOpenDialogForward)
{
    Session run;
    Cwiat& first = run.choose_color();
    run.pick_slot(2);
    run.move_slider(0, 40);
    Cwiat& second = run.choose_color();
    EXPECT_EQ(&second, &first);
    EXPECT_TRUE(second.Visible());
    EXPECT_EQ(second.Color_Slot, 2);
    EXPECT_EQ(sliders(second), (std::vector<int> { 40, 0, 0 }));
    EXPECT_EQ(value_labels(second), (std::vector<std::string> { "40", "0", "0" }));
    EXPECT_EQ(run.record(12), "40");
}

TEST(ColourDialog, ExitClosesTheDialogWithEverythingElse)
{
    Session run;
    run.choose_color();
    run.zol().learner_menu(0); // "Exit"
    EXPECT_TRUE(run.application().ended());
    EXPECT_FALSE(run.dialog_open());
    EXPECT_TRUE(run.zol().closed());
}

TEST(ColourDialog, MachineWithoutTheRecordsFont)
{
    Session run({ "DejaVu Serif", "Arial" });
    Cwiat& dialog = run.choose_color();
    EXPECT_EQ(dialog.List_font[0].ListCount(), 2);
    EXPECT_EQ(dialog.List_font[0].ListIndex(), -1);
    EXPECT_EQ(dialog.Text_Cv[0].Font().name, "Times New Roman"); // the design font, substituted on screen
    EXPECT_EQ(run.record(1), "Times New Roman");
    run.zapis();
    EXPECT_EQ(run.zol().Slowo[1].Font().name, "Times New Roman"); // applied all the same
}

TEST(ColourDialog, RecordsFontIsSelectedAndShownInTheSample)
{
    Session run({ "DejaVu Serif", "Arial" });
    tk::ListBox& record = run.zol().Cweta[0];
    record.SetList(1, "Arial");
    Cwiat& dialog = run.choose_color();
    EXPECT_EQ(dialog.List_font[0].List(dialog.List_font[0].ListIndex()), "Arial");
    EXPECT_EQ(dialog.Font().name, "Arial");
    EXPECT_EQ(dialog.Text_Cv[0].Font().name, "Arial");
    EXPECT_EQ(run.record(1), "Arial");
    EXPECT_EQ(record.ListCount(), appearance::record_items);
}

} // namespace
