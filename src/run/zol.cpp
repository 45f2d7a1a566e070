#include "run/zol.h"

#include "appearance/cwiat.h"
#include "appearance/record.h"
#include "run/icon.h"
#include "run/program.h"

#include <memory>
#include <string>

namespace run {

namespace {

    constexpr tk::Colour green_form = 32768;
    constexpr tk::Colour verdict_right = 65280;
    constexpr tk::Colour verdict_wrong = 255;
    const char* const list_tooltip = "Посочете елемента в релацията";

    tk::WindowDesign window_design()
    {
        tk::WindowDesign d;
        d.caption = "                    "; // blank until start-up puts the title in
        d.client_width = 11865;
        d.client_height = 7005;
        d.frame_width = tk::bordered_frame_width;
        d.frame_height = tk::bordered_frame_height;
        d.back_color = green_form;
        d.font = tk::Font { "Times New Roman", 12.0, false };
        d.fixed_border = true;
        d.centred = true;
        d.icon = books_icon();
        return d;
    }

    template <class C, class... Args> std::unique_ptr<C> invisible(Args&&... args)
    {
        auto control = std::make_unique<C>(std::forward<Args>(args)...);
        control->SetVisible(false);
        return control;
    }

} // namespace

ZOL::ZOL(Program& program)
    : tk::Window(program.application(), "ZOL", window_design())
    , Slowo(3,
          [this](int i) {
              static constexpr tk::Rect at[]
                  = { { 240, 480, 6105, 2055 }, { 6360, 480, 3375, 2055 }, { 840, 2640, 9375, 1485 } };
              const tk::Collation* order = i < 2 ? &application().collation() : nullptr;
              auto list = std::make_unique<tk::ListBox>(*this, "Slowo", i, at[i], order);
              list->SetToolTipText(i < 2 ? list_tooltip : "Набор от вече въведени отговори");
              list->set_tab_index(i);
              list->on_click = [this, i] { Slowo_Click(static_cast<std::int16_t>(i)); };
              return list;
          })
    , Uprawl(4,
          [this](int i) {
              struct Design {
                  tk::Rect at;
                  const char* caption;
                  const char* tooltip;
                  tk::Colour back;
                  int tab;
              };
              static const Design designs[] = {
                  { { 1200, 4200, 1215, 375 }, "Избрах", "Натиснете бутон за избор", 33023, 3 },
                  { { 4680, 4200, 1215, 375 }, "Върни", "Изтрива / възстановява направения избор", 8454143,
                      4 },
                  { { 8400, 4200, 1215, 375 }, "Оцени", "Преустановява теста и формира оценка", 16761024, 5 },
                  { { 9720, 50, 1215, 375 }, "Обясни", "Дава обяснения", 49152, 8 },
              };
              const Design& d = designs[i];
              auto button = std::make_unique<tk::CommandButton>(*this, "Uprawl", i, d.at, d.caption);
              button->SetToolTipText(d.tooltip);
              button->SetBackColor(d.back);
              button->set_tab_index(d.tab);
              button->SetEnabled(i != 2);
              button->on_click = [this, i] { Uprawl_Click(static_cast<std::int16_t>(i)); };
              return button;
          })
    , Ndapis(*this, "Ndapis", -1, { 4440, 0, 1455, 375 }, "Оставащи:", true)
    , Prowerka(2,
          [this](int i) {
              if (i == 0) {
                  auto box = std::make_unique<tk::TextBox>(*this, "Prowerka", 0,
                      tk::Rect { 1800, 4680, 9135, 2055 },
                      tk::TextBoxStyle {
                          .multi_line = true, .vertical_scroll_bar = true, .read_only = true });
                  box->SetBackColor(14737632);
                  box->set_tab_index(7);
                  return box;
              }
              auto box
                  = std::make_unique<tk::TextBox>(*this, "Prowerka", 1, tk::Rect { 10440, 3120, 495, 495 },
                      tk::TextBoxStyle { .read_only = true, .centred = true });
              box->SetToolTipText("зелено - Вярно; червено - Грешно");
              box->SetBackColor(verdict_right);
              box->SetVisible(false);
              box->set_tab_index(6);
              return box;
          })
    , Grafika(2,
          [this](int i) {
              static constexpr tk::Rect at[] = { { 120, 4680, 1575, 1335 }, { 120, 5760, 1575, 1335 } };
              auto box = std::make_unique<tk::PictureBox>(*this, "Grafika", i, at[i]);
              box->SetVisible(i == 0);
              box->set_tab_index(i == 0 ? 9 : -1);
              box->on_click = [this, i] { Grafika_Click(static_cast<std::int16_t>(i)); };
              return box;
          })
    , dum_N(6,
          [this](int i) {
              auto list = invisible<tk::ListBox>(*this, "dum_N", i, tk::Rect {});
              list->on_click = [this, i] { dum_N_Click(static_cast<std::int16_t>(i)); };
              return list;
          })
    , Nastroiki(*this, "Nastroiki", -1, tk::Rect {})
    , Cweta(1,
          [this](int i) {
              auto list = invisible<tk::ListBox>(*this, "Cweta", i, tk::Rect {});
              for (std::string& item : appearance::shipped_record())
                  list->AddItem(std::move(item));
              return list;
          })
    , program_(program)
    , danni_(program.package())
{
    Ndapis.SetToolTipText("Извежда резултатите в края на теста");
    Ndapis.SetBackColor(8438015);
    Nastroiki.SetVisible(false);
    Nastroiki.AddItem("Zapiswam po-malkiq broj");
    add_menu_command("Izhod", "Exit", [this] { Izhod_Click(); });
    add_menu_command("Cwqt", "Color", [this] { Cwqt_Click(); });
}

// ---------------------------------------------------------------- start-up

void ZOL::Form_Load()
{
    Correct_Pairs = 0;
    const content::ItemList& title_and_layout = danni_.Danni(3);
    SetCaption(title_and_layout.List(0));
    auto layout
        = [&](int item) { return static_cast<int>(tk::number_from_text(title_and_layout.List(item))); };
    SetWidth(layout(1));
    Slowo[0].SetLeft(layout(2));
    Slowo[0].SetWidth(layout(3));
    Slowo[1].SetLeft(layout(4));
    Slowo[1].SetWidth(layout(5));
    Prowerka[0].SetText(danni_.Ukazanie());

    const int nL = danni_.Danni(0).ListCount();
    const int nR = danni_.Danni(1).ListCount();
    Nastroiki.SetList(0, tk::text_from_number(nL < nR ? nL : nR));

    Fill_Number_Lists();
    Fill_Expression_Lists();
    Map_Expression_Numbers();

    Slowo[0].SetListIndex(0);
    Slowo[1].SetListIndex(0);
    Update_Evaluate_Button();
}

void ZOL::Fill_Number_Lists()
{
    dum_N[4].Clear();
    for (int k = 1; k <= danni_.Danni(0).ListCount(); ++k)
        dum_N[4].AddItem(tk::text_from_number(k));
    dum_N[5].Clear();
    for (int k = 1; k <= danni_.Danni(1).ListCount(); ++k)
        dum_N[5].AddItem(tk::text_from_number(k));
}

void ZOL::Fill_Expression_Lists()
{
    for (int side = 0; side < 2; ++side) {
        const content::ItemList& expressions = danni_.Danni(side);
        // Each item keeps, as its item data, the position + 1 at which its
        // text is first found in the content: its own position when the
        // content holds no text twice, else found when first needed.
        const bool own_position = expressions.all_distinct();
        for (int i = 0; i < expressions.ListCount(); ++i)
            Slowo[side].AddItem(expressions.List(i), own_position ? i + 1 : 0);
    }
}

void ZOL::Map_Expression_Numbers()
{
    for (int side = 0; side < 2; ++side) {
        tk::ListBox& twin = dum_N[side];
        tk::ListBox& shown = Slowo[side];
        const content::ItemList& expressions = danni_.Danni(side);
        const tk::ListBox& numbers = dum_N[side + 4];
        twin.Clear();
        for (int i = 0; i < shown.ListCount(); ++i) {
            // The content never changes, so where a shown text was first found
            // stays true; the item keeps it (Fill_Expression_Lists).
            int j = static_cast<int>(shown.ItemData(i)) - 1;
            if (j < 0) {
                j = expressions.FindFirst(shown.List(i));
                shown.SetItemData(i, j + 1);
            }
            if (j >= 0) // every shown text comes from the content, so this always holds
                twin.AddItem(numbers.List(j));
        }
    }
}

void ZOL::Show_Remaining()
{
    const int left = Slowo[0].ListCount();
    const int right = Slowo[1].ListCount();
    Ndapis.SetCaption("Остават: " + tk::text_from_number(left < right ? left : right));
}

void ZOL::Update_Evaluate_Button()
{
    const auto recorded = static_cast<std::int16_t>(Slowo[2].ListCount());
    const auto unpaired = static_cast<std::int16_t>(Slowo[1].ListCount());
    Uprawl[2].SetEnabled(recorded >= static_cast<std::int16_t>(3 * unpaired));
}

// ---------------------------------------------------------------- choosing and pairing

void ZOL::Uprawl_Click(std::int16_t Index)
{
    Update_Evaluate_Button();
    switch (Index) {
    case 0:
        Record_Pair();
        break;
    case 1:
        Withdraw_Pair();
        break;
    case 2:
        if (Slowo[2].ListCount() == 0)
            break;
        Evaluate_Pairs();
        Uprawl[3].SetEnabled(true);
        Uprawl[2].SetEnabled(false);
        break;
    case 3:
        if (!evaluated()) {
            if (Slowo[0].ListIndex() == -1 || Slowo[1].ListIndex() == -1)
                break;
            Explain_Selection();
            Uprawl[3].SetEnabled(false);
        } else {
            if (Slowo[2].ListIndex() == -1)
                break;
            Explain_Recorded_Pair();
            Uprawl[2].SetEnabled(false);
        }
        break;
    default:
        break;
    }
    // "Оцени" shows the rule for the lists as they stand after the click; once
    // the test is evaluated it stays disabled.
    if (evaluated())
        Uprawl[2].SetEnabled(false);
    else
        Update_Evaluate_Button();
}

void ZOL::Record_Pair()
{
    const int L = Slowo[0].ListIndex();
    const int R = Slowo[1].ListIndex();
    if (L == -1 || R == -1)
        return;
    Slowo[2].AddItem(Slowo[0].List(L) + " " + Slowo[1].List(R));
    dum_N[2].AddItem(dum_N[0].List(L));
    dum_N[3].AddItem(dum_N[1].List(R));
    Slowo[0].RemoveItem(L);
    Slowo[1].RemoveItem(R);
    dum_N[0].RemoveItem(L);
    dum_N[1].RemoveItem(R);
    Show_Remaining();
}

void ZOL::Withdraw_Pair()
{
    const int a = Slowo[2].ListIndex();
    if (a == -1)
        return;
    const int p = dum_N[4].FindFirst(dum_N[2].List(a));
    if (p >= 0)
        Slowo[0].AddItem(danni_.Danni(0).List(p));
    const int q = dum_N[5].FindFirst(dum_N[3].List(a));
    if (q >= 0)
        Slowo[1].AddItem(danni_.Danni(1).List(q));
    dum_N[2].RemoveItem(a);
    dum_N[3].RemoveItem(a);
    Slowo[2].RemoveItem(a);
    if (Slowo[2].ListCount() > a)
        Slowo[2].SetListIndex(a);
    Map_Expression_Numbers();
    Show_Remaining();
    if (Slowo[2].ListIndex() == -1 && Slowo[2].ListCount() > 0)
        Slowo[2].SetListIndex(Slowo[2].ListCount() - 1);
}

void ZOL::Slowo_Click(std::int16_t Index)
{
    switch (Index) {
    case 0: {
        const int selected = Slowo[0].ListIndex();
        if (selected == -1)
            return;
        dum_N[0].SetListIndex(selected);
        Current_Left = tk::int16_from_text(dum_N[0].List(selected));
        Show_Thumbnail(Current_Left);
        break;
    }
    case 1:
        if (Slowo[1].ListIndex() != -1)
            dum_N[1].SetListIndex(Slowo[1].ListIndex());
        break;
    case 2: {
        const int i = Slowo[2].ListIndex();
        if (i == -1)
            return;
        Prowerka[0].SetText("");
        dum_N[2].SetListIndex(i);
        Current_Left = tk::int16_from_text(dum_N[2].List(i));
        Show_Thumbnail(Current_Left);
        if (dum_N[2].List(i) == dum_N[3].List(i)) {
            Prowerka[1].SetBackColor(verdict_right);
            Prowerka[1].SetText("ДА");
        } else {
            Prowerka[1].SetBackColor(verdict_wrong);
            Prowerka[1].SetText("НЕ");
        }
        break;
    }
    default:
        break;
    }
}

void ZOL::dum_N_Click(std::int16_t Index)
{
    if (Index == 0)
        Slowo[0].SetListIndex(dum_N[0].ListIndex());
    else if (Index == 1)
        Slowo[1].SetListIndex(dum_N[1].ListIndex());
}

// ---------------------------------------------------------------- evaluation and explanation

void ZOL::Evaluate_Pairs()
{
    Correct_Pairs = 0;
    const int P = Slowo[2].ListCount();
    const double m = tk::number_from_text(Nastroiki.List(0));
    for (int i = 0; i < P; ++i)
        if (dum_N[2].List(i) == dum_N[3].List(i))
            ++Correct_Pairs;
    const std::int16_t score = m > 0 ? tk::round_half_even_16(100.0 * Correct_Pairs / m) : 0;
    Uprawl[0].SetEnabled(false);
    Uprawl[1].SetEnabled(false);
    Ndapis.SetCaption("Верни: " + tk::text_from_number(score) + "%");
    if (P > 0)
        Slowo[2].SetListIndex(0);
    Slowo_Click(2);
    Prowerka[1].SetVisible(true);
}

void ZOL::Explain_Selection()
{
    const int s = Slowo[0].ListIndex();
    if (s == -1)
        return;
    Prowerka[0].SetText("");
    const auto k = static_cast<std::int16_t>(danni_.Danni(0).FindFirst(Slowo[0].List(s)) + 1);
    Record_Pair();
    Explain_Expression(k);
}

void ZOL::Explain_Recorded_Pair()
{
    const int i = Slowo[2].ListIndex();
    dum_N[2].SetListIndex(i);
    Explain_Expression(tk::int16_from_text(dum_N[2].List(i)));
}

void ZOL::Explain_Expression(std::int16_t k)
{
    const char quote = '"';
    std::string text = "\r\n";
    text += quote + danni_.Danni(0).List(k - 1) + quote;
    text += " е във връзка с ";
    text += quote + danni_.Danni(1).List(k - 1) + quote;
    if (tk::number_from_text(danni_.Otgowor(0).List(k)) > 0) {
        // A number without a list of explanation lines has none to add.
        const content::ItemList& lines = danni_.Otgowor(k <= content::explanation_lists ? k : -1);
        for (int j = 0; j < lines.ListCount(); ++j)
            text += "\r\n" + lines.List(j);
    }
    Prowerka[0].SetText(text);
    Show_Thumbnail(k);
}

// ---------------------------------------------------------------- pictures and menu

void ZOL::Show_Thumbnail(std::int16_t k)
{
    pictures::Show_Thumbnail(Grafika[0], Grafika[1], program_.picture_window, k);
}

void ZOL::Grafika_Click(std::int16_t /*Index*/)
{
    pictures::Grafika_Click(program_.picture_window, Current_Left);
}

void ZOL::Izhod_Click()
{
    application().End();
}

void ZOL::Cwqt_Click()
{
    program_.colour_dialog().Show();
}

} // namespace run
