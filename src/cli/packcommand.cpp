#include "commands.h"

#include "core/project/projectfolder.h"
#include "core/project/sha256.h"
#include "imageoutput.h"
#include "imagesession.h"
#include "romdata/filestore.h"
#include "romdata/shownname.h"

namespace quorled::cli {

// Builds an image from a text project on the image it was unpacked from.
int runPack(const std::vector<std::string>& words, std::ostream& out)
{
    const CliArgs args(words, {"--base", "-o", "--reference"}, {});
    args.expectPositionals(1);
    const auto base = args.value("--base");
    const auto output = args.value("-o");
    if (!base)
        throw UsageError("pack needs --base IMAGE, the image the project was unpacked from");
    if (!output)
        throw UsageError("pack needs -o OUT, the new image to write");
    refuseOutputOverImage(*output, *base);
    refuseExistingFile(*output, "pack");
    const ImageSession session = ImageSession::open(*base, args);
    const ProjectImage source{session.image, session.kind, session.directory};
    const ProjectFiles files = readProjectFolder(args.positional(0), projectPaths(source));
    const PackResult packed = packProject(files, source);
    writeWholeFile(*output, packed.bytes);
    for (const std::string& line : packed.log)
        out << line << "\n";
    out << "Wrote " << shownName(*output) << " (" << packed.bytes.size() << " bytes, SHA-256 "
        << sha256Hex(packed.bytes) << ").\n";
    return 0;
}

} // namespace quorled::cli
