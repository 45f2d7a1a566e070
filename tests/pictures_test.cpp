// The thumbnail of the current left expression and the picture window.
#include "support.h"

#include <gtest/gtest.h>

namespace {

TEST(Pictures, TheBuiltinTestShowsNoPictureAndOpensNothing)
{
    zt::Session s;
    for (const char* left : { "редник", "сержант", "генерал" }) {
        s.pick_left(left);
        s.click_thumbnail();
        EXPECT_EQ(s.zol().Grafika[0].Picture(), nullptr) << left;
        EXPECT_FALSE(s.picture_window_visible()) << left;
    }
    s.pair("сержант", "подофицер");
    s.pick_pair(0);
    s.click_thumbnail();
    EXPECT_EQ(s.zol().Grafika[0].Picture(), nullptr);
    EXPECT_FALSE(s.picture_window_visible());
}

TEST(Pictures, ThePictureOfLeftThreeInTheThumbnailAndTheWindow)
{
    zt::Session s(zt::picture_for_left_3());
    run::ZOL& zol = s.zol();
    const tk::PictureRef picture = s.package().Graphika(3);

    s.pick_left("младши сержант");
    EXPECT_EQ(zol.Current_Left, 3);
    EXPECT_EQ(zol.Grafika[0].Picture(), picture);
    EXPECT_EQ(zol.Grafika[0].Width(), 1575) << "shown unscaled, the box keeps its size";
    EXPECT_EQ(zol.Grafika[0].Height(), 1335);
    EXPECT_FALSE(s.picture_window_visible());

    s.click_thumbnail();
    ASSERT_TRUE(s.picture_window_visible());
    pictures::ZOL_Graphika& window = *s.picture_window();
    EXPECT_EQ(window.Width(), 3100);
    EXPECT_EQ(window.Height(), 2250);
    EXPECT_EQ(window.Graphika[0].Picture(), picture);
    EXPECT_EQ(window.Graphika[0].Left(), 0);
    EXPECT_EQ(window.Graphika[0].Top(), 0);
    EXPECT_EQ(window.Graphika[0].Width(), 3000);
    EXPECT_EQ(window.Graphika[0].Height(), 2000);
    s.click_thumbnail(); // already shown: stays shown
    EXPECT_TRUE(s.picture_window_visible());

    s.pick_left("сержант");
    EXPECT_FALSE(s.picture_window_visible());
    EXPECT_EQ(zol.Grafika[0].Picture(), zol.Grafika[1].Picture()) << "the default picture";
    s.click_thumbnail();
    EXPECT_FALSE(s.picture_window_visible());
}

TEST(Pictures, ASelectedPairOrAnExplanationHidesTheWindow)
{
    zt::Session s(zt::picture_for_left_3());
    run::ZOL& zol = s.zol();
    s.pair("сержант", "подофицер");
    s.pick_left("младши сержант");
    s.click_thumbnail();
    ASSERT_TRUE(s.picture_window_visible());
    s.pick_pair(0);
    EXPECT_FALSE(s.picture_window_visible());
    EXPECT_EQ(zol.Current_Left, 4);

    s.pick_left("редник"); // "младши сержант" is still selected: choose it anew
    s.pick_left("младши сержант");
    s.click_thumbnail();
    ASSERT_TRUE(s.picture_window_visible());
    s.pick_right("капрал");
    EXPECT_TRUE(s.picture_window_visible()) << "a right expression has no picture";
    s.explain();
    EXPECT_FALSE(s.picture_window_visible());
    EXPECT_EQ(zol.Grafika[0].Picture(), s.package().Graphika(3)) << "the explained expression's picture";
}

TEST(Pictures, ClosedWindowShowsAgainAndTheLastLeftStaysCurrent)
{
    zt::Session s(zt::picture_for_left_3());
    s.pick_left("младши сержант");
    s.click_thumbnail();
    s.picture_window()->close_requested();
    EXPECT_FALSE(s.picture_window_visible());
    s.click_thumbnail();
    ASSERT_TRUE(s.picture_window_visible());
    EXPECT_EQ(s.picture_window()->Width(), 3100);

    // Pair every left expression, the last one being left 3.
    for (int k = 17; k >= 3; --k)
        s.pair(s.left_text(k), s.right_text(k));
    s.pair(s.left_text(1), s.right_text(2));
    s.pair(s.left_text(2), s.right_text(1));
    s.pick_pair(14);
    EXPECT_EQ(s.zol().Slowo[0].ListCount(), 0);
    EXPECT_EQ(s.zol().Current_Left, 3);
    s.click_thumbnail();
    EXPECT_TRUE(s.picture_window_visible());
}

// Flags a package must not hold count as no picture.
TEST(Pictures, FlagsWithoutAPictureShowTheDefaultAndOpenNothing)
{
    zt::Session s(zt::faulty_flags());
    run::ZOL& zol = s.zol();
    for (int k : { 1, 2, 4, 31, 32, 33, 34 }) {
        s.pick_left(s.left_text(k));
        ASSERT_EQ(zol.Current_Left, k);
        EXPECT_EQ(zol.Grafika[0].Picture(), zol.Grafika[1].Picture()) << k;
        s.click_thumbnail();
        EXPECT_FALSE(s.picture_window_visible()) << k;
    }
}

} // namespace
