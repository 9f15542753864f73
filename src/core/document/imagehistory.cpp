#include "core/document/imagehistory.h"

#include "romdata/bytes.h"

#include <utility>

namespace quorled {

std::size_t HistoryStep::bytes() const
{
    std::size_t total = sizeof(HistoryStep) + name.size();
    if (model)
        total += sizeof(AreaModel) + model->objects.capacity() * sizeof(LevelObject) +
                 model->enemies.capacity() * sizeof(Enemy);
    for (const WrittenRun& run : runs)
        total += sizeof(WrittenRun) + run.before.size() + run.after.size();
    return total;
}

void ImageHistory::clear()
{
    undo_.clear();
    redo_.clear();
    bytes_ = 0;
}

void ImageHistory::push(HistoryStep step, bool merge)
{
    for (const HistoryStep& dropped : redo_)
        bytes_ -= dropped.bytes();
    redo_.clear();
    if (merge && !undo_.empty()) {
        const HistoryStep& last = undo_.back();
        // The older step already holds the model before both presses.
        if (!last.written() && !step.written() && last.area == step.area && last.name == step.name &&
            last.item == step.item && last.mode == step.mode)
            return;
    }
    bytes_ += step.bytes();
    undo_.push_back(std::move(step));
    trim();
}

void ImageHistory::trim()
{
    while (!undo_.empty() && (undo_.size() > kMaxSteps || bytes_ > kMaxBytes)) {
        bytes_ -= undo_.front().bytes();
        undo_.pop_front();
    }
    // Undone steps left alone past the bound: the farthest go first.
    while (!redo_.empty() && bytes_ > kMaxBytes) {
        bytes_ -= redo_.front().bytes();
        redo_.pop_front();
    }
}

HistoryStep ImageHistory::takeUndo()
{
    HistoryStep step = std::move(undo_.back());
    undo_.pop_back();
    bytes_ -= step.bytes();
    return step;
}

HistoryStep ImageHistory::takeRedo()
{
    HistoryStep step = std::move(redo_.back());
    redo_.pop_back();
    bytes_ -= step.bytes();
    return step;
}

void ImageHistory::undone(HistoryStep step)
{
    bytes_ += step.bytes();
    redo_.push_back(std::move(step));
    trim();
}

void ImageHistory::redone(HistoryStep step)
{
    bytes_ += step.bytes();
    undo_.push_back(std::move(step));
    trim();
}

void ImageHistory::putBackUndo(HistoryStep step) { redone(std::move(step)); }

void ImageHistory::putBackRedo(HistoryStep step) { undone(std::move(step)); }

std::string stepTitle(const HistoryStep& step)
{
    // A write of game-wide bytes (a table, a data move) is about no area.
    if (step.written() && !step.savedArea)
        return step.name;
    return step.name + " in area " + hex2(step.area);
}

} // namespace quorled
