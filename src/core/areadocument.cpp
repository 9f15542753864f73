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
    redo_.clear();
    trim();
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
    trim();
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
    trim();
    return true;
}

std::size_t AreaDocument::stepBytes(const Step& step)
{
    return sizeof(Step) + step.name.capacity() + step.model.objects.capacity() * sizeof(LevelObject) +
           step.model.enemies.capacity() * sizeof(Enemy);
}

std::size_t AreaDocument::historyBytes() const
{
    std::size_t total = 0;
    for (const Step& step : undo_)
        total += stepBytes(step);
    for (const Step& step : redo_)
        total += stepBytes(step);
    return total;
}

void AreaDocument::trim()
{
    std::size_t total = historyBytes();
    while (!undo_.empty() && (undo_.size() > kMaxSteps || total > kMaxHistoryBytes)) {
        total -= stepBytes(undo_.front());
        undo_.pop_front();
    }
    // Undone steps left alone past the bound: the farthest go first.
    while (!redo_.empty() && total > kMaxHistoryBytes) {
        total -= stepBytes(redo_.front());
        redo_.pop_front();
    }
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
