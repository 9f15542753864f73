#pragma once

#include "cliargs.h"
#include "romdata/areadirectory.h"
#include "romdata/imagekind.h"
#include "romdata/imagelock.h"
#include "romdata/imagewriteguard.h"
#include "romdata/romimage.h"

#include <optional>
#include <string>

namespace quorled::cli {

// Reads an image for a command, refusing a file too short for its kind and,
// unless --force was given, one that does not start as an image of its kind
// does (an iNES image with "NES" and the byte 1A).
RomImage openImageFile(const std::string& path, ImageKind kind, const CliArgs& args);

// An image opened for a command: its kind, its bytes and its directory. A
// disk image takes its offsets from the reference image named by
// --reference.
struct ImageSession {
    ImageKind kind = ImageKind::Ines;
    RomImage image;
    std::optional<DiskImageOffsets> disk;
    AreaDirectory directory;

    static ImageSession open(const std::string& path, const CliArgs& args);
};

// How a command writes its image, with the editor's rules: a read-only
// image is refused at once; the image is locked against other writers from
// before it is read until it is written; before the write the image is
// copied to NAME.bak, unless --no-backup was given or the settings file
// turns backups off ("Options"/"Backup"). Make it before reading the image.
class ImageWriter {
public:
    ImageWriter(const std::string& path, const CliArgs& args);

    // Writes the image's changes (nothing when it has none).
    void commit(RomImage& image);
    // Writes an image changed in memory, without a file of its own (one
    // that library code must not write itself), over the image file.
    void commitCopy(const RomImage& changed);

private:
    std::string path_;
    ImageLock lock_;
    ImageWriteGuard guard_;
};

} // namespace quorled::cli
