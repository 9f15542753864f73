#include "theme.h"

namespace quorled::artwork {

Theme Theme::forSheet(int sheet)
{
    Theme t;
    switch (sheet) {
    case 1: // desert: yellow sand in sub-palette 2, brown in 3, green in 0
        t.land = Land::Desert;
        t.wood = Sub{12};
        t.plant = Sub{0};
        t.earth = Sub{8};
        t.rock = Sub{12};
        break;
    case 3: // ice: greens in sub-palette 2, snow white / pale blue in 3, no brown
        t.land = Land::Ice;
        t.wood = Sub{4};
        t.plant = Sub{8};
        t.earth = Sub{12};
        t.rock = Sub{0};
        break;
    case 6: // castle above the clouds: stone in the sky colours
        t.land = Land::Castle;
        t.rock = Sub{0};
        break;
    default:
        break;
    }
    return t;
}

std::string keys(Sub a, Sub b, Sub c)
{
    auto hex = [](int s) { return static_cast<char>(s < 10 ? '0' + s : 'a' + s - 10); };
    std::string k;
    const char names[] = "oLMKoPQRoUVW";
    const Sub subs[] = {a, b, c};
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 4; ++j) {
            if (i > 0 && j == 0)
                continue;
            k += names[4 * i + j];
            k += hex(subs[i].base + j);
        }
    return k;
}

} // namespace quorled::artwork
