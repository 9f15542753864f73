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
// first free run that fits the new data under the move rules, then the area
// is saved there. All of it happens on a copy; `image` gets every byte at
// once and only when nothing was refused, so one commit writes it. When no
// run is large enough the refusal says how large the largest is.
RelocatingSave saveWithRelocation(RomImage& image, const AreaDirectory& directory, AreaModel& model,
                                  ViewPosition& view);

} // namespace quorled
