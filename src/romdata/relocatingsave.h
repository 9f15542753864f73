#pragma once

#include "areadirectory.h"
#include "areamodel.h"
#include "areawriter.h"

#include <optional>
#include <string>

namespace quorled {

class RomImage;

struct RelocatingSave {
    SaveResult result;
    // The directory after the move (the pointers changed).
    AreaDirectory directory;
    // What moved, for the user: "level data to $11A00", "enemy data to ...".
    std::vector<std::string> moves;
};

// Save of an iNES image that finds room: level or enemy data that no longer
// fits its room is first moved (copied, old bytes erased where safe) to the
// first free run large enough for the new data where the move rules accept
// it (every other area still loads as it did) and the save then takes the
// area; a run where no other area's closing byte needs mending is preferred.
// All of it happens on a copy; `image` gets every byte at once and only when
// nothing was refused, so one commit writes it. When no run is acceptable
// the refusal says why: how large the largest run is, or which areas would
// load differently at every run large enough.
RelocatingSave saveWithRelocation(RomImage& image, const AreaDirectory& directory, AreaModel& model,
                                  ViewPosition& view);

} // namespace quorled
