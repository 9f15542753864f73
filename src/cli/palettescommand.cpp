#include "commands.h"

#include "imagesession.h"
#include "core/exchange/jsondocument.h"
#include "romdata/builtinpalettes.h"
#include "romdata/bytes.h"

namespace quorled::cli {

namespace {

template <typename Rows>
void writeRowsText(const Rows& rows, int perWorld, std::ostream& out)
{
    for (std::size_t r = 0; r < rows.size(); ++r) {
        out << "  world " << r / static_cast<std::size_t>(perWorld) + 1 << " palette "
            << r % static_cast<std::size_t>(perWorld) << ":";
        for (int value : rows[r])
            out << " " << hex2(value);
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
    writeRowsText(tables.levelPalettes, 8, out);
    out << "Enemy palettes:\n";
    writeRowsText(tables.enemyPalettes, 4, out);
    return 0;
}

const CommandRegistration kPalettesCommand({.name = "palettes", .usage = "palettes IMAGE [--json] [--reference FILE]",
                                            .valued = {"--reference"}, .flags = {"--json"}, .run = runPalettes});

} // namespace

} // namespace quorled::cli
