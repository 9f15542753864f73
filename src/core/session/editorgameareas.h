#pragma once

#include "core/document/change.h"
#include "core/workbench/gameareas.h"

#include "romdata/romimage.h"

#include <map>
#include <optional>
#include <string>

namespace quorled {

class EditorCore;

// The whole-game views' source inside the editor: every area as the image
// holds it, with the unsaved edits of every area the user has touched. The
// window hands it each change the core reports.
// It keeps the areas' headers and the models being edited, never the
// image's decoded models: a view visits the areas one model at a time, so
// an image of 210 large areas costs one model's memory. Nothing is read
// until a view first asks; until then a new image, save or reload is told
// to the listeners as a change of every area. After that a save, reload or
// move to another area tells only the areas whose data or edits changed.
class EditorGameAreas : public GameAreaSource {
public:
    explicit EditorGameAreas(const EditorCore& core) : core_(core) {}

    const GameAreas& heads() const override;
    void visitAreas(const std::vector<int>& which, const GameAreaVisit& visit) const override;
    // Whether a view has read the areas since the image was opened.
    bool loaded() const { return loaded_; }
    int currentArea() const override;
    const PaletteTables& palettes() const override;

    // Follows what the core changed: a new image forgets everything read; a
    // save, reload or another area compares the image and the edits with
    // those last seen; an edit takes the current area's model.
    void follow(ChangeSet changes);

private:
    // Reads the image and the edits as the document holds them now.
    void load() const;
    // The edited areas' models as the document holds them now.
    std::map<int, GameArea> editedAreas() const;
    // The current area's model as it is being edited, when it differs from
    // the image.
    std::optional<GameArea> currentEdit() const;
    // Takes the image and edits as they are now; the areas that differ from
    // what was seen before.
    std::vector<int> compareWithSeen();
    void forget();

    const EditorCore& core_;
    mutable bool loaded_ = false;
    mutable std::optional<RomImage> image_;
    mutable GameAreas heads_;
    mutable std::map<int, GameArea> edited_;
    std::string loadedFile_;
};

} // namespace quorled
