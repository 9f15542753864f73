#pragma once

#include "core/workbench/gameareas.h"
#include "core/workbench/gamestats.h"
#include "core/workbench/problemrules.h"

#include <functional>
#include <map>
#include <vector>

namespace quorled {

class RomImage;

// Every area of an image by what a load knows before its streams (number,
// offsets, header, scrolling direction; no items and no room): what the
// problem checks and statistics of one area read of the others.
GameAreas gameAreaHeads(const RomImage& image, const AreaDirectory& directory, ImageKind kind);
GameArea gameAreaHead(const RomImage& image, const AreaDirectory& directory, int area);
// An area by its header alone, as gameAreaHeads gives it, from a model held
// elsewhere (an area being edited); it keeps the model's edited mark.
GameArea headOf(const GameArea& area);

// A pass over areas of an image that holds one decoded model at a time:
// `visit(game, area)` sees area `area` as loadGameAreas would give it
// (model, room, shared model of areas on the same data) and every other
// area by its header alone, as `heads` holds them. The problem checks and
// the statistics of one area read no more than that, so a command that
// reports them needs neither the time nor the memory of keeping all
// models. Areas on the same data are decoded once and kept until the last
// of them has been visited.
// `which` lists the areas to visit in ascending order (all when empty).
// `held` gives models held in place of the image's (the editor's edited
// areas): such an area keeps the room its data has in the image; `heads`
// must hold its headOf.
void visitGameAreas(const RomImage& image, GameAreas heads, const std::vector<int>& which,
                    const std::map<int, GameArea>& held, const GameAreaVisit& visit);
// Every area of the image, as the image holds it.
void forEachGameArea(const RomImage& image, const AreaDirectory& directory, ImageKind kind, const GameAreaVisit& visit);

// checkGame and gameStats of the image's areas as loadGameAreas gives them,
// found in such a pass.
std::vector<Problem> checkImageAreas(const RomImage& image, const AreaDirectory& directory, ImageKind kind);
GameStats imageAreaStats(const RomImage& image, const AreaDirectory& directory, ImageKind kind, int topCount = 10);

} // namespace quorled
