#pragma once

#include "cliargs.h"
#include "romdata/areadirectory.h"
#include "romdata/imagekind.h"
#include "romdata/romimage.h"

#include <optional>
#include <string>

namespace quorled::cli {

// Unless --force was given, refuses an image that does not start as an
// image of its kind does (an iNES image with "NES" and the byte 1A).
void refuseForeignImage(const std::string& path, const RomImage& image, ImageKind kind, const CliArgs& args);
// The offsets a disk image takes from the reference image named by
// --reference (nothing for the other kinds). Throws ImageError when there is none.
std::optional<DiskImageOffsets> referenceOffsets(const std::string& path, ImageKind kind, const CliArgs& args);

// Reads an image for a command that only reads it, refusing a file too
// short for its kind and a foreign one (see refuseForeignImage).
RomImage openImageFile(const std::string& path, ImageKind kind, const CliArgs& args);

// An image opened for a command: its kind, its bytes and its directory. A
// disk image takes its offsets from the reference image named by
// --reference.
struct ImageSession {
    ImageKind kind = ImageKind::Ines;
    RomImage image;
    std::optional<DiskImageOffsets> disk;
    AreaDirectory directory;

    // For a command that only reads the image.
    static ImageSession open(const std::string& path, const CliArgs& args);
};

} // namespace quorled::cli
