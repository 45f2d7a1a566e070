#include "appearance/record.h"

namespace appearance {

std::vector<std::string> shipped_record()
{
    return {
        "всичко това е за управление на цветове", "Times New Roman", "12", "128", "128", "0",
        "0", // slot 0: form colour, dark red
        "16777215", "0", "128", "0", // slot 1: text background, white
        "8", "8", "0", "0", // slot 2: text colour, nearly black
        "192", "192", "0", "0", // slot 3: button colour
    };
}

} // namespace appearance
