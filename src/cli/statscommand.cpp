#include "commands.h"

#include "imagesession.h"

#include "core/workbench/gameareapass.h"
#include "romdata/bytes.h"
#include "romdata/freespace.h"

#include <nlohmann/json.hpp>


namespace quorled::cli {

namespace {

nlohmann::json countsJson(const DataCounts& c)
{
    return {{"objects", c.objects},       {"enemies", c.enemies},       {"levelBytes", c.levelBytes},
            {"levelRoom", c.levelRoom},   {"enemyBytes", c.enemyBytes}, {"enemyRoom", c.enemyRoom},
            {"free", c.levelRoom - c.levelBytes + c.enemyRoom - c.enemyBytes}};
}

nlohmann::json typesJson(const std::vector<TypeUse>& types)
{
    nlohmann::json list = nlohmann::json::array();
    for (const TypeUse& t : types)
        list.push_back({{"type", t.type}, {"name", t.name}, {"uses", t.uses}});
    return list;
}

int runStats(const CliArgs& args, std::ostream& out)
{
    args.expectPositionals(1);
    const ImageSession session = ImageSession::open(args.positional(0), args);
    const GameStats stats = imageAreaStats(session.image, session.directory, session.kind);
    std::optional<FreeSpaceCount> free;
    if (session.kind == ImageKind::Ines)
        free = countFreeSpace(session.image);

    if (args.flag("--json")) {
        nlohmann::json areas = nlohmann::json::array();
        for (const AreaStats& a : stats.areas) {
            nlohmann::json entry = countsJson(a.counts);
            entry["area"] = a.area;
            entry["world"] = a.world;
            entry["measured"] = a.measured;
            areas.push_back(entry);
        }
        nlohmann::json worlds = nlohmann::json::array();
        for (std::size_t w = 0; w < stats.worlds.size(); ++w) {
            nlohmann::json entry = countsJson(stats.worlds[w]);
            entry["world"] = w + 1;
            worlds.push_back(entry);
        }
        nlohmann::json result{{"areas", areas},
                              {"worlds", worlds},
                              {"total", countsJson(stats.total)},
                              {"topObjects", typesJson(stats.topObjects)},
                              {"topEnemies", typesJson(stats.topEnemies)}};
        result["freeSpace"] = free ? nlohmann::json{{"free", free->free}, {"total", free->total}} : nlohmann::json();
        out << result.dump(2) << "\n";
        return 0;
    }
    out << gameStatsText(stats);
    if (free)
        out << "Free space of the level-data region: " << freeSpaceText(*free) << "\n";
    return 0;
}

const CommandRegistration kStatsCommand({.name = "stats", .usage = "stats IMAGE [--json] [--reference FILE]",
                                         .valued = {"--reference"}, .flags = {"--json"}, .run = runStats});

} // namespace

} // namespace quorled::cli
