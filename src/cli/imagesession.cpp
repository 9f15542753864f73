#include "imagesession.h"

#include "core/settings/editorsettings.h"
#include "core/settings/settingsfile.h"
#include "romdata/imageerror.h"
#include "romdata/shownname.h"

#include <cstdlib>

namespace quorled::cli {

RomImage openImageFile(const std::string& path, ImageKind kind, const CliArgs& args)
{
    RomImage image = RomImage::openChecked(path, kind);
    if (!args.flag("--force"))
        if (const auto foreign = foreignImageProblem(path, image.bytes(), kind))
            throw ImageError(*foreign + " Add --force to work on it all the same.");
    return image;
}

ImageSession ImageSession::open(const std::string& path, const CliArgs& args)
{
    ImageSession session;
    session.kind = imageKindFromFileName(path);
    session.image = openImageFile(path, session.kind, args);
    if (session.kind == ImageKind::Fds) {
        const auto reference = args.value("--reference");
        if (!reference)
            throw ImageError("The disk image " + shownName(path) +
                             " needs a published iNES image of the game as its reference: add --reference FILE.");
        session.disk = diskOffsetsFromReference(RomImage::open(*reference));
    }
    session.directory = buildAreaDirectory(session.image, session.kind, session.disk ? &*session.disk : nullptr);
    return session;
}

namespace {

const std::string& refusedIfReadOnly(const std::string& path)
{
    ImageWriteGuard::checkWritable(path);
    return path;
}

} // namespace

ImageWriter::ImageWriter(const std::string& path, const CliArgs& args) : path_(path), lock_(refusedIfReadOnly(path))
{
    const auto environment = [](const char* name) {
        const char* value = std::getenv(name);
        return std::string(value ? value : "");
    };
    const std::string settings = settingsFilePath(environment("XDG_CONFIG_HOME"), environment("HOME"));
    const bool settingsKeepBackup = settings.empty() || EditorSettings::read(SettingsFile::load(settings)).keepBackup;
    guard_.setBackupEnabled(settingsKeepBackup && !args.flag("--no-backup"));
}

void ImageWriter::commit(RomImage& image) { guard_.commit(image); }

void ImageWriter::commitCopy(const RomImage& changed) { guard_.commit(path_, changed); }

} // namespace quorled::cli
