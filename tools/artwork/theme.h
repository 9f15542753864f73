#pragma once

// The look of one scenery sheet: which sub-palette each kind of material uses.
// The world groups share object tiles but differ in ground and colours.

#include "tilepen.h"

#include <string>

namespace quorled::artwork {

enum class Land { Grass = 0, Desert = 1, Ice = 3, Castle = 6 };

struct Theme {
    Land land = Land::Grass;
    Sub sky{0};    // white / blue / black in every world: clouds, water, metal
    Sub red{4};    // white / red / black in every world
    Sub wood{8};   // orange-brown group: wood, bricks, earth
    Sub plant{12}; // greens (in the desert the green lives in sub-palette 0)
    Sub earth{8};  // ground fill
    Sub rock{8};   // rock and walls

    static Theme forSheet(int sheet);
};

// Key letters for TilePen::art: o = background of a, L M K = light, mid, dark
// of a; P Q R = light, mid, dark of b; U V W = light, mid, dark of c.
std::string keys(Sub a, Sub b = Sub{0}, Sub c = Sub{0});

class SlotSheet;

// Draw every scenery tile 0..79 of a sheet in the theme's look.
void drawBlocks(SlotSheet& sheet, const Theme& theme);
void drawPlants(SlotSheet& sheet, const Theme& theme);
void drawStructures(SlotSheet& sheet, const Theme& theme);
void drawEntrances(SlotSheet& sheet, const Theme& theme);
void drawGround(SlotSheet& sheet, const Theme& theme);

} // namespace quorled::artwork
