#include "core/session/editorgameareas.h"

#include "core/document/areadocument.h"
#include "core/session/editorcore.h"
#include "core/workbench/gameareapass.h"

#include "romdata/changedareas.h"

#include <algorithm>

namespace quorled {

namespace {

// Whether two models differ in what the views show: the selection aside.
bool sameForViews(const AreaModel& a, const AreaModel& b)
{
    return a.objects == b.objects && a.enemies == b.enemies && a.header == b.header && a.damage == b.damage &&
           a.isVertical == b.isVertical;
}

GameArea editedArea(AreaModel model)
{
    GameArea area;
    area.setModel(std::move(model));
    area.edited = true;
    return area;
}

} // namespace

int EditorGameAreas::currentArea() const { return core_.currentArea(); }

const PaletteTables& EditorGameAreas::palettes() const { return core_.palettes(); }

const GameAreas& EditorGameAreas::heads() const
{
    if (!loaded_)
        load();
    return heads_;
}

void EditorGameAreas::visitAreas(const std::vector<int>& which, const GameAreaVisit& visit) const
{
    if (!loaded_)
        load();
    if (image_)
        visitGameAreas(*image_, heads_, which, edited_, visit);
}

void EditorGameAreas::load() const
{
    if (!core_.hasImage())
        return;
    image_ = RomImage::fromBytes(core_.document().bytes(), core_.romFileName());
    edited_ = editedAreas();
    heads_ = gameAreaHeads(*image_, core_.directory(), core_.imageKind());
    for (const auto& [area, model] : edited_)
        heads_.areas[static_cast<std::size_t>(area)] = headOf(model);
    loaded_ = true;
}

std::optional<GameArea> EditorGameAreas::currentEdit() const
{
    if (!core_.document().differs())
        return std::nullopt;
    return editedArea(core_.area());
}

std::map<int, GameArea> EditorGameAreas::editedAreas() const
{
    std::map<int, GameArea> edited;
    const ImageDocument& document = core_.document();
    const int current = core_.currentArea();
    for (const int area : document.changedAreas())
        if (area != current && area >= 0 && area < kAreaCount)
            if (const AreaDocument* touched = document.touched(area))
                edited.emplace(area, editedArea(touched->model()));
    if (current >= 0 && current < kAreaCount)
        if (auto now = currentEdit())
            edited.emplace(current, std::move(*now));
    return edited;
}

std::vector<int> EditorGameAreas::compareWithSeen()
{
    const RomImage before = std::move(*image_);
    const GameAreas headsBefore = std::move(heads_);
    const std::map<int, GameArea> editedBefore = std::move(edited_);
    load();
    if (!loaded_)
        return {-1};
    const AreaDirectory& directory = heads_.directory;
    if (heads_.kind != headsBefore.kind || directory.worldFirstArea != headsBefore.directory.worldFirstArea ||
        directory.areaLevelOffset != headsBefore.directory.areaLevelOffset ||
        directory.areaEnemyOffset != headsBefore.directory.areaEnemyOffset)
        return {-1};
    std::vector<int> changed = areasWithChangedData(before, *image_, directory, heads_.kind);
    // Areas whose edits came, went or changed.
    for (int area = 0; area < kAreaCount; ++area) {
        const auto was = editedBefore.find(area);
        const auto now = edited_.find(area);
        const bool wasEdited = was != editedBefore.end();
        const bool isEdited = now != edited_.end();
        if (wasEdited != isEdited || (isEdited && !sameForViews(was->second.model(), now->second.model())))
            changed.push_back(area);
    }
    std::sort(changed.begin(), changed.end());
    changed.erase(std::unique(changed.begin(), changed.end()), changed.end());
    return changed;
}

void EditorGameAreas::forget()
{
    loaded_ = false;
    image_.reset();
    heads_ = GameAreas();
    edited_.clear();
}

void EditorGameAreas::follow(ChangeSet changes)
{
    if (!core_.hasImage()) {
        forget();
        return;
    }
    if (loadedFile_ != core_.romFileName()) {
        // Another image: read again when a view next asks.
        forget();
        loadedFile_ = core_.romFileName();
        notifyChanged(-1);
        return;
    }
    // A save, a reload or another area changes the caption while the model
    // is as the file holds it: the file and the edits may have changed
    // anywhere.
    if (changes.has(Change::Caption) && !core_.document().differs()) {
        if (!loaded_) {
            notifyChanged(-1);
            return;
        }
        for (const int area : compareWithSeen())
            notifyChanged(area);
        return;
    }
    // An edit before the first read is taken by it.
    if (!loaded_ || (!changes.has(Change::Picture) && !changes.has(Change::Readouts)))
        return;
    const int area = core_.currentArea();
    if (area < 0 || area >= static_cast<int>(heads_.areas.size()))
        return;
    std::optional<GameArea> now = currentEdit();
    const auto held = edited_.find(area);
    if (!now) {
        if (held == edited_.end())
            return;
        // Back to what the image holds.
        edited_.erase(held);
        heads_.areas[static_cast<std::size_t>(area)] = gameAreaHead(*image_, heads_.directory, area);
    } else {
        // A new selection alone changes nothing the views show.
        if (held != edited_.end() && sameForViews(held->second.model(), now->model()))
            return;
        heads_.areas[static_cast<std::size_t>(area)] = headOf(*now);
        edited_.insert_or_assign(area, std::move(*now));
    }
    notifyChanged(area);
}

} // namespace quorled
