#include "appearance/icon.h"

#include <cmath>
#include <cstdint>

namespace appearance {

namespace {

    constexpr std::uint32_t transparent = 0x00000000;
    constexpr std::uint32_t rim = 0xFF9A3C00; // dark burnt orange
    constexpr std::uint32_t disc = 0xFFFF8C00; // orange
    constexpr std::uint32_t ring = 0xFFFFD070; // pale gold
    constexpr std::uint32_t centre = 0xFFE06000; // deep orange
    constexpr std::uint32_t gleam = 0xFFFFF0C0; // highlight, upper left

    tk::PictureRef draw(int size)
    {
        auto picture = tk::Picture::filled(size, size, transparent);

        // Concentric bands measured from the middle of the picture, in
        // sixteenths of its size so that the drawing scales.
        const double middle = (size - 1) / 2.0;
        const double unit = size / 16.0;
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x) {
                const double r = std::hypot(x - middle, y - middle) / unit;
                std::uint32_t colour = transparent;
                if (r <= 2.2)
                    colour = centre;
                else if (r <= 3.6)
                    colour = ring;
                else if (r <= 6.6)
                    colour = disc;
                else if (r <= 7.9)
                    colour = rim;
                const double gx = (x - middle) / unit + 3.4;
                const double gy = (y - middle) / unit + 3.4;
                if (colour == disc && gx * gx + gy * gy <= 1.7)
                    colour = gleam;
                picture->put(x, y, colour);
            }
        return picture;
    }

} // namespace

std::vector<tk::PictureRef> emblem_icon()
{
    return { draw(16) };
}

} // namespace appearance
