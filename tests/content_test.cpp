// The built-in test: every text and number as shipped, and the invariants a
// package must keep.
#include "support.h"

#include <gtest/gtest.h>
#include <set>

namespace {

using Strings = std::vector<std::string>;

const Strings army { "редник", "ефрейтор", "младши сержант", "сержант", "старши сержант", "старшина",
    "офицерски кандидат", "лейтенант ", "старши лейтенант", "капитан", "майор", "подполковник", "полковник",
    "бригаден генерал", "генерал-майор", "генерал-лейтенант", "генерал" };
const Strings navy { "матрос", "старши матрос", "капрал", "подофицер", "главен старшина", "мичман",
    "прапорщик, warrant officer ", "подпоручик", "поручик", "капитан-лейтенант", "капитан III ранг ",
    "капитан II ранг ", "капитан I ранг ", "комодор", "контраадмирал", "вицеадмирал", "адмирал" };

TEST(BuiltinTest, ExpressionsAreTheSeventeenRanksWithTheirFinalSpaces)
{
    const auto package = content::builtin_test();
    EXPECT_EQ(zt::items(package->Danni(0)), army);
    EXPECT_EQ(zt::items(package->Danni(1)), navy);

    Strings with_final_space;
    for (const Strings* side : { &army, &navy }) {
        std::set<std::string> seen;
        for (const std::string& text : *side) {
            EXPECT_FALSE(text.empty());
            EXPECT_TRUE(seen.insert(text).second) << "repeated: " << text;
            if (text.back() == ' ')
                with_final_space.push_back(text);
        }
    }
    EXPECT_EQ(with_final_space,
        (Strings { "лейтенант ", "прапорщик, warrant officer ", "капитан III ранг ", "капитан II ранг ",
            "капитан I ранг " }));
    EXPECT_EQ(package->Danni(0).FindFirst("лейтенант"), -1) << "the final space is part of the text";
    EXPECT_EQ(package->Danni(0).FindFirst("лейтенант "), 7);
}

TEST(BuiltinTest, TitleAndLayout)
{
    const content::ItemList& danni3 = content::builtin_test()->Danni(3);
    ASSERT_EQ(danni3.ListCount(), 6);
    const std::string address = content::publisher_address;
    EXPECT_TRUE(address.ends_with(".example")) << address;
    EXPECT_EQ(danni3.List(0), address + " ZOL по ИТ - армейки чинове");
    EXPECT_EQ(zt::items(danni3), (Strings { danni3.List(0), "11250", "1120", "3135", "4360", "4575" }));
}

TEST(BuiltinTest, ExplanationFlagsAndPlaceholderLines)
{
    const auto package = content::builtin_test();
    Strings flags { "Ima li obqsneniq" };
    flags.resize(42, "0");
    EXPECT_EQ(zt::items(package->Otgowor(0)), flags);
    for (int k = 1; k <= 30; ++k) {
        Strings lines { "Otgowor " + std::to_string(k) };
        lines.resize(20, std::to_string(k));
        if (k == 6)
            lines[19] = "5";
        EXPECT_EQ(zt::items(package->Otgowor(k)), lines) << "Otgowor(" << k << ")";
    }
    EXPECT_EQ(package->Otgowor(31).ListCount(), 0);
}

TEST(BuiltinTest, InstructionsAreSevenLinesOf376Characters)
{
    const std::string& text = content::builtin_test()->Ukazanie();
    EXPECT_EQ(tk::character_count(text), 376u);
    const Strings lines { "Това е релационен тест.",
        "Трябва да се подберат всички правилни комбинация от двойки изрази от лявото и ",
        "дясното списъчно поле.",
        "Не е задължително броят фрази в лявата част да е непременно равен на тези в ", "дясната част.",
        "При оценяване се отчита броя въведени верни комбинации съотнесени към общия ",
        "брой верни комбинации. Липсата на комбинация се отчита като грешен отговор" };
    std::string expected;
    for (const std::string& line : lines)
        expected += line + "\r\n";
    EXPECT_EQ(text, expected);
}

TEST(BuiltinTest, NoPicturesAndNoFlagAboveThirty)
{
    const auto package = content::builtin_test();
    Strings flags { "Utochnenie dali ima grafika - 30 br" };
    flags.resize(35, "0");
    EXPECT_EQ(zt::items(package->Spis_graf()), flags);
    for (int k = 0; k <= 31; ++k)
        EXPECT_EQ(package->Graphika(k), nullptr) << k;
    // Flags above 30 would name explanation lists and picture boxes that do not exist.
    for (int k = 31; k <= 41; ++k)
        EXPECT_EQ(tk::number_from_text(package->Otgowor(0).List(k)), 0) << k;
    for (int k = 31; k <= 34; ++k)
        EXPECT_EQ(tk::strict_number_from_text(package->Spis_graf().List(k)), 0.0) << k;
}

TEST(Package, ReadsBeyondAListGiveTheEmptyText)
{
    const auto package = zt::five_left_three_right();
    EXPECT_EQ(package->Danni(1).List(3), "");
    EXPECT_EQ(package->Danni(2).ListCount(), 0);
    EXPECT_EQ(package->Otgowor(0).List(42), "");
    EXPECT_EQ(package->Otgowor(-1).ListCount(), 0);
    EXPECT_EQ(package->Graphika(31), nullptr);
}

} // namespace
