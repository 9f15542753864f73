#include "commands.h"

#include "cliargs.h"
#include "imageoutput.h"
#include "imagesession.h"
#include "romdata/bytes.h"
#include "romdata/imageerror.h"
#include "romdata/imagekind.h"
#include "romdata/palettetables.h"
#include "romdata/romimage.h"
#include "savereport.h"
#include "romdata/shownname.h"

namespace quorled::cli {

namespace {

// A number argument; out of range or not a number is a refusal (exit 1).
int numberArgument(const std::string& text, const std::string& what, int min, int max)
{
    try {
        return parseNumber(text, what, min, max);
    } catch (const UsageError& error) {
        throw ImageError(std::string(error.what()) + "; nothing was written.");
    }
}

// Why an entry is never stored: its bytes belong to a palette written later.
std::string sharedEntry(bool enemy, int world, int palette)
{
    if (!enemy && palette == 7)
        return "level palette 7 lies on the bytes of enemy palette 0 and slots 0-3 of enemy palette 1, "
               "which the table keeps";
    if (enemy && palette == 3)
        return world == 6 ? "enemy palette 3 of world 7 lies past the end of the palette table"
                          : "enemy palette 3 lies on slots 0-11 of the next world's level palette 0, which the "
                            "table keeps";
    return {};
}

// Sets one palette entry as the palette dialog's OK does: the table read,
// the entry changed, the whole table written back.
int runSetColour(const CliArgs& args, std::ostream& out)
{
    args.expectPositionals(6);
    const std::string& path = args.positional(0);
    const int world = numberArgument(args.positional(1), "world", 1, kPaletteWorldsInImage) - 1;
    const std::string& which = args.positional(2);
    if (which != "level" && which != "enemy")
        throw ImageError("the palette kind \"" + which + "\" is neither level nor enemy; nothing was written.");
    const bool enemy = which == "enemy";
    const int palette = numberArgument(args.positional(3), which + " palette", 0, enemy ? 3 : 7);
    const int slot = numberArgument(args.positional(4), "slot", 0, enemy ? kEnemySlotsInImage - 1 : 15);
    const int colour = numberArgument(args.positional(5), "colour", 0, kHighestColourNumber);
    if (const std::string shared = sharedEntry(enemy, world, palette); !shared.empty())
        throw ImageError("Not set: " + shared + ", so nothing was written.");

    const ImageKind kind = imageKindFromFileName(path);
    if (kind != ImageKind::Ines)
        throw ImageError("The image " + shownName(path) + " is not an iNES image: palettes are edited in iNES images only, "
                         "so nothing was written.");
    ImageOutput output(args, path);
    RomImage image = output.open(kind, args);
    PaletteTables tables = readPaletteTable(image);
    auto& row = enemy ? tables.enemyPalettes[static_cast<std::size_t>(4 * world + palette)]
                      : tables.levelPalettes[static_cast<std::size_t>(8 * world + palette)];
    row[static_cast<std::size_t>(slot)] = colour;

    const std::vector<std::uint8_t> before = image.bytes();
    writePaletteTable(tables, image);
    std::vector<long> changed;
    for (long offset = kPaletteTableStart; offset <= kPaletteTableEnd; ++offset)
        if (before[static_cast<std::size_t>(offset)] != image.read(offset))
            changed.push_back(offset);
    output.write(image);
    out << "World " << world + 1 << " " << which << " palette " << palette << " slot " << slot << " set to "
        << hex2(colour) << ": ";
    printChangedOffsets(changed, out);
    out << "\n";
    output.report(out);
    return 0;
}

const CommandRegistration kSetColourCommand({.name = "set-colour",
                                             .usage = "set-colour IMAGE WORLD level|enemy PALETTE SLOT COLOUR "
                                                      "[--dry-run] [-o OUT]",
                                             .valued = ImageOutput::withValued({}),
                                             .flags = ImageOutput::withFlags({}), .run = runSetColour});

} // namespace

} // namespace quorled::cli
