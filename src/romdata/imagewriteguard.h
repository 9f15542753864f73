#pragma once

#include <set>
#include <string>

namespace quorled {

class RomImage;

// The rules every write of an image in a run of the editor follows: a
// read-only image is refused with "The image FILE is read-only."; before the
// first write to an image in the run, it is copied to NAME.bak beside it
// (when backups are on); then the whole file is replaced atomically. When
// any step fails nothing is written to the image.
class ImageWriteGuard {
public:
    bool backupEnabled() const { return backupEnabled_; }
    void setBackupEnabled(bool on) { backupEnabled_ = on; }

    // Throws ImageError "The image FILE is read-only." for such a file.
    static void checkWritable(const std::string& path);
    // The name of an image's backup: NAME.bak beside it.
    static std::string backupPath(const std::string& path);

    // Call before writing `path`: refuses a read-only image and, before the
    // first write to it in this run, makes the backup. Throws ImageError
    // when the image must not be written; it is then as it was. The first
    // write counts even with backups off, so a backup made later in the run
    // never replaces an older one by an already edited image.
    void prepareWrite(const std::string& path);
    // prepareWrite, then commits the image's changes (nothing when it has none).
    void commit(RomImage& image);

    // Counts a file this run has just made as written, so that its first
    // save makes no backup of it.
    void markWritten(const std::string& path) { written_.insert(key(path)); }

    // Whether the run has already written (or prepared to write) the file.
    bool writtenInThisRun(const std::string& path) const;

private:
    static std::string key(const std::string& path);

    bool backupEnabled_ = true;
    std::set<std::string> written_;
};

} // namespace quorled
