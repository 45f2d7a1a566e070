// The toolkit contract the windows rely on: list boxes, buttons, sliders and
// the lifecycle of windows.
#include "support.h"

#include <functional>
#include <gtest/gtest.h>

namespace {

using Strings = std::vector<std::string>;

struct Bench {
    zt::FakeScreen screen;
    tk::Application application { zt::bulgarian(), screen };
    tk::Window window { application, "Bench", tk::WindowDesign {} };
};

struct ListCase {
    const char* meaning;
    bool sorted;
    Strings start; // added before the selection is made
    int select; // selection made before the action, -1 none
    std::function<void(tk::ListBox&)> act;
    Strings items; // after the action
    int index; // ListIndex after the action
    int clicks; // clicks raised by the action
};

void PrintTo(const ListCase& c, std::ostream* os)
{
    *os << c.meaning;
}

class ListBoxContract : public testing::TestWithParam<ListCase> { };

TEST_P(ListBoxContract, ItemsSelectionAndClicks)
{
    const ListCase& c = GetParam();
    Bench bench;
    tk::ListBox list(bench.window, "List", -1, {}, c.sorted ? &zt::bulgarian() : nullptr);
    for (const std::string& text : c.start)
        list.AddItem(text);
    list.SetListIndex(c.select);
    int clicks = 0;
    int index_seen = -2;
    list.on_click = [&] {
        ++clicks;
        index_seen = list.ListIndex();
    };

    c.act(list);

    EXPECT_EQ(clicks, c.clicks);
    if (clicks > 0) {
        EXPECT_EQ(index_seen, c.index) << "the handler sees the new selection";
    }
    EXPECT_EQ(zt::items(list), c.items);
    EXPECT_EQ(list.ListIndex(), c.index);
    EXPECT_EQ(list.List(list.ListCount()), "");
    EXPECT_EQ(list.List(list.ListCount() + 7), "");
    EXPECT_EQ(list.List(-1), "");
}

void add(tk::ListBox& list, const Strings& texts)
{
    for (const std::string& text : texts)
        list.AddItem(text);
}

INSTANTIATE_TEST_SUITE_P(Table, ListBoxContract,
    testing::Values(ListCase { "sorted_list_orders_by_bulgarian_collation_empty_text_first", true, {}, -1,
                        [](tk::ListBox& l) {
                            add(l, { "ясен", "", "щука", "ъгъл", "юг", "бор", "ангел", "жаба" });
                        },
                        { "", "ангел", "бор", "жаба", "щука", "ъгъл", "юг", "ясен" }, -1, 0 },
        ListCase { "plain_list_keeps_the_order_of_adding", false, {}, -1,
            [](tk::ListBox& l) {
                add(l, { "ясен", "", "бор" });
            },
            { "ясен", "", "бор" }, -1, 0 },
        ListCase { "texts_differing_by_a_final_space_are_two_items", true, {}, -1,
            [](tk::ListBox& l) {
                add(l, { "лейтенант ", "лейтенант" });
            },
            { "лейтенант", "лейтенант " }, -1, 0 },
        ListCase { "burst_of_additions_before_a_read_keeps_the_selection_on_its_item", true, { "мед", "бор" },
            1,
            [](tk::ListBox& l) {
                add(l, { "ясен", "ангел", "вишна", "гора" });
            },
            { "ангел", "бор", "вишна", "гора", "мед", "ясен" }, 4, 0 },
        ListCase { "additions_read_one_by_one_keep_the_selection_on_its_item", true, { "мед", "бор" }, 0,
            [](tk::ListBox& l) {
                for (const char* text : { "ясен", "ангел", "вишна" }) {
                    l.AddItem(text);
                    (void)l.ListIndex();
                }
            },
            { "ангел", "бор", "вишна", "мед", "ясен" }, 1, 0 },
        ListCase { "adding_to_a_plain_list_keeps_the_selection", false, { "а", "б" }, 1,
            [](tk::ListBox& l) {
                add(l, { "в", "г" });
            },
            { "а", "б", "в", "г" }, 1, 0 },
        ListCase { "removing_an_item_above_keeps_the_selection_on_its_item", false, { "а", "б", "в" }, 2,
            [](tk::ListBox& l) { l.RemoveItem(0); }, { "б", "в" }, 1, 0 },
        ListCase { "removing_an_item_below_keeps_the_selection", true, { "а", "б", "в" }, 0,
            [](tk::ListBox& l) { l.RemoveItem(2); }, { "а", "б" }, 0, 0 },
        ListCase { "removing_the_selected_item_leaves_none_selected", true, { "а", "б", "в" }, 1,
            [](tk::ListBox& l) { l.RemoveItem(1); }, { "а", "в" }, -1, 0 },
        ListCase { "replacing_an_item_of_a_plain_list_keeps_its_place_and_the_selection", false,
            { "а", "б", "в" }, 1, [](tk::ListBox& l) { l.SetList(1, "я"); }, { "а", "я", "в" }, 1, 0 },
        ListCase { "replacing_an_item_of_a_sorted_list_moves_it_to_its_sorted_place", true, { "а", "б", "в" }, 2,
            [](tk::ListBox& l) { l.SetList(0, "г"); }, { "б", "в", "г" }, 1, 0 },
        ListCase { "item_data_moves_with_its_item_and_a_new_item_starts_with_none", true, { "в", "б" }, -1,
            [](tk::ListBox& l) {
                l.SetItemData(1, 7); // "в"
                l.AddItem("а", 3);
                l.AddItem("г");
                l.RemoveItem(1); // "б"
                l.SetList(l.ListCount() - 1, "д"); // "г" goes, "д" comes new
                Strings shown;
                for (int i = 0; i < l.ListCount(); ++i)
                    shown.push_back(l.List(i) + "=" + std::to_string(l.ItemData(i)));
                l.Clear();
                add(l, shown);
            },
            { "а=3", "в=7", "д=0" }, -1, 0 },
        ListCase { "clearing_raises_no_click_and_leaves_none_selected", false, { "а", "б" }, 0,
            [](tk::ListBox& l) { l.Clear(); }, {}, -1, 0 },
        ListCase { "assigning_a_new_index_raises_one_click", false, { "а", "б" }, 0,
            [](tk::ListBox& l) { l.SetListIndex(1); }, { "а", "б" }, 1, 1 },
        ListCase { "assigning_the_index_already_held_raises_nothing", true, { "а", "б" }, 1,
            [](tk::ListBox& l) { l.SetListIndex(1); }, { "а", "б" }, 1, 0 },
        ListCase { "assigning_none_to_a_selection_raises_a_click", false, { "а", "б" }, 0,
            [](tk::ListBox& l) { l.SetListIndex(-1); }, { "а", "б" }, -1, 1 },
        ListCase { "a_hidden_list_raises_its_click_too", false, { "а", "б" }, -1,
            [](tk::ListBox& l) {
                l.SetVisible(false);
                l.SetListIndex(0);
            },
            { "а", "б" }, 0, 1 },
        ListCase { "the_learner_selecting_a_row_raises_one_click", true, { "б", "а" }, -1,
            [](tk::ListBox& l) { l.learner_select(1); }, { "а", "б" }, 1, 1 }),
    [](const testing::TestParamInfo<ListCase>& info) { return std::string(info.param.meaning); });

// The exchange Slowo_Click and dum_N_Click rely on: a click handler that
// assigns another list, whose handler assigns the first list back the value
// it already holds, ends there; every handler has run before the assignment
// that started it returns.
TEST(ListBoxContract, NestedClickHandlersRunBeforeTheAssignmentReturns)
{
    Bench bench;
    tk::ListBox shown(bench.window, "Shown", -1, {}, &zt::bulgarian());
    tk::ListBox twin(bench.window, "Twin", -1, {});
    twin.SetVisible(false);
    for (const char* text : { "в", "а", "б" }) {
        shown.AddItem(text);
        twin.AddItem(text);
    }
    std::vector<std::string> trace;
    shown.on_click = [&] {
        trace.push_back("shown " + std::to_string(shown.ListIndex()));
        twin.SetListIndex(shown.ListIndex());
        trace.push_back("shown done");
    };
    twin.on_click = [&] {
        trace.push_back("twin " + std::to_string(twin.ListIndex()));
        shown.SetListIndex(twin.ListIndex());
    };

    shown.SetListIndex(2);
    EXPECT_EQ(trace, (Strings { "shown 2", "twin 2", "shown done" }));
    trace.clear();
    shown.SetListIndex(2);
    EXPECT_TRUE(trace.empty());
}

TEST(CommandButtonContract, ADisabledButtonRaisesNoClick)
{
    Bench bench;
    tk::CommandButton button(bench.window, "Button", 0, {}, "Оцени");
    int clicks = 0;
    button.on_click = [&] { ++clicks; };
    button.learner_click();
    EXPECT_EQ(clicks, 1);
    button.SetEnabled(false);
    button.learner_click();
    EXPECT_EQ(clicks, 1);
    button.SetEnabled(true);
    button.learner_click();
    EXPECT_EQ(clicks, 2);
}

TEST(SliderContract, OnlyTheLearnerRaisesScrollAndTheHandlerSeesTheNewValue)
{
    Bench bench;
    tk::Slider slider(bench.window, "Slider1", -1, {});
    std::vector<int> seen;
    slider.on_scroll = [&] { seen.push_back(slider.Value()); };
    slider.SetValue(100);
    EXPECT_EQ(slider.Value(), 100);
    EXPECT_TRUE(seen.empty());
    slider.learner_move(200);
    slider.learner_move(300); // beyond the range: the slider stops at 255
    EXPECT_EQ(seen, (std::vector<int> { 200, 255 }));
}

// A window that counts its loads and carries a variable of its own.
class Counted : public tk::Window {
public:
    Counted(tk::Application& application, int& loads)
        : tk::Window(application, "Counted", tk::WindowDesign {})
        , loads_(loads)
    {
    }
    int variable = 0;

protected:
    void Form_Load() override
    {
        ++loads_;
        variable = 1;
    }

private:
    int& loads_;
};

TEST(WindowLifecycle, CreatedHiddenAndLoadedOnFirstReferenceAndAfreshAfterClosing)
{
    Bench bench;
    int loads = 0;
    tk::Form<Counted> form([&] { return std::make_unique<Counted>(bench.application, loads); });
    EXPECT_EQ(form.loaded(), nullptr);
    EXPECT_EQ(loads, 0);

    Counted& first = form();
    EXPECT_EQ(loads, 1);
    EXPECT_FALSE(first.Visible());
    first.variable = 42;
    EXPECT_EQ(&form(), &first) << "a loaded window is referred to, not remade";
    EXPECT_EQ(loads, 1);

    first.Show();
    EXPECT_TRUE(first.Visible());
    first.Show(); // only brings it to the front
    EXPECT_TRUE(first.Visible());

    first.Close();
    EXPECT_EQ(form.loaded(), nullptr);
    Counted& again = form();
    EXPECT_EQ(loads, 2);
    EXPECT_EQ(again.variable, 1) << "a window made afresh starts from its design";
    EXPECT_FALSE(again.Visible());
}

TEST(WindowLifecycle, EndingTheApplicationClosesEveryWindow)
{
    Bench bench;
    int loads = 0;
    tk::Form<Counted> shown([&] { return std::make_unique<Counted>(bench.application, loads); });
    tk::Form<Counted> hidden([&] { return std::make_unique<Counted>(bench.application, loads); });
    shown().Show();
    hidden();
    bench.application.End();
    EXPECT_TRUE(bench.application.ended());
    EXPECT_TRUE(bench.window.closed());
    EXPECT_EQ(shown.loaded(), nullptr);
    EXPECT_EQ(hidden.loaded(), nullptr);
    for (tk::Window* window : bench.application.windows())
        EXPECT_TRUE(window->closed()) << window->name();
}

} // namespace
