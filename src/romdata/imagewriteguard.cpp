#include "imagewriteguard.h"

#include "filestore.h"
#include "imageerror.h"
#include "imagekind.h"
#include "romimage.h"
#include "shownname.h"

#include <optional>
#include <sys/stat.h>

namespace quorled {

namespace {

std::optional<std::pair<std::uint64_t, std::uint64_t>> identityOf(const std::string& path)
{
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0)
        return std::nullopt;
    return std::make_pair(static_cast<std::uint64_t>(info.st_dev), static_cast<std::uint64_t>(info.st_ino));
}

} // namespace

void ImageWriteGuard::checkWritable(const std::string& path)
{
    if (isReadOnlyFile(path))
        throw ImageError("The image " + shownName(path) + " is read-only.");
}

std::string ImageWriteGuard::backupPath(const std::string& path) { return path + ".bak"; }

bool ImageWriteGuard::writtenInThisRun(const std::string& path) const
{
    const auto identity = identityOf(path);
    return identity && written_.count(*identity) != 0;
}

void ImageWriteGuard::prepareWrite(const std::string& path)
{
    checkWritable(path);
    if (writtenInThisRun(path))
        return;
    if (backupEnabled_) {
        const std::string backup = backupPath(path);
        try {
            refuseOutputOverImage(backup, path);
            // The copy is as private as the image it copies. The backup's
            // name is not one the user chose, so a link planted there is
            // replaced, never followed.
            struct stat info {};
            WriteOptions options;
            options.replaceLink = true;
            if (::stat(path.c_str(), &info) == 0)
                options.mode = static_cast<int>(info.st_mode & 07777);
            writeWholeFile(backup,
                           readWholeFile(path, {static_cast<std::size_t>(maximumImageLength()), "an image of the game"}),
                           options);
        } catch (const ImageError& error) {
            throw ImageError("Nothing was written to the image " + shownName(path) + ", because its backup " +
                             shownName(backup) + " could not be made: " + error.what());
        }
    }
    noteWritten(path);
}

void ImageWriteGuard::noteWritten(const std::string& path)
{
    if (const auto identity = identityOf(path))
        written_.insert(*identity);
}

bool ImageWriteGuard::fileHolds(const std::string& path, const std::vector<std::uint8_t>& bytes)
{
    try {
        return readWholeFile(path, {static_cast<std::size_t>(maximumImageLength()), "an image of the game"}) ==
               bytes;
    } catch (const ImageError&) {
        return false; // the write itself says what is wrong with the file
    }
}

void ImageWriteGuard::commit(RomImage& image)
{
    if (!image.modified())
        return;
    if (!image.hasFile())
        image.commit(); // refuses: there is no file
    // A write that changes no byte writes nothing, the backup included.
    if (fileHolds(image.path(), image.bytes())) {
        image.markWritten();
        return;
    }
    prepareWrite(image.path());
    try {
        image.commit();
    } catch (const ImageError&) {
        noteWritten(image.path());
        throw;
    }
    noteWritten(image.path());
}

void ImageWriteGuard::commit(const std::string& path, const RomImage& changed)
{
    if (!changed.modified())
        return;
    RomImage target = RomImage::fromBytes(changed.bytes(), path);
    target.write(0, changed.read(0)); // marks it changed
    commit(target);
}

} // namespace quorled
