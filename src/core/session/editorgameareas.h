#pragma once

#include "core/document/change.h"
#include "core/workbench/gameareas.h"

#include <optional>
#include <string>

namespace quorled {

class EditorCore;

// The whole-game views' source inside the editor: every area as the image
// holds it, with the editor's current area as it is being edited. The window
// hands it each change the core reports.
class EditorGameAreas : public GameAreaSource {
public:
    explicit EditorGameAreas(const EditorCore& core) : core_(core) {}

    const GameAreas& areas() const override { return game_; }
    int currentArea() const override;
    const PaletteTables& palettes() const override;

    // Reads every area from the image file again; a message when it cannot
    // be read (the areas are then as before).
    std::optional<std::string> reload();
    // Follows what the core changed: a new area, image or save reloads all
    // areas, an edit takes the current area's model.
    void follow(ChangeSet changes);

private:
    const EditorCore& core_;
    GameAreas game_;
    std::string loadedFile_;
};

} // namespace quorled
