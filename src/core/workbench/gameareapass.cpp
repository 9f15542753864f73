#include "core/workbench/gameareapass.h"

#include "romdata/areadecodekey.h"
#include "romdata/areadecoding.h"
#include "romdata/arealoader.h"
#include "romdata/romimage.h"
#include "romdata/roomuse.h"

#include <iterator>
#include <map>

namespace quorled {

namespace {

// The area as the other areas' rules see it: its number, offsets and the
// header a load reads.
GameArea headerOnly(const RomImage& image, const AreaDirectory& directory, int area)
{
    GameArea light;
    light.setModel(decoding::areaHead(image, directory, area));
    return light;
}

} // namespace

void forEachGameArea(const RomImage& image, const AreaDirectory& directory, ImageKind kind,
                     const std::function<void(const GameAreas& game, int area)>& visit)
{
    GameAreas game;
    game.kind = kind;
    game.directory = directory;
    game.areas.reserve(kAreaCount);
    std::map<AreaDecodeKey, int> left; // areas of each key not visited yet
    for (int area = 0; area < kAreaCount; ++area) {
        game.areas.push_back(headerOnly(image, directory, area));
        ++left[areaDecodeKey(directory, kind, area)];
    }
    // The decoded areas of keys that later areas still share.
    std::map<AreaDecodeKey, GameArea> kept;
    for (int area = 0; area < kAreaCount; ++area) {
        const AreaDecodeKey key = areaDecodeKey(directory, kind, area);
        GameArea& slot = game.areas[static_cast<std::size_t>(area)];
        const GameArea light = slot;
        if (const auto known = kept.find(key); known != kept.end()) {
            slot = known->second;
        } else {
            slot.setModel(loadArea(image, directory, kind, area));
            slot.room = findSaveRoom(image, directory, kind, slot.model());
        }
        visit(game, area);
        if (--left[key] > 0)
            kept.insert_or_assign(key, slot);
        else
            kept.erase(key);
        slot = light;
    }
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
