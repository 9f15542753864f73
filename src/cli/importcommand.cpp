#include "commands.h"

#include "areaimport.h"
#include "imageoutput.h"
#include "imagesession.h"
#include "romdata/arealoader.h"
#include "romdata/areawriter.h"
#include "romdata/bytes.h"
#include "romdata/relocatingsave.h"
#include "romdata/romimage.h"
#include "romdata/roomuse.h"
#include "savereport.h"
#include "romdata/shownname.h"

namespace quorled::cli {

namespace {

// Replaces an area's header, objects and enemies with those of a JSON file
// and saves it with every check of a save. With --relocate (iNES images)
// data that outgrew its room is first moved to the first free run that fits.
int runImport(const CliArgs& args, std::ostream& out)
{
    args.expectPositionals(3);
    const int area = parseAreaNumber(args.positional(1));
    const std::string& fileName = args.positional(2);
    const JsonValue document = readJsonFile(fileName);
    ImageOutput output(args, args.positional(0));
    ImageSession session = output.openSession(args);
    AreaModel model = loadArea(session.image, session.directory, session.kind, area);
    const auto room = findSaveRoom(session.image, session.directory, session.kind, model);
    applyAreaJson(document, model, fileName);
    ViewPosition view;
    std::vector<std::string> moves;
    SaveResult result;
    if (args.flag("--relocate") && session.kind == ImageKind::Ines) {
        RelocatingSave relocated = saveWithRelocation(session.image, session.directory, model, view);
        result = relocated.result;
        moves = relocated.moves;
    } else {
        result = saveArea(session.image, session.directory, session.kind, model, view);
    }
    throwIfRefused(result);
    output.write(session.image); // with --relocate the move and the save in one write
    for (const std::string& move : moves)
        out << "Moved " << move << "\n";
    out << "Area " << hex2(area) << " imported from " << shownName(fileName) << ": ";
    printChangedOffsets(result.changedOffsets, out);
    out << "\n";
    printSharedAreas(session.directory, area, room, result.changedOffsets, out);
    output.report(out);
    return 0;
}

const CommandRegistration kImportCommand({.name = "import",
                                          .usage = "import IMAGE AREA FILE.json [--reference FILE] [--relocate] "
                                                   "[--dry-run] [-o OUT]",
                                          .valued = ImageOutput::withValued({"--reference"}),
                                          .flags = ImageOutput::withFlags({"--relocate"}), .run = runImport});

} // namespace

} // namespace quorled::cli
