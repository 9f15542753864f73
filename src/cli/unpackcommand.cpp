#include "commands.h"

#include "core/project/projectfolder.h"
#include "imagesession.h"
#include "romdata/filestore.h"
#include "romdata/imageerror.h"
#include "romdata/shownname.h"

namespace quorled::cli {

// Writes the text project of an image: one file per area and per table.
// Over an existing project the project file is kept: the project stays
// based on the image it was first unpacked from, which pack takes as base.
int runUnpack(const std::vector<std::string>& words, std::ostream& out)
{
    const CliArgs args(words, {"--reference"}, {});
    args.expectPositionals(2);
    const std::string& folder = args.positional(1);
    const ImageSession session = ImageSession::open(args.positional(0), args);
    ProjectFiles files = unpackImage({session.image, session.kind, session.directory});
    bool kept = false;
    if (isProjectFolder(folder)) {
        const std::vector<std::uint8_t> bytes = readWholeFile(folder + "/" + kProjectFileName);
        const std::string text(bytes.begin(), bytes.end());
        const ProjectOrigin origin = readProjectOrigin(text);
        if (origin.kind != session.kind)
            throw ImageError("The project " + shownName(folder) + " holds a " + imageKindName(origin.kind) +
                             " image, not a " + imageKindName(session.kind) + " one. Nothing was written.");
        kept = text != files[kProjectFileName];
        files[kProjectFileName] = text;
    }
    const std::vector<std::string> written = writeProjectFolder(folder, files);
    out << "Unpacked " << shownName(args.positional(0)) << " into " << shownName(folder) << ": " << written.size()
        << " of " << files.size() << " files written, the others were already up to date.\n";
    if (kept)
        out << "The project file was kept: the project is still based on the image it names.\n";
    return 0;
}

} // namespace quorled::cli
