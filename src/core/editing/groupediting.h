#pragma once

#include "core/editing/groupselection.h"
#include "core/session/notice.h"

#include "romdata/areamodel.h"
#include "view/viewstate.h"

#include <optional>
#include <string>
#include <vector>

namespace quorled {

// A move in cells.
struct CellShift {
    int dx = 0;
    int dy = 0;
    bool operator==(const CellShift&) const = default;
};

// Where an item may lie, cells included.
struct CellLimits {
    int left = 0;
    int right = 0;
    int top = 0;
    int bottom = 0;
};

// Edits of the selected items as a whole. Each works on the model only and
// either does all of its work or, refused, leaves the model as it was; the
// caller makes it one step of the history.
namespace GroupEditing {

// The cells an object or enemy may be moved to in `area`: a horizontal area
// has 15 object rows and 256 columns, a vertical one 16 columns; enemies
// stay on the enemy pages the area has booked.
CellLimits objectLimits(const AreaModel& area, const LevelObject& object);
CellLimits enemyLimits(const AreaModel& area, const Enemy& enemy);

// An object moved by a shift. A special object of a horizontal area keeps
// its kind in the low four bits of its column and moves by whole pages (the
// page its page start moves into); kinds 0 and 1 have no row. A special
// object of a vertical area moves up and down only.
LevelObject shiftedObject(const AreaModel& area, const LevelObject& object, CellShift shift);

// The part of a shift every item can take: each axis is cut so that no item
// leaves its limits, which keeps the group's shape. An item already outside
// its limits may only move towards them.
CellShift limitShift(const AreaModel& area, const ItemSelection& items, CellShift wanted);
// Moves the items by the limited shift and returns it.
CellShift moveItems(AreaModel& area, const ItemSelection& items, CellShift wanted);

// Deletes the items and gives their bytes back; the object and enemy after
// the first one deleted (or the last) become the current ones.
void deleteItems(AreaModel& area, const ItemSelection& items);

// Steps the type of the selected objects (or, with `enemies`, enemies) by
// `step`, wrapping at 256; a special object steps its first parameter (its
// second with `secondParam`). True when anything changed.
bool stepTypes(AreaModel& area, const ItemSelection& items, bool enemies, int step, bool secondParam);
// Gives the selected normal objects (or enemies) the type `type`.
bool setTypes(AreaModel& area, const ItemSelection& items, bool enemies, int type);

// Items to add to an area, in their own list order.
struct NewItems {
    std::vector<LevelObject> objects;
    std::vector<Enemy> enemies;
    bool empty() const { return objects.empty() && enemies.empty(); }
};

// The top-left cell of items: the smallest column and row among them.
CellShift origin(const NewItems& items);

// Adds the items moved so that their top-left cell lands on (`column`,
// `row`), pulled back as a whole where an item would leave the area, and
// makes them the selection. Each object keeps its layer where the area has
// one that high, else goes to the last, and goes in front of that layer's
// objects; enemies go to the end. Bytes are booked against the free space.
// Refused (model unchanged) when the group does not fit the area or the
// free space is short; the notice says how many bytes are needed. `title`
// is the refusal's title ("Can't paste!"). With `room` Room::Ignore the free
// space is not counted (for a save that moves the data afterwards).
enum class Room { Count, Ignore };
std::optional<Notice> addItems(AreaModel& area, ViewState& view, const NewItems& items, int column, int row,
                               const std::string& title, Room room = Room::Count);

// The selected items as new items.
NewItems copyItems(const AreaModel& area, const ItemSelection& items);

// "Duplicate": a copy of the selection one cell right and down (as far as
// the area allows), which becomes the selection.
std::optional<Notice> duplicate(AreaModel& area, ViewState& view, Room room = Room::Count);

} // namespace GroupEditing

} // namespace quorled
