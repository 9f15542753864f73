#pragma once

#include "areadirectory.h"
#include "imagekind.h"

#include <vector>

namespace quorled {

class RomImage;

// The areas whose header, items, damage notes or room may differ between
// two images of the same size read with the same directory and kind: those
// with a changed byte between the start of one of their streams and the
// first data taken after where it ends in `before` (no other byte is read
// for them). Every area when the sizes differ.
std::vector<int> areasWithChangedData(const RomImage& before, const RomImage& after, const AreaDirectory& directory,
                                      ImageKind kind);

} // namespace quorled
