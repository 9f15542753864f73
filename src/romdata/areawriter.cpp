#include "areawriter.h"

#include "areadecoding.h"
#include "arealoader.h"
#include "arearoom.h"
#include "bytes.h"
#include "coordinates.h"
#include "enemyencoder.h"
#include "imageerror.h"
#include "objectencoder.h"
#include "objectstreamwriter.h"
#include "romimage.h"
#include "shownname.h"
#include "romlayout.h"

#include <algorithm>
#include <utility>

namespace quorled {

namespace {

inline constexpr long kSaveMarkerOffset = 0x12510;
inline constexpr std::uint8_t kSaveMarker = 0xA5;

SavePlan refuse(std::string text)
{
    SavePlan plan;
    plan.refusal = SaveMessage{kSaveRefusedTitle, std::move(text)};
    return plan;
}

std::string areaLabel(int area) { return "area " + hex2(area); }

std::string noRoomText(const char* what, const char* command, int area, std::size_t needed, long room, long at)
{
    return std::string("The ") + what + " of " + areaLabel(area) + " needs " + std::to_string(needed) +
           " bytes, but there is room for only " + std::to_string(std::max(room, 0L)) + " bytes at " +
           hexAddress(at) + ". Use \"" + command + "\" to give it more room, or remove some of it, and save again.";
}

// Folds, sorts and repairs a copy of the model into stream order.
std::optional<std::string> prepareStreamModel(AreaModel& stream)
{
    foldObjectColumns(stream);
    sortObjects(stream, true);
    sortEnemies(stream);
    if (auto problem = checkEnemyPages(stream))
        return problem;
    return repairRowSteps(stream.objects);
}

void place(std::vector<ByteWrite>& writes, long start, const std::vector<std::uint8_t>& bytes)
{
    writes.reserve(writes.size() + bytes.size());
    for (std::size_t i = 0; i < bytes.size(); ++i)
        writes.push_back({start + static_cast<long>(i), bytes[i]});
}

void fillFree(std::vector<ByteWrite>& writes, long from, long end)
{
    for (long o = from; o < end; ++o)
        writes.push_back({o, 0xFF});
}

// The enemies as a load finds them after a save of the stream model.
std::vector<Enemy> enemiesAsLoaded(const AreaModel& stream)
{
    // Pages are counted on the model's axis and read back on the axis of the
    // header that is written with them.
    const int readVertical = 1 - stream.header.bit(1);
    std::vector<Enemy> expected;
    for (const Enemy& enemy : stream.enemies) {
        const int page = enemyPage(enemy, stream.isVertical);
        Enemy e{enemy.type & 0xFF, enemy.x & 15, enemy.y & 15};
        (readVertical ? e.y : e.x) += page * 16;
        expected.push_back(e);
    }
    return expected;
}

// The image as it would read with `writes` applied, without copying it: the
// written bytes lie in a few short stretches (the level room, the marker and
// the enemy room), kept in one table over the offsets from the first to the
// last of them (-1 where nothing is written; a later write wins).
class WrittenImage {
public:
    WrittenImage(const RomImage& image, const std::vector<ByteWrite>& writes) : image_(image)
    {
        long last = -1;
        first_ = writes.empty() ? 0 : writes.front().offset;
        for (const ByteWrite& write : writes) {
            if (!image.contains(write.offset))
                throw ImageError("A write to " + hexAddress(write.offset) + " lies outside the image " +
                                 shownName(image.path()) + ".");
            first_ = std::min(first_, write.offset);
            last = std::max(last, write.offset);
        }
        written_.assign(static_cast<std::size_t>(std::max(last - first_ + 1, 0L)), -1);
        for (const ByteWrite& write : writes)
            written_[static_cast<std::size_t>(write.offset - first_)] = write.value;
    }
    bool contains(long offset) const { return image_.contains(offset); }
    int read(long offset) const
    {
        const long i = offset - first_;
        if (i >= 0 && i < static_cast<long>(written_.size()) && written_[static_cast<std::size_t>(i)] >= 0)
            return written_[static_cast<std::size_t>(i)];
        return image_.read(offset);
    }

private:
    const RomImage& image_;
    long first_ = 0;
    std::vector<std::int16_t> written_;
};

// What a load of the area from `scratch` finds of its level data: whether
// it encodes back to `level`, and the last byte the decoding read (the end
// marker). Only the bytes from the level pointer to there take part. The
// objects are encoded as they are walked: in stream form, their columns
// within their page, they are what a load's drawing coordinates fold back to.
struct LevelReadBack {
    bool matches = false;
    long last = 0;
};
LevelReadBack levelReadBack(const WrittenImage& scratch, const decoding::DecodeBounds& bounds, long levelOffset,
                            const std::vector<std::uint8_t>& level)
{
    std::vector<std::uint8_t> bytes;
    bytes.reserve(level.size());
    // The header and the scrolling direction come from the written bytes.
    for (int b : decoding::headerAt(scratch, levelOffset).bytes())
        bytes.push_back(static_cast<std::uint8_t>(b));
    ObjectStreamWriter writer(bytes);
    const long last = decoding::walkObjects(decoding::RegionBytes<WrittenImage>{scratch, bounds.level},
                                            levelOffset + 4, [&](const LevelObject& object) { writer.add(object); });
    bytes.push_back(0xFF);
    return {bytes == level, last};
}

// Whether a load of the area from `scratch` finds the enemies that were saved.
bool enemiesReadBack(const WrittenImage& scratch, const decoding::DecodeBounds& bounds, long levelOffset,
                     long enemyOffset, const AreaModel& stream)
{
    AreaModel loaded;
    loaded.enemyDataOffset = enemyOffset;
    loaded.enemyDataEnd = bounds.enemyDataEnd;
    loaded.isVertical = 1 - decoding::headerAt(scratch, levelOffset).bit(1);
    decoding::decodeEnemies(decoding::RegionBytes<WrittenImage>{scratch, bounds.enemies}, loaded);
    return loaded.enemies == enemiesAsLoaded(stream);
}

} // namespace

EncodedArea encodeForSave(const AreaModel& model)
{
    EncodedArea encoded;
    encoded.stream = model;
    encoded.problem = prepareStreamModel(encoded.stream);
    if (!encoded.problem) {
        encoded.level = encodeLevelData(encoded.stream);
        encoded.enemies = encodeEnemyData(encoded.stream);
    }
    return encoded;
}

AreaDirectory directoryForSave(const RomImage& image, ImageKind kind, const AreaDirectory& loaded,
                               const AreaModel& model)
{
    const AreaDirectory directory = romLayout(kind).hasPointerTables ? buildAreaDirectory(image, kind) : loaded;
    // A load takes its offsets from the directory as they are: no need to decode.
    const auto area = static_cast<std::size_t>(model.area);
    if (directory.areaLevelOffset.at(area) != model.levelDataOffset ||
        directory.areaEnemyOffset.at(area) != model.enemyDataOffset)
        throw ImageError("The data of " + areaLabel(model.area) + " was moved in " + shownName(image.path()) +
                         " after the area was loaded, so nothing was written; load the area again before "
                         "saving it.");
    return directory;
}

SavePlan planSave(const RomImage& image, const AreaDirectory& loaded, ImageKind kind, const AreaModel& model)
{
    const EncodedArea encoded = encodeForSave(model);
    if (encoded.problem)
        return refuse("Area " + hex2(model.area) + " cannot be saved. " + *encoded.problem);
    const AreaModel& stream = encoded.stream;

    const AreaDirectory directory = directoryForSave(image, kind, loaded, model);
    // Where the area's data ends in the image now and whether it is damaged:
    // a scan of its streams, no objects are built.
    const decoding::DecodeBounds bounds = decodeBoundsFor(directory, kind, model.area);
    const decoding::StreamEnds ends =
        decoding::scanStreams(image, bounds, model.area, model.levelDataOffset, model.enemyDataOffset);
    if (!image.contains(model.levelDataOffset) || !image.contains(model.enemyDataOffset))
        return refuse("The level or enemy data pointer of " + areaLabel(model.area) + " (" +
                      hexAddress(model.levelDataOffset) + ", " + hexAddress(model.enemyDataOffset) +
                      ") lies outside the image, so the area has no room to be saved in.");
    // Data that runs past the end of the file has no room one could trust:
    // its padding would overwrite whatever follows, up to the end.
    if (!ends.damage.empty())
        return refuse("The data of " + areaLabel(model.area) + " in the image is damaged (" + ends.damage.front() +
                      "), so nothing was written.");
    AreaModel found;
    found.levelDataOffset = model.levelDataOffset;
    found.levelEndMarkerOffset = ends.levelEndMarker;
    found.enemyDataOffset = model.enemyDataOffset;
    found.enemyTerminatorOffset = ends.enemyTerminator;
    const AreaRoom room = findAreaRoom(image, directory, kind, found);

    const std::vector<std::uint8_t>& level = encoded.level;
    if (static_cast<long>(level.size()) > room.levelBytes())
        return refuse(noRoomText("level data", "Move level data", model.area, level.size(), room.levelBytes(),
                                 room.levelStart));
    const std::vector<std::uint8_t> enemies = encodeEnemyData(stream, room.enemyBytes());
    if (static_cast<long>(enemies.size()) > room.enemyBytes())
        return refuse(noRoomText("enemy data", "Move enemy data", model.area, enemies.size(), room.enemyBytes(),
                                 room.enemyStart));

    SavePlan plan;
    // Objects and end marker, free bytes up to the end of the room, the save
    // marker, the header, then the enemy block.
    place(plan.writes, room.levelStart + 4, std::vector<std::uint8_t>(level.begin() + 4, level.end()));
    fillFree(plan.writes, room.levelStart + static_cast<long>(level.size()), room.levelEnd);
    if (kind == ImageKind::Ines && image.contains(kSaveMarkerOffset))
        plan.writes.push_back({kSaveMarkerOffset, kSaveMarker});
    place(plan.writes, room.levelStart, std::vector<std::uint8_t>(level.begin(), level.begin() + 4));

    // The block is closed by an empty page and leaves the bytes after it as
    // they are, as long as the area then reads back as saved. When older
    // bytes after it would be read as more pages, they are freed; when no
    // free byte follows to end the data, the block keeps a final 0xFF.
    // The attempts differ only inside the enemy room: a level stream read
    // wholly outside it reads back alike in each, so it is decoded once, and
    // when it does not read back no attempt can.
    const long after = room.enemyStart + static_cast<long>(enemies.size());
    std::optional<LevelReadBack> levelRead;
    const auto readInEnemyRoom = [&] {
        return levelRead->last >= room.enemyStart && model.levelDataOffset < room.enemyEnd;
    };
    for (int attempt = 0; attempt < 3; ++attempt) {
        std::vector<std::uint8_t> block = enemies;
        if (attempt == 2)
            block.back() = 0xFF;
        std::vector<ByteWrite> writes = plan.writes;
        place(writes, room.enemyStart, block);
        if (attempt >= 1)
            fillFree(writes, after, room.enemyEnd);
        const WrittenImage scratch(image, writes);
        if (!levelRead || readInEnemyRoom())
            levelRead = levelReadBack(scratch, bounds, model.levelDataOffset, level);
        if (!levelRead->matches) {
            if (!readInEnemyRoom())
                break;
            continue;
        }
        if (enemiesReadBack(scratch, bounds, model.levelDataOffset, model.enemyDataOffset, stream)) {
            plan.writes = std::move(writes);
            return plan;
        }
    }
    return refuse("The data of " + areaLabel(model.area) + " would not read back as it was saved, so nothing was "
                  "written.");
}

SaveResult saveArea(RomImage& image, const AreaDirectory& loaded, ImageKind kind, AreaModel& model,
                    ViewPosition& view)
{
    SaveResult result;
    const AreaDirectory directory = directoryForSave(image, kind, loaded, model);
    SavePlan plan = planSave(image, directory, kind, model);
    if (plan.refusal) {
        result.refusal = std::move(plan.refusal);
        return result;
    }
    const std::vector<std::uint8_t> before = image.bytes();
    for (const ByteWrite& write : plan.writes)
        image.write(write.offset, write.value);
    for (const ByteWrite& write : plan.writes)
        if (before[static_cast<std::size_t>(write.offset)] != image.read(write.offset))
            result.changedOffsets.push_back(write.offset);
    std::sort(result.changedOffsets.begin(), result.changedOffsets.end());
    result.changedOffsets.erase(std::unique(result.changedOffsets.begin(), result.changedOffsets.end()),
                                result.changedOffsets.end());
    if (image.hasFile())
        image.commit();
    result.saved = true;

    const int selectedObject = model.selectedObject;
    const int selectedEnemy = model.selectedEnemy;
    const int wasVertical = model.isVertical;
    model = loadArea(image, directory, kind, model.area);
    if (model.isVertical != wasVertical)
        std::swap(view.viewColumn, view.viewRow);
    model.selectedObject = selectedObject;
    model.selectedEnemy = selectedEnemy;
    return result;
}

void renormalizeArea(AreaModel& model, ViewPosition& view)
{
    foldObjectColumns(model);
    sortObjects(model, false);
    sortEnemies(model);
    const int direction = 1 - model.header.bit(1);
    if (model.isVertical != direction) {
        model.isVertical = direction;
        std::swap(view.viewColumn, view.viewRow);
    }
    normalizeObjectCoordinates(model);
    convertEnemyCoordinates(model);
}

} // namespace quorled
