#pragma once

#include <QImage>

#include <array>
#include <string>

namespace quorled::art {

// The four enemy sprite sheets (colour sets 0..3) and their mask, 256 x 256
// each, laid out as the enemy tile map says. Sheets are black and the mask
// white where nothing is drawn, so that view = (view AND mask) OR sheet keeps
// the scenery there; tile 254 is an opaque yellow and orange checkerboard.
struct EnemySheets {
    std::array<QImage, 4> sheets;
    QImage mask;
};

EnemySheets drawEnemySheets();

// Checks the rules the level view relies on: the mask is only black and white,
// every sheet is black wherever the mask is white, and tile 254 is opaque.
// Returns an empty text when they hold, else a sentence naming the pixel.
std::string checkEnemySheets(const EnemySheets& sheets);

} // namespace quorled::art
