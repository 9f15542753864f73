#pragma once

#include "view/graphics.h"
#include "view/picture.h"

#include <array>
#include <string>

namespace quorled::assets {

// One embedded picture by its file name ("scenery0.png"). Throws ImageError
// when the program carries no such picture or it cannot be decoded.
Picture loadArtwork(const std::string& name);

// Every picture the level view and the dialogs draw with.
struct Artwork {
    std::array<Picture, 4> scenery;   // scenery sheets 0, 1, 3 and 6
    Picture labels;
    std::array<Picture, 4> enemies;
    Picture enemyMask;
    Picture masterPalette;
    Picture characters;

    static Artwork load();
    // The pictures initGraphics reads, pointing into this object.
    GraphicsSources sources() const;
};

// The graphics model made from the embedded artwork, ready to draw with.
GraphicsModel loadGraphics();

} // namespace quorled::assets
