#include "roomuse.h"

#include "areawriter.h"
#include "romimage.h"

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
    use.enemyBytes = static_cast<long>(encoded.enemies.size());
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

} // namespace quorled
