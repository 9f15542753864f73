#pragma once

#include "areadirectory.h"
#include "areamodel.h"
#include "imagekind.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace quorled {

class RomImage;

// A message box for the user: its title and its text.
struct SaveMessage {
    std::string title;
    std::string text;
};

struct ByteWrite {
    long offset = 0;
    std::uint8_t value = 0;
};

// What a save of a model would write, or why it is refused. A refused save
// writes nothing.
struct SavePlan {
    std::vector<ByteWrite> writes;
    std::optional<SaveMessage> refusal;
};

struct SaveResult {
    bool saved = false;
    std::optional<SaveMessage> refusal;
    // Offsets whose bytes the save changed, ascending.
    std::vector<long> changedOffsets;
};

// The model as a save encodes it: folded, sorted and repaired into stream
// order, with its level bytes (header, objects, end marker) and enemy
// block; `problem` tells why the model cannot be encoded at all.
struct EncodedArea {
    AreaModel stream;
    std::vector<std::uint8_t> level;
    std::vector<std::uint8_t> enemies;
    std::optional<std::string> problem;
};
EncodedArea encodeForSave(const AreaModel& model);

inline constexpr const char* kSaveRefusedTitle = "Can't save area!";

// The directory as the image's own pointer tables give it now (a disk
// image, which has none, keeps the offsets of `loaded`). Throws ImageError
// when the area's level or enemy data no longer starts where `model` was
// loaded from: another program moved it, and a save there would write over
// whatever lies there now.
AreaDirectory directoryForSave(const RomImage& image, ImageKind kind, const AreaDirectory& loaded,
                               const AreaModel& model);

// Folds, sorts and encodes `model` and works out the bytes a save writes:
// level data padded with 0xFF to the end of its room, the 0xA5 marker of an
// iNES image, the header, the enemy block and 0xFF over the rest of its
// room. Refuses data that does not fit its room, enemies the format cannot
// hold, and objects no row step can reach. The directory is read again from
// `image` (directoryForSave): throws ImageError when the area's pointers
// changed since `model` was loaded.
SavePlan planSave(const RomImage& image, const AreaDirectory& directory, ImageKind kind, const AreaModel& model);

// The top-left cell of the level view, which a save keeps.
struct ViewPosition {
    int viewColumn = 0;
    int viewRow = 0;
};

// Writes the area back into the image and, for an image with a file, into
// the file (atomically); then reloads the area into `model`, keeping the view
// position and the selection (column and row exchange places when the
// scrolling direction changed). A refused save changes nothing: not the
// image, not the model, not the view. File errors throw ImageError.
SaveResult saveArea(RomImage& image, const AreaDirectory& directory, ImageKind kind, AreaModel& model,
                    ViewPosition& view);

// Every model change of a save without writing: objects and enemies folded
// and sorted, the scrolling direction taken from the header (exchanging the
// view's column and row when it changed), drawing coordinates restored and
// the enemy coordinates re-split for the direction.
void renormalizeArea(AreaModel& model, ViewPosition& view);

} // namespace quorled
