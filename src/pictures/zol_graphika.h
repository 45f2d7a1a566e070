// The picture window: a fixed-size tool window with no code of its own. It
// holds the picture store Graphika(1) to Graphika(30), the display box
// Graphika(0) and the picture flags Spis_graf(0).
#pragma once

#include "content/package.h"
#include "toolkit/window.h"

#include <cstdint>

namespace pictures {

class ZOL_Graphika : public tk::Window {
public:
    ZOL_Graphika(tk::Application& application, const content::Package& package);

    tk::ControlArray<tk::PictureBox> Graphika; // 0: display box; k: picture of left k
    tk::ControlArray<tk::ListBox> Spis_graf; // one list: heading, then a flag per left number
};

// What a flag of Spis_graf(0) says about left number k: the stored picture,
// or null for none. A flag that is missing, empty, not a number, 0, or set
// for a number without a picture box counts as no picture.
const tk::PictureBox* stored_picture(ZOL_Graphika& window, std::int16_t k);

// Shows the picture of left expression k (or the default picture) in the
// thumbnail and hides the picture window.
void Show_Thumbnail(tk::PictureBox& thumbnail, const tk::PictureBox& default_picture,
    tk::Form<ZOL_Graphika>& picture_window, std::int16_t k);

// A click on the thumbnail: shows the picture of left expression
// current_left in the picture window, sized to the picture.
void Grafika_Click(tk::Form<ZOL_Graphika>& picture_window, std::int16_t current_left);

} // namespace pictures
