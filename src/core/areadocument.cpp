#include "areadocument.h"

#include <utility>

namespace quorled {

void AreaDocument::reset(AreaModel model, std::optional<AreaRoom> room)
{
    model_ = std::move(model);
    saved_ = model_;
    room_ = room;
    open_.reset();
    undo_.clear();
    redo_.clear();
}

void AreaDocument::markSaved(AreaModel saved, std::optional<AreaRoom> room)
{
    commitStep();
    model_ = std::move(saved);
    saved_ = model_;
    room_ = room;
}

void AreaDocument::beginStep(std::string name)
{
    commitStep();
    open_ = Step{std::move(name), model_};
}

bool AreaDocument::commitStep()
{
    if (!open_)
        return false;
    Step step = std::move(*open_);
    open_.reset();
    if (sameContent(step.model, model_))
        return false;
    undo_.push_back(std::move(step));
    if (undo_.size() > kMaxSteps)
        undo_.pop_front();
    redo_.clear();
    return true;
}

bool AreaDocument::undo()
{
    commitStep();
    if (undo_.empty())
        return false;
    Step step = std::move(undo_.back());
    undo_.pop_back();
    std::swap(step.model, model_);
    redo_.push_back(std::move(step));
    return true;
}

bool AreaDocument::redo()
{
    commitStep();
    if (redo_.empty())
        return false;
    Step step = std::move(redo_.back());
    redo_.pop_back();
    std::swap(step.model, model_);
    undo_.push_back(std::move(step));
    return true;
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
