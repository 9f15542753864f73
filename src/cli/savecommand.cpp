#include "commands.h"

#include "imageoutput.h"
#include "imagesession.h"
#include "romdata/arealoader.h"
#include "romdata/areawriter.h"
#include "romdata/bytes.h"
#include "romdata/roomuse.h"
#include "savereport.h"

namespace quorled::cli {

namespace {

// Loads an area and writes it back unedited, as the editor's Save does.
int runSave(const CliArgs& args, std::ostream& out)
{
    args.expectPositionals(2);
    const int area = parseAreaNumber(args.positional(1));
    ImageOutput output(args, args.positional(0));
    ImageSession session = output.openSession(args);
    AreaModel model = loadArea(session.image, session.directory, session.kind, area);
    const auto room = findSaveRoom(session.image, session.directory, session.kind, model);
    ViewPosition view;
    const SaveResult result = saveArea(session.image, session.directory, session.kind, model, view);
    throwIfRefused(result);
    output.write(session.image);
    out << "Area " << hex2(area) << " saved: ";
    printChangedOffsets(result.changedOffsets, out);
    out << "\n";
    printSharedAreas(session.directory, area, room, result.changedOffsets, out);
    output.report(out);
    return 0;
}

const CommandRegistration kSaveCommand({.name = "save",
                                        .usage = "save IMAGE AREA [--reference FILE] [--dry-run] [-o OUT]",
                                        .valued = ImageOutput::withValued({"--reference"}),
                                        .flags = ImageOutput::withFlags({}), .run = runSave});

} // namespace

} // namespace quorled::cli
