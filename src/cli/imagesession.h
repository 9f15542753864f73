#pragma once

#include "cliargs.h"
#include "romdata/areadirectory.h"
#include "romdata/imagekind.h"
#include "romdata/romimage.h"

#include <optional>
#include <string>

namespace quorled::cli {

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

} // namespace quorled::cli
