#pragma once

#include "core/forms/areachooser.h"
#include "core/document/imagedocument.h"
#include "core/editing/areaediting.h"
#include "core/document/change.h"
#include "core/session/editorcommand.h"
#include "core/settings/editorsettings.h"
#include "core/forms/levelinfo.h"
#include "core/editing/selectiongesture.h"
#include "core/session/notice.h"
#include "romdata/areadirectory.h"
#include "romdata/areamodel.h"
#include "romdata/imagekind.h"
#include "romdata/imagewriteguard.h"
#include "romdata/palettetables.h"
#include "view/graphics.h"
#include "view/picture.h"
#include "view/readouts.h"
#include "view/renderer.h"
#include "view/viewstate.h"

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace quorled {

// What a key press asks of the window besides the repaint.
enum class KeyRequest { None, ShowAbout };

// The editor without its window: the open image, the current area, the view
// and every rule of start-up, settings, keys, mouse and menu commands. The
// window turns its events into these calls and shows what changed; it learns
// of changes through one observer.
class EditorCore {
public:
    using Observer = std::function<void(ChangeSet)>;

    // Takes the pictures the program carries (copied, enemy sheets masked);
    // throws ImageError when one is missing or too small.
    explicit EditorCore(const GraphicsSources& pictures);
    ~EditorCore();
    EditorCore(const EditorCore&) = delete;
    EditorCore& operator=(const EditorCore&) = delete;

    void setObserver(Observer observer) { observer_ = std::move(observer); }

    // --- start-up, reload and shut-down ---
    // Reads the settings file (a missing file gives every default). The
    // first step of start-up and of Reload.
    void readSettings(const std::string& settingsPath);
    // Text the file-name prompt is pre-filled with: the open image's name,
    // else the stored "Load"/"Filename", else "quorl.nes".
    std::string promptDefault() const;
    // Whether an image of this name is a disk image, which needs a reference.
    static bool needsReference(const std::string& imagePath);
    // Opens an image and loads its start area: kind from the name, options
    // and check marks from the settings read last, palettes, directory and
    // the area. Never creates a file. On failure returns a message naming the
    // file and the reason and leaves the editor as it was.
    std::optional<std::string> openImage(const std::string& imagePath, const std::string& referencePath = {});
    // Reload after the prompt was cancelled: the open image again, with the
    // options of the settings file. False when no image was ever open (the
    // program then ends).
    std::optional<std::string> reopenCurrentImage();
    bool hasImage() const { return document_.isOpen(); }
    // Reads the image again after another program changed it, keeping the
    // area, the view and the selection where they still exist; the edits
    // and the history go. A message when it cannot be read.
    std::optional<std::string> rereadImage();
    // Writes the settings chosen in the "&INI file" menu to the file read
    // last (through a whole-file replace; other keys are kept). Returns a
    // message when the file cannot be written.
    std::optional<std::string> shutDown() const;

    // --- events ---
    KeyRequest keyDown(int keyCode, int shift);
    void mouseDown(int button, int shift, double x, double y);
    void mouseMove(int button, int shift, double x, double y);
    void mouseUp(); // ends the drag begun at the press as one edit
    // Whether a menu item can be used now; whether a checkable one is checked.
    bool commandEnabled(Command command) const;
    bool commandChecked(Command command) const;

    // --- writing the image ---
    // Every command that writes the image goes through here. `edit` gets the
    // image as it is on disk now and changes it (or commits it itself);
    // before that, a read-only image is refused with "The image FILE is
    // read-only." and, before the first write of the run, the backup
    // NAME.bak is made when "Keep a &backup of the image" is checked. On any
    // failure (ImageError from any step, `edit` included) the message goes
    // to message() with Change::Message, the result is false and the file is
    // as it was. `edit` must not change the editor: the caller applies its
    // results after a true result, so a failed command leaves everything as
    // it was.
    // With a `stepName` the write is a step of the history: undo and redo
    // write the bytes before and after it back, through the same rules.
    bool writeImage(const std::function<void(RomImage&)>& edit, const std::string& stepName = {});

    // --- the "Select area" dialog ---
    std::vector<std::string> chooseWorld(int world); // areas of world 1..7
    void chooseArea(int index);                       // 0-based in that list
    void acceptAreaChoice();                          // OK
    void cancelAreaChoice();                          // Cancel: reloads the area
    // Opens another area; the edits of the one left stay in the document.
    bool changeArea(int area);
    const AreaChooser& areaChooser() const { return chooser_; }

    // --- header panel ---
    // Release and click on box i (0..31): flips bit i + 1; the level palette
    // bits rebuild the colours first.
    void clickHeaderBit(int box);

    // --- saving, adding and deleting, the header dialog ---
    // Save, Refresh, Add enemy, the two deletions, See free space, Undo and
    // Redo of the menus; a message box they ask for comes as notice().
    void saveArea();
    void refreshArea();
    void addEnemy();
    void deleteSelected();
    void deleteAll();
    void showFreeSpace();
    void undo() { undoOrRedo(true); }
    void redo() { undoOrRedo(false); }
    const Notice& notice() const { return notice_; }
    // "Move and save": a save that first moves data which outgrew its room.
    void saveMovingData() { if (hasImage()) save(true); }
    // "Add object " of the "Add objects" dialog; false when refused (the
    // refusal comes as a notice).
    bool addObject(const AddObjectRequest& request);
    // OK of the "Edit header" dialog: the new header into the area, the
    // model folded with the direction it was in and then switched to the
    // header's, the colours rebuilt and everything redrawn.
    void applyHeader(const HeaderBits& header);
    // The 16 screen colours of a level or enemy palette of the current
    // area's world, for the header dialog's previews.
    std::array<std::uint32_t, 16> palettePreview(int palette, bool enemy) const;
    LevelInfo levelInfo() const;

    // --- what the window shows ---
    // " *" at the end while the area differs from the image.
    std::string caption() const { return caption_ + (document_.differs() ? " *" : ""); }
    // The status bar: what the last save or deletion did, else which areas
    // have unsaved edits ("3 areas changed: 00, 0A, 14"), else nothing.
    std::string status() const;
    // "Save a&ll changed areas": every changed area, in area order, in one
    // write; when one does not fit nothing is written and a notice names them.
    void saveAllAreas();
    // The message of the last action that failed (Change::Message).
    const std::string& message() const { return message_; }
    const Picture& viewPicture() const;
    const ReadoutTexts& readouts() const { return readouts_; }
    const HeaderBitsDisplay& headerBits() const { return headerDisplay_; }
    int editMode() const { return view_.editMode; }
    int currentArea() const { return document_.current(); }
    ImageKind imageKind() const { return document_.kind(); }
    const std::string& romFileName() const { return document_.path(); }
    std::string referenceImagePath() const { return settings_.referenceImage; }
    int zoom() const { return zoom_; }
    void setZoom(int zoom);

    // For tests and the command line: the model and view as they are now.
    const AreaModel& area() const { return document_.area().model(); }
    AreaModel& area() { return document_.area().model(); }
    const ImageDocument& document() const { return document_; }
    ImageDocument& document() { return document_; }
    const ViewState& view() const { return view_; }
    ViewState& view() { return view_; }
    const AreaDirectory& directory() const { return document_.directory(); }
    const EditorSettings& settings() const { return settings_; }
    EditorSettings& settings() { return settings_; }
    const std::array<bool, 7>& iniChecks() const { return iniChecks_; }
    std::array<bool, 7>& iniChecks() { return iniChecks_; }
    // Redraws after a change made from outside (tests, later dialogs).
    void redraw(ChangeSet extra = {});
    void notify(ChangeSet changes); // tells the observer, without a redraw
    // For the game-table dialogs: the palettes and screen colours in use;
    // after a dialog wrote the image (or was cancelled) the view, caption
    // and colours take the document's tables.
    const PaletteTables& palettes() const { return document_.palettes(); }
    const std::array<std::uint32_t, 64>& screenColours() const { return graphics_.nesColourRgb; }
    bool reloadTables(bool recolour);
    // Reports a failure as the message (Change::Message), and a refusal as
    // the notice (Change::Notice).
    void fail(const std::string& message);
    void report(Notice notice);
    // Draws `area` as `view` shows it, for a look at an edit not made.
    void drawInto(AreaModel area, ViewState view);
    // After the image was written to a new file: the editor goes on with
    // that file, which holds `bytes`; `saved` is the area as it holds it,
    // `view` the view after.
    void continueWithFile(const std::string& path, std::optional<AreaModel> saved, std::optional<AreaRoom> room,
                          const ViewState& view, const std::vector<std::uint8_t>& bytes);

private:
    std::optional<std::string> startUp(const std::string& imagePath, const std::string& referencePath);
    void applyOptionsFromSettings();
    void draw();
    void save(bool relocate = false);
    void beginEdit(std::string name) { document_.beginStep(std::move(name)); }
    void endEdit(bool merge = false);
    void undoOrRedo(bool undo);
    void recolour();

    GraphicsModel graphics_;
    std::unique_ptr<Renderer> renderer_;

    std::string settingsPath_;
    EditorSettings settings_;
    std::array<bool, 7> iniChecks_{true, true, true, true, true, true, true};
    int zoom_ = 2;

    std::string referencePath_;
    ImageDocument document_;
    ViewState view_;

    SelectionGesture mouse_;
    AreaChooser chooser_;
    std::string caption_ = "Quorl editor";
    ReadoutTexts readouts_;
    HeaderBitsDisplay headerDisplay_;
    std::string message_;
    std::string status_;
    Notice notice_;
    Observer observer_;
};

} // namespace quorled
