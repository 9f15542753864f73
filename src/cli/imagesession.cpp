#include "imagesession.h"

#include "romdata/imageerror.h"

namespace quorled::cli {

ImageSession ImageSession::open(const std::string& path, const CliArgs& args)
{
    ImageSession session;
    session.kind = imageKindFromFileName(path);
    session.image = RomImage::openChecked(path, session.kind);
    if (session.kind == ImageKind::Fds) {
        const auto reference = args.value("--reference");
        if (!reference)
            throw ImageError("The disk image " + path +
                             " needs a published iNES image of the game as its reference: add --reference FILE.");
        session.disk = diskOffsetsFromReference(RomImage::open(*reference));
    }
    session.directory = buildAreaDirectory(session.image, session.kind, session.disk ? &*session.disk : nullptr);
    return session;
}

} // namespace quorled::cli
