#include "imagewriteguard.h"

#include "filestore.h"
#include "imageerror.h"
#include "romimage.h"

#include <filesystem>
#include <sys/stat.h>

namespace quorled {

void ImageWriteGuard::checkWritable(const std::string& path)
{
    if (isReadOnlyFile(path))
        throw ImageError("The image " + path + " is read-only.");
}

std::string ImageWriteGuard::backupPath(const std::string& path) { return path + ".bak"; }

std::string ImageWriteGuard::key(const std::string& path)
{
    // Two names of one file share their first write.
    std::error_code error;
    const std::filesystem::path canonical = std::filesystem::weakly_canonical(path, error);
    return error ? path : canonical.string();
}

bool ImageWriteGuard::writtenInThisRun(const std::string& path) const { return written_.count(key(path)) != 0; }

void ImageWriteGuard::prepareWrite(const std::string& path)
{
    checkWritable(path);
    if (writtenInThisRun(path))
        return;
    if (backupEnabled_) {
        const std::string backup = backupPath(path);
        try {
            writeWholeFile(backup, readWholeFile(path));
        } catch (const ImageError& error) {
            throw ImageError("Nothing was written to the image " + path + ", because its backup " + backup +
                             " could not be made: " + error.what());
        }
        // The copy is as private as the image it copies.
        struct stat info {};
        if (::stat(path.c_str(), &info) == 0)
            ::chmod(backup.c_str(), info.st_mode & 07777);
    }
    written_.insert(key(path));
}

void ImageWriteGuard::commit(RomImage& image)
{
    if (!image.modified())
        return;
    if (image.path().empty())
        image.commit(); // refuses: there is no file
    prepareWrite(image.path());
    image.commit();
}

} // namespace quorled
