// The main window after start-up, and the menu command "Exit".
#include "support.h"

#include <gtest/gtest.h>

namespace {

using Strings = std::vector<std::string>;

// The twin of an expression list holds the number of each shown text.
void expect_twins_follow(const zt::Session& s, run::ZOL& zol)
{
    for (int side = 0; side < 2; ++side) {
        const tk::ListBox& shown = zol.Slowo[side];
        const tk::ListBox& twin = zol.dum_N[side];
        ASSERT_EQ(shown.ListCount(), twin.ListCount()) << side;
        for (int i = 0; i < shown.ListCount(); ++i)
            ASSERT_EQ(twin.List(i), std::to_string(s.package().Danni(side).FindFirst(shown.List(i)) + 1))
                << "side " << side << " row " << i;
    }
}

TEST(StartUp, BuiltinTest)
{
    zt::Session s;
    run::ZOL& zol = s.zol();

    EXPECT_EQ(zol.Caption(), s.package().Danni(3).List(0));
    EXPECT_TRUE(zol.Visible());
    EXPECT_EQ(zol.Width(), 11250);
    EXPECT_EQ(zol.Slowo[0].Left(), 1120);
    EXPECT_EQ(zol.Slowo[0].Left() + zol.Slowo[0].Width(), 4255);
    EXPECT_EQ(zol.Slowo[1].Left(), 4360);
    EXPECT_EQ(zol.Slowo[1].Left() + zol.Slowo[1].Width(), 8935);
    EXPECT_EQ(zol.Slowo[0].Top(), 480);
    EXPECT_EQ(zol.Slowo[0].Height(), 2055);

    EXPECT_EQ(zol.Slowo[0].ListCount(), 17);
    EXPECT_EQ(zol.Slowo[1].ListCount(), 17);
    EXPECT_TRUE(zt::in_sorted_order(zt::items(zol.Slowo[0])));
    EXPECT_TRUE(zt::in_sorted_order(zt::items(zol.Slowo[1])));
    EXPECT_EQ(zol.Slowo[0].List(0), "бригаден генерал");
    EXPECT_EQ(zol.Slowo[1].List(0), "адмирал");
    EXPECT_EQ(zol.Slowo[0].ListIndex(), 0);
    EXPECT_EQ(zol.Slowo[1].ListIndex(), 0);
    EXPECT_EQ(zol.dum_N[0].List(0), "14");
    EXPECT_EQ(zol.dum_N[1].List(0), "17");
    EXPECT_EQ(zol.dum_N[0].ListIndex(), 0);
    EXPECT_EQ(zol.dum_N[1].ListIndex(), 0);
    expect_twins_follow(s, zol);
    EXPECT_EQ(zol.Slowo[2].ListCount(), 0);
    EXPECT_EQ(zol.dum_N[2].ListCount(), 0);
    EXPECT_EQ(zol.dum_N[3].ListCount(), 0);
    EXPECT_EQ(zt::items(zol.dum_N[4]), zt::numbers_up_to(17));
    EXPECT_EQ(zt::items(zol.dum_N[5]), zt::numbers_up_to(17));
    EXPECT_EQ(zt::items(zol.Nastroiki), Strings { "17" });

    EXPECT_EQ(zol.Current_Left, 14);
    EXPECT_EQ(zol.Correct_Pairs, 0);
    EXPECT_EQ(zol.Ndapis.Caption(), "Оставащи:");
    EXPECT_EQ(zol.Prowerka[0].Text(), s.package().Ukazanie());
    EXPECT_FALSE(zol.Prowerka[1].Visible());
    EXPECT_TRUE(zol.Uprawl[0].Enabled());
    EXPECT_TRUE(zol.Uprawl[1].Enabled());
    EXPECT_FALSE(zol.Uprawl[2].Enabled());
    EXPECT_TRUE(zol.Uprawl[3].Enabled());

    // The thumbnail loaded the picture window, hidden; the built-in test has no picture.
    ASSERT_NE(s.picture_window(), nullptr);
    EXPECT_FALSE(s.picture_window()->Visible());
    EXPECT_EQ(zol.Grafika[0].Picture(), nullptr);
}

TEST(StartUp, TheTwoFirstItemsCanBePairedAtOnce)
{
    zt::Session s;
    s.record();
    EXPECT_EQ(s.pairs(), Strings { "бригаден генерал адмирал" });
    EXPECT_EQ(zt::items(s.zol().dum_N[2]), Strings { "14" });
    EXPECT_EQ(zt::items(s.zol().dum_N[3]), Strings { "17" });
    EXPECT_EQ(s.remaining(), "Остават: 16");
}

TEST(StartUp, FiveLeftThreeRight)
{
    zt::Session s(zt::five_left_three_right());
    run::ZOL& zol = s.zol();
    EXPECT_EQ(zt::items(zol.Nastroiki), Strings { "3" });
    EXPECT_EQ(zt::items(zol.dum_N[4]), zt::numbers_up_to(5));
    EXPECT_EQ(zt::items(zol.dum_N[5]), zt::numbers_up_to(3));
    EXPECT_EQ(zt::items(zol.Slowo[0]), (Strings { "дюля", "круша", "слива", "череша", "ябълка" }));
    EXPECT_EQ(zt::items(zol.Slowo[1]), (Strings { "жълта", "синя", "червена" }));
    expect_twins_follow(s, zol);
    EXPECT_EQ(zol.Current_Left, 5);
    EXPECT_FALSE(zol.Uprawl[2].Enabled());
    EXPECT_EQ(zol.Ndapis.Caption(), "Оставащи:");
}

TEST(StartUp, TheLargestPackageStartsAndKeepsItsNumbers)
{
    constexpr int n = content::max_expressions;
    zt::Session s(zt::generated(n));
    run::ZOL& zol = s.zol();
    EXPECT_EQ(zol.Slowo[0].ListCount(), n);
    EXPECT_EQ(zol.Slowo[1].ListCount(), n);
    EXPECT_EQ(zol.Nastroiki.List(0), std::to_string(n));
    expect_twins_follow(s, zol);
    EXPECT_EQ(zol.Slowo[0].ListIndex(), 0);
    EXPECT_FALSE(zol.Uprawl[2].Enabled());
    s.record();
    EXPECT_EQ(s.remaining(), "Остават: " + std::to_string(n - 1));
    EXPECT_FALSE(zol.Uprawl[2].Enabled()) << "1 pair against 3 x 10921 unpaired, within 16 bits";
}

TEST(Exit, EndsTheProgramWithEveryWindowClosed)
{
    zt::Session s(zt::picture_for_left_3());
    s.pick_left(s.left_text(3));
    s.click_thumbnail();
    ASSERT_TRUE(s.picture_window_visible());
    s.zol().learner_menu(0); // "Exit"
    EXPECT_TRUE(s.application().ended());
    EXPECT_TRUE(s.zol().closed());
    EXPECT_EQ(s.picture_window(), nullptr);
}

} // namespace

// A package that breaks the rule of distinct texts still starts: a shown text
// stands for the first expression that has it, also after a pair is taken back.
TEST(StartUp, ARepeatedTextStandsForItsFirstExpression)
{
    zt::Session s(zt::package_of(zt::plain_content({ "бор", "ясен", "бор" }, { "а", "б", "в" })));
    run::ZOL& zol = s.zol();
    EXPECT_EQ(zt::items(zol.Slowo[0]), (std::vector<std::string> { "бор", "бор", "ясен" }));
    EXPECT_EQ(zt::items(zol.dum_N[0]), (std::vector<std::string> { "1", "1", "2" }));

    s.pair("ясен", "а");
    s.pick_pair(0);
    s.withdraw();
    EXPECT_EQ(zt::items(zol.dum_N[0]), (std::vector<std::string> { "1", "1", "2" }));

    s.pick_left("бор");
    s.pick_right("б");
    s.explain();
    EXPECT_EQ(s.explanation(), "\r\n\"бор\" е във връзка с \"а\"");
}
