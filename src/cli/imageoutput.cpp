#include "imageoutput.h"

#include "core/settings/editorsettings.h"
#include "core/settings/settingsfile.h"
#include "romdata/bytes.h"
#include "romdata/filestore.h"
#include "romdata/imageerror.h"
#include "romdata/romimage.h"
#include "romdata/shownname.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace quorled::cli {

namespace fs = std::filesystem;

std::vector<std::string> ImageOutput::withValued(std::vector<std::string> valued)
{
    valued.push_back("-o");
    return valued;
}

std::vector<std::string> ImageOutput::withFlags(std::vector<std::string> flags)
{
    flags.push_back("--dry-run");
    return flags;
}

namespace {

// Backups are on unless --no-backup was given or the settings file turns
// them off ("Options"/"Backup").
bool backupWanted(const CliArgs& args)
{
    if (args.flag("--no-backup"))
        return false;
    const auto environment = [](const char* name) {
        const char* value = std::getenv(name);
        return std::string(value ? value : "");
    };
    const std::string settings = settingsFilePath(environment("XDG_CONFIG_HOME"), environment("HOME"));
    return settings.empty() || EditorSettings::read(SettingsFile::load(settings)).keepBackup;
}

} // namespace

void refuseExistingFile(const std::string& path, const std::string& what)
{
    std::error_code error;
    const auto type = fs::symlink_status(path, error).type();
    if (type != fs::file_type::not_found && type != fs::file_type::none)
        throw ImageError("The file " + shownName(path) + " already exists; " + what +
                         " writes only a new file, so nothing was written.");
}

ImageOutput::ImageOutput(const CliArgs& args, const std::string& imagePath)
    : imagePath_(imagePath), outPath_(args.value("-o")), dryRun_(args.flag("--dry-run"))
{
    if (!outPath_) {
        if (!dryRun_) {
            document_.emplace();
            document_->holdLock(imagePath_);
            // Refused without --force when the image is read.
            document_->setForeignWritable(true);
            document_->writeGuard().setBackupEnabled(backupWanted(args));
        }
        return;
    }
    if (outPath_->empty())
        throw UsageError("-o needs a file name");
    // By file identity: another name or a link for the image is the image.
    std::error_code error;
    if (fs::equivalent(*outPath_, imagePath_, error))
        throw ImageError("The output file " + shownName(*outPath_) + " is the image " + shownName(imagePath_) +
                         " itself; -o writes a new file and leaves the image alone, so nothing was written.");
    refuseExistingFile(*outPath_, "-o");
}

RomImage ImageOutput::open(ImageKind kind, const CliArgs& args)
{
    RomImage image;
    if (document_) {
        document_->open(
            imagePath_, kind,
            [&](const RomImage& read) {
                refuseForeignImage(imagePath_, read, kind, args);
                return std::optional<DiskImageOffsets>();
            },
            ImageDocument::kNoArea);
        image = RomImage::fromBytes(document_->bytes(), imagePath_);
    } else {
        image = openImageFile(imagePath_, kind, args);
    }
    before_ = image.bytes();
    return RomImage::inMemoryCopy(image);
}

ImageSession ImageOutput::openSession(const CliArgs& args)
{
    if (!document_) {
        ImageSession session = ImageSession::open(imagePath_, args);
        before_ = session.image.bytes();
        session.image = RomImage::inMemoryCopy(session.image);
        return session;
    }
    ImageSession session;
    session.kind = imageKindFromFileName(imagePath_);
    document_->open(
        imagePath_, session.kind,
        [&](const RomImage& read) {
            refuseForeignImage(imagePath_, read, session.kind, args);
            session.disk = referenceOffsets(imagePath_, session.kind, args);
            return session.disk;
        },
        ImageDocument::kNoArea);
    session.directory = document_->directory();
    before_ = document_->bytes();
    session.image = RomImage::inMemoryCopy(RomImage::fromBytes(document_->bytes(), imagePath_));
    return session;
}

void ImageOutput::write(RomImage& image)
{
    after_ = image.bytes();
    if (dryRun_)
        return;
    if (outPath_) {
        refuseExistingFile(*outPath_, "-o");
        writeWholeFile(*outPath_, image.bytes());
        return;
    }
    document_->write([&image](RomImage& file) { file.writeBlock(0, image.bytes()); });
}

void ImageOutput::report(std::ostream& out) const
{
    if (dryRun_) {
        out << "Dry run: " << changedRanges(before_, after_) << " would change";
        if (outPath_)
            out << " in a new file " << shownName(*outPath_);
        out << "; nothing was written.\n";
    } else if (outPath_) {
        out << "Wrote " << shownName(*outPath_) << ": " << changedRanges(before_, after_) << " changed; " << shownName(imagePath_)
            << " was left as it was.\n";
    }
}

std::string changedRanges(const std::vector<std::uint8_t>& before, const std::vector<std::uint8_t>& after)
{
    const std::size_t size = std::max(before.size(), after.size());
    auto differs = [&](std::size_t i) {
        return i >= before.size() || i >= after.size() || before[i] != after[i];
    };
    std::string ranges;
    std::size_t count = 0;
    for (std::size_t i = 0; i < size;) {
        if (!differs(i)) {
            ++i;
            continue;
        }
        std::size_t end = i;
        while (end + 1 < size && differs(end + 1))
            ++end;
        count += end - i + 1;
        ranges += (ranges.empty() ? "" : ", ") + hexAddress(static_cast<long>(i));
        if (end > i)
            ranges += "-" + hexAddress(static_cast<long>(end));
        i = end + 1;
    }
    if (count == 0)
        return "no bytes";
    return std::to_string(count) + (count == 1 ? " byte (" : " bytes (") + ranges + ")";
}

} // namespace quorled::cli
