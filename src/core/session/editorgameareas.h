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
// Nothing is decoded until a view first asks for the areas: an image of 210
// large areas opens without the time and memory of all its models while
// no whole-game view is shown. Until then a new image, save or reload is
// told to the listeners as a change of every area.
class EditorGameAreas : public GameAreaSource {
public:
    explicit EditorGameAreas(const EditorCore& core) : core_(core) {}

    const GameAreas& areas() const override;
    // Whether the areas were decoded since the image was opened.
    bool loaded() const { return loaded_; }
    int currentArea() const override;
    const PaletteTables& palettes() const override;

    // Reads every area from the image file again; a message when it cannot
    // be read (the areas are then as before).
    std::optional<std::string> reload();
    // Follows what the core changed: a new area, image or save reloads all
    // areas, an edit takes the current area's model.
    void follow(ChangeSet changes);

private:
    // The image as the document holds it, with every touched area's edits.
    GameAreas decode() const;

    const EditorCore& core_;
    mutable GameAreas game_;
    mutable bool loaded_ = false;
    std::string loadedFile_;
};

} // namespace quorled
