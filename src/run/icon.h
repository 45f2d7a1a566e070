#pragma once

#include "toolkit/controls.h"

#include <vector>

namespace run {

// The main window's icon: a stack of three books with magenta, red and blue
// covers, at 32 x 32 and 16 x 16 pixels.
std::vector<tk::PictureRef> books_icon();

} // namespace run
