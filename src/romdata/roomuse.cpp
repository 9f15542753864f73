#include "roomuse.h"

#include "areawriter.h"
#include "enemyencoder.h"
#include "bytes.h"
#include "romimage.h"

#include <algorithm>

namespace quorled {

std::optional<AreaRoom> findSaveRoom(const RomImage& image, const AreaDirectory& directory, ImageKind kind,
                                     const AreaModel& loaded)
{
    if (!loaded.damage.empty() || !image.contains(loaded.levelDataOffset) ||
        !image.contains(loaded.enemyDataOffset))
        return std::nullopt;
    return findAreaRoom(image, directory, kind, loaded);
}

RoomUse measureRoomUse(const AreaModel& model, const AreaRoom& room)
{
    const EncodedArea encoded = encodeForSave(model);
    RoomUse use;
    use.levelRoom = room.levelBytes();
    use.enemyRoom = room.enemyBytes();
    use.problem = encoded.problem;
    use.levelBytes = static_cast<long>(encoded.level.size());
    if (!encoded.problem)
        use.enemyBytes = static_cast<long>(encodeEnemyData(encoded.stream, use.enemyRoom).size());
    return use;
}

std::string roomMeterText(const RoomUse& use)
{
    if (use.problem)
        return "The area cannot be saved: " + *use.problem;
    return "Level data " + std::to_string(use.levelBytes) + " of " + std::to_string(use.levelRoom) +
           " bytes, enemy data " + std::to_string(use.enemyBytes) + " of " + std::to_string(use.enemyRoom) +
           " bytes";
}

std::vector<DataStart> dataStartingIn(const AreaDirectory& directory, long first, long last)
{
    std::vector<DataStart> starts;
    for (int area = 0; area < kAreaCount; ++area) {
        const auto i = static_cast<std::size_t>(area);
        for (const DataStart start : {DataStart{area, directory.areaLevelOffset[i], false},
                                      DataStart{area, directory.areaEnemyOffset[i], true}})
            if (start.offset >= first && start.offset <= last)
                starts.push_back(start);
    }
    return starts;
}

std::vector<int> areasChangedWith(const AreaDirectory& directory, int area, const AreaRoom& room,
                                  const std::vector<long>& changedOffsets)
{
    std::vector<int> areas;
    for (const auto& block : {std::pair{room.levelStart, room.levelEnd}, std::pair{room.enemyStart, room.enemyEnd}}) {
        const long end = block.second;
        for (const DataStart& other : dataStartingIn(directory, block.first, end - 1)) {
            if (other.area == area)
                continue;
            // The other area reads from its own start on: only changes there
            // or later, inside this room, reach it.
            const bool reached = std::any_of(changedOffsets.begin(), changedOffsets.end(),
                                             [&](long o) { return o >= other.offset && o < end; });
            if (reached)
                areas.push_back(other.area);
        }
    }
    std::sort(areas.begin(), areas.end());
    areas.erase(std::unique(areas.begin(), areas.end()), areas.end());
    return areas;
}

std::string areaListText(const std::vector<int>& areas)
{
    std::string list = areas.size() == 1 ? "area " : "areas ";
    for (std::size_t i = 0; i < areas.size(); ++i) {
        if (i > 0)
            list += i + 1 == areas.size() ? " and " : ", ";
        list += hex2(areas[i]);
    }
    return list;
}

std::string sharedDataNote(const std::vector<int>& areas)
{
    if (areas.empty())
        return {};
    return areaListText(areas) + (areas.size() == 1 ? " uses the same data and changed with it"
                                                    : " use the same data and changed with it");
}

} // namespace quorled
