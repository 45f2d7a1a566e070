#include "run/icon.h"

#include <cstdint>

namespace run {

namespace {

    // A sixteen-colour palette is all the drawing needs.
    constexpr std::uint32_t transparent = 0x00000000;
    constexpr std::uint32_t outline = 0xFF000000;
    constexpr std::uint32_t pages = 0xFFFFFFFF;
    constexpr std::uint32_t page_shade = 0xFFC0C0C0;
    constexpr std::uint32_t covers[] = { 0xFFFF00FF, 0xFFFF0000, 0xFF0000FF }; // magenta, red, blue

    tk::PictureRef draw(int size)
    {
        auto picture = tk::Picture::filled(size, size, transparent);

        // Three books lying on each other, each a little shifted, seen from the
        // side: a cover band on top and bottom with the page edges between.
        const int book_height = size * 9 / 32;
        const int bottom = size - 1 - size / 16;
        for (int b = 0; b < 3; ++b) {
            const int shift = (b == 1 ? size / 8 : 0) - (b == 2 ? size / 16 : 0);
            const int left = size / 16 + 1 + shift;
            const int right = size - size / 8 - 1 + shift;
            const int bottom_row = bottom - b * book_height;
            const int top_row = bottom_row - book_height + 1;
            const std::uint32_t cover = covers[2 - b]; // blue at the bottom, magenta on top
            for (int y = top_row; y <= bottom_row; ++y)
                for (int x = left; x <= right; ++x) {
                    const bool edge = y == top_row || y == bottom_row || x == left || x == right;
                    const bool cover_band
                        = y <= top_row + size / 16 || y >= bottom_row - size / 16 || x <= left + size / 16;
                    std::uint32_t colour = cover_band ? cover : ((y - top_row) % 2 ? pages : page_shade);
                    picture->put(x, y, edge ? outline : colour);
                }
        }
        return picture;
    }

} // namespace

std::vector<tk::PictureRef> books_icon()
{
    return { draw(32), draw(16) };
}

} // namespace run
