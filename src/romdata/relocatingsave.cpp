#include "relocatingsave.h"

#include "arealoader.h"
#include "bytes.h"
#include "datamove.h"
#include "enemyencoder.h"
#include "romimage.h"
#include "roomuse.h"

namespace quorled {

namespace {

SaveMessage noRun(MoveData what, long needed, long largest)
{
    const std::string name = what == MoveData::Level ? "level data" : "enemy data";
    return {kSaveRefusedTitle, "No free run of the image can take the " + name + " (" + std::to_string(needed) +
                                   " bytes); the largest free run holds " + std::to_string(largest) + " bytes."};
}

// Moves the area's block to the first run that fits `needed` bytes; the
// refusal when there is none or the move rules refuse it.
std::optional<SaveMessage> relocate(RomImage& work, int area, MoveData what, long needed,
                                    std::vector<std::string>& moves)
{
    const std::optional<long> target = findMoveTarget(work, what, needed);
    if (!target)
        return noRun(what, needed, largestMoveSize(work, what));
    MoveResult moved = moveData(work, {area, what, *target, MoveOption::CopyErase});
    if (moved.refusal)
        return moved.refusal;
    moves.push_back((what == MoveData::Level ? "level data to " : "enemy data to ") + hexAddress(*target));
    return std::nullopt;
}

} // namespace

RelocatingSave saveWithRelocation(RomImage& image, const AreaDirectory& directory, AreaModel& model,
                                  ViewPosition& view)
{
    constexpr ImageKind kind = ImageKind::Ines;
    RelocatingSave out;
    out.directory = directory;
    const EncodedArea encoded = encodeForSave(model);
    RomImage work = RomImage::fromBytes(image.bytes());
    AreaModel edited = model;
    if (!encoded.problem) {
        const auto blockFits = [&](MoveData what) {
            const AreaModel loaded = loadArea(work, out.directory, kind, model.area);
            const std::optional<AreaRoom> room = findSaveRoom(work, out.directory, kind, loaded);
            if (!room)
                return true; // the save's own refusal tells why
            return what == MoveData::Level ? static_cast<long>(encoded.level.size()) <= room->levelBytes()
                                           : static_cast<long>(encodeEnemyData(encoded.stream, room->enemyBytes()).size()) <=
                                                 room->enemyBytes();
        };
        // The level data's end marker follows the copied block as its free
        // byte; the enemy block is copied whole.
        const std::pair<MoveData, long> blocks[] = {
            {MoveData::Level, static_cast<long>(encoded.level.size()) - 1},
            {MoveData::Enemy, static_cast<long>(encoded.enemies.size())}};
        for (const auto& [what, needed] : blocks) {
            if (blockFits(what))
                continue;
            if (auto refusal = relocate(work, model.area, what, needed, out.moves)) {
                out.result.refusal = std::move(refusal);
                return out;
            }
            out.directory = buildAreaDirectory(work, kind, nullptr);
            const AreaModel moved = loadArea(work, out.directory, kind, model.area);
            edited.levelDataOffset = moved.levelDataOffset;
            edited.enemyDataOffset = moved.enemyDataOffset;
        }
    }
    out.result = saveArea(work, out.directory, kind, edited, view);
    if (!out.result.saved)
        return out;
    // Every byte the move and the save changed, into the image at once.
    for (long o = 0; o < work.size(); ++o)
        if (work.read(o) != image.read(o))
            image.write(o, work.read(o));
    model = std::move(edited);
    return out;
}

} // namespace quorled
