#include "commands.h"

#include "imagesession.h"
#include "core/exchange/jsondocument.h"
#include "romdata/builtinpalettes.h"
#include "romdata/bytes.h"
#include "romdata/palettetables.h"

namespace quorled::cli {

namespace {

// The worlds the palette table holds (1..7, as set-colour and the palette
// dialog count them), each palette with the slots the image keeps.
template <typename Rows>
void writeRowsText(const Rows& rows, int perWorld, int slots, std::ostream& out)
{
    for (int world = 0; world < kPaletteWorldsInImage; ++world)
        for (int palette = 0; palette < perWorld; ++palette) {
            out << "  world " << world + 1 << " palette " << palette << ":";
            const auto& row = rows[static_cast<std::size_t>(world * perWorld + palette)];
            for (int slot = 0; slot < slots; ++slot)
                out << " " << hex2(row[static_cast<std::size_t>(slot)]);
            out << "\n";
        }
}

int runPalettes(const CliArgs& args, std::ostream& out)
{
    args.expectPositionals(1);
    const ImageSession session = ImageSession::open(args.positional(0), args);
    const PaletteTables tables = startupPalettes(session.image, session.kind);
    if (args.flag("--json")) {
        out << jsonText({{"levelPalettes", tables.levelPalettes}, {"enemyPalettes", tables.enemyPalettes}}) << "\n";
        return 0;
    }
    out << "Level palettes:\n";
    writeRowsText(tables.levelPalettes, 8, 16, out);
    out << "Enemy palettes:\n";
    writeRowsText(tables.enemyPalettes, 4, kEnemySlotsInImage, out);
    return 0;
}

const CommandRegistration kPalettesCommand({.name = "palettes", .usage = "palettes IMAGE [--json] [--reference FILE]",
                                            .valued = {"--reference"}, .flags = {"--json"}, .run = runPalettes});

} // namespace

} // namespace quorled::cli
