#pragma once

#include <cstdint>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace quorled {

class RomImage;

// The rules every write of an image in a run of the editor or of
// quorled-cli follows: a read-only image is refused with "The image FILE is
// read-only."; before the first write to an image in the run, it is copied
// to NAME.bak beside it (when backups are on); then the whole file is
// replaced atomically. When any step fails nothing is written to the image.
// "The first write" is by file, not by name: "./NAME", "/abs/NAME" and a
// link to it are one image, and stay one after each write replaced it.
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
    // Call after a write of `path` prepared with prepareWrite, whether it
    // went through or not: the file the name now leads to (a new one after
    // a write) counts as written in this run.
    void noteWritten(const std::string& path);
    // prepareWrite, then commits the image's changes, then noteWritten.
    // Nothing is written, the backup included, when the image has no
    // changes or the file already holds its bytes.
    void commit(RomImage& image);
    // The same for an image changed in memory without a file of its own:
    // its bytes replace the file `path` when it was changed.
    void commit(const std::string& path, const RomImage& changed);

    // Whether the run has already written (or prepared to write) the file.
    bool writtenInThisRun(const std::string& path) const;

    // Whether the file at `path` holds exactly `bytes` (false when it
    // cannot be read).
    static bool fileHolds(const std::string& path, const std::vector<std::uint8_t>& bytes);

private:
    using FileIdentity = std::pair<std::uint64_t, std::uint64_t>; // device, inode

    bool backupEnabled_ = true;
    std::set<FileIdentity> written_;
};

} // namespace quorled
