// Evaluation and explanation: scores, verdicts, the buttons of both phases,
// the rule for "Оцени" and the explanation text.
#include "support.h"

#include <gtest/gtest.h>

namespace {

using Strings = std::vector<std::string>;
using Numbers = std::vector<std::pair<int, int>>;

constexpr tk::Colour green = 65280;
constexpr tk::Colour red = 255;

void record_numbers(zt::Session& s, const Numbers& pairs)
{
    for (const auto& [left, right] : pairs)
        s.pair(s.left_text(left), s.right_text(right));
}

Numbers correct(int from, int to)
{
    Numbers pairs;
    for (int k = from; k <= to; ++k)
        pairs.emplace_back(k, k);
    return pairs;
}

Numbers operator+(Numbers a, const Numbers& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// The relation line of left expression k, after the empty first line.
std::string relation(const zt::Session& s, int k)
{
    return "\r\n\"" + s.left_text(k) + "\" е във връзка с \"" + s.right_text(k) + "\"";
}

void expect_buttons(run::ZOL& zol, bool record, bool withdraw, bool evaluate, bool explain)
{
    EXPECT_EQ(zol.Uprawl[0].Enabled(), record) << "Избрах";
    EXPECT_EQ(zol.Uprawl[1].Enabled(), withdraw) << "Върни";
    EXPECT_EQ(zol.Uprawl[2].Enabled(), evaluate) << "Оцени";
    EXPECT_EQ(zol.Uprawl[3].Enabled(), explain) << "Обясни";
}

struct ScoreCase {
    const char* meaning;
    std::shared_ptr<const content::Package> (*package)();
    Numbers pairs;
    int correct;
    const char* score;
};

void PrintTo(const ScoreCase& c, std::ostream* os)
{
    *os << c.meaning;
}

class Score : public testing::TestWithParam<ScoreCase> { };

TEST_P(Score, IsThePercentageOfAllCorrectCombinations)
{
    const ScoreCase& c = GetParam();
    zt::Session s(c.package());
    run::ZOL& zol = s.zol();
    record_numbers(s, c.pairs);
    ASSERT_TRUE(zol.Uprawl[2].Enabled());
    s.evaluate();

    EXPECT_EQ(s.remaining(), c.score);
    EXPECT_EQ(zol.Correct_Pairs, c.correct);
    expect_buttons(zol, false, false, false, true);
    EXPECT_TRUE(zol.Prowerka[1].Visible());
    EXPECT_EQ(zol.Slowo[2].ListIndex(), 0);
    EXPECT_EQ(s.explanation(), "");
    const bool first_correct = c.pairs.front().first == c.pairs.front().second;
    EXPECT_EQ(zol.Prowerka[1].Text(), first_correct ? "ДА" : "НЕ");
    EXPECT_EQ(zol.Prowerka[1].BackColor(), first_correct ? green : red);
    EXPECT_EQ(zol.Current_Left, c.pairs.front().first);
}

Numbers thirteen_wrong()
{
    Numbers pairs;
    for (int k = 1; k <= 13; ++k)
        pairs.emplace_back(k, k % 17 + 1);
    return pairs;
}

INSTANTIATE_TEST_SUITE_P(Table, Score,
    testing::Values(
        ScoreCase { "all_seventeen_correct", content::builtin_test, correct(1, 17), 17, "Верни: 100%" },
        ScoreCase { "thirteen_correct", content::builtin_test, correct(1, 13), 13, "Верни: 76%" },
        ScoreCase { "none_correct", content::builtin_test, thirteen_wrong(), 0, "Верни: 0%" },
        ScoreCase { "missing_combinations_count_as_wrong", content::builtin_test,
            Numbers { { 1, 2 }, { 2, 3 }, { 3, 4 }, { 4, 5 }, { 5, 6 }, { 6, 7 }, { 7, 8 }, { 8, 1 } }
                + correct(9, 13),
            5, "Верни: 29%" },
        ScoreCase { "half_goes_down_to_even_12", zt::eight_by_eight,
            correct(1, 1) + Numbers { { 2, 3 }, { 3, 4 }, { 4, 5 }, { 5, 6 }, { 6, 2 } }, 1, "Верни: 12%" },
        ScoreCase { "half_goes_up_to_even_38", zt::eight_by_eight,
            Numbers { { 4, 5 }, { 5, 6 }, { 6, 4 } } + correct(1, 3), 3, "Верни: 38%" },
        ScoreCase { "five_left_three_right_all_three_found", zt::five_left_three_right, correct(1, 3), 3,
            "Верни: 100%" },
        ScoreCase { "left_expressions_without_partner_are_wrong", zt::five_left_three_right,
            Numbers { { 4, 1 }, { 5, 2 }, { 3, 3 } }, 1, "Верни: 33%" }),
    [](const testing::TestParamInfo<ScoreCase>& info) { return std::string(info.param.meaning); });

TEST(Verdict, ShowsEachSelectedPairOnItsColourAfterTheEvaluation)
{
    zt::Session s;
    run::ZOL& zol = s.zol();
    record_numbers(s, correct(1, 12) + Numbers { { 13, 14 } });
    s.evaluate();
    struct Row {
        int pair;
        const char* verdict;
        tk::Colour colour;
    };
    for (const Row& row : { Row { 12, "НЕ", red }, Row { 3, "ДА", green }, Row { 12, "НЕ", red } }) {
        s.pick_pair(row.pair);
        EXPECT_EQ(zol.Prowerka[1].Text(), row.verdict) << row.pair;
        EXPECT_EQ(zol.Prowerka[1].BackColor(), row.colour) << row.pair;
        EXPECT_TRUE(zol.Prowerka[1].Visible());
    }
}

TEST(Verdict, ListsOfDifferentLengthsMatchByNumber)
{
    zt::Session s(zt::five_left_seven_right());
    run::ZOL& zol = s.zol();
    record_numbers(s, { { 1, 6 }, { 5, 5 }, { 2, 2 }, { 3, 1 }, { 4, 7 } });
    const Strings verdicts { "НЕ", "ДА", "ДА", "НЕ", "НЕ" };
    for (int i = 0; i < 5; ++i) {
        s.pick_pair(i);
        EXPECT_EQ(zol.Prowerka[1].Text(), verdicts[static_cast<std::size_t>(i)]) << i;
    }
    // 5 left against 7 right: 5 pairs never reach 3 x 2 unpaired.
    EXPECT_FALSE(zol.Uprawl[2].Enabled());
}

TEST(Phases, AfterTheEvaluationPairsAreFrozenButTheListsStillReact)
{
    zt::Session s;
    run::ZOL& zol = s.zol();
    record_numbers(s, correct(1, 13));
    s.evaluate();
    const Strings pairs = s.pairs();
    const Strings left = zt::items(zol.Slowo[0]);

    s.pick_left("генерал");
    s.pick_right("адмирал");
    s.record();
    s.pick_pair(2);
    s.withdraw();
    s.evaluate();
    EXPECT_EQ(s.pairs(), pairs);
    EXPECT_EQ(zt::items(zol.Slowo[0]), left);
    EXPECT_EQ(s.remaining(), "Верни: 76%");
    expect_buttons(zol, false, false, false, true);

    s.pick_left("генерал-майор");
    EXPECT_EQ(zol.Current_Left, 15);
    s.pick_pair(5);
    EXPECT_EQ(zol.Current_Left, 6);
}

// "Оцени" always shows the rule for the lists as they stand after the click.
TEST(EvaluateButton, FollowsTheRuleAfterEveryClickAndStaysOffOnceEvaluated)
{
    zt::Session s;
    run::ZOL& zol = s.zol();
    for (int k = 1; k <= 12; ++k) {
        s.pair(s.left_text(k), s.right_text(k));
        EXPECT_FALSE(zol.Uprawl[2].Enabled()) << k << " pairs";
    }
    s.pair(s.left_text(13), s.right_text(13));
    EXPECT_TRUE(zol.Uprawl[2].Enabled()) << "13 pairs against 4 unpaired";

    s.pick_pair(0);
    s.withdraw();
    EXPECT_FALSE(zol.Uprawl[2].Enabled()) << "12 pairs against 5 unpaired";
    s.evaluate();
    EXPECT_EQ(s.pairs().size(), 12u) << "a disabled \"Оцени\" evaluates nothing";
    EXPECT_TRUE(zol.Uprawl[0].Enabled());

    // "Обясни" records the 13th pair and so enables "Оцени".
    s.pick_left(s.left_text(1));
    s.pick_right(s.right_text(1));
    s.explain();
    EXPECT_TRUE(zol.Uprawl[2].Enabled());
    expect_buttons(zol, true, true, true, false);

    s.evaluate();
    expect_buttons(zol, false, false, false, true);
    s.explain();
    expect_buttons(zol, false, false, false, true);
    s.pick_pair(3);
    s.explain();
    expect_buttons(zol, false, false, false, true);
}

TEST(Explain, DuringPairingRecordsTheChoiceExplainsItsLeftAndWorksOnce)
{
    zt::Session s;
    run::ZOL& zol = s.zol();
    s.pick_left("сержант");
    s.pick_right("капрал");
    s.explain();
    EXPECT_EQ(s.pairs(), Strings { "сержант капрал" });
    EXPECT_EQ(s.explanation(), "\r\n\"сержант\" е във връзка с \"подофицер\"");
    EXPECT_EQ(zol.Current_Left, 4);
    EXPECT_EQ(s.remaining(), "Остават: 16");
    expect_buttons(zol, true, true, false, false);

    s.pick_left("редник");
    s.pick_right("матрос");
    s.explain();
    EXPECT_EQ(s.pairs(), Strings { "сержант капрал" });
    EXPECT_EQ(s.explanation(), "\r\n\"сержант\" е във връзка с \"подофицер\"");
}

TEST(Explain, DuringPairingWithoutBothSelectionsDoesNothing)
{
    zt::Session s;
    run::ZOL& zol = s.zol();
    s.record(); // leaves both expression lists without a selection
    s.pick_left("сержант");
    s.explain();
    EXPECT_EQ(s.pairs().size(), 1u);
    EXPECT_EQ(s.explanation(), s.package().Ukazanie());
    EXPECT_TRUE(zol.Uprawl[3].Enabled());
}

TEST(Explain, AfterTheEvaluationExplainsTheSelectedPairsLeftAsOftenAsAsked)
{
    // (сержант, капрал) among twelve correct pairs.
    zt::Session s;
    record_numbers(s, correct(5, 16));
    s.pair("сержант", "капрал");
    s.evaluate();
    s.pick_pair(12);
    s.explain();
    EXPECT_EQ(s.explanation(), "\r\n\"сержант\" е във връзка с \"подофицер\"");
    s.pick_pair(0);
    s.explain();
    EXPECT_EQ(s.explanation(), relation(s, 5));
    s.explain();
    EXPECT_EQ(s.explanation(), relation(s, 5));
    EXPECT_EQ(s.zol().Current_Left, 5);
}

TEST(Explain, AFlagAddsEveryLineOfTheExpressionsList)
{
    zt::Session s(zt::explained_left_6());
    s.pick_left("старшина");
    s.pick_right("главен старшина");
    s.explain();
    std::string expected = "\r\n\"старшина\" е във връзка с \"мичман\"\r\nOtgowor 6";
    for (int j = 1; j <= 18; ++j)
        expected += "\r\n6";
    expected += "\r\n5";
    EXPECT_EQ(s.explanation(), expected);
}

TEST(Explain, ALeftNumberBeyondTheRightSideGetsEmptyQuotes)
{
    zt::Session s(zt::five_left_three_right());
    s.pick_left("дюля");
    s.pick_right("синя");
    s.explain();
    EXPECT_EQ(s.explanation(), "\r\n\"дюля\" е във връзка с \"\"");
}

// Flags a package must not hold count as no explanation lines.
TEST(Explain, FlagsWithoutExplanationListsAddNoLines)
{
    zt::Session s(zt::faulty_flags());
    record_numbers(s, correct(1, 34));
    s.evaluate();
    ASSERT_EQ(s.remaining(), "Верни: 100%");
    for (int k : { 1, 2, 31, 32, 33, 34 }) {
        s.pick_pair(k - 1);
        s.explain();
        EXPECT_EQ(s.explanation(), relation(s, k)) << k;
    }
    s.pick_pair(4);
    s.explain();
    EXPECT_EQ(s.explanation(), relation(s, 5)) << "flag \"0\"";
}

} // namespace
