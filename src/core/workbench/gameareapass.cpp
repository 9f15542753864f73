#include "core/workbench/gameareapass.h"

#include "romdata/areadecodekey.h"
#include "romdata/areadecoding.h"
#include "romdata/arealoader.h"
#include "romdata/romimage.h"
#include "romdata/roomuse.h"

#include <algorithm>
#include <iterator>

namespace quorled {

GameArea gameAreaHead(const RomImage& image, const AreaDirectory& directory, int area)
{
    GameArea head;
    head.setModel(decoding::areaHead(image, directory, area));
    return head;
}

GameAreas gameAreaHeads(const RomImage& image, const AreaDirectory& directory, ImageKind kind)
{
    GameAreas heads;
    heads.kind = kind;
    heads.directory = directory;
    heads.areas.reserve(kAreaCount);
    for (int area = 0; area < kAreaCount; ++area)
        heads.areas.push_back(gameAreaHead(image, directory, area));
    return heads;
}

GameArea headOf(const GameArea& area)
{
    const AreaModel& whole = area.model();
    AreaModel head;
    head.area = whole.area;
    head.levelDataOffset = whole.levelDataOffset;
    head.enemyDataOffset = whole.enemyDataOffset;
    head.header = whole.header;
    head.isVertical = whole.isVertical;
    GameArea light;
    light.setModel(std::move(head));
    light.edited = area.edited;
    return light;
}

void visitGameAreas(const RomImage& image, GameAreas heads, const std::vector<int>& which,
                    const std::map<int, GameArea>& held, const GameAreaVisit& visit)
{
    const int count = static_cast<int>(heads.areas.size());
    std::vector<int> areas;
    for (int area = 0; area < count; ++area)
        areas.push_back(area);
    if (!which.empty())
        std::erase_if(areas, [&](int area) { return !std::binary_search(which.begin(), which.end(), area); });
    const AreaDirectory& directory = heads.directory;
    const ImageKind kind = heads.kind;
    std::map<AreaDecodeKey, int> left; // areas of each key not visited yet
    for (const int area : areas)
        ++left[areaDecodeKey(directory, kind, area)];
    // The decoded areas of keys that later areas still share.
    std::map<AreaDecodeKey, GameArea> kept;
    for (const int area : areas) {
        const AreaDecodeKey key = areaDecodeKey(directory, kind, area);
        GameArea& slot = heads.areas[static_cast<std::size_t>(area)];
        const GameArea light = slot;
        GameArea decoded;
        if (const auto known = kept.find(key); known != kept.end()) {
            decoded = known->second;
        } else {
            decoded.setModel(loadArea(image, directory, kind, area));
            decoded.room = findSaveRoom(image, directory, kind, decoded.model());
        }
        if (const auto own = held.find(area); own != held.end()) {
            slot = own->second;
            slot.room = decoded.room;
        } else {
            slot = decoded;
        }
        visit(heads, area);
        if (--left[key] > 0)
            kept.insert_or_assign(key, decoded);
        else
            kept.erase(key);
        slot = light;
    }
}

void forEachGameArea(const RomImage& image, const AreaDirectory& directory, ImageKind kind, const GameAreaVisit& visit)
{
    visitGameAreas(image, gameAreaHeads(image, directory, kind), {}, {}, visit);
}

std::vector<Problem> checkImageAreas(const RomImage& image, const AreaDirectory& directory, ImageKind kind)
{
    std::vector<Problem> problems;
    forEachGameArea(image, directory, kind, [&](const GameAreas& game, int area) {
        // The tables first, as checkGame lists them; they read the directory only.
        if (area == 0)
            problems = checkGameTables(game);
        std::vector<Problem> more = checkArea(game, area);
        problems.insert(problems.end(), std::make_move_iterator(more.begin()), std::make_move_iterator(more.end()));
    });
    return problems;
}

GameStats imageAreaStats(const RomImage& image, const AreaDirectory& directory, ImageKind kind, int topCount)
{
    GameStatsTally tally;
    forEachGameArea(image, directory, kind, [&](const GameAreas& game, int area) { tally.add(game, area); });
    return tally.finish(topCount);
}

} // namespace quorled
