#pragma once

#include "core/document/areadocument.h"
#include "core/document/imagehistory.h"

#include "romdata/areadirectory.h"
#include "romdata/imagekind.h"
#include "romdata/imagelock.h"
#include "romdata/imagewriteguard.h"
#include "romdata/palettetables.h"

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace quorled {

class RomImage;

// What changed in the document, for those who show it.
enum class DocumentChange {
    ImageReplaced, // opened, reloaded or saved under another name
    AreaChanged,   // an area's model (or which area is current)
    TablesChanged, // the file was written: directory, palettes, game tables
    HistoryChanged // a step was added, undone or redone
};

// The open image as the session edits it: the bytes as read, its kind,
// directory and palettes, one area document for each area the user has
// touched, and one history for all of it. The image is read from the file
// in one place (open) under the image's lock; every write goes through
// write(), which checks the file against what the edits were made on.
class ImageDocument {
public:
    using Observer = std::function<void(DocumentChange, int area)>;
    // Answers "Overwrite the other program's changes?"; true to overwrite.
    using OverwriteQuestion = std::function<bool(const std::string& text)>;

    // Observers are told of every change; subscribe returns an id for unsubscribe.
    int subscribe(Observer observer);
    void unsubscribe(int id);

    // Looks at the image as read, before anything of it is decoded, and
    // throws ImageError to refuse it; returns the disk offsets a disk image
    // takes its directory from.
    using ReadCheck = std::function<std::optional<DiskImageOffsets>(const RomImage&)>;
    // open()'s start area for a document that edits no area (a command).
    static constexpr int kNoArea = -1;

    // Reads the image under its lock and opens `startArea`; the history
    // starts empty. A disk image without offsets has no directory (and no
    // area can be opened). Throws ImageError (the document is then as it was).
    void open(const std::string& path, ImageKind kind, std::optional<DiskImageOffsets> disk, int startArea);
    void open(const std::string& path, ImageKind kind, const ReadCheck& check, int startArea);
    // For a single read-modify-write (a command): refuses a read-only image,
    // then takes the image's lock and holds it until the document goes, so
    // that nothing another program writes comes between open() and write().
    void holdLock(const std::string& path);
    // Whether write() may write an image that does not look like one of the
    // game (a command given --force); else it is for viewing only.
    void setForeignWritable(bool writable) { foreignWritable_ = writable; }
    // Reads the open image again (a change by another program): the history
    // and the edits go, the current area stays. Throws ImageError.
    void reread() { open(path_, kind_, disk_, current_); }
    bool isOpen() const { return !path_.empty(); }
    const std::string& path() const { return path_; }
    ImageKind kind() const { return kind_; }
    const AreaDirectory& directory() const { return directory_; }
    const PaletteTables& palettes() const { return palettes_; }
    const std::vector<std::uint8_t>& bytes() const { return bytes_; }
    // A copy of the image as last read or written, for the tools that read
    // it whole (free space, dumps, table dialogs): the file is read only at
    // open and reload.
    RomImage image() const;
    // The image now lives under `path` and holds `bytes` (a save under
    // another name); the current area's model stays as it is.
    void replaceFile(const std::string& path, const std::vector<std::uint8_t>& bytes);

    // The area being edited; opening another keeps the edits of both.
    int current() const { return current_; }
    AreaDocument& area() { return areas_.at(current_); }
    const AreaDocument& area() const { return areas_.at(current_); }
    // Opens `area` (from the bytes read, when first touched). Throws ImageError.
    void setCurrent(int area);
    const AreaDocument* touched(int area) const;
    // A touched area's document (see touched()).
    AreaDocument& areaDocument(int area) { return areas_.at(area); }
    // Areas whose model differs from the image, in area order.
    std::vector<int> changedAreas() const;

    // An edit of the current area: opened before it changes the model and
    // committed after; a step that changed nothing but the selection is
    // dropped. With `merge`, a step like the last one (same area, name and
    // item) joins it. True when a step was recorded or merged.
    void beginStep(std::string name) { area().beginStep(std::move(name)); }
    bool commitStep(bool merge = false);

    const ImageHistory& history() const { return history_; }
    bool canUndo() const { return history_.canUndo(); }
    bool canRedo() const { return history_.canRedo(); }
    std::string undoName() const;
    std::string redoName() const;
    // The menu texts of Undo and Redo: "Move object in area 0A" (see stepTitle).
    std::string undoTitle() const { return canUndo() ? stepTitle(*history_.nextUndo()) : std::string(); }
    std::string redoTitle() const { return canRedo() ? stepTitle(*history_.nextRedo()) : std::string(); }
    std::size_t undoSteps() const { return history_.undoSteps(); }
    // Undo and redo of the last step: a step of another area opens that
    // area first; a written step writes its bytes back. False when there is
    // none; throws ImageError when the write failed (the step stays).
    bool undo();
    bool redo();

    // What the current area shows of its state (the window's caption, status).
    bool differs() const { return isOpen() && areas_.contains(current_) && area().differs(); }
    std::optional<RoomUse> roomUse() const { return area().roomUse(); }

    // --- writing ---
    ImageWriteGuard& writeGuard() { return guard_; }
    const ImageWriteGuard& writeGuard() const { return guard_; }
    void setOverwriteQuestion(OverwriteQuestion question) { question_ = std::move(question); }
    // The one write of the image. Under the lock it reads the file, refuses
    // a read-only or foreign one and one whose directory another program
    // changed since it was read, runs `edit`, asks before overwriting bytes
    // another program changed, makes the backup and replaces the file.
    // A write that changes no byte writes nothing. With a `stepName` the
    // write is a step of the history (undone by writing the bytes back);
    // `savedArea` names an area whose save it is, whose model stays as it
    // is when the step is undone. Throws ImageError; nothing is written then.
    void write(const std::function<void(RomImage&)>& edit, const std::string& stepName = {}, int savedArea = -1);
    // Whether the file on disk differs from the bytes the document read or
    // wrote (a change by another program). False when it cannot be read.
    bool changedOnDisk() const;
    // Whether the file changed on disk since the document last read or
    // wrote it, or last answered this: each change by another program is
    // told once, and the editor's own writes are never taken for one.
    // False when the file cannot be read.
    bool takeChangeOnDisk();

private:
    struct Written {
        std::vector<WrittenRun> runs;
        std::vector<std::uint8_t> image;
    };
    Written writeLocked(const std::function<void(RomImage&)>& edit);
    void takeImage(const std::vector<std::uint8_t>& image, const std::vector<WrittenRun>& runs, int keepArea);
    bool applyWritten(HistoryStep& step, bool undo);
    bool applyAreaStep(HistoryStep& step);
    void notify(DocumentChange change, int area);
    // The directory of `image`; none for a disk image without offsets.
    static AreaDirectory directoryOf(const RomImage& image, ImageKind kind, const std::optional<DiskImageOffsets>& disk);

    std::string path_;
    ImageKind kind_ = ImageKind::Ines;
    std::optional<DiskImageOffsets> disk_;
    std::vector<std::uint8_t> bytes_;
    std::vector<std::uint8_t> seen_; // the file as last read, written or told of
    AreaDirectory directory_;
    PaletteTables palettes_;
    std::map<int, AreaDocument> areas_;
    int current_ = 0;
    ImageHistory history_;
    ImageWriteGuard guard_;
    std::optional<ImageLock> heldLock_;
    std::string heldPath_;
    bool foreignWritable_ = false;
    OverwriteQuestion question_;
    std::map<int, Observer> observers_;
    int nextObserver_ = 1;
};

} // namespace quorled
