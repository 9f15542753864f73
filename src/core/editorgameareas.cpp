#include "editorgameareas.h"

#include "areadocument.h"
#include "editorcore.h"

#include "romdata/imageerror.h"
#include "romdata/romimage.h"

namespace quorled {

int EditorGameAreas::currentArea() const { return core_.currentArea(); }

const PaletteTables& EditorGameAreas::palettes() const { return core_.palettes(); }

std::optional<std::string> EditorGameAreas::reload()
{
    if (!core_.hasImage())
        return std::string("No image is open.");
    try {
        const RomImage image = RomImage::open(core_.romFileName());
        game_ = loadGameAreas(image, core_.directory(), core_.imageKind());
        loadedFile_ = core_.romFileName();
    } catch (const ImageError& error) {
        return std::string(error.what());
    }
    follow(ChangeSet(Change::Picture));
    notifyChanged(-1);
    return std::nullopt;
}

void EditorGameAreas::follow(ChangeSet changes)
{
    if (!core_.hasImage())
        return;
    // A save, a reload or another area changes the caption while the model
    // is as the file holds it: the file may have changed anywhere.
    const bool otherFile = game_.areas.empty() || loadedFile_ != core_.romFileName();
    if (otherFile || (changes.has(Change::Caption) && !core_.document().differs())) {
        reload();
        return;
    }
    if (!changes.has(Change::Picture) && !changes.has(Change::Readouts))
        return;
    const int area = core_.currentArea();
    if (area < 0 || area >= static_cast<int>(game_.areas.size()))
        return;
    GameArea& a = game_.areas[static_cast<std::size_t>(area)];
    a.model = core_.area();
    a.edited = core_.document().differs();
    notifyChanged(area);
}

} // namespace quorled
