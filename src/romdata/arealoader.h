#pragma once

#include "areadirectory.h"
#include "decodebounds.h"
#include "areamodel.h"
#include "imagekind.h"

#include <string>

namespace quorled {

class RomImage;

// Decodes area `area` of the image into a fresh model: header, objects and
// enemies in stream order, the spare room around both blocks, and the
// normalised drawing coordinates. The streams are read inside the kind's
// level-data region only (bytes outside it and past the end of the file
// count as 0xFF); damaged data is listed in AreaModel::damage.
AreaModel loadArea(const RomImage& image, const AreaDirectory& directory, ImageKind kind, int area);

// "Quorl editor -- Area 0A -- 1-2, main part".
std::string areaCaption(int area, const AreaDirectory& directory);

// Where the enemy data of an area ends at the latest: the next area's enemy
// data, or when that is shared, the next larger enemy offset of any area.
long enemyDataEndFor(const AreaDirectory& directory, ImageKind kind, int area);

// The enemy data's bound and the regions the area's streams are read in.
decoding::DecodeBounds decodeBoundsFor(const AreaDirectory& directory, ImageKind kind, int area);
// The same with the enemy data's bound already known.
decoding::DecodeBounds decodeBoundsFor(ImageKind kind, int area, long enemyDataEnd);

} // namespace quorled
