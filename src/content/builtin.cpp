// The test built into the program: Bulgarian army ranks (left) against the
// equivalent navy ranks (right). Row k of the two lists belongs together;
// five texts end with a space, which is part of the text.
#include "content/package.h"

#include <string>

namespace content {

const char* const publisher_address = "www.uchebni-testove.example";

Content builtin_content()
{
    Content c;
    c.danni0 = {
        "редник",
        "ефрейтор",
        "младши сержант",
        "сержант",
        "старши сержант",
        "старшина",
        "офицерски кандидат",
        "лейтенант ",
        "старши лейтенант",
        "капитан",
        "майор",
        "подполковник",
        "полковник",
        "бригаден генерал",
        "генерал-майор",
        "генерал-лейтенант",
        "генерал",
    };
    c.danni1 = {
        "матрос",
        "старши матрос",
        "капрал",
        "подофицер",
        "главен старшина",
        "мичман",
        "прапорщик, warrant officer ",
        "подпоручик",
        "поручик",
        "капитан-лейтенант",
        "капитан III ранг ",
        "капитан II ранг ",
        "капитан I ранг ",
        "комодор",
        "контраадмирал",
        "вицеадмирал",
        "адмирал",
    };
    c.danni3 = {
        std::string(publisher_address) + " ZOL по ИТ - армейки чинове",
        "11250",
        "1120",
        "3135",
        "4360",
        "4575",
    };

    std::vector<std::string> flags { "Ima li obqsneniq" };
    flags.resize(42, "0");
    c.otgowor.push_back(std::move(flags));
    for (int k = 1; k <= explanation_lists; ++k) {
        std::vector<std::string> lines { "Otgowor " + std::to_string(k) };
        lines.resize(20, std::to_string(k));
        c.otgowor.push_back(std::move(lines));
    }
    c.otgowor[6][19] = "5";

    c.ukazanie = "Това е релационен тест.\r\n"
                 "Трябва да се подберат всички правилни комбинация от двойки изрази от лявото и \r\n"
                 "дясното списъчно поле.\r\n"
                 "Не е задължително броят фрази в лявата част да е непременно равен на тези в \r\n"
                 "дясната част.\r\n"
                 "При оценяване се отчита броя въведени верни комбинации съотнесени към общия \r\n"
                 "брой верни комбинации. Липсата на комбинация се отчита като грешен отговор\r\n";

    c.spis_graf = { "Utochnenie dali ima grafika - 30 br" };
    c.spis_graf.resize(35, "0");
    c.graphika.resize(picture_boxes + 1);
    return c;
}

std::shared_ptr<const Package> builtin_test()
{
    static const auto package = std::make_shared<const Package>(builtin_content());
    return package;
}

} // namespace content
