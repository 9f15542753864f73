#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace quorled {

// The most a read takes in, and what kind of file the message calls it.
struct ReadLimit {
    std::size_t bytes;
    const char* what; // "a settings file", "a JSON file", ...
};

// JSON files and the settings file: a few MiB, far beyond any real one.
inline constexpr ReadLimit kTextFileLimit{4u << 20, "a file of this kind"};

// Reads a whole regular file of at most `limit.bytes` bytes. A FIFO, device
// or socket is refused at once (it is opened without blocking and never
// read), and so is a folder or a longer file. Throws ImageError naming the
// file and the reason.
std::vector<std::uint8_t> readWholeFile(const std::string& path, ReadLimit limit = kTextFileLimit);

// Whether an existing file is read-only for this program: it cannot be
// written, or nobody has write permission on it (which holds for root too,
// who could write it anyway).
bool isReadOnlyFile(const std::string& path);

// Whether two names lead to one file on disk (same device and inode).
bool sameFileOnDisk(const std::string& a, const std::string& b);

// Refuses an output file that is the image itself (by identity, whatever
// the two names look like): throws ImageError, nothing written.
void refuseOutputOverImage(const std::string& output, const std::string& image);

// The start of the names of the temporary files writeWholeFile makes for a
// target: "NAME.quorled-new-", followed by the writer's process number and
// a random tail.
std::string temporaryPrefix(const std::string& targetName);

// Replaces a file by new contents so that an interruption leaves either the
// old file or the new one: the bytes go to a new temporary file with a
// unique name in the same folder (created exclusively, never through a
// link), are flushed to disk, take over the old file's permissions and are
// renamed into place; then the folder is flushed. A symbolic link keeps
// pointing where it did, and its target is replaced. A target that exists
// but is no regular file (folder, FIFO, device) is refused. After a
// successful write, temporary files of earlier runs for the same target
// that were killed before they finished are removed. Throws ImageError
// naming the file and the reason; the old file is then untouched.
struct WriteOptions {
    // A symbolic link at `path` is itself replaced by the new file rather
    // than followed (for files whose names the user did not choose).
    bool replaceLink = false;
    // The new file's permissions; -1 keeps the old file's (0644 for a new one).
    int mode = -1;
};
void writeWholeFile(const std::string& path, const std::vector<std::uint8_t>& bytes, WriteOptions options = {});

} // namespace quorled
