#include "core/session/editorgameareas.h"

#include "core/document/areadocument.h"
#include "core/session/editorcore.h"

#include "romdata/imageerror.h"
#include "romdata/romimage.h"

#include <map>

namespace quorled {

int EditorGameAreas::currentArea() const { return core_.currentArea(); }

const PaletteTables& EditorGameAreas::palettes() const { return core_.palettes(); }

const GameAreas& EditorGameAreas::areas() const
{
    if (!loaded_ && core_.hasImage()) {
        try {
            game_ = decode();
            loaded_ = true;
        } catch (const ImageError&) {
            // The areas stay as they were; the next question tries again.
        }
    }
    return game_;
}

GameAreas EditorGameAreas::decode() const
{
    // The image as the document holds it, with the unsaved edits of
    // every area the user has touched.
    const ImageDocument& document = core_.document();
    const RomImage image = RomImage::fromBytes(document.bytes(), core_.romFileName());
    GameAreas fresh = loadGameAreas(image, core_.directory(), core_.imageKind());
    for (int area = 0; area < static_cast<int>(fresh.areas.size()); ++area)
        if (const AreaDocument* touched = document.touched(area); touched && touched->differs()) {
            GameArea& shown = fresh.areas[static_cast<std::size_t>(area)];
            shown.setModel(touched->model());
            shown.edited = true;
        }
    // The current area as it is being edited.
    const int current = core_.currentArea();
    if (current >= 0 && current < static_cast<int>(fresh.areas.size())) {
        GameArea& a = fresh.areas[static_cast<std::size_t>(current)];
        AreaModel now = core_.area();
        now.selectedObject = a.model().selectedObject;
        now.selectedEnemy = a.model().selectedEnemy;
        const bool edited = document.differs();
        if (now != a.model() || edited != a.edited) {
            a.setModel(std::move(now));
            a.edited = edited;
        }
    }
    return fresh;
}

std::optional<std::string> EditorGameAreas::reload()
{
    if (!core_.hasImage())
        return std::string("No image is open.");
    try {
        GameAreas fresh = decode();
        const bool sameFile = loadedFile_ == core_.romFileName();
        loadedFile_ = core_.romFileName();
        std::swap(game_, fresh);
        loaded_ = true;
        // Only the areas a save or another image changed are shown again.
        if (!sameFile || fresh.areas.size() != game_.areas.size() ||
            fresh.directory.worldFirstArea != game_.directory.worldFirstArea ||
            fresh.directory.areaLevelOffset != game_.directory.areaLevelOffset ||
            fresh.directory.areaEnemyOffset != game_.directory.areaEnemyOffset) {
            notifyChanged(-1);
            return std::nullopt;
        }
        // Areas that share their models before and after are compared once.
        std::map<std::pair<const AreaModel*, const AreaModel*>, bool> differs;
        for (int area = 0; area < static_cast<int>(game_.areas.size()); ++area) {
            const GameArea& before = fresh.areas[static_cast<std::size_t>(area)];
            const GameArea& now = game_.areas[static_cast<std::size_t>(area)];
            const AreaModel& b = before.model();
            const AreaModel& n = now.model();
            const auto [verdict, added] = differs.emplace(std::pair{&b, &n}, false);
            if (added)
                verdict->second = b.objects != n.objects || b.enemies != n.enemies || b.header != n.header;
            if (before.edited != now.edited || verdict->second)
                notifyChanged(area);
        }
    } catch (const ImageError& error) {
        return std::string(error.what());
    }
    return std::nullopt;
}

void EditorGameAreas::follow(ChangeSet changes)
{
    if (!core_.hasImage())
        return;
    // A save, a reload or another area changes the caption while the model
    // is as the file holds it: the file may have changed anywhere.
    const bool otherFile = loadedFile_ != core_.romFileName();
    if (otherFile || (changes.has(Change::Caption) && !core_.document().differs())) {
        if (loaded_ && !otherFile) {
            reload();
            return;
        }
        // Decoded again when a view next asks.
        loaded_ = false;
        game_ = GameAreas();
        loadedFile_ = core_.romFileName();
        notifyChanged(-1);
        return;
    }
    // An edit before the first decoding is taken by it.
    if (!loaded_ || (!changes.has(Change::Picture) && !changes.has(Change::Readouts)))
        return;
    const int area = core_.currentArea();
    if (area < 0 || area >= static_cast<int>(game_.areas.size()))
        return;
    GameArea& a = game_.areas[static_cast<std::size_t>(area)];
    // A new selection alone changes nothing the views show.
    AreaModel now = core_.area();
    now.selectedObject = a.model().selectedObject;
    now.selectedEnemy = a.model().selectedEnemy;
    const bool edited = core_.document().differs();
    if (now == a.model() && edited == a.edited)
        return;
    a.setModel(std::move(now));
    a.edited = edited;
    notifyChanged(area);
}

} // namespace quorled
