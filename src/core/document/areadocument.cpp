#include "core/document/areadocument.h"

#include <utility>

namespace quorled {

void AreaDocument::reset(AreaModel model, std::optional<AreaRoom> room)
{
    model_ = std::move(model);
    saved_ = model_;
    room_ = room;
    open_.reset();
}

void AreaDocument::markSaved(AreaModel saved, std::optional<AreaRoom> room)
{
    model_ = std::move(saved);
    saved_ = model_;
    room_ = room;
}

void takeDataLocation(AreaModel& model, const AreaModel& from)
{
    model.levelDataOffset = from.levelDataOffset;
    model.enemyDataOffset = from.enemyDataOffset;
    model.enemyDataEnd = from.enemyDataEnd;
    model.levelEndMarkerOffset = from.levelEndMarkerOffset;
    model.enemyTerminatorOffset = from.enemyTerminatorOffset;
}

void AreaDocument::imageChanged(AreaModel saved, std::optional<AreaRoom> room)
{
    if (!differs()) {
        saved.selectedObject = model_.selectedObject;
        saved.selectedEnemy = model_.selectedEnemy;
        saved.group = model_.group;
        model_ = saved;
    } else {
        takeDataLocation(model_, saved);
    }
    saved_ = std::move(saved);
    room_ = room;
}

void AreaDocument::beginStep(std::string name)
{
    open_ = model_;
    openName_ = std::move(name);
}

std::optional<AreaModel> AreaDocument::commitStep()
{
    if (!open_)
        return std::nullopt;
    std::optional<AreaModel> before = std::move(open_);
    open_.reset();
    if (sameContent(*before, model_))
        return std::nullopt;
    return before;
}

bool AreaDocument::differs() const { return !sameContent(model_, saved_); }

std::optional<RoomUse> AreaDocument::roomUse() const
{
    if (!room_)
        return std::nullopt;
    return measureRoomUse(model_, *room_);
}

bool AreaDocument::sameContent(const AreaModel& a, const AreaModel& b)
{
    AreaModel left = a;
    left.selectedObject = b.selectedObject;
    left.selectedEnemy = b.selectedEnemy;
    left.group = b.group;
    return left == b;
}

} // namespace quorled
