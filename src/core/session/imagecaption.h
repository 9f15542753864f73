#pragma once

#include "romdata/areadirectory.h"

#include <string>

namespace quorled {

// The window caption of an area ("Quorl editor -- Area 0A -- 1-2, main
// part"), with " [read-only]" when the image file cannot be written.
std::string imageCaption(int area, const AreaDirectory& directory, const std::string& imagePath);

} // namespace quorled
