#pragma once

#include "core/project/textproject.h"
#include "romdata/areadirectory.h"
#include "romdata/demo/demoimage.h"
#include "romdata/romimage.h"

#include <optional>

namespace quorled::test {

// A demo image of one kind read as the text project reads it; a disk image
// takes its directory from the iNES demo image.
struct DemoSide {
    ImageKind kind;
    RomImage image;
    std::optional<DiskImageOffsets> disk;
    AreaDirectory directory;

    explicit DemoSide(ImageKind k, std::vector<std::uint8_t> bytes = {}) : kind(k)
    {
        image = RomImage::fromBytes(bytes.empty() ? buildDemoImage(kind) : std::move(bytes));
        if (kind == ImageKind::Fds)
            disk = diskOffsetsFromReference(RomImage::fromBytes(buildDemoImage(ImageKind::Ines)));
        directory = buildAreaDirectory(image, kind, disk ? &*disk : nullptr);
    }
    ProjectImage side() const { return {image, kind, directory}; }
};

} // namespace quorled::test
