#include "commands.h"

#include "gameareasoutput.h"
#include "imagesession.h"

#include "core/workbench/areasearch.h"
#include "romdata/bytes.h"

namespace quorled::cli {

namespace {

int runFind(const CliArgs& args, std::ostream& out)
{
    args.expectPositionals(2);
    const auto query = parseSearchQuery(args.positional(1));
    if (!query)
        throw UsageError("QUERY \"" + args.positional(1) +
                         "\" must be a piece of a name, \"enemy NN\" or \"object NN\" (NN hexadecimal, 00..FF)");
    const ImageSession session = ImageSession::open(args.positional(0), args);
    const GameAreas game = loadGameAreas(session.image, session.directory, session.kind);
    const std::vector<SearchHit> hits = findItems(game, *query);

    if (args.flag("--json")) {
        nlohmann::json list = nlohmann::json::array();
        for (const SearchHit& hit : hits)
            list.push_back({{"area", hit.area},
                            {"item", itemJson(hit.item)},
                            {"index", hit.index},
                            {"x", hit.x},
                            {"y", hit.y},
                            {"name", hit.name}});
        out << list.dump(2) << "\n";
        return 0;
    }
    for (const SearchHit& hit : hits)
        out << placeLabel(hit.area) << "  " << itemLabel(hit.item, hit.index) << "  X:" << hex2(hit.x)
            << " Y:" << hex2(hit.y) << "  " << hit.name << "\n";
    out << hits.size() << (hits.size() == 1 ? " match\n" : " matches\n");
    return 0;
}

const CommandRegistration kFindCommand({.name = "find", .usage = "find IMAGE QUERY [--json] [--reference FILE]",
                                        .valued = {"--reference"}, .flags = {"--json"}, .run = runFind});

} // namespace

} // namespace quorled::cli
