#include "imagesession.h"

#include "romdata/imageerror.h"
#include "romdata/shownname.h"

namespace quorled::cli {

void refuseForeignImage(const std::string& path, const RomImage& image, ImageKind kind, const CliArgs& args)
{
    if (!args.flag("--force"))
        if (const auto foreign = foreignImageProblem(path, image.bytes(), kind))
            throw ImageError(*foreign + " Add --force to work on it all the same.");
}

std::optional<DiskImageOffsets> referenceOffsets(const std::string& path, ImageKind kind, const CliArgs& args)
{
    if (kind != ImageKind::Fds)
        return std::nullopt;
    const auto reference = args.value("--reference");
    if (!reference)
        throw ImageError("The disk image " + shownName(path) +
                         " needs a published iNES image of the game as its reference: add --reference FILE.");
    return diskOffsetsFromReference(RomImage::open(*reference));
}

RomImage openImageFile(const std::string& path, ImageKind kind, const CliArgs& args)
{
    RomImage image = RomImage::openChecked(path, kind);
    refuseForeignImage(path, image, kind, args);
    return image;
}

ImageSession ImageSession::open(const std::string& path, const CliArgs& args)
{
    ImageSession session;
    session.kind = imageKindFromFileName(path);
    session.image = openImageFile(path, session.kind, args);
    session.disk = referenceOffsets(path, session.kind, args);
    session.directory = buildAreaDirectory(session.image, session.kind, session.disk ? &*session.disk : nullptr);
    return session;
}

} // namespace quorled::cli
