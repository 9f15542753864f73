#include "relocatingsave.h"

#include "arealoader.h"
#include "bytes.h"
#include "datamove.h"
#include "enemyencoder.h"
#include "romimage.h"
#include "roomuse.h"

#include <algorithm>
#include <cstring>

namespace quorled {

namespace {

constexpr ImageKind kKind = ImageKind::Ines;

std::string dataName(MoveData what) { return what == MoveData::Level ? "level data" : "enemy data"; }

SaveMessage noRun(MoveData what, long needed, long largest)
{
    return {kSaveRefusedTitle, "No free run of the image can take the " + dataName(what) + " (" +
                                   std::to_string(needed) + " bytes); the largest free run holds " +
                                   std::to_string(largest) + " bytes."};
}

// Every run large enough was refused: by the areas that would load
// differently, or (when no area was named) by the first refusal met.
SaveMessage noAcceptedRun(MoveData what, long needed, std::size_t runs, const std::vector<int>& blockers,
                          const std::optional<SaveMessage>& firstRefusal, long largest)
{
    std::string text = "The " + dataName(what) + " (" + std::to_string(needed) + " bytes) fits " +
                       std::to_string(runs) + (runs == 1 ? " free run" : " free runs") + " of the image, but ";
    if (!blockers.empty())
        text += "moving it to " + std::string(runs == 1 ? "it" : "any of them") + " would change how " +
                areaListText(blockers) + (blockers.size() == 1 ? " loads" : " load");
    else
        text += std::string(runs == 1 ? "it was" : "each was") + " refused (" +
                (firstRefusal ? firstRefusal->text : std::string("no reason given")) + ")";
    text += ", so nothing was moved. The largest free run holds " + std::to_string(largest) + " bytes.";
    return {kSaveRefusedTitle, text};
}

// The area's model with the pointers that `image` now holds for it.
AreaModel atNewPlace(const RomImage& image, const AreaDirectory& directory, const AreaModel& edited)
{
    const AreaModel moved = loadArea(image, directory, kKind, edited.area);
    AreaModel out = edited;
    out.levelDataOffset = moved.levelDataOffset;
    out.enemyDataOffset = moved.enemyDataOffset;
    return out;
}

// Whether the block of the encoded area fits its room in `image`. An area
// the save refuses whatever it holds counts as fitting: the save's own
// refusal tells why.
bool blockFits(const RomImage& image, const AreaDirectory& directory, const EncodedArea& encoded, int area,
               MoveData what)
{
    const AreaModel loaded = loadArea(image, directory, kKind, area);
    const std::optional<AreaRoom> room = findSaveRoom(image, directory, kKind, loaded);
    if (!room)
        return true;
    if (what == MoveData::Level)
        return static_cast<long>(encoded.level.size()) <= room->levelBytes();
    return static_cast<long>(encodeEnemyData(encoded.stream, room->enemyBytes()).size()) <= room->enemyBytes();
}

// Whether the edited area, saved into `image` after a move, is accepted by
// the save. After a level move whose enemy data still does not fit, the
// enemy data's own move decides.
bool saveAccepted(const RomImage& image, const EncodedArea& encoded, const AreaModel& edited, MoveData what)
{
    const AreaDirectory directory = buildAreaDirectory(image, kKind, nullptr);
    if (what == MoveData::Level && !blockFits(image, directory, encoded, edited.area, MoveData::Enemy))
        return true;
    return !planSave(image, directory, kKind, atNewPlace(image, directory, edited)).refusal;
}

void addOnce(std::vector<int>& areas, int area)
{
    if (std::find(areas.begin(), areas.end(), area) == areas.end())
        areas.insert(std::upper_bound(areas.begin(), areas.end(), area), area);
}

// Moves the area's block to the first free run large enough where the move
// rules accept it (every other area loads as before) and the save then
// takes the edited area. A run that needs no other area's closing byte
// mended is preferred: there no other area's bytes change at all.
std::optional<SaveMessage> relocate(RomImage& work, const EncodedArea& encoded, const AreaModel& edited,
                                    MoveData what, long needed, std::vector<std::string>& moves)
{
    const std::vector<long> targets = findMoveTargets(work, what, needed);
    if (targets.empty())
        return noRun(what, needed, largestMoveSize(work, what));
    struct Chosen {
        long target = 0;
        RomImage image;
        MoveResult move;
    };
    std::optional<Chosen> chosen;
    std::vector<int> blockers;
    std::optional<SaveMessage> firstRefusal;
    for (const long target : targets) {
        RomImage trial = work;
        const MoveResult moved = moveData(trial, {edited.area, what, target, MoveOption::CopyErase});
        if (moved.refusal) {
            if (moved.spoiltArea)
                addOnce(blockers, *moved.spoiltArea);
            else if (!firstRefusal)
                firstRefusal = moved.refusal;
            continue;
        }
        if (!saveAccepted(trial, encoded, edited, what)) {
            addOnce(blockers, edited.area);
            continue;
        }
        const bool mended = !moved.mendedAreas.empty();
        if (!chosen || !mended)
            chosen = Chosen{target, std::move(trial), moved};
        if (!mended)
            break;
    }
    if (!chosen)
        return noAcceptedRun(what, needed, targets.size(), blockers, firstRefusal, largestMoveSize(work, what));
    work = std::move(chosen->image);
    std::string move = dataName(what) + " to " + hexAddress(chosen->target);
    if (chosen->move.keptOldBytes)
        move += " (old bytes kept: " + *chosen->move.keptOldBytes + ")";
    if (!chosen->move.mendedAreas.empty())
        move += " (the enemy data of " + areaListText(chosen->move.mendedAreas) + " now ends with the byte FF)";
    moves.push_back(move);
    return std::nullopt;
}

} // namespace

RelocatingSave saveWithRelocation(RomImage& image, const AreaDirectory& directory, AreaModel& model,
                                  ViewPosition& view)
{
    RelocatingSave out;
    out.directory = directoryForSave(image, kKind, directory, model);
    const EncodedArea encoded = encodeForSave(model);
    RomImage work = RomImage::fromBytes(image.bytes());
    AreaModel edited = model;
    if (!encoded.problem) {
        // The level data's end marker follows the copied block as its free
        // byte; the enemy block is copied whole.
        const std::pair<MoveData, long> blocks[] = {
            {MoveData::Level, static_cast<long>(encoded.level.size()) - 1},
            {MoveData::Enemy, static_cast<long>(encoded.enemies.size())}};
        for (const auto& [what, needed] : blocks) {
            if (blockFits(work, out.directory, encoded, model.area, what))
                continue;
            if (auto refusal = relocate(work, encoded, edited, what, needed, out.moves)) {
                out.result.refusal = std::move(refusal);
                return out;
            }
            out.directory = buildAreaDirectory(work, kKind, nullptr);
            edited = atNewPlace(work, out.directory, edited);
        }
    }
    out.result = saveArea(work, out.directory, kKind, edited, view);
    if (!out.result.saved)
        return out;
    // Every byte the move and the save changed, into the image at once.
    // Compared a stretch at a time: the changes lie in a few short runs.
    const std::vector<std::uint8_t>& now = work.bytes();
    constexpr std::size_t stretch = 1024;
    for (std::size_t start = 0; start < now.size(); start += stretch) {
        const std::size_t end = std::min(now.size(), start + stretch);
        if (std::memcmp(now.data() + start, image.bytes().data() + start, end - start) == 0)
            continue;
        for (std::size_t o = start; o < end; ++o)
            if (now[o] != image.bytes()[o])
                image.write(static_cast<long>(o), now[o]);
    }
    model = std::move(edited);
    return out;
}

} // namespace quorled
