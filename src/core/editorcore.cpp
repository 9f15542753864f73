#include "editorcore.h"

#include "imagecaption.h"
#include "settingsfile.h"

#include "romdata/arealoader.h"
#include "romdata/builtinpalettes.h"
#include "romdata/imageerror.h"
#include "romdata/imagelock.h"
#include "romdata/romimage.h"
#include "romdata/roomuse.h"

#include <filesystem>

namespace quorled {

namespace {

// Bit box colours for a clear bit, a set bit and a box being pressed.
constexpr std::array<std::uint32_t, 3> kBitBoxColours{0xFFE0C0, 0x804000, 0xC09060};

} // namespace

EditorCore::EditorCore(const GraphicsSources& pictures)
{
    initGraphics(graphics_, pictures);
    renderer_ = std::make_unique<Renderer>(graphics_, palettes_);
}

EditorCore::~EditorCore() = default;

void EditorCore::readSettings(const std::string& settingsPath)
{
    settingsPath_ = settingsPath;
    settings_ = EditorSettings::read(SettingsFile::load(settingsPath));
    zoom_ = settings_.zoom;
}

std::string EditorCore::promptDefault() const { return hasImage() ? romFileName_ : settings_.fileName; }

bool EditorCore::needsReference(const std::string& imagePath)
{
    return imageKindFromFileName(imagePath) == ImageKind::Fds;
}

std::optional<std::string> EditorCore::openImage(const std::string& imagePath, const std::string& referencePath)
{
    return startUp(imagePath, referencePath.empty() ? settings_.referenceImage : referencePath);
}

std::optional<std::string> EditorCore::reopenCurrentImage()
{
    if (!hasImage())
        return std::string("No image is open.");
    return startUp(romFileName_, referencePath_);
}

std::optional<std::string> EditorCore::startUp(const std::string& imagePath, const std::string& referencePath)
{
    if (imagePath.empty())
        return std::string("No image file was named.");
    const ImageKind kind = imageKindFromFileName(imagePath);
    std::optional<DiskImageOffsets> disk;
    AreaDirectory directory;
    PaletteTables palettes;
    AreaModel area;
    std::optional<AreaRoom> room;
    const int startArea = settings_.startArea;
    try {
        const RomImage image = RomImage::openChecked(imagePath, kind);
        if (kind == ImageKind::Fds) {
            if (referencePath.empty())
                return "The disk image " + imagePath +
                       " needs a published iNES image of the game as its reference, and none was named.";
            disk = diskOffsetsFromReference(RomImage::open(referencePath));
        }
        directory = buildAreaDirectory(image, kind, disk ? &*disk : nullptr);
        palettes = startupPalettes(image, kind);
        area = loadArea(image, directory, kind, startArea);
        room = findSaveRoom(image, directory, kind, area);
    } catch (const ImageError& error) {
        return std::string(error.what());
    }

    romFileName_ = imagePath;
    referencePath_ = kind == ImageKind::Fds ? referencePath : referencePath_;
    if (kind == ImageKind::Fds)
        settings_.referenceImage = referencePath;
    kind_ = kind;
    disk_ = disk;
    directory_ = directory;
    palettes_ = palettes;
    document_.reset(std::move(area), room);
    status_.clear();
    currentArea_ = startArea;
    applyOptionsFromSettings();
    caption_ = imageCaption(currentArea_, directory_, romFileName_);
    applyLevelPalette(graphics_, document_.model(), directory_.worldFirstArea, palettes_);
    draw();
    notify(Change::Picture | Change::Readouts | Change::Caption | Change::HeaderBits | Change::Checks |
           Change::EditMode | Change::Commands | Change::Status);
    return std::nullopt;
}

void EditorCore::applyOptionsFromSettings()
{
    view_ = ViewState{};
    view_.editMode = 0;
    view_.groundView = settings_.groundView;
    view_.pageView = settings_.pageView;
    view_.objectMarks = settings_.objectMarks;
    view_.pointersFollowDoors = settings_.pointersFollowDoors;
    view_.showPointersAsObjects = settings_.showPointersAsObjects;
    iniChecks_ = settings_.saveChecks;
    writeGuard_.setBackupEnabled(settings_.keepBackup);
}

bool EditorCore::writeImage(const std::function<void(RomImage&)>& edit)
{
    if (!hasImage())
        return false;
    try {
        // A read-only image is refused before anything else is looked at.
        ImageWriteGuard::checkWritable(romFileName_);
        // Another program's read-modify-write of the image finishes first.
        const ImageLock lock(romFileName_);
        RomImage image = RomImage::openChecked(romFileName_, kind_);
        // A file opened although it is no image of the game is for viewing only.
        if (const auto foreign = foreignImageProblem(romFileName_, image.bytes(), kind_))
            throw ImageError(*foreign + " It is open for viewing only, so nothing was written.");
        // The edit works on a copy; the backup and the write follow only
        // when a byte changed.
        RomImage edited = RomImage::inMemoryCopy(image);
        edit(edited);
        writeGuard_.commit(romFileName_, edited);
    } catch (const ImageError& error) {
        message_ = error.what();
        notify(Change::Message);
        return false;
    }
    return true;
}

std::optional<std::string> EditorCore::loadCurrentArea()
{
    try {
        const RomImage image = RomImage::openChecked(romFileName_, kind_);
        AreaDirectory directory = buildAreaDirectory(image, kind_, disk_ ? &*disk_ : nullptr);
        AreaModel area = loadArea(image, directory, kind_, currentArea_);
        const std::optional<AreaRoom> room = findSaveRoom(image, directory, kind_, area);
        directory_ = directory;
        document_.reset(std::move(area), room);
        status_.clear();
    } catch (const ImageError& error) {
        return std::string(error.what());
    }
    view_.viewColumn = 0;
    view_.viewRow = 0;
    caption_ = imageCaption(currentArea_, directory_, romFileName_);
    applyLevelPalette(graphics_, area(), directory_.worldFirstArea, palettes_);
    draw();
    return std::nullopt;
}

bool EditorCore::reloadTables(bool recolour)
{
    if (!hasImage())
        return false;
    try {
        const RomImage image = RomImage::openChecked(romFileName_, kind_);
        AreaDirectory directory = buildAreaDirectory(image, kind_, disk_ ? &*disk_ : nullptr);
        palettes_ = startupPalettes(image, kind_);
        directory_ = directory;
    } catch (const ImageError& error) {
        message_ = error.what();
        notify(Change::Message);
        return false;
    }
    if (recolour) {
        caption_ = imageCaption(currentArea_, directory_, romFileName_);
        applyLevelPalette(graphics_, area(), directory_.worldFirstArea, palettes_);
        redraw(Change::Caption);
    }
    return true;
}

bool EditorCore::changeArea(int area)
{
    if (!hasImage())
        return false;
    const int previous = currentArea_;
    currentArea_ = area;
    if (auto error = loadCurrentArea()) {
        currentArea_ = previous;
        message_ = *error;
        notify(Change::Message);
        return false;
    }
    notify(Change::Picture | Change::Readouts | Change::Caption | Change::HeaderBits | Change::Commands |
           Change::Status);
    return true;
}

std::optional<std::string> EditorCore::shutDown() const
{
    ShutdownValues values;
    values.romFileName = romFileName_;
    values.referenceImage = settings_.referenceImage;
    values.currentArea = currentArea_;
    values.groundView = view_.groundView;
    values.pageView = view_.pageView;
    values.objectMarks = view_.objectMarks;
    values.pointersFollowDoors = view_.pointersFollowDoors;
    values.showPointersAsObjects = view_.showPointersAsObjects;
    values.zoom = zoom_;
    values.saveChecks = iniChecks_;
    values.keepBackup = writeGuard_.backupEnabled();
    values.askBeforeDiscarding = settings_.askBeforeDiscarding;
    values.saveBeforeTesting = settings_.saveBeforeTesting;
    if (settingsPath_.empty())
        return std::string("There is no folder for the settings file.");
    SettingsFile file = SettingsFile::load(settingsPath_);
    writeShutdownSettings(file, values);
    try {
        std::error_code ignored;
        std::filesystem::create_directories(std::filesystem::path(settingsPath_).parent_path(), ignored);
        file.save(settingsPath_);
    } catch (const ImageError& error) {
        return std::string(error.what());
    }
    return std::nullopt;
}

void EditorCore::setZoom(int zoom)
{
    if (zoom >= 1 && zoom <= 4)
        zoom_ = zoom;
}

const Picture& EditorCore::viewPicture() const { return renderer_->picture(); }

void EditorCore::draw()
{
    if (!hasImage())
        return;
    renderer_->drawArea(area(), view_, directory_.worldFirstArea);
    readouts_ = updateReadouts(area(), view_);
    headerDisplay_ = showHeaderBits(area().header, kBitBoxColours);
}

void EditorCore::redraw(ChangeSet extra)
{
    draw();
    notify(Change::Picture | Change::Readouts | Change::HeaderBits | Change::Caption | Change::Commands |
           Change::Status | extra);
}

void EditorCore::notify(ChangeSet changes)
{
    if (observer_ && !changes.empty())
        observer_(changes);
}

std::uint32_t EditorCore::pressedBitBoxColour() { return kBitBoxColours[2]; }

const std::array<std::uint32_t, 3>& EditorCore::bitBoxColours() { return kBitBoxColours; }

} // namespace quorled
