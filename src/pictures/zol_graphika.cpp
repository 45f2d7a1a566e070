#include "pictures/zol_graphika.h"

#include <string>

namespace pictures {

namespace {

    tk::WindowDesign window_design()
    {
        tk::WindowDesign d;
        d.caption = std::string(content::publisher_address) + " - ZOL picture";
        d.client_width = 11880;
        d.client_height = 8490;
        // A thin tool-window frame with a small caption: the client area left by
        // an outer size of picture + 100 x 250 twips is the picture's own size.
        d.frame_width = 100;
        d.frame_height = 250;
        d.tool_window = true;
        return d;
    }

    constexpr tk::Rect empty_box { 0, 0, 1695, 1815 };

} // namespace

ZOL_Graphika::ZOL_Graphika(tk::Application& application, const content::Package& package)
    : tk::Window(application, "ZOL_Graphika", window_design())
    , Graphika(content::picture_boxes + 1,
          [&](int k) {
              tk::Rect box = empty_box;
              const tk::PictureRef picture = package.Graphika(k);
              if (picture) {
                  box.width = picture->width_twips;
                  box.height = picture->height_twips;
              }
              auto control = std::make_unique<tk::PictureBox>(*this, "Graphika", k, box);
              control->SetPicture(picture);
              control->SetVisible(k == 0);
              return control;
          })
    , Spis_graf(1, [&](int i) {
        auto list = std::make_unique<tk::ListBox>(*this, "Spis_graf", i, tk::Rect { 3240, 480, 1695, 2055 });
        list->SetVisible(false);
        const content::ItemList& flags = package.Spis_graf();
        for (int f = 0; f < flags.ListCount(); ++f)
            list->AddItem(flags.List(f));
        return list;
    })
{
    Graphika[0].set_tab_index(0);
}

const tk::PictureBox* stored_picture(ZOL_Graphika& window, std::int16_t k)
{
    const auto flag = tk::strict_number_from_text(window.Spis_graf[0].List(k));
    if (!flag || *flag <= 0 || k < 1 || k >= window.Graphika.size())
        return nullptr;
    return &window.Graphika[k];
}

void Show_Thumbnail(tk::PictureBox& thumbnail, const tk::PictureBox& default_picture,
    tk::Form<ZOL_Graphika>& picture_window, std::int16_t k)
{
    ZOL_Graphika& window = picture_window();
    const tk::PictureBox* stored = stored_picture(window, k);
    thumbnail.SetPicture(stored ? stored->Picture() : default_picture.Picture());
    window.Hide();
}

void Grafika_Click(tk::Form<ZOL_Graphika>& picture_window, std::int16_t current_left)
{
    ZOL_Graphika& window = picture_window();
    if (tk::number_from_text(window.Spis_graf[0].List(current_left)) <= 0)
        return;
    const tk::PictureBox* stored = stored_picture(window, current_left);
    if (!stored)
        return;
    tk::PictureBox& display = window.Graphika[0];
    display.SetWidth(stored->Width());
    display.SetHeight(stored->Height());
    display.SetPicture(stored->Picture());
    window.SetWidth(static_cast<int>(static_cast<float>(stored->Width()) + 100.0f));
    window.SetHeight(static_cast<int>(static_cast<float>(stored->Height()) + 250.0f));
    window.Show();
}

} // namespace pictures
