// Choosing and pairing expressions: "Избрах", "Върни", the remaining count and
// the selection of recorded pairs before the evaluation.
#include "support.h"

#include <functional>
#include <gtest/gtest.h>

namespace {

using Strings = std::vector<std::string>;

// The twins follow their visible lists, and every recorded pair's numbers
// name the texts of its entry.
void expect_lists_in_step(const zt::Session& s, run::ZOL& zol)
{
    for (int side = 0; side < 2; ++side) {
        ASSERT_EQ(zol.Slowo[side].ListCount(), zol.dum_N[side].ListCount());
        for (int i = 0; i < zol.Slowo[side].ListCount(); ++i)
            EXPECT_EQ(zol.dum_N[side].List(i),
                std::to_string(s.package().Danni(side).FindFirst(zol.Slowo[side].List(i)) + 1));
        EXPECT_TRUE(zt::in_sorted_order(zt::items(zol.Slowo[side])));
    }
    ASSERT_EQ(zol.Slowo[2].ListCount(), zol.dum_N[2].ListCount());
    ASSERT_EQ(zol.Slowo[2].ListCount(), zol.dum_N[3].ListCount());
    for (int i = 0; i < zol.Slowo[2].ListCount(); ++i)
        EXPECT_EQ(zol.Slowo[2].List(i),
            s.left_text(std::stoi(zol.dum_N[2].List(i))) + " "
                + s.right_text(std::stoi(zol.dum_N[3].List(i))));
}

TEST(Record, MovesTheSelectedTextsAndNumbersIntoAPair)
{
    zt::Session s;
    run::ZOL& zol = s.zol();
    s.pick_left("лейтенант ");
    s.pick_right("подпоручик");
    const auto current_left = zol.Current_Left;
    s.record();

    EXPECT_EQ(s.pairs(), Strings { "лейтенант  подпоручик" }) << "the final space stays, then one space";
    EXPECT_EQ(zt::items(zol.dum_N[2]), Strings { "8" });
    EXPECT_EQ(zt::items(zol.dum_N[3]), Strings { "8" });
    EXPECT_EQ(zol.Slowo[0].FindFirst("лейтенант "), -1);
    EXPECT_EQ(zol.Slowo[1].FindFirst("подпоручик"), -1);
    EXPECT_EQ(zol.Slowo[0].ListIndex(), -1);
    EXPECT_EQ(zol.Slowo[1].ListIndex(), -1);
    EXPECT_EQ(zol.Current_Left, current_left);
    EXPECT_EQ(s.remaining(), "Остават: 16");
    expect_lists_in_step(s, zol);
}

struct RecordCase {
    const char* meaning;
    std::function<void(zt::Session&)> act;
    Strings pairs;
};

void PrintTo(const RecordCase& c, std::ostream* os)
{
    *os << c.meaning;
}

class RecordGuard : public testing::TestWithParam<RecordCase> { };

TEST_P(RecordGuard, RecordsOnlyWithBothSidesSelected)
{
    zt::Session s;
    GetParam().act(s);
    EXPECT_EQ(s.pairs(), GetParam().pairs);
    expect_lists_in_step(s, s.zol());
}

INSTANTIATE_TEST_SUITE_P(Table, RecordGuard,
    testing::Values(RecordCase { "a_second_click_without_new_selection_records_nothing",
                        [](zt::Session& s) {
                            s.record();
                            s.record();
                        },
                        { "бригаден генерал адмирал" } },
        RecordCase { "only_a_left_expression_selected_records_nothing",
            [](zt::Session& s) {
                s.record();
                s.pick_left("сержант");
                s.record();
            },
            { "бригаден генерал адмирал" } },
        RecordCase { "only_a_right_expression_selected_records_nothing",
            [](zt::Session& s) {
                s.record();
                s.pick_right("капрал");
                s.record();
            },
            { "бригаден генерал адмирал" } },
        RecordCase { "choosing_again_before_recording_records_the_last_choice",
            [](zt::Session& s) {
                s.pick_left("сержант");
                s.pick_left("старшина");
                s.pick_right("главен старшина");
                s.pick_right("мичман");
                s.record();
            },
            { "старшина мичман" } }),
    [](const testing::TestParamInfo<RecordCase>& info) { return std::string(info.param.meaning); });

struct RemainingCase {
    const char* meaning;
    std::shared_ptr<const content::Package> (*package)();
    int pairs; // pairs (k, k) recorded from k = 1 on
    bool withdraw_first; // then take back the first pair
    const char* remaining;
};

void PrintTo(const RemainingCase& c, std::ostream* os)
{
    *os << c.meaning;
}

class Remaining : public testing::TestWithParam<RemainingCase> { };

TEST_P(Remaining, CountsThePairsStillPossible)
{
    const RemainingCase& c = GetParam();
    zt::Session s(c.package());
    for (int k = 1; k <= c.pairs; ++k)
        s.pair(s.left_text(k), s.right_text(k));
    if (c.withdraw_first) {
        s.pick_pair(0);
        s.withdraw();
    }
    EXPECT_EQ(s.remaining(), c.remaining);
}

INSTANTIATE_TEST_SUITE_P(Table, Remaining,
    testing::Values(RemainingCase { "nothing_recorded_keeps_the_designed_caption", content::builtin_test, 0,
                        false, "Оставащи:" },
        RemainingCase { "builtin_after_one_pair", content::builtin_test, 1, false, "Остават: 16" },
        RemainingCase { "builtin_after_all_pairs", content::builtin_test, 17, false, "Остават: 0" },
        RemainingCase {
            "builtin_after_taking_one_of_five_back", content::builtin_test, 5, true, "Остават: 13" },
        RemainingCase {
            "five_left_three_right_after_one_pair", zt::five_left_three_right, 1, false, "Остават: 2" },
        RemainingCase { "five_left_three_right_with_the_right_side_used_up", zt::five_left_three_right, 3,
            false, "Остават: 0" }),
    [](const testing::TestParamInfo<RemainingCase>& info) { return std::string(info.param.meaning); });

struct WithdrawCase {
    const char* meaning;
    int recorded; // how many of the three pairs below are recorded
    int selected; // the pair selected before "Върни", -1 none
    Strings pairs; // after "Върни"
    int selection; // of Slowo(2) after "Върни"
    const char* returned_left; // back in Slowo(0), or null
    const char* returned_right;
    const char* remaining;
};

void PrintTo(const WithdrawCase& c, std::ostream* os)
{
    *os << c.meaning;
}

class Withdraw : public testing::TestWithParam<WithdrawCase> { };

TEST_P(Withdraw, ReturnsThePairAndSelectsItsSuccessor)
{
    const WithdrawCase& c = GetParam();
    zt::Session s;
    run::ZOL& zol = s.zol();
    const std::pair<const char*, const char*> three[]
        = { { "сержант", "подофицер" }, { "редник", "капрал" }, { "майор", "мичман" } };
    for (int i = 0; i < c.recorded; ++i)
        s.pair(three[i].first, three[i].second);
    if (c.selected >= 0)
        s.pick_pair(c.selected);
    // A selection in the expression lists stays on its expression.
    s.pick_left("старшина");
    s.pick_right("матрос");

    s.withdraw();

    EXPECT_EQ(s.pairs(), c.pairs);
    EXPECT_EQ(zol.Slowo[2].ListIndex(), c.selection);
    EXPECT_EQ(zol.Slowo[0].List(zol.Slowo[0].ListIndex()), "старшина");
    EXPECT_EQ(zol.Slowo[1].List(zol.Slowo[1].ListIndex()), "матрос");
    EXPECT_EQ(s.remaining(), c.remaining);
    expect_lists_in_step(s, zol);
    if (c.returned_left) {
        const int row = zol.Slowo[0].FindFirst(c.returned_left);
        ASSERT_GE(row, 0) << c.returned_left;
        EXPECT_EQ(
            zol.dum_N[0].List(row), std::to_string(s.package().Danni(0).FindFirst(c.returned_left) + 1));
        EXPECT_GE(zol.Slowo[1].FindFirst(c.returned_right), 0) << c.returned_right;
    }
    if (c.selection >= 0) {
        // The pair that took the place was clicked: its left expression is current.
        EXPECT_EQ(zol.Current_Left, std::stoi(zol.dum_N[2].List(c.selection)));
        EXPECT_EQ(zol.dum_N[2].ListIndex(), c.selection);
    }
}

INSTANTIATE_TEST_SUITE_P(Table, Withdraw,
    testing::Values(WithdrawCase { "in_the_middle_selects_the_pair_that_moves_up", 3, 1,
                        { "сержант подофицер", "майор мичман" }, 1, "редник", "капрал", "Остават: 15" },
        WithdrawCase { "the_first_selects_the_new_first", 3, 0, { "редник капрал", "майор мичман" }, 0,
            "сержант", "подофицер", "Остават: 15" },
        WithdrawCase { "at_the_end_selects_the_new_last", 3, 2, { "сержант подофицер", "редник капрал" }, 1,
            "майор", "мичман", "Остават: 15" },
        WithdrawCase { "the_only_pair_leaves_no_pair_and_no_selection", 1, 0, {}, -1, "сержант", "подофицер",
            "Остават: 17" },
        WithdrawCase { "without_a_selected_pair_does_nothing", 3, -1,
            { "сержант подофицер", "редник капрал", "майор мичман" }, -1, nullptr, nullptr, "Остават: 14" }),
    [](const testing::TestParamInfo<WithdrawCase>& info) { return std::string(info.param.meaning); });

TEST(Withdraw, AReturnedExpressionStandsAtItsPlaceAndCanBePairedAgain)
{
    zt::Session s;
    run::ZOL& zol = s.zol();
    const Strings left_before = zt::items(zol.Slowo[0]);
    const Strings right_before = zt::items(zol.Slowo[1]);
    const Strings left_numbers_before = zt::items(zol.dum_N[0]);
    s.pair("лейтенант ", "мичман");
    s.pick_pair(0);
    s.withdraw();
    EXPECT_EQ(zt::items(zol.Slowo[0]), left_before);
    EXPECT_EQ(zt::items(zol.Slowo[1]), right_before);
    EXPECT_EQ(zt::items(zol.dum_N[0]), left_numbers_before);
    EXPECT_EQ(zol.dum_N[0].List(zol.Slowo[0].FindFirst("лейтенант ")), "8");

    s.pair("лейтенант ", "подпоручик");
    EXPECT_EQ(s.pairs(), Strings { "лейтенант  подпоручик" });
    expect_lists_in_step(s, zol);
}

TEST(PairSelection, BeforeTheEvaluationEmptiesTheTextAndHidesTheVerdict)
{
    zt::Session s;
    run::ZOL& zol = s.zol();
    s.pair("сержант", "подофицер");
    s.pair("редник", "капрал");
    s.pick_pair(0);
    EXPECT_EQ(s.explanation(), "");
    EXPECT_EQ(zol.Current_Left, 4);
    EXPECT_FALSE(zol.Prowerka[1].Visible());
    EXPECT_EQ(zol.Prowerka[1].Text(), "ДА") << "written, though not yet shown";
    s.pick_pair(1);
    EXPECT_EQ(zol.Current_Left, 1);
    EXPECT_EQ(zol.Prowerka[1].Text(), "НЕ");
    EXPECT_FALSE(zol.Prowerka[1].Visible());
}

TEST(ExpressionSelection, LeftSetsTheCurrentLeftNumberRightDoesNot)
{
    zt::Session s;
    run::ZOL& zol = s.zol();
    s.pick_left("генерал");
    EXPECT_EQ(zol.Current_Left, 17);
    EXPECT_EQ(zol.dum_N[0].ListIndex(), zol.Slowo[0].ListIndex());
    s.pick_right("матрос");
    EXPECT_EQ(zol.Current_Left, 17);
    EXPECT_EQ(zol.dum_N[1].ListIndex(), zol.Slowo[1].ListIndex());
    EXPECT_EQ(zol.dum_N[1].List(zol.dum_N[1].ListIndex()), "1");
}

} // namespace
