#pragma once

#include "areadirectory.h"
#include "imagekind.h"

#include <tuple>

namespace quorled {

// Everything an area's decoding depends on besides its number (which only
// names it in damage notes and refusals): its two offsets and its bounds.
// Areas with equal keys decode and save alike, so a pass over all areas
// decodes each key once.
using AreaDecodeKey = std::tuple<long, long, long, long, long, long, long>;
AreaDecodeKey areaDecodeKey(const AreaDirectory& directory, ImageKind kind, int area);

} // namespace quorled
