#include "support.h"

#include "toolkit/qt/collation.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace zt {

std::vector<std::string> FakeScreen::font_names() const
{
    return { "Arial", "Courier New", "Times New Roman" };
}

const tk::Collation& bulgarian()
{
    static const tk::qt::BulgarianCollation collation;
    return collation;
}

std::vector<std::string> items(const tk::ListBox& list)
{
    std::vector<std::string> texts;
    for (int i = 0; i < list.ListCount(); ++i)
        texts.push_back(list.List(i));
    return texts;
}

std::vector<std::string> items(const content::ItemList& list)
{
    std::vector<std::string> texts;
    for (int i = 0; i < list.ListCount(); ++i)
        texts.push_back(list.List(i));
    return texts;
}

bool in_sorted_order(const std::vector<std::string>& texts)
{
    for (std::size_t i = 1; i < texts.size(); ++i) {
        if (texts[i].empty())
            return false; // the empty text sorts first
        if (!texts[i - 1].empty() && bulgarian().sort_key(texts[i]) < bulgarian().sort_key(texts[i - 1]))
            return false;
    }
    return true;
}

std::vector<std::string> numbers_up_to(int n)
{
    std::vector<std::string> texts;
    for (int k = 1; k <= n; ++k)
        texts.push_back(std::to_string(k));
    return texts;
}

// ---------------------------------------------------------------- Session

Session::Session(std::shared_ptr<const content::Package> package)
    : application_(bulgarian(), screen_)
    , program_(application_, std::move(package))
    , zol_(&program_.start())
{
}

void Session::pick(int side, const std::string& text)
{
    tk::ListBox& list = zol_->Slowo[side];
    const int row = list.FindFirst(text);
    if (row < 0) {
        ADD_FAILURE() << "\"" << text << "\" is not shown in Slowo(" << side << ")";
        return;
    }
    list.learner_select(row);
}

void Session::pick_left(const std::string& text)
{
    pick(0, text);
}

void Session::pick_right(const std::string& text)
{
    pick(1, text);
}

void Session::pick_pair(int i)
{
    zol_->Slowo[2].learner_select(i);
}

void Session::pair(const std::string& left, const std::string& right)
{
    pick_left(left);
    pick_right(right);
    record();
}

void Session::record()
{
    zol_->Uprawl[0].learner_click();
}

void Session::withdraw()
{
    zol_->Uprawl[1].learner_click();
}

void Session::evaluate()
{
    zol_->Uprawl[2].learner_click();
}

void Session::explain()
{
    zol_->Uprawl[3].learner_click();
}

void Session::click_thumbnail()
{
    zol_->Grafika[0].learner_click();
}

// ---------------------------------------------------------------- fixture packages

const std::vector<std::string> fruits { "ябълка", "круша", "слива", "череша", "дюля" };
const std::vector<std::string> colours { "червена", "жълта", "синя", "зелена", "бяла", "кафява", "лилава" };

content::Content plain_content(std::vector<std::string> left, std::vector<std::string> right)
{
    const content::Content builtin = content::builtin_content();
    content::Content c;
    const std::size_t n_left = left.size();
    c.danni0 = std::move(left);
    c.danni1 = std::move(right);
    c.danni3 = builtin.danni3;
    c.ukazanie = builtin.ukazanie;
    std::vector<std::string> flags { "Ima li obqsneniq" };
    flags.resize(42, "0");
    c.otgowor.push_back(std::move(flags));
    c.otgowor.resize(content::explanation_lists + 1);
    c.spis_graf = { "Utochnenie dali ima grafika - 30 br" };
    c.spis_graf.resize(std::max<std::size_t>(35, n_left + 1), "0");
    c.graphika.resize(content::picture_boxes + 1);
    return c;
}

std::shared_ptr<const content::Package> package_of(content::Content content)
{
    return std::make_shared<const content::Package>(std::move(content));
}

std::shared_ptr<const content::Package> five_left_three_right()
{
    return package_of(plain_content(fruits, { colours.begin(), colours.begin() + 3 }));
}

std::shared_ptr<const content::Package> five_left_seven_right()
{
    return package_of(plain_content(fruits, colours));
}

std::shared_ptr<const content::Package> eight_by_eight()
{
    return package_of(plain_content({ "едно", "две", "три", "четири", "пет", "шест", "седем", "осем" },
        { "първи", "втори", "трети", "четвърти", "пети", "шести", "седми", "осми" }));
}

tk::PictureRef picture_of(int width_twips, int height_twips)
{
    auto picture = tk::Picture::filled(width_twips / 15, height_twips / 15, 0xFF8040C0u);
    picture->width_twips = width_twips;
    picture->height_twips = height_twips;
    return picture;
}

std::shared_ptr<const content::Package> picture_for_left_3()
{
    content::Content c = content::builtin_content();
    c.spis_graf[3] = "1";
    c.graphika[3] = picture_of(3000, 2000);
    return package_of(std::move(c));
}

std::shared_ptr<const content::Package> explained_left_6()
{
    content::Content c = content::builtin_content();
    c.otgowor[0][6] = "1";
    return package_of(std::move(c));
}

namespace {
    // A Cyrillic word of three or more letters for i >= 0; distinct for distinct i.
    std::string cyrillic_word(const std::string& first, int i)
    {
        static const char* const letters[] = { "а", "б", "в", "г", "д", "е", "ж", "з", "и", "й", "к", "л",
            "м", "н", "о", "п", "р", "с", "т", "у", "ф", "х", "ц", "ч", "ш", "щ", "ъ", "ь", "ю", "я" };
        constexpr int base = 30;
        std::string word = first;
        for (int place = 0; place < 3 || i > 0; ++place) {
            word += letters[i % base];
            i /= base;
        }
        return word;
    }

    std::vector<std::string> cyrillic_words(const std::string& first, int n)
    {
        std::vector<std::string> words;
        words.reserve(static_cast<std::size_t>(n));
        for (int i = 0; i < n; ++i)
            words.push_back(cyrillic_word(first, i));
        return words;
    }
} // namespace

std::shared_ptr<const content::Package> faulty_flags()
{
    content::Content c = plain_content(cyrillic_words("л", 34), cyrillic_words("д", 34));
    for (int k = 1; k <= content::explanation_lists; ++k)
        c.otgowor[static_cast<std::size_t>(k)] = { "ред " + std::to_string(k) };
    // Explanation flags: set above 30, and missing for 33 and 34.
    c.otgowor[0].resize(33, "0");
    c.otgowor[0][31] = "1";
    c.otgowor[0][32] = "7";
    c.otgowor[0][1] = "не"; // not a number: reads as 0
    // Picture flags: empty, not a number, set above 30, and missing for 34.
    c.spis_graf.resize(34, "0");
    c.spis_graf[1] = "";
    c.spis_graf[2] = "абв";
    c.spis_graf[4] = "2x";
    c.spis_graf[31] = "1";
    c.spis_graf[32] = "3";
    c.spis_graf[33] = " ";
    return package_of(std::move(c));
}

std::shared_ptr<const content::Package> generated(int n)
{
    return package_of(plain_content(cyrillic_words("л", n), cyrillic_words("д", n)));
}

} // namespace zt
