#pragma once

#include "toolkit/controls.h"

#include <vector>

namespace appearance {

// The colour dialog's icon: a circular orange emblem, 16 x 16 pixels.
std::vector<tk::PictureRef> emblem_icon();

} // namespace appearance
