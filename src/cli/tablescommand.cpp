#include "commands.h"

#include "cliargs.h"
#include "core/exchange/gametables.h"
#include "core/exchange/jsondocument.h"
#include "imageoutput.h"
#include "romdata/bytes.h"
#include "imagesession.h"
#include "romdata/romimage.h"

#include <climits>

namespace quorled::cli {

namespace {

// Every byte the game-table dialogs edit, table by table.
int runTables(const CliArgs& args, std::ostream& out)
{
    args.expectPositionals(1);
    const ImageKind kind = imageKindFromFileName(args.positional(0));
    const RomImage image = openImageFile(args.positional(0), kind, args);
    const std::vector<GameTable> tables = listGameTables(image, kind);
    if (args.flag("--json")) {
        nlohmann::ordered_json list = nlohmann::ordered_json::array();
        for (const GameTable& table : tables) {
            nlohmann::ordered_json rows = nlohmann::ordered_json::array();
            for (const GameTableRow& row : table.rows)
                rows.push_back({{"row", row.row},
                                {"caption", row.caption},
                                {"offset", row.offset},
                                {"value", row.value},
                                {"shown", row.shown}});
            list.push_back({{"table", table.name}, {"rows", rows}});
        }
        out << jsonText({{"tables", list}}) << "\n";
        return 0;
    }
    for (const GameTable& table : tables) {
        out << table.name << ":\n";
        for (const GameTableRow& row : table.rows)
            out << "  " << row.row << "  " << hexAddress(row.offset) << "  " << hex2(row.value) << "  "
                << row.caption << " " << row.shown << "\n";
    }
    return 0;
}

// Writes one row of a table with its dialog's rules.
int runSet(const CliArgs& args, std::ostream& out)
{
    args.expectPositionals(4);
    const std::string& path = args.positional(0);
    const std::string& table = args.positional(1);
    const int row = parseNumber(args.positional(2), "row", INT_MIN, INT_MAX);
    const int value = parseNumber(args.positional(3), "value", INT_MIN, INT_MAX);
    const ImageKind kind = imageKindFromFileName(path);
    ImageOutput output(args, path);
    RomImage image = output.open(kind, args);
    const RomImage original = image;
    const long offset = setGameTableRow(image, kind, table, row, value);
    const int before = original.read(offset);
    output.write(image);
    out << table << " row " << row << " at " << hexAddress(offset) << ": " << hex2(before) << " -> " << hex2(value)
        << "\n";
    output.report(out);
    return 0;
}

const CommandRegistration kTablesCommand({.name = "tables", .usage = "tables IMAGE [--json]", .valued = {},
                                          .flags = {"--json"}, .run = runTables});
const CommandRegistration kSetCommand({.name = "set", .usage = "set IMAGE TABLE ROW VALUE [--dry-run] [-o OUT]",
                                       .valued = ImageOutput::withValued({}), .flags = ImageOutput::withFlags({}),
                                       .run = runSet});

} // namespace

} // namespace quorled::cli
