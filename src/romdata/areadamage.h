#pragma once

#include "imagekind.h"

#include <optional>
#include <string>

namespace quorled {

class RomImage;
struct AreaDirectory;

// More damaged areas than this on opening an image are "many": the user is
// told how many, since the file may be damaged or no image of the game.
inline constexpr int kManyDamagedAreas = 10;

// How many of the image's areas the loader finds damaged.
int damagedAreaCount(const RomImage& image, const AreaDirectory& directory, ImageKind kind);

// The note for an image with more than kManyDamagedAreas damaged areas,
// naming the file and the count; nothing for fewer.
std::optional<std::string> manyDamagedAreasNote(const std::string& path, int damaged);

} // namespace quorled
