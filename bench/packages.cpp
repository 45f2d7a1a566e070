#include "packages.h"

#include <algorithm>
#include <array>
#include <map>
#include <utility>

namespace bench {

namespace {

    // Thirty Bulgarian letters; a number written with them as digits gives a
    // word, and words of different numbers differ.
    constexpr std::array<const char*, 30> letters = { "а", "б", "в", "г", "д", "е", "ж", "з", "и", "й", "к",
        "л", "м", "н", "о", "п", "р", "с", "т", "у", "ф", "х", "ц", "ч", "ш", "щ", "ъ", "ь", "ю", "я" };

    constexpr std::array<const char*, 7> ranks
        = { "редник", "сержант", "старшина", "лейтенант", "капитан", "майор", "генерал" };
    constexpr std::array<const char*, 7> navy
        = { "матрос", "капрал", "мичман", "поручик", "комодор", "адмирал", "подофицер" };

    // A bijection of 0 .. 32767 that scatters neighbouring numbers, so the
    // sorted order of the words is unrelated to the numbers.
    int scatter(int side, int k)
    {
        const int multiplier = side == 0 ? 7919 : 20011;
        const int offset = side == 0 ? 12345 : 4321;
        return (k * multiplier + offset) & 32767;
    }

} // namespace

std::string expression_text(int side, int k)
{
    int v = scatter(side, k);
    // Three letters cover 27000 values; a fourth makes every value distinct.
    std::string word;
    for (int digit = 0; digit < 4; ++digit) {
        word += letters[static_cast<std::size_t>(v % 30)];
        v /= 30;
    }
    const auto& tails = side == 0 ? ranks : navy;
    return word + " " + tails[static_cast<std::size_t>(k % 7)];
}

content::Content generated_content(int n)
{
    content::Content c = content::builtin_content();
    c.danni0.clear();
    c.danni1.clear();
    for (int k = 1; k <= n; ++k) {
        c.danni0.push_back(expression_text(0, k));
        c.danni1.push_back(expression_text(1, k));
    }
    // Every left number has a picture flag, as a package must.
    c.spis_graf.resize(std::max<std::size_t>(c.spis_graf.size(), static_cast<std::size_t>(n) + 1), "0");
    return c;
}

std::shared_ptr<const content::Package> generated_package(int n)
{
    static std::map<int, std::shared_ptr<const content::Package>> made;
    auto& package = made[n];
    if (!package)
        package = std::make_shared<const content::Package>(generated_content(n));
    return package;
}

} // namespace bench
