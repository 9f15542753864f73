#include "core/session/editorcore.h"

#include "core/forms/headerform.h"
#include "core/session/imagecaption.h"
#include "core/settings/settingsfile.h"

#include "romdata/arealoader.h"
#include "romdata/builtinpalettes.h"
#include "romdata/imageerror.h"
#include "romdata/romimage.h"
#include "romdata/roomuse.h"
#include "romdata/shownname.h"

#include <filesystem>

namespace quorled {

EditorCore::EditorCore(const GraphicsSources& pictures)
{
    initGraphics(graphics_, pictures);
    renderer_ = std::make_unique<Renderer>(graphics_, document_.palettes());
}

EditorCore::~EditorCore() = default;

void EditorCore::readSettings(const std::string& settingsPath)
{
    settingsPath_ = settingsPath;
    settings_ = EditorSettings::read(SettingsFile::load(settingsPath));
    zoom_ = settings_.zoom;
}

std::string EditorCore::promptDefault() const { return hasImage() ? romFileName() : settings_.fileName; }

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
    return startUp(romFileName(), referencePath_);
}

std::optional<std::string> EditorCore::startUp(const std::string& imagePath, const std::string& referencePath)
{
    if (imagePath.empty())
        return std::string("No image file was named.");
    const ImageKind kind = imageKindFromFileName(imagePath);
    try {
        std::optional<DiskImageOffsets> disk;
        if (kind == ImageKind::Fds) {
            if (referencePath.empty())
                return "The disk image " + shownName(imagePath) +
                       " needs a published iNES image of the game as its reference, and none was named.";
            disk = diskOffsetsFromReference(RomImage::open(referencePath));
        }
        document_.open(imagePath, kind, disk, settings_.startArea);
    } catch (const ImageError& error) {
        return std::string(error.what());
    }
    if (kind == ImageKind::Fds) {
        referencePath_ = referencePath;
        settings_.referenceImage = referencePath;
    }
    status_.clear();
    applyOptionsFromSettings();
    recolour();
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
    document_.writeGuard().setBackupEnabled(settings_.keepBackup);
}

bool EditorCore::writeImage(const std::function<void(RomImage&)>& edit, const std::string& stepName)
{
    if (!hasImage())
        return false;
    try {
        document_.write(edit, stepName);
    } catch (const ImageError& error) {
        fail(error.what());
        return false;
    }
    return true;
}

void EditorCore::recolour()
{
    caption_ = imageCaption(currentArea(), directory(), romFileName());
    applyLevelPalette(graphics_, area(), directory().worldFirstArea, palettes());
}

bool EditorCore::reloadTables(bool recolourView)
{
    if (!hasImage())
        return false;
    if (recolourView) {
        recolour();
        redraw(Change::Caption);
    }
    return true;
}

bool EditorCore::changeArea(int area)
{
    if (!hasImage())
        return false;
    AreaDocument& left = document_.area();
    left.viewColumn = view_.viewColumn;
    left.viewRow = view_.viewRow;
    try {
        document_.setCurrent(area);
    } catch (const ImageError& error) {
        fail(error.what());
        return false;
    }
    view_.viewColumn = document_.area().viewColumn;
    view_.viewRow = document_.area().viewRow;
    recolour();
    redraw();
    return true;
}

std::optional<std::string> EditorCore::shutDown() const
{
    ShutdownValues values;
    values.romFileName = romFileName();
    values.referenceImage = settings_.referenceImage;
    values.currentArea = currentArea();
    values.groundView = view_.groundView;
    values.pageView = view_.pageView;
    values.objectMarks = view_.objectMarks;
    values.pointersFollowDoors = view_.pointersFollowDoors;
    values.showPointersAsObjects = view_.showPointersAsObjects;
    values.zoom = zoom_;
    values.saveChecks = iniChecks_;
    values.keepBackup = document_.writeGuard().backupEnabled();
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
    renderer_->drawArea(area(), view_, directory().worldFirstArea);
    readouts_ = updateReadouts(area(), view_);
    headerDisplay_ = showHeaderBits(area().header, HeaderForm::bitBoxColours());
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

void EditorCore::fail(const std::string& message)
{
    message_ = message;
    notify(Change::Message);
}

void EditorCore::report(Notice notice)
{
    notice_ = std::move(notice);
    notify(Change::Notice);
}

void EditorCore::drawInto(AreaModel area, ViewState view)
{
    renderer_->drawArea(area, view, directory().worldFirstArea);
    notify(Change::Picture);
}

void EditorCore::continueWithFile(const std::string& path, std::optional<AreaModel> saved,
                                  std::optional<AreaRoom> room, const ViewState& view,
                                  const std::vector<std::uint8_t>& bytes)
{
    document_.replaceFile(path, bytes);
    if (saved)
        document_.area().markSaved(std::move(*saved), room);
    view_ = view;
    status_ = "Saved the image as " + shownName(path);
    recolour();
    redraw(Change::Checks);
}

} // namespace quorled
