#pragma once

#include "core/workbench/gameareas.h"
#include "core/workbench/gamestats.h"
#include "core/workbench/problemrules.h"

#include <functional>

namespace quorled {

class RomImage;

// A pass over every area of an image that holds one decoded model at a
// time: `visit(game, area)` sees area `area` as loadGameAreas would give it
// (model, room, shared model of areas on the same data) and every other
// area by its header alone (number, offsets and header; no items). The
// problem checks and the statistics of one area read no more than that, so
// a command that reports them needs neither the time nor the memory of
// keeping all models. Areas on the same data are decoded once and kept
// until the last of them has been visited.
void forEachGameArea(const RomImage& image, const AreaDirectory& directory, ImageKind kind,
                     const std::function<void(const GameAreas& game, int area)>& visit);

// checkGame and gameStats of the image's areas as loadGameAreas gives them,
// found in such a pass.
std::vector<Problem> checkImageAreas(const RomImage& image, const AreaDirectory& directory, ImageKind kind);
GameStats imageAreaStats(const RomImage& image, const AreaDirectory& directory, ImageKind kind, int topCount = 10);

} // namespace quorled
