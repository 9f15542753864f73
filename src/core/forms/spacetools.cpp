#include "core/forms/spacetools.h"

#include "core/session/editorcore.h"

#include "romdata/bytes.h"
#include "romdata/imageerror.h"
#include "romdata/leveldump.h"
#include "romdata/romimage.h"

namespace quorled {

namespace {

Notice warning(const std::string& text, const std::string& title) { return {text, title, NoticeIcon::Warning}; }

std::string moveCaption(MoveData what) { return what == MoveData::Level ? "Move level data" : "Move enemy data"; }

// What the user is told after a move that did more or less than asked.
std::string moveNote(const MoveResult& result)
{
    std::string note;
    if (result.keptOldBytes)
        note = "The data was copied, and the old bytes at " + hexAddress(result.source.offset) + " were kept: " +
               *result.keptOldBytes + ".";
    for (const int area : result.mendedAreas) {
        note += note.empty() ? "" : "\n";
        note += "The enemy data of area " + hex2(area) + " now ends with the byte FF, so it loads as before.";
    }
    return note;
}

} // namespace

FreeSpaceView SpaceTools::freeSpace() const
{
    try {
        return freeSpaceView(countFreeSpace(core_.document().image()));
    } catch (const ImageError& error) {
        FreeSpaceView view;
        view.error = error.what();
        return view;
    }
}

MoveForm SpaceTools::moveForm(MoveData what) const
{
    const auto area = static_cast<std::size_t>(core_.currentArea());
    const long offset = what == MoveData::Level ? core_.directory().areaLevelOffset[area]
                                                : core_.directory().areaEnemyOffset[area];
    MoveForm form{hexDigits(offset), hexDigits(offset), "0"};
    try {
        const RomImage image = core_.document().image();
        form.size = std::to_string(measureMoveSource(image, core_.currentArea(), what).size);
    } catch (const ImageError&) {
        // The size stays 0; OK reports the failure.
    }
    return form;
}

SpaceOutcome SpaceTools::move(MoveData what, const std::string& addressText, int option)
{
    const std::string title = moveRefusedTitle(what);
    if (!core_.hasImage() || core_.imageKind() != ImageKind::Ines)
        return {false, warning("Data can only be moved in an iNES image.", title)};
    const std::optional<long> target = parseMoveAddress(addressText);
    if (!target)
        return {false, warning(moveRangeMessage(), title)};
    const MoveRequest request{core_.currentArea(), what, *target,
                              option == 0 ? MoveOption::PointersOnly
                              : option == 2 ? MoveOption::CopyErase
                                            : MoveOption::Copy};
    // The checks first, on the image as last read or written, so a refusal
    // touches nothing (no backup either).
    try {
        RomImage trial = core_.document().image();
        const MoveResult checked = moveData(trial, request);
        if (checked.refusal)
            return {false, warning(checked.refusal->text, checked.refusal->title)};
    } catch (const ImageError& error) {
        return {false, warning(error.what(), title)};
    }
    MoveResult result;
    const bool written = core_.writeImage([&](RomImage& image) {
        result = moveData(image, request);
        if (result.refusal) // the file changed since the check
            throw ImageError(result.refusal->text);
    }, moveCaption(what));
    if (!written)
        return {false, std::nullopt};
    // The edits, the history and the view stay; the directory is the new one.
    core_.reloadTables(true);
    const std::string note = moveNote(result);
    if (note.empty())
        return {true, std::nullopt};
    return {true, Notice{note, moveCaption(what), NoticeIcon::Information}};
}

std::string SpaceTools::proposedDumpName() const { return quorled::proposedDumpName(core_.romFileName()); }

SpaceOutcome SpaceTools::dump(const std::string& answer)
{
    if (answer.empty() || !core_.hasImage())
        return {};
    try {
        writeLevelDump(core_.document().image(), answer);
    } catch (const ImageError& error) {
        return {false, warning(error.what(), "Error dumping!")};
    }
    return {true, Notice{"Dump done.", dumpTitle(), NoticeIcon::Information}};
}

SpaceOutcome SpaceTools::insert(const std::string& answer)
{
    if (answer.empty() || !core_.hasImage())
        return {};
    std::vector<std::uint8_t> block;
    std::optional<RomImage> before;
    try {
        block = readLevelDump(core_.romFileName(), answer);
        before = core_.document().image();
    } catch (const ImageError& error) {
        return {false, warning(error.what(), insertErrorTitle())};
    }
    std::vector<int> spoilt;
    const bool written = core_.writeImage([&](RomImage& image) {
        insertLevelBlock(image, block);
        spoilt = areasNoLongerClean(*before, image);
    }, insertTitle());
    if (!written)
        return {};
    core_.reloadTables(true);
    std::string text = "Level data insertion done.";
    if (!spoilt.empty()) {
        text += "\nThese areas no longer load cleanly:";
        for (std::size_t i = 0; i < spoilt.size(); ++i)
            text += (i ? ", " : " ") + hex2(spoilt[i]);
        text += ".";
    }
    return {true, Notice{text, dumpTitle(), NoticeIcon::Information}};
}

} // namespace quorled
