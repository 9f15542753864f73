#pragma once

#include "romdata/areadirectory.h"
#include "romdata/areamodel.h"
#include "romdata/arearoom.h"
#include "romdata/imagekind.h"
#include "romdata/palettetables.h"
#include "romdata/roomuse.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace quorled {

class RomImage;

// One area as the whole-game views see it: its current model (with any
// unsaved edits) and the room its data has in the image as loaded.
// Areas on the same data share one decoded model, which is never changed in
// place: its number and damage notes name the first of those areas (see
// GameAreas::damage), and an edit gives the area a model of its own.
struct GameArea {
    // None when a save would refuse the area (damaged data, pointers outside).
    std::optional<AreaRoom> room;
    bool edited = false;

    const AreaModel& model() const;
    // The model for changing: the area's own copy once it shares it.
    AreaModel& editModel();
    void setModel(AreaModel model);
    // How the model's encoding fits `room` (which must be set), measured
    // once for all areas that share the model and room.
    const RoomUse& roomUse() const;
    // Names the model: equal for areas that share it, and held by a weak
    // pointer it cannot name another model later. The edit count goes up
    // with every editModel().
    std::shared_ptr<const void> modelIdentity() const { return model_; }
    unsigned modelEdits() const { return model_ ? model_->edits : 0; }

private:
    struct Shared {
        AreaModel model;
        mutable std::optional<std::pair<AreaRoom, RoomUse>> use;
        unsigned edits = 0;
    };
    mutable std::shared_ptr<Shared> model_;
};

// All 210 areas of an image, decoded once, plus the directory they were
// decoded with. The overview, search, statistics and problem checks read
// only this, so they work alike on a file and on an editor's unsaved state.
struct GameAreas {
    ImageKind kind = ImageKind::Ines;
    AreaDirectory directory;
    std::vector<GameArea> areas;

    const AreaModel& model(int area) const { return areas[static_cast<std::size_t>(area)].model(); }
    // The damage notes of an area under its own name.
    std::vector<std::string> damage(int area) const;
    // A copy of an area's model with its own number and notes.
    AreaModel ownModel(int area) const;
    // Level slots before world k (1..8), as the levels-per-world table holds them.
    int worldBound(int k) const { return directory.worldFirstArea[static_cast<std::size_t>(k)] / 10; }
    // Number of pages of an area: its header's level length plus one.
    int pages(int area) const { return model(area).header.levelLength() + 1; }
    // Whether another area's level or enemy data starts where this one's does.
    bool sharesData(int area) const;
    // The areas whose data starts where this one's does, itself excluded.
    std::vector<int> sharingWith(int area) const;
};

// Decodes every area of an image.
GameAreas loadGameAreas(const RomImage& image, const AreaDirectory& directory, ImageKind kind);

using GameAreaVisit = std::function<void(const GameAreas& game, int area)>;

// What the whole-game views need from an editor: every area by its header,
// the current model of any area, one at a time, and word when an area or
// the game-wide tables changed. The editor's adapter feeds it; a view only
// reads it when told.
class GameAreaSource {
public:
    // `area` is the changed area, or -1 when everything may have changed.
    using Listener = std::function<void(int area)>;

    virtual ~GameAreaSource() = default;
    // Every area by its header alone (number, offsets, header, edited mark;
    // no items): enough for layouts, names and the game-wide tables.
    virtual const GameAreas& heads() const = 0;
    // Visits the areas in `which` (ascending; all when empty) one decoded
    // model at a time, each with its unsaved edits: `visit(game, area)` sees
    // `area` whole and the others as heads() gives them.
    virtual void visitAreas(const std::vector<int>& which, const GameAreaVisit& visit) const = 0;
    virtual int currentArea() const = 0;
    // The palettes the areas are drawn with.
    virtual const PaletteTables& palettes() const = 0;
    // Adds a listener; returns its id for removeListener.
    int addListener(Listener listener);
    void removeListener(int id);

protected:
    void notifyChanged(int area) const;

private:
    std::vector<std::pair<int, Listener>> listeners_;
    int nextId_ = 1;
};

// Area page of an item: objects count 16 columns (horizontal) or 15 rows
// (vertical) a page, enemies 16 either way.
int objectPage(const AreaModel& model, const LevelObject& object);
int enemyPage(const AreaModel& model, const Enemy& enemy);

} // namespace quorled
