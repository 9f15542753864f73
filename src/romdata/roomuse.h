#pragma once

#include "areadirectory.h"
#include "areamodel.h"
#include "arearoom.h"
#include "imagekind.h"

#include <optional>
#include <string>
#include <vector>

namespace quorled {

// How many bytes a save of a model would write for its level data and its
// enemy data, and the room each has in the image.
struct RoomUse {
    long levelBytes = 0;
    long levelRoom = 0;
    long enemyBytes = 0;
    long enemyRoom = 0;
    // Why the model cannot be encoded at all (then the byte counts are 0).
    std::optional<std::string> problem;

    bool levelFits() const { return !problem && levelBytes <= levelRoom; }
    bool enemyFits() const { return !problem && enemyBytes <= enemyRoom; }
    bool fits() const { return levelFits() && enemyFits(); }
    bool operator==(const RoomUse&) const = default;
};

class RomImage;

// The room of an area as `loaded` from `image`, or none when a save would
// refuse the area whatever it holds (damaged data, pointers outside).
std::optional<AreaRoom> findSaveRoom(const RomImage& image, const AreaDirectory& directory, ImageKind kind,
                                     const AreaModel& loaded);

// Encodes `model` as a save does and sets the sizes against `room`, the room
// the area has in the image as it was loaded.
RoomUse measureRoomUse(const AreaModel& model, const AreaRoom& room);

// "Level data 87 of 92 bytes, enemy data 31 of 31 bytes", or the problem.
std::string roomMeterText(const RoomUse& use);

// One area's level data or enemy data pointer.
struct DataStart {
    int area = 0;
    long offset = 0;
    bool enemy = false;
};

// Every area's level and enemy data that starts in first..last (file
// offsets, inclusive), by area, level data before enemy data.
std::vector<DataStart> dataStartingIn(const AreaDirectory& directory, long first, long last);

// The areas other than `area` that a save of it changed too: those whose
// level or enemy data starts inside the area's `room` (as it was before the
// save) at or before a byte the save changed. Ascending, each once.
std::vector<int> areasChangedWith(const AreaDirectory& directory, int area, const AreaRoom& room,
                                  const std::vector<long>& changedOffsets);

// "area 07" or "areas 06, 07, 08 and 09".
std::string areaListText(const std::vector<int>& areas);

// "areas 06, 07, 08 and 09 use the same data and changed with it", "area 07
// uses ...", or empty when `areas` is.
std::string sharedDataNote(const std::vector<int>& areas);

} // namespace quorled
