#include "commands.h"

#include "imagesession.h"
#include "core/exchange/jsondocument.h"
#include "romdata/areadamage.h"
#include "romdata/bytes.h"
#include "romdata/shownname.h"

namespace quorled::cli {

namespace {

int runDirectory(const CliArgs& args, std::ostream& out)
{
    args.expectPositionals(1);
    const ImageSession session = ImageSession::open(args.positional(0), args);
    const AreaDirectory& directory = session.directory;

    if (args.flag("--json")) {
        nlohmann::ordered_json areas = nlohmann::ordered_json::array();
        for (int area = 0; area < kAreaCount; ++area) {
            const auto a = static_cast<std::size_t>(area);
            areas.push_back({{"area", area},
                             {"name", directory.areaName(area)},
                             {"levelOffset", directory.areaLevelOffset[a]},
                             {"enemyOffset", directory.areaEnemyOffset[a]}});
        }
        const auto& worlds = directory.worldFirstArea;
        out << jsonText({{"kind", imageKindName(session.kind)},
                         {"worldFirstArea", std::vector<int>(worlds.begin() + 1, worlds.begin() + 9)},
                         {"areas", areas}})
            << "\n";
        return 0;
    }

    out << "Image: " << shownName(args.positional(0)) << " (" << imageKindName(session.kind) << ", "
        << session.image.size() << " bytes)\n";
    if (const auto note = manyDamagedAreasNote(args.positional(0),
                                               damagedAreaCount(session.image, directory, session.kind)))
        out << *note << "\n";
    out << "First area of each world:";
    for (int i = 1; i <= 8; ++i)
        out << " " << hex2(directory.worldFirstArea[static_cast<std::size_t>(i)]);
    out << "\n\nArea  Level   Enemy   Name\n";
    for (int area = 0; area < kAreaCount; ++area) {
        const auto a = static_cast<std::size_t>(area);
        out << hex2(area) << "    " << hexAddress(directory.areaLevelOffset[a]) << "  "
            << hexAddress(directory.areaEnemyOffset[a]) << "  " << directory.areaName(area) << "\n";
    }
    return 0;
}

const CommandRegistration kDirectoryCommand({.name = "directory",
                                             .usage = "directory IMAGE [--json] [--reference FILE]",
                                             .valued = {"--reference"}, .flags = {"--json"}, .run = runDirectory});

} // namespace

} // namespace quorled::cli
