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
    // distinct key is decoded once, and the others share the first area's
    // model, so 210 areas on one large block cost one decoding and one copy.
    std::map<AreaDecodeKey, int> first;
    for (int area = 0; area < kAreaCount; ++area) {
        GameArea& a = game.areas[static_cast<std::size_t>(area)];
        const auto [known, added] = first.emplace(areaDecodeKey(directory, kind, area), area);
        if (added) {
            a.setModel(loadArea(image, directory, kind, area));
            a.room = findSaveRoom(image, directory, kind, a.model());
            continue;
        }
        a = game.areas[static_cast<std::size_t>(known->second)];
    }
    return game;
}

namespace {

const AreaModel& emptyModel()
{
    static const AreaModel empty;
    return empty;
}

} // namespace

const AreaModel& GameArea::model() const { return model_ ? model_->model : emptyModel(); }

AreaModel& GameArea::editModel()
{
    if (!model_)
        model_ = std::make_shared<Shared>();
    else if (model_.use_count() > 1)
        model_ = std::make_shared<Shared>(Shared{model_->model, std::nullopt, 0});
    model_->use.reset();
    ++model_->edits;
    return model_->model;
}

void GameArea::setModel(AreaModel model) { model_ = std::make_shared<Shared>(Shared{std::move(model), std::nullopt, 0}); }

const RoomUse& GameArea::roomUse() const
{
    if (!model_)
        model_ = std::make_shared<Shared>();
    const AreaRoom& r = room.value();
    const auto& use = model_->use;
    if (!use || use->first.levelStart != r.levelStart || use->first.levelEnd != r.levelEnd ||
        use->first.enemyStart != r.enemyStart || use->first.enemyEnd != r.enemyEnd)
        model_->use.emplace(r, measureRoomUse(model_->model, r));
    return model_->use->second;
}

std::vector<std::string> GameAreas::damage(int area) const
{
    const AreaModel& shared = model(area);
    if (shared.damage.empty() || shared.area == area)
        return shared.damage;
    AreaModel notes;
    notes.area = shared.area;
    notes.damage = shared.damage;
    return asLoadedFor(std::move(notes), area).damage;
}

AreaModel GameAreas::ownModel(int area) const { return asLoadedFor(model(area), area); }

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
