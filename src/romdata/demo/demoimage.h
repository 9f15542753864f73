#pragma once

#include "../imagekind.h"

#include <cstdint>
#include <vector>

namespace quorled {

// The built-in demo image of the given kind: 210 areas of our own design
// with every game table filled. The same bytes every run.
std::vector<std::uint8_t> buildDemoImage(ImageKind kind);

} // namespace quorled
