#include "core/document/imagedocument.h"

#include "romdata/arealoader.h"
#include "romdata/areawriter.h"
#include "romdata/builtinpalettes.h"
#include "romdata/bytes.h"
#include "romdata/imageerror.h"
#include "romdata/imagelock.h"
#include "romdata/romimage.h"
#include "romdata/romlayout.h"
#include "romdata/roomuse.h"
#include "romdata/shownname.h"

#include <algorithm>
#include <utility>

namespace quorled {

namespace {

// The runs of bytes where `after` differs from `before` (same length).
std::vector<WrittenRun> differingRuns(const std::vector<std::uint8_t>& before, const std::vector<std::uint8_t>& after)
{
    std::vector<WrittenRun> runs;
    const std::size_t n = std::min(before.size(), after.size());
    for (std::size_t i = 0; i < n;) {
        if (before[i] == after[i]) {
            ++i;
            continue;
        }
        WrittenRun run;
        run.offset = static_cast<long>(i);
        while (i < n && before[i] != after[i]) {
            run.before.push_back(before[i]);
            run.after.push_back(after[i]);
            ++i;
        }
        runs.push_back(std::move(run));
    }
    return runs;
}

// Where an area's level and enemy data start in an image.
std::pair<long, long> dataOffsets(const AreaDirectory& directory, int area)
{
    const auto i = static_cast<std::size_t>(area);
    return {directory.areaLevelOffset[i], directory.areaEnemyOffset[i]};
}

} // namespace

int ImageDocument::subscribe(Observer observer)
{
    observers_[nextObserver_] = std::move(observer);
    return nextObserver_++;
}

void ImageDocument::unsubscribe(int id) { observers_.erase(id); }

void ImageDocument::notify(DocumentChange change, int area)
{
    // A copy: an observer may unsubscribe while it is told.
    const auto observers = observers_;
    for (const auto& [id, observer] : observers)
        if (observer)
            observer(change, area);
}

void ImageDocument::open(const std::string& path, ImageKind kind, std::optional<DiskImageOffsets> disk, int startArea)
{
    open(path, kind, [&disk](const RomImage&) { return disk; }, startArea);
}

void ImageDocument::holdLock(const std::string& path)
{
    ImageWriteGuard::checkWritable(path);
    heldLock_.reset();
    heldLock_.emplace(path);
    heldPath_ = path;
}

AreaDirectory ImageDocument::directoryOf(const RomImage& image, ImageKind kind,
                                         const std::optional<DiskImageOffsets>& disk)
{
    if (!disk && !romLayout(kind).hasPointerTables)
        return {};
    return buildAreaDirectory(image, kind, disk ? &*disk : nullptr);
}

void ImageDocument::open(const std::string& path, ImageKind kind, const ReadCheck& check, int startArea)
{
    std::optional<RomImage> image;
    {
        // A writer of another program finishes before the image is read.
        std::optional<ImageLock> lock;
        if (!heldLock_ || heldPath_ != path)
            lock.emplace(path);
        image = RomImage::openChecked(path, kind);
    }
    const std::optional<DiskImageOffsets> disk = check(*image);
    // An area to open needs the directory: a disk image without offsets is refused then.
    const AreaDirectory directory = startArea != kNoArea ? buildAreaDirectory(*image, kind, disk ? &*disk : nullptr)
                                                         : directoryOf(*image, kind, disk);
    const PaletteTables palettes = startupPalettes(*image, kind);
    std::map<int, AreaDocument> areas;
    if (startArea != kNoArea) {
        const AreaModel model = loadArea(*image, directory, kind, startArea);
        areas[startArea].reset(model, findSaveRoom(*image, directory, kind, model));
    }

    path_ = path;
    kind_ = kind;
    disk_ = disk;
    bytes_ = image->bytes();
    seen_ = bytes_;
    directory_ = directory;
    palettes_ = palettes;
    areas_ = std::move(areas);
    current_ = startArea;
    history_.clear();
    notify(DocumentChange::ImageReplaced, current_);
}

void ImageDocument::replaceFile(const std::string& path, const std::vector<std::uint8_t>& bytes)
{
    path_ = path;
    bytes_ = bytes;
    seen_ = bytes;
    takeImage(bytes, {}, current_);
    notify(DocumentChange::ImageReplaced, current_);
}

RomImage ImageDocument::image() const { return RomImage::fromBytes(bytes_, path_); }

void ImageDocument::setCurrent(int area)
{
    if (!areas_.contains(area)) {
        const RomImage image = RomImage::fromBytes(bytes_, path_);
        const AreaModel model = loadArea(image, directory_, kind_, area);
        AreaDocument document;
        document.reset(model, findSaveRoom(image, directory_, kind_, model));
        areas_[area] = std::move(document);
    }
    current_ = area;
    notify(DocumentChange::AreaChanged, area);
}

const AreaDocument* ImageDocument::touched(int area) const
{
    const auto it = areas_.find(area);
    return it == areas_.end() ? nullptr : &it->second;
}

std::vector<int> ImageDocument::changedAreas() const
{
    std::vector<int> changed;
    for (const auto& [index, document] : areas_)
        if (document.differs())
            changed.push_back(index);
    return changed;
}

bool ImageDocument::commitStep(bool merge)
{
    AreaDocument& document = area();
    std::optional<AreaModel> before = document.commitStep();
    if (!before)
        return false;
    HistoryStep step;
    step.name = document.openName();
    step.area = current_;
    step.model = std::move(before);
    step.item = document.model().selectedObject;
    step.mode = document.model().selectedEnemy;
    history_.push(std::move(step), merge);
    notify(DocumentChange::HistoryChanged, current_);
    return true;
}

std::string ImageDocument::undoName() const { return canUndo() ? history_.nextUndo()->name : std::string(); }

std::string ImageDocument::redoName() const { return canRedo() ? history_.nextRedo()->name : std::string(); }

bool ImageDocument::undo()
{
    if (!canUndo())
        return false;
    HistoryStep step = history_.takeUndo();
    try {
        step.written() ? applyWritten(step, true) : applyAreaStep(step);
    } catch (const ImageError&) {
        history_.putBackUndo(std::move(step));
        throw;
    }
    const int area = step.area;
    history_.undone(std::move(step));
    notify(DocumentChange::HistoryChanged, area);
    return true;
}

bool ImageDocument::redo()
{
    if (!canRedo())
        return false;
    HistoryStep step = history_.takeRedo();
    try {
        step.written() ? applyWritten(step, false) : applyAreaStep(step);
    } catch (const ImageError&) {
        history_.putBackRedo(std::move(step));
        throw;
    }
    const int area = step.area;
    history_.redone(std::move(step));
    notify(DocumentChange::HistoryChanged, area);
    return true;
}

bool ImageDocument::applyAreaStep(HistoryStep& step)
{
    if (step.area != current_)
        setCurrent(step.area);
    std::swap(*step.model, area().model());
    // The data may have moved since the step was made.
    takeDataLocation(area().model(), area().savedModel());
    notify(DocumentChange::AreaChanged, current_);
    return true;
}

bool ImageDocument::applyWritten(HistoryStep& step, bool undo)
{
    bool overwritten = false;
    const Written written = writeLocked([&](RomImage& image) {
        // A saved area's bytes lie where its pointers led when it was saved;
        // once another program moved its data they would land on other data.
        if (step.savedArea &&
            dataOffsets(buildAreaDirectory(image, kind_, disk_ ? &*disk_ : nullptr), step.area) !=
                (undo ? step.dataAfter : step.dataBefore))
            throw ImageError("The data of area " + hex2(step.area) + " was moved by another program since \"" +
                             step.name + "\", so it was not " + (undo ? "undone" : "redone") +
                             ": its bytes would land on other data. Reload the image; nothing was written.");
        for (const WrittenRun& run : step.runs) {
            const std::vector<std::uint8_t>& expected = undo ? run.after : run.before;
            for (std::size_t i = 0; i < expected.size(); ++i)
                overwritten = overwritten || image.read(run.offset + static_cast<long>(i)) != expected[i];
        }
        if (overwritten && !(question_ && question_("The bytes of \"" + step.name +
                                                    "\" were changed by a later write or another program since. "
                                                    "Overwrite the other program's changes?")))
            throw ImageError("Nothing was written: the bytes of \"" + step.name + "\" changed since.");
        for (const WrittenRun& run : step.runs)
            image.writeBlock(run.offset, undo ? run.before : run.after);
    });
    takeImage(written.image, written.runs, step.savedArea ? step.area : -1);
    if (step.savedArea && step.area != current_)
        setCurrent(step.area);
    return true;
}

ImageDocument::Written ImageDocument::writeLocked(const std::function<void(RomImage&)>& edit)
{
    if (!isOpen())
        throw ImageError("No image is open.");
    // A read-only image is refused before anything else is looked at.
    ImageWriteGuard::checkWritable(path_);
    // Another program's read-modify-write of the image finishes first.
    std::optional<ImageLock> lock;
    if (!heldLock_ || heldPath_ != path_)
        lock.emplace(path_);
    RomImage image = RomImage::openChecked(path_, kind_);
    // A file opened although it is no image of the game is for viewing only.
    if (const auto foreign = foreignWritable_ ? std::nullopt : foreignImageProblem(path_, image.bytes(), kind_))
        throw ImageError(*foreign + " It is open for viewing only, so nothing was written.");
    // The data of every area with unsaved edits must still start where it
    // was loaded from (another program may have moved it).
    const std::vector<std::uint8_t> disk = image.bytes();
    if (disk.size() != bytes_.size())
        throw ImageError("Another program changed the size of " + shownName(path_) +
                         " since the editor read it. Reload the image; nothing was written.");
    for (const auto& [index, document] : areas_)
        if (document.differs())
            directoryForSave(image, kind_, directory_, document.model());
    // The edit works on a copy: whatever it does, the file is written only
    // below, after the checks.
    RomImage edited = RomImage::inMemoryCopy(image);
    edit(edited);
    Written written{differingRuns(disk, edited.bytes()), edited.bytes()};
    // A write that changes no byte writes nothing, the backup included.
    if (written.runs.empty())
        return written;
    if (disk != bytes_) {
        bool clash = false;
        for (const WrittenRun& run : written.runs)
            for (std::size_t i = 0; i < run.before.size() && !clash; ++i) {
                const auto at = static_cast<std::size_t>(run.offset) + i;
                clash = bytes_[at] != disk[at];
            }
        if (clash && !(question_ && question_("The image " + shownName(path_) +
                                              " was changed by another program since the editor read it, "
                                              "and this write would replace some of those bytes. "
                                              "Overwrite the other program's changes?")))
            throw ImageError("Nothing was written: the other program's changes to " + shownName(path_) + " were kept.");
    }
    guard_.commit(path_, edited);
    seen_ = written.image;
    return written;
}

void ImageDocument::write(const std::function<void(RomImage&)>& edit, const std::string& stepName, int savedArea)
{
    Written written = writeLocked(edit);
    if (written.runs.empty())
        return;
    takeImage(written.image, written.runs, savedArea);
    if (!stepName.empty()) {
        HistoryStep step;
        step.name = stepName;
        step.area = savedArea >= 0 ? savedArea : current_;
        step.runs = std::move(written.runs);
        step.savedArea = savedArea >= 0;
        if (step.savedArea) {
            // The directory before the write: the written bytes put back.
            std::vector<std::uint8_t> before = written.image;
            for (const WrittenRun& run : step.runs)
                std::copy(run.before.begin(), run.before.end(), before.begin() + run.offset);
            const DiskImageOffsets* disk = disk_ ? &*disk_ : nullptr;
            step.dataBefore = dataOffsets(buildAreaDirectory(RomImage::fromBytes(before), kind_, disk), step.area);
            step.dataAfter = dataOffsets(directory_, step.area);
        }
        history_.push(std::move(step), false);
        notify(DocumentChange::HistoryChanged, current_);
    }
}

void ImageDocument::takeImage(const std::vector<std::uint8_t>& image, const std::vector<WrittenRun>& runs, int keepArea)
{
    // What the editor knows of the file: its own writes. Bytes another
    // program changed elsewhere stay unknown, so a later write over them asks.
    for (const WrittenRun& run : runs)
        std::copy(run.after.begin(), run.after.end(), bytes_.begin() + run.offset);
    const RomImage written = RomImage::fromBytes(image, path_);
    directory_ = directoryOf(written, kind_, disk_);
    palettes_ = startupPalettes(written, kind_);
    for (auto& [index, document] : areas_) {
        try {
            AreaModel saved = loadArea(written, directory_, kind_, index);
            const std::optional<AreaRoom> room = findSaveRoom(written, directory_, kind_, saved);
            if (index == keepArea)
                document.markSavedKeepingModel(std::move(saved), room);
            else
                document.imageChanged(std::move(saved), room);
        } catch (const ImageError&) {
            // An area the write left unreadable keeps what it had.
        }
    }
    notify(DocumentChange::TablesChanged, current_);
}

bool ImageDocument::changedOnDisk() const
{
    if (!isOpen())
        return false;
    try {
        return RomImage::open(path_).bytes() != bytes_;
    } catch (const ImageError&) {
        return false;
    }
}

bool ImageDocument::takeChangeOnDisk()
{
    if (!isOpen())
        return false;
    try {
        std::vector<std::uint8_t> disk = RomImage::open(path_).bytes();
        if (disk == seen_)
            return false;
        seen_ = std::move(disk);
        return true;
    } catch (const ImageError&) {
        return false;
    }
}

} // namespace quorled
