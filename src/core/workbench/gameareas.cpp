#include "core/workbench/gameareas.h"

#include "romdata/areadecodekey.h"
#include "romdata/arealoader.h"
#include "romdata/levelformat.h"
#include "romdata/roomuse.h"
#include "romdata/sharedload.h"

#include <algorithm>
#include <map>

namespace quorled {

GameAreas loadGameAreas(const RomImage& image, const AreaDirectory& directory, ImageKind kind)
{
    GameAreas game;
    game.kind = kind;
    game.directory = directory;
    game.areas.resize(kAreaCount);
    // Areas on the same data decode alike and have the same room: each
    // distinct key is decoded once, the others copy the first area's.
    std::map<AreaDecodeKey, int> first;
    for (int area = 0; area < kAreaCount; ++area) {
        GameArea& a = game.areas[static_cast<std::size_t>(area)];
        const auto [known, added] = first.emplace(areaDecodeKey(directory, kind, area), area);
        if (added) {
            a.model = loadArea(image, directory, kind, area);
            a.room = findSaveRoom(image, directory, kind, a.model);
            continue;
        }
        const GameArea& same = game.areas[static_cast<std::size_t>(known->second)];
        a.model = asLoadedFor(same.model, area);
        a.room = same.room;
    }
    return game;
}

std::vector<int> GameAreas::sharingWith(int area) const
{
    std::vector<int> others;
    const auto i = static_cast<std::size_t>(area);
    for (int other = 0; other < kAreaCount; ++other) {
        const auto j = static_cast<std::size_t>(other);
        if (other != area && (directory.areaLevelOffset[j] == directory.areaLevelOffset[i] ||
                              directory.areaEnemyOffset[j] == directory.areaEnemyOffset[i]))
            others.push_back(other);
    }
    return others;
}

bool GameAreas::sharesData(int area) const { return !sharingWith(area).empty(); }

int GameAreaSource::addListener(Listener listener)
{
    listeners_.emplace_back(nextId_, std::move(listener));
    return nextId_++;
}

void GameAreaSource::removeListener(int id)
{
    std::erase_if(listeners_, [id](const auto& entry) { return entry.first == id; });
}

void GameAreaSource::notifyChanged(int area) const
{
    // A listener may remove itself: call a copy.
    const auto listeners = listeners_;
    for (const auto& entry : listeners)
        entry.second(area);
}

int objectPage(const AreaModel& model, const LevelObject& object)
{
    return model.isVertical ? object.y / kRowsPerPage : object.x / 16;
}

int enemyPage(const AreaModel& model, const Enemy& enemy)
{
    return model.isVertical ? enemy.y / 16 : enemy.x / 16;
}

} // namespace quorled
