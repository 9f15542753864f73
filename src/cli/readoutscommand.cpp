#include "commands.h"

#include "imagesession.h"

#include "romdata/arealoader.h"
#include "view/readouts.h"
#include "view/viewstate.h"

namespace quorled::cli {

namespace {

// Colours of a clear bit, a set bit and a pressed box; the text output
// does not show them.
constexpr std::array<std::uint32_t, 3> kBitBoxColours{0xC0E0FF, 0x004080, 0x6090C0};

int runReadouts(const CliArgs& args, std::ostream& out)
{
    args.expectPositionals(2);
    const int areaNumber = parseAreaNumber(args.positional(1));
    const ImageSession session = ImageSession::open(args.positional(0), args);
    AreaModel area = loadArea(session.image, session.directory, session.kind, areaNumber);
    if (const auto object = args.value("--object"))
        area.selectedObject = parseNumber(*object, "--object", -9999, 99999);
    if (const auto enemy = args.value("--enemy"))
        area.selectedEnemy = parseNumber(*enemy, "--enemy", -9999, 99999);

    ViewState view;
    view.showPointersAsObjects = args.flag("--pointers-as-objects");
    const ReadoutTexts t = updateReadouts(area, view);
    out << t.objectNumber << "\n"
        << t.objectPosition << "\n"
        << t.objectType << "\n"
        << t.objectName << "\n"
        << t.enemyNumber << "\n"
        << t.enemyPosition << "\n"
        << t.enemyType << "\n"
        << t.enemyName << "\n"
        << showHeaderBits(area.header, kBitBoxColours).text << "\n";
    return 0;
}

const CommandRegistration kReadoutsCommand({.name = "readouts",
                                            .usage = "readouts IMAGE AREA [--object N] [--enemy N] "
                                                     "[--pointers-as-objects] [--reference FILE]",
                                            .valued = {"--reference", "--object", "--enemy"},
                                            .flags = {"--pointers-as-objects"}, .run = runReadouts});

} // namespace

} // namespace quorled::cli
