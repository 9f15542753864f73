#pragma once

#include "core/session/notice.h"

#include "romdata/areamodel.h"
#include "view/viewstate.h"

#include <optional>
#include <string>

namespace quorled {

// What the "Add objects" dialog hands over: the texts as typed and the
// chosen option. `special` false is "Normal object"; otherwise `kind` 0..6.
struct AddObjectRequest {
    bool special = false;
    int kind = 0;
    std::string x;
    std::string y;
    std::string z;
    std::string type;
};

// Adding and deleting objects and enemies in the area model. Every byte an
// addition needs is booked against the area's free space (levelSpareFF,
// enemySpareBytes) and every deletion gives its bytes back, so that a save
// of the edited area fits where it was loaded.
class AreaEditing {
public:
    // Bytes an object takes in the level data.
    static int objectBytes(const LevelObject& object);
    static int specialObjectBytes(int kind);

    // Inserts an object in front of the first object of layer Z (or at the
    // end), selects it and books its bytes. Refused, with the model as it
    // was, when the free space is too small or a number is out of range.
    static std::optional<Notice> addObject(AreaModel& area, const AddObjectRequest& request);

    // Appends an enemy of type 1 at the view's top-left cell and selects it;
    // needs 2 bytes plus one per enemy page between the last page in use and
    // the view's page.
    static std::optional<Notice> addEnemy(AreaModel& area, const ViewState& view);
    static int enemyAddBytes(const AreaModel& area, const ViewState& view);

    // Deletes the selected object (edit mode 0) or enemy (1) and gives its
    // bytes back. An empty list or a selection outside it deletes nothing.
    static void deleteSelected(AreaModel& area, int editMode);
    // Deletes every object and every enemy.
    static void deleteAll(AreaModel& area);

    // The "Free space for this level" message.
    static Notice freeSpaceNotice(const AreaModel& area);
};

} // namespace quorled
